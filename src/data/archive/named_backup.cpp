#include "data/archive/named_backup.h"

#include <string>

#include "data/archive/make_archive.h"
#include "data/program_set_io.h"

namespace orvanta {

bool IsValidBackupName(std::string_view name) {
  return !name.empty() && name.find_first_of("/\\") == std::string_view::npos;
}

std::filesystem::path MakeNamedArchive(SchoolData& data, const std::filesystem::path& folder,
                                       std::string_view name) {
  const std::string file_name = std::string(name) + ".zip";
  data.option.last_backup_name().SetText(file_name);
  WriteOptionRecord(data);
  const std::filesystem::path archive = folder / std::filesystem::u8path(file_name);
  MakeArchive(data.set_folder, archive);
  return archive;
}

}  // namespace orvanta
