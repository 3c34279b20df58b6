#include "data/file_access.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "data/io_error.h"

namespace orvanta {
namespace {

std::string SystemText() { return std::strerror(errno); }

[[noreturn]] void ThrowIo(const std::string& what, const std::filesystem::path& file,
                          const std::string& system_text) {
  throw IoError(what + ": " + PathText(file) + " (" + system_text + ")", file);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    const std::string system_text = SystemText();
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return std::nullopt;
    ThrowIo("Dosya açılamadı", file, system_text);
  }
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) ThrowIo("Dosya okunamadı", file, SystemText());
  bytes.resize(static_cast<size_t>(size));
  in.seekg(0, std::ios::beg);
  if (size > 0 && !in.read(bytes.data(), size)) ThrowIo("Dosya okunamadı", file, SystemText());
  return bytes;
}

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) ThrowIo("Dosya yazılamadı", temporary, SystemText());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      const std::string system_text = SystemText();
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      ThrowIo("Dosya yazılamadı", file, system_text);
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    ThrowIo("Dosya yazılamadı", file, error.message());
  }
}

void OverwriteFileStart(const std::filesystem::path& file, std::string_view bytes) {
  std::string content = ReadFileIfPresent(file).value_or(std::string());
  if (content.size() < bytes.size()) content.resize(bytes.size());
  content.replace(0, bytes.size(), bytes);
  WriteFileAtomically(file, content);
}

void CreateEmptyFileIfMissing(const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::exists(file, error)) return;
  std::ofstream out(file, std::ios::binary);
  if (!out) ThrowIo("Dosya oluşturulamadı", file, SystemText());
}

std::filesystem::path ResolveFileName(const std::filesystem::path& folder, std::string_view name) {
  std::filesystem::path exact = folder / std::filesystem::u8path(name);
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::u8string candidate = it->path().filename().u8string();
    if (SameIgnoringCase(std::string_view(reinterpret_cast<const char*>(candidate.data()),
                                          candidate.size()),
                         name)) {
      return it->path();
    }
  }
  return exact;
}

}  // namespace orvanta
