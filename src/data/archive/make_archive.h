#pragma once

#include <filesystem>

namespace orvanta {

// Packs the program set in set_folder into the archive file: writes the size header of
// option.prg, lesson.prg, clss.prg, room.prg, teacher.prg, common.prg and duty.prg to sizes.prg,
// then the header and the seven files through one zlib stream at level 9. Files are copied in
// pieces, so memory stays bounded. The archive appears whole or not at all (it is written under a
// temporary name first). Throws IoError, also when one of the files is missing.
void MakeArchive(const std::filesystem::path& set_folder, const std::filesystem::path& archive);

}  // namespace orvanta
