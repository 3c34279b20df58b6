#pragma once

// Whole-file reads and writes of record files. Writes never leave a truncated file: the bytes go
// to a temporary file in the same folder, which then replaces the old one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// The file's bytes, or nullopt when it does not exist. A file that exists but cannot be opened
// or read throws IoError.
std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& file);

// Replaces the file's content with bytes. Throws IoError (the old file is then unchanged).
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Writes bytes at offset 0 and keeps whatever the file holds past them (an existing file is
// never truncated); creates the file when missing.
void OverwriteFileStart(const std::filesystem::path& file, std::string_view bytes);

// Creates an empty file when none exists; throws IoError when that fails.
void CreateEmptyFileIfMissing(const std::filesystem::path& file);

// The file named name in folder, matched without regard to case when the exact name is absent
// (data sets copied from Windows may spell names differently). The exact path when nothing
// matches.
std::filesystem::path ResolveFileName(const std::filesystem::path& folder, std::string_view name);

}  // namespace orvanta
