#include "data/archive/archive_folder.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "data/archive/file_local_time.h"
#include "data/io_error.h"
#include "data/turkish_text.h"

namespace orvanta {
namespace {

constexpr size_t kComparePiece = 64 * 1024;

bool HasArchiveExtension(const std::string& name) {
  constexpr std::string_view kExtension = ".zip";
  return name.size() >= kExtension.size() &&
         EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - kExtension.size()),
                                 kExtension);
}

std::ifstream OpenForCompare(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    throw IoError("Dosya açılamadı: " + PathText(file) + " (" + std::strerror(errno) + ")", file);
  }
  return in;
}

}  // namespace

std::vector<ArchiveFile> ListArchives(const std::filesystem::path& folder) {
  std::vector<ArchiveFile> archives;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code entry_error;
    if (!it->is_regular_file(entry_error)) continue;
    const std::string name = PathText(it->path().filename());
    if (!HasArchiveExtension(name)) continue;
    const auto time = it->last_write_time(entry_error);
    if (entry_error) continue;  // gone since it was listed
    archives.push_back({it->path(), name, LocalTimeOf(time)});
  }
  if (error) {
    throw IoError("Klasör okunamadı: " + PathText(folder) + " (" + error.message() + ")", folder);
  }
  return archives;
}

std::optional<std::filesystem::path> NewestFile(const std::filesystem::path& folder) {
  std::optional<std::filesystem::path> newest;
  std::filesystem::file_time_type newest_time{};
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code entry_error;
    if (!it->is_regular_file(entry_error)) continue;
    const auto time = it->last_write_time(entry_error);
    if (entry_error) continue;
    if (!newest || time > newest_time) {
      newest = it->path();
      newest_time = time;
    }
  }
  if (error) return std::nullopt;
  return newest;
}

bool FilesIdentical(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error_a, error_b;
  const auto size_a = std::filesystem::file_size(a, error_a);
  const auto size_b = std::filesystem::file_size(b, error_b);
  if (!error_a && !error_b && size_a != size_b) return false;
  std::ifstream in_a = OpenForCompare(a);
  std::ifstream in_b = OpenForCompare(b);
  std::vector<char> piece_a(kComparePiece), piece_b(kComparePiece);
  while (true) {
    in_a.read(piece_a.data(), static_cast<std::streamsize>(piece_a.size()));
    in_b.read(piece_b.data(), static_cast<std::streamsize>(piece_b.size()));
    const std::streamsize got_a = in_a.gcount(), got_b = in_b.gcount();
    if (in_a.bad() || in_b.bad()) {
      throw IoError("Dosya okunamadı: " + PathText(in_a.bad() ? a : b), in_a.bad() ? a : b);
    }
    if (got_a != got_b ||
        std::memcmp(piece_a.data(), piece_b.data(), static_cast<size_t>(got_a)) != 0) {
      return false;
    }
    if (got_a == 0) return true;
  }
}

}  // namespace orvanta
