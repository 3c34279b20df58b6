#pragma once

// What the backup features need to know about the files of a backup folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/clock.h"

namespace orvanta {

struct ArchiveFile {
  std::filesystem::path path;
  std::string name;        // UTF-8 file name
  LocalDateTime modified;  // local time
};

// The regular files of folder whose name ends in ".zip" (the case of the extension does not
// matter), in no particular order. Throws IoError when the folder cannot be listed.
std::vector<ArchiveFile> ListArchives(const std::filesystem::path& folder);

// The regular file of folder (any name) with the latest modification time; nullopt when there is
// none or the folder cannot be read.
std::optional<std::filesystem::path> NewestFile(const std::filesystem::path& folder);

// True when both files hold the same bytes; compared piece by piece. Throws IoError when one
// cannot be read.
bool FilesIdentical(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace orvanta
