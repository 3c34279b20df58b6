#pragma once

// Folders, file bytes and an independent zlib writer and reader for the archive tests.

#include <zlib.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvanta::testing {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("orvanta_archive_" + std::to_string(std::random_device{}()) + "_" +
             std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("missing " + file.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// Every regular file of a folder (not of its subfolders) by name, with its bytes.
inline std::map<std::string, std::string> FolderContent(const std::filesystem::path& folder) {
  std::map<std::string, std::string> content;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.is_regular_file()) content[entry.path().filename().string()] = ReadBytes(entry);
  }
  return content;
}

// Bytes that differ from position to position and from seed to seed.
inline std::string Pattern(size_t size, int seed) {
  std::string bytes(size, '\0');
  uint32_t x = 2654435761u * static_cast<uint32_t>(seed + 1);
  for (size_t i = 0; i < size; ++i) {
    x = x * 1103515245u + 12345u;
    bytes[i] = static_cast<char>(x >> 24);
  }
  return bytes;
}

inline void AppendInt32(std::string& bytes, int32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}

inline int32_t Int32At(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i)
    value |= uint32_t(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  return static_cast<int32_t>(value);
}

// The 80-byte size header: element 1 = 80, then the given sizes, then zeros.
inline std::string SizeHeader(const std::vector<int32_t>& sizes) {
  std::string header;
  AppendInt32(header, 80);
  for (int32_t size : sizes) AppendInt32(header, size);
  while (header.size() < 80) AppendInt32(header, 0);
  return header;
}

// One zlib stream written by zlib's own one-shot compressor.
inline std::string ZlibCompress(const std::string& content, int level = 9) {
  uLongf size = compressBound(static_cast<uLong>(content.size()));
  std::string compressed(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size,
                reinterpret_cast<const Bytef*>(content.data()), static_cast<uLong>(content.size()),
                level) != Z_OK) {
    throw std::runtime_error("compress2");
  }
  compressed.resize(size);
  return compressed;
}

// The content of a zlib stream that must fill the whole of compressed; consumed is set to the
// number of compressed bytes the stream used.
inline std::string ZlibDecompress(const std::string& compressed, size_t& consumed) {
  z_stream z{};
  inflateInit(&z);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  z.avail_in = static_cast<uInt>(compressed.size());
  std::string content;
  char piece[65536];
  int result = Z_OK;
  while (result == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(piece);
    z.avail_out = sizeof(piece);
    result = inflate(&z, Z_NO_FLUSH);
    content.append(piece, sizeof(piece) - z.avail_out);
  }
  consumed = compressed.size() - z.avail_in;
  inflateEnd(&z);
  if (result != Z_STREAM_END) throw std::runtime_error("not a complete zlib stream");
  return content;
}

}  // namespace orvanta::testing
