#pragma once

// A backup made by name (the backup screen's "Kaydet"): the archive NAME.zip, whose name is
// remembered as the set's last backup name and shown on the main screen.

#include <filesystem>
#include <string_view>

#include "data/school_data.h"

namespace orvanta {

// False for an empty name and for one holding a path separator ("/" or "\").
bool IsValidBackupName(std::string_view name);

// Stores name + ".zip" as the last backup name of the option record and writes the option
// record, then makes the archive folder/name.zip of the open set. Returns the archive's path.
// REQUIRES: IsValidBackupName(name). Throws IoError; the option record in memory then already
// holds the new name.
std::filesystem::path MakeNamedArchive(SchoolData& data, const std::filesystem::path& folder,
                                       std::string_view name);

}  // namespace orvanta
