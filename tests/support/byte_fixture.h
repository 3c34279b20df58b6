#pragma once

// Builds record images byte by byte at the offsets of the file layouts, so tests check the
// structs against the layout tables rather than against themselves.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace orvanta::testing {

class ByteFixture {
 public:
  explicit ByteFixture(size_t size, char fill = 0) : bytes_(size, fill) {}

  ByteFixture& Int32(size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return *this;
  }
  ByteFixture& Byte(size_t offset, uint8_t value) {
    bytes_[offset] = static_cast<char>(value);
    return *this;
  }
  ByteFixture& Double(size_t offset, double value) {
    std::memcpy(&bytes_[offset], &value, sizeof value);
    return *this;
  }
  // A length-prefixed string; cp1254 holds the raw Windows-1254 bytes.
  ByteFixture& String(size_t offset, std::string_view cp1254) {
    bytes_[offset] = static_cast<char>(cp1254.size());
    std::memcpy(&bytes_[offset + 1], cp1254.data(), cp1254.size());
    return *this;
  }

  int32_t Int32At(size_t offset) const {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes_[offset + i])) << (8 * i);
    return static_cast<int32_t>(value);
  }

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Little-endian reads from a byte string, for checking what the program wrote.
inline int32_t Int32At(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
  return static_cast<int32_t>(value);
}
inline uint8_t ByteAt(const std::string& bytes, size_t offset) {
  return static_cast<uint8_t>(bytes[offset]);
}
inline std::string StringAt(const std::string& bytes, size_t offset) {
  return bytes.substr(offset + 1, static_cast<uint8_t>(bytes[offset]));
}

}  // namespace orvanta::testing
