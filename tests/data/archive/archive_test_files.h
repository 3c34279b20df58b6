#pragma once

// Folder contents, byte patterns, size headers and an independent zlib writer and reader for the
// archive tests.

#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/byte_fixture.h"
#include "support/temp_dir.h"

namespace orvanta::testing {

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

// The 80-byte size header: element 1 = 80, then the given sizes, then zeros.
inline std::string SizeHeader(const std::vector<int32_t>& sizes) {
  ByteFixture header(80);
  header.Int32(0, 80);
  for (size_t i = 0; i < sizes.size(); ++i) header.Int32(4 * (i + 1), sizes[i]);
  return header.bytes();
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
