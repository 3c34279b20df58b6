#pragma once

// Unpacking an archive (archive_format.h) into a folder. Nothing in the folder changes unless the
// whole archive is sound: the files are unpacked under temporary names, the stream must hold
// exactly the sizes its header promises and end there, and only then does each temporary file
// replace its target (each by one rename). Files are unpacked in pieces, so memory stays bounded.

#include <filesystem>
#include <span>
#include <string_view>

namespace orvanta {

// Unpacks the archive into the files named by names in folder (matched without regard to case;
// names[0] receives the header). Throws DamagedArchiveError for a short, corrupt or oversized
// archive and for absurd header sizes (these are refused before anything is written), IoError
// when a file cannot be read or written; the folder's files are then as they were.
// REQUIRES: 1 <= names.size() <= 20 (the header's elements).
void UnpackArchive(const std::filesystem::path& archive, const std::filesystem::path& folder,
                   std::span<const std::string_view> names);

// The program set's archive into its eight files (sizes.prg, option.prg ... duty.prg). The caller
// opens the set again afterwards.
void RestoreArchive(const std::filesystem::path& set_folder, const std::filesystem::path& archive);

// An archive of the previous generation into its thirteen files in folder.
void RestoreOldArchive(const std::filesystem::path& folder, const std::filesystem::path& archive);

}  // namespace orvanta
