#pragma once

// Writes one zlib stream at compression level 9 into a file, piece by piece, so that nothing
// larger than its buffers is held in memory.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>

namespace orvanta {

class ZlibFileWriter {
 public:
  // Creates or truncates the file. Throws IoError.
  explicit ZlibFileWriter(const std::filesystem::path& file);
  ~ZlibFileWriter();
  ZlibFileWriter(const ZlibFileWriter&) = delete;
  ZlibFileWriter& operator=(const ZlibFileWriter&) = delete;

  // Compresses bytes into the stream. Throws IoError.
  void Write(std::string_view bytes);

  // Ends the stream and closes the file. REQUIRES: called once, after the last Write. Throws
  // IoError; the file is then incomplete and the caller removes it.
  void Finish();

 private:
  struct Stream;
  void Pump(int flush);

  std::filesystem::path file_;
  std::ofstream out_;
  std::unique_ptr<Stream> stream_;
};

}  // namespace orvanta
