#include "data/archive/zlib_file_writer.h"

#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "data/io_error.h"

namespace orvanta {
namespace {

constexpr size_t kOutputPiece = 64 * 1024;

[[noreturn]] void ThrowFileError(const char* what, const std::filesystem::path& file) {
  throw IoError(std::string(what) + ": " + PathText(file) + " (" + std::strerror(errno) + ")",
                file);
}

}  // namespace

struct ZlibFileWriter::Stream {
  z_stream z{};
  std::vector<unsigned char> output = std::vector<unsigned char>(kOutputPiece);
};

ZlibFileWriter::ZlibFileWriter(const std::filesystem::path& file)
    : file_(file), out_(file, std::ios::binary | std::ios::trunc), stream_(new Stream) {
  if (!out_) {
    ThrowFileError("Yedek dosyası oluşturulamadı", file_);
  }
  if (deflateInit(&stream_->z, Z_BEST_COMPRESSION) != Z_OK) {
    throw IoError("Sıkıştırma başlatılamadı: " + PathText(file_), file_);
  }
}

ZlibFileWriter::~ZlibFileWriter() { deflateEnd(&stream_->z); }

void ZlibFileWriter::Write(std::string_view bytes) {
  // zlib counts input in unsigned int: feed very large pieces in parts.
  while (!bytes.empty()) {
    const size_t piece = std::min<size_t>(bytes.size(), 1u << 30);
    stream_->z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream_->z.avail_in = static_cast<uInt>(piece);
    Pump(Z_NO_FLUSH);
    bytes.remove_prefix(piece);
  }
}

void ZlibFileWriter::Finish() {
  stream_->z.next_in = nullptr;
  stream_->z.avail_in = 0;
  Pump(Z_FINISH);
  out_.close();
  if (!out_) {
    ThrowFileError("Yedek dosyası yazılamadı", file_);
  }
}

void ZlibFileWriter::Pump(int flush) {
  z_stream& z = stream_->z;
  int result = Z_OK;
  do {
    z.next_out = stream_->output.data();
    z.avail_out = static_cast<uInt>(stream_->output.size());
    result = deflate(&z, flush);
    if (result == Z_STREAM_ERROR) throw IoError("Sıkıştırma hatası: " + PathText(file_), file_);
    const size_t produced = stream_->output.size() - z.avail_out;
    out_.write(reinterpret_cast<const char*>(stream_->output.data()),
               static_cast<std::streamsize>(produced));
    if (!out_) {
      ThrowFileError("Yedek dosyası yazılamadı", file_);
    }
  } while (z.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
}

}  // namespace orvanta
