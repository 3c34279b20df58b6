#pragma once

// Reads one zlib stream from a file, piece by piece. A read that comes up short says why through
// Ended, Truncated and Corrupt; the caller turns that into a message.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace orvanta {

class ZlibFileReader {
 public:
  // Opens the file. Throws IoError when it cannot be opened.
  explicit ZlibFileReader(const std::filesystem::path& file);
  ~ZlibFileReader();
  ZlibFileReader(const ZlibFileReader&) = delete;
  ZlibFileReader& operator=(const ZlibFileReader&) = delete;

  // Decompresses up to size bytes into out. Returns fewer only when the stream has ended, the
  // file ends before the stream does, or the data is corrupt. Throws IoError when the file
  // cannot be read.
  size_t Read(char* out, size_t size);

  // True once the stream's end, with its checksum verified, has been read.
  bool Ended() const { return ended_; }
  // True when the file ran out before the end of the stream.
  bool Truncated() const { return truncated_; }
  // True when the data is no zlib stream or is damaged (a bad block, a wrong checksum);
  // corruption() then holds zlib's description.
  bool Corrupt() const { return !corruption_.empty(); }
  const std::string& corruption() const { return corruption_; }
  // True when bytes follow the end of the stream in the file. REQUIRES: Ended().
  bool HasTrailingBytes();

  // The size of the compressed file.
  std::uintmax_t compressed_size() const { return compressed_size_; }

 private:
  struct Stream;
  bool Refill();

  std::filesystem::path file_;
  std::ifstream in_;
  std::uintmax_t compressed_size_ = 0;
  std::unique_ptr<Stream> stream_;
  bool ended_ = false;
  bool truncated_ = false;
  std::string corruption_;
};

}  // namespace orvanta
