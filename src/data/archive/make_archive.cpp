#include "data/archive/make_archive.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "data/archive/archive_format.h"
#include "data/archive/zlib_file_writer.h"
#include "data/file_access.h"
#include "data/io_error.h"

namespace orvanta {
namespace {

constexpr size_t kCopyPiece = 64 * 1024;

[[noreturn]] void ThrowFileError(const char* what, const std::filesystem::path& file,
                                 const std::string& system_text) {
  throw IoError(std::string(what) + ": " + PathText(file) + " (" + system_text + ")", file);
}

std::vector<std::filesystem::path> SetFiles(const std::filesystem::path& set_folder) {
  std::vector<std::filesystem::path> files;
  for (size_t i = 1; i < kSetArchiveFiles.size(); ++i) {
    files.push_back(ResolveFileName(set_folder, kSetArchiveFiles[i]));
  }
  return files;
}

ArchiveHeader HeaderOf(const std::vector<std::filesystem::path>& files) {
  ArchiveHeader header{};
  header.sizes(1) = kArchiveHeaderBytes;
  for (size_t i = 0; i < files.size(); ++i) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(files[i], error);
    if (error) ThrowFileError("Yedeklenecek dosya okunamadı", files[i], error.message());
    if (size > INT32_MAX) ThrowFileError("Yedeklenecek dosya çok büyük", files[i], "2 GB üstü");
    header.sizes(static_cast<int>(i) + 2) = static_cast<int32_t>(size);
  }
  return header;
}

// Copies exactly size bytes of the file into the stream: the header promised that many.
void CopyInto(ZlibFileWriter& writer, const std::filesystem::path& file, std::uintmax_t size) {
  std::ifstream in(file, std::ios::binary);
  if (!in) ThrowFileError("Yedeklenecek dosya açılamadı", file, std::strerror(errno));
  std::vector<char> piece(kCopyPiece);
  while (size > 0) {
    const size_t want = static_cast<size_t>(std::min<std::uintmax_t>(size, piece.size()));
    if (!in.read(piece.data(), static_cast<std::streamsize>(want))) {
      ThrowFileError("Yedeklenecek dosya okunamadı", file, "dosya yedekleme sırasında değişti");
    }
    writer.Write({piece.data(), want});
    size -= want;
  }
}

}  // namespace

void MakeArchive(const std::filesystem::path& set_folder, const std::filesystem::path& archive) {
  const std::vector<std::filesystem::path> files = SetFiles(set_folder);
  const ArchiveHeader header = HeaderOf(files);
  const std::string header_bytes(reinterpret_cast<const char*>(&header), sizeof(header));
  WriteFileAtomically(ResolveFileName(set_folder, kSizesFile), header_bytes);

  std::filesystem::path temporary = archive;
  temporary += ".tmp";
  try {
    ZlibFileWriter writer(temporary);
    writer.Write(header_bytes);
    for (size_t i = 0; i < files.size(); ++i) {
      CopyInto(writer, files[i],
               static_cast<std::uintmax_t>(header.sizes(static_cast<int>(i) + 2)));
    }
    writer.Finish();
    std::error_code error;
    std::filesystem::rename(temporary, archive, error);
    if (error) ThrowFileError("Yedek dosyası yazılamadı", archive, error.message());
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw;
  }
}

}  // namespace orvanta
