#pragma once

// Reading and writing option.ts2, the pay settings file shared with the sibling pay product.
// Only the first 6624-byte record is this system's; whatever the file holds past it belongs to
// that product and is never touched.

#include <filesystem>

#include "data/archive/pay_settings.h"

namespace orvanta {

// The first record of file. When the file cannot be opened or is shorter than one record, it is
// replaced by a new file holding the defaults as its only record, and the defaults are returned.
// Throws IoError when that write fails or when reading an opened file fails.
PaySettings ReadOrCreatePaySettings(const std::filesystem::path& file);

// Writes settings as the first record of file and keeps every byte past it; creates the file when
// missing. Throws IoError (the file is then unchanged).
void WritePaySettings(const std::filesystem::path& file, const PaySettings& settings);

// True and out := the first record when file can be opened and holds at least one record; false
// otherwise, with out unchanged and nothing created. Throws IoError when reading an opened file
// fails.
bool ProbePaySettings(const std::filesystem::path& file, PaySettings& out);

}  // namespace orvanta
