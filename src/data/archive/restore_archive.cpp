#include "data/archive/restore_archive.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "data/archive/archive_error.h"
#include "data/archive/archive_format.h"
#include "data/archive/zlib_file_reader.h"
#include "data/file_access.h"

namespace orvanta {
namespace {

// Deflate cannot compress better than about 1032 to 1; a header promising more than that is
// lying, and is refused before any file is written.
constexpr std::uintmax_t kMaxInflateRatio = 1032;
constexpr size_t kPiece = 1'000'000;

[[noreturn]] void ThrowDamaged(const std::filesystem::path& archive, const std::string& reason) {
  throw DamagedArchiveError(
      "Yedek dosyası bozuk: " + PathText(archive) + " (" + reason + "). Dosyalar değiştirilmedi.",
      archive);
}

[[noreturn]] void ThrowWriteError(const std::filesystem::path& file,
                                  const std::string& system_text = std::strerror(errno)) {
  throw IoError("Dosya yazılamadı: " + PathText(file) + " (" + system_text + ")", file);
}

// Why a read came up short.
[[noreturn]] void ThrowShort(const ZlibFileReader& reader, const std::filesystem::path& archive,
                             const char* what_ended) {
  if (reader.Corrupt()) ThrowDamaged(archive, "sıkıştırılmış veri hatalı: " + reader.corruption());
  ThrowDamaged(archive, what_ended);
}

ArchiveHeader ReadHeader(ZlibFileReader& reader, const std::filesystem::path& archive,
                         size_t file_count) {
  ArchiveHeader header{};
  if (reader.Read(reinterpret_cast<char*>(&header), sizeof(header)) != sizeof(header)) {
    ThrowShort(reader, archive, "boyut başlığı eksik");
  }
  if (header.sizes(1) != kArchiveHeaderBytes) ThrowDamaged(archive, "boyut başlığı geçersiz");
  std::uintmax_t total = kArchiveHeaderBytes;
  for (size_t i = 2; i <= file_count; ++i) {
    const int32_t size = header.sizes(static_cast<int>(i));
    if (size < 0) ThrowDamaged(archive, "başlıkta negatif dosya boyutu");
    total += static_cast<std::uintmax_t>(size);
  }
  if (total > (reader.compressed_size() + 1) * kMaxInflateRatio) {
    ThrowDamaged(archive, "başlıktaki boyutlar dosyanın tutabileceğinden büyük");
  }
  return header;
}

// The temporary files an archive is unpacked into; those not yet put in place are removed when
// the unpacking ends.
class StagedFiles {
 public:
  ~StagedFiles() {
    for (const auto& file : temporaries_) {
      std::error_code ignored;
      std::filesystem::remove(file, ignored);
    }
  }
  std::filesystem::path Add(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".restore";
    targets_.push_back(target);
    temporaries_.push_back(temporary);
    return temporary;
  }
  void PutInPlace() {
    for (size_t i = 0; i < targets_.size(); ++i) {
      std::error_code error;
      std::filesystem::rename(temporaries_[i], targets_[i], error);
      if (error) ThrowWriteError(targets_[i], error.message());
    }
    temporaries_.clear();
  }

 private:
  std::vector<std::filesystem::path> targets_;
  std::vector<std::filesystem::path> temporaries_;
};

void WriteOrThrow(std::ofstream& out, const char* bytes, size_t size,
                  const std::filesystem::path& file) {
  out.write(bytes, static_cast<std::streamsize>(size));
  if (!out) ThrowWriteError(file);
}

std::ofstream CreateOrThrow(const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) {
    throw IoError("Dosya oluşturulamadı: " + PathText(file) + " (" + std::strerror(errno) + ")",
                  file);
  }
  return out;
}

void UnpackFile(ZlibFileReader& reader, std::uintmax_t size, const std::filesystem::path& file,
                const std::filesystem::path& archive, std::vector<char>& piece) {
  std::ofstream out = CreateOrThrow(file);
  while (size > 0) {
    const size_t want = static_cast<size_t>(std::min<std::uintmax_t>(size, piece.size()));
    const size_t got = reader.Read(piece.data(), want);
    if (got != want) ThrowShort(reader, archive, "dosya beklenenden kısa");
    WriteOrThrow(out, piece.data(), got, file);
    size -= got;
  }
  out.close();
  if (!out) ThrowWriteError(file);
}

void ExpectCleanEnd(ZlibFileReader& reader, const std::filesystem::path& archive) {
  char extra;
  if (reader.Read(&extra, 1) != 0) ThrowDamaged(archive, "dosya beklenenden uzun");
  if (!reader.Ended()) ThrowShort(reader, archive, "dosya beklenenden kısa");
  if (reader.HasTrailingBytes()) ThrowDamaged(archive, "sıkıştırılmış verinin ardında fazla bayt");
}

}  // namespace

void UnpackArchive(const std::filesystem::path& archive, const std::filesystem::path& folder,
                   std::span<const std::string_view> names) {
  ZlibFileReader reader(archive);
  const ArchiveHeader header = ReadHeader(reader, archive, names.size());
  StagedFiles staged;
  {
    std::ofstream out = CreateOrThrow(staged.Add(ResolveFileName(folder, names[0])));
    WriteOrThrow(out, reinterpret_cast<const char*>(&header), sizeof(header), folder / names[0]);
  }
  std::vector<char> piece(kPiece);
  for (size_t i = 1; i < names.size(); ++i) {
    const auto size = static_cast<std::uintmax_t>(header.sizes(static_cast<int>(i) + 1));
    UnpackFile(reader, size, staged.Add(ResolveFileName(folder, names[i])), archive, piece);
  }
  ExpectCleanEnd(reader, archive);
  staged.PutInPlace();
}

void RestoreArchive(const std::filesystem::path& set_folder, const std::filesystem::path& archive) {
  UnpackArchive(archive, set_folder, kSetArchiveFiles);
}

void RestoreOldArchive(const std::filesystem::path& folder, const std::filesystem::path& archive) {
  UnpackArchive(archive, folder, kOldArchiveFiles);
}

}  // namespace orvanta
