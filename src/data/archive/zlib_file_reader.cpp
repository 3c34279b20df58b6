#include "data/archive/zlib_file_reader.h"

#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "data/io_error.h"

namespace orvanta {
namespace {

constexpr size_t kInputPiece = 64 * 1024;

}  // namespace

struct ZlibFileReader::Stream {
  z_stream z{};
  std::vector<unsigned char> input = std::vector<unsigned char>(kInputPiece);
};

ZlibFileReader::ZlibFileReader(const std::filesystem::path& file)
    : file_(file), in_(file, std::ios::binary), stream_(new Stream) {
  if (!in_) {
    throw IoError("Yedek dosyası açılamadı: " + PathText(file_) + " (" + std::strerror(errno) + ")",
                  file_);
  }
  std::error_code error;
  compressed_size_ = std::filesystem::file_size(file_, error);
  if (error) compressed_size_ = 0;
  if (inflateInit(&stream_->z) != Z_OK) {
    throw IoError("Sıkıştırılmış veri okunamadı: " + PathText(file_), file_);
  }
}

ZlibFileReader::~ZlibFileReader() { inflateEnd(&stream_->z); }

bool ZlibFileReader::Refill() {
  in_.read(reinterpret_cast<char*>(stream_->input.data()),
           static_cast<std::streamsize>(stream_->input.size()));
  const std::streamsize got = in_.gcount();
  if (in_.bad()) {
    throw IoError("Yedek dosyası okunamadı: " + PathText(file_) + " (" + std::strerror(errno) + ")",
                  file_);
  }
  stream_->z.next_in = stream_->input.data();
  stream_->z.avail_in = static_cast<uInt>(got);
  return got > 0;
}

size_t ZlibFileReader::Read(char* out, size_t size) {
  z_stream& z = stream_->z;
  size_t done = 0;
  while (done < size && !ended_ && !truncated_ && !Corrupt()) {
    if (z.avail_in == 0 && !Refill()) {
      truncated_ = true;
      break;
    }
    const size_t piece = std::min<size_t>(size - done, 1u << 30);
    z.next_out = reinterpret_cast<Bytef*>(out + done);
    z.avail_out = static_cast<uInt>(piece);
    const int result = inflate(&z, Z_NO_FLUSH);
    done += piece - z.avail_out;
    if (result == Z_STREAM_END) {
      ended_ = true;
    } else if (result != Z_OK && result != Z_BUF_ERROR) {
      corruption_ = z.msg != nullptr ? z.msg : "zlib " + std::to_string(result);
    }
  }
  return done;
}

bool ZlibFileReader::HasTrailingBytes() {
  if (stream_->z.avail_in > 0) return true;
  return in_.peek() != std::ifstream::traits_type::eof();
}

}  // namespace orvanta
