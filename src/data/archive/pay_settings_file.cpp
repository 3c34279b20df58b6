#include "data/archive/pay_settings_file.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "data/file_access.h"
#include "data/io_error.h"
#include "data/record_file.h"

namespace orvanta {
namespace {

// The first record, or nullopt when the file is missing or shorter than one record. A file that
// exists but cannot be read throws IoError: it is the sibling product's too, and must not be
// replaced with defaults because of a passing fault.
// Length bytes are not clamped: the sibling product's bytes go back to the file as they came, and
// ShortString clamps on every read of its text anyway.
std::optional<PaySettings> ReadFirstRecord(const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadFileIfPresent(file);
  if (!bytes || bytes->size() < sizeof(PaySettings)) return std::nullopt;
  PaySettings settings;
  std::memcpy(&settings, bytes->data(), sizeof(settings));
  return settings;
}

}  // namespace

PaySettings ReadOrCreatePaySettings(const std::filesystem::path& file) {
  if (std::optional<PaySettings> settings = ReadFirstRecord(file)) return *settings;
  PaySettings defaults;
  FillDefaults(defaults);
  WriteFileAtomically(file, RecordBytes(defaults));
  return defaults;
}

void WritePaySettings(const std::filesystem::path& file, const PaySettings& settings) {
  OverwriteFileStart(file, RecordBytes(settings));
}

bool ProbePaySettings(const std::filesystem::path& file, PaySettings& out) {
  std::optional<PaySettings> settings;
  try {
    settings = ReadFirstRecord(file);
  } catch (const IoError&) {
    return false;
  }
  if (!settings) return false;
  out = *settings;
  return true;
}

}  // namespace orvanta
