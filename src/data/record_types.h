#pragma once

// The building blocks of the record layouts: one-byte booleans, length-prefixed Windows-1254
// strings of fixed capacity, and 1-based arrays whose storage is the file layout (row-major for
// two dimensions). Every type here is trivially copyable and has no padding, so a record made of
// them can be read and written as raw bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace orvanta {

// A stored Boolean: 0 = false, anything else reads as true (and is written back unchanged).
struct Boolean {
  uint8_t raw;

  constexpr operator bool() const { return raw != 0; }
  constexpr Boolean& operator=(bool value) {
    raw = value ? 1 : 0;
    return *this;
  }
};
static_assert(sizeof(Boolean) == 1);

// string[N]: byte 0 is the length, bytes 1..N the characters. Bytes past the length are kept as
// they are, so a record read and written again is byte-identical.
template <size_t N>
struct ShortString {
  static_assert(N >= 1 && N <= 255);
  uint8_t length;
  char chars[N];

  static constexpr size_t kCapacity = N;

  // The length, clamped to the capacity for a damaged record.
  size_t Size() const { return length <= N ? length : N; }
  std::string_view Raw() const { return {chars, Size()}; }
  std::string Text() const;  // UTF-8
  bool Empty() const { return length == 0; }

  // Stores Windows-1254 bytes, cut to the capacity.
  void SetRaw(std::string_view cp1254) {
    length = static_cast<uint8_t>(cp1254.size() < N ? cp1254.size() : N);
    for (size_t i = 0; i < length; ++i) chars[i] = cp1254[i];
  }
  void SetText(std::string_view utf8);  // converts, then cuts to the capacity
  void Clear() { length = 0; }
  // A damaged length byte is clamped when a file is read.
  void ClampLength() {
    if (length > N) length = N;
  }
};

std::string ShortStringText(std::string_view raw);
std::string ShortStringRaw(std::string_view utf8);

template <size_t N>
std::string ShortString<N>::Text() const {
  return ShortStringText(Raw());
}
template <size_t N>
void ShortString<N>::SetText(std::string_view utf8) {
  SetRaw(ShortStringRaw(utf8));
}

// array[1..A] of T.
template <typename T, int A>
struct Array1 {
  T items[A];

  static constexpr int kSize = A;

  T& operator()(int i) { return items[i - 1]; }
  const T& operator()(int i) const { return items[i - 1]; }
  void Fill(T value) {
    for (T& item : items) item = value;
  }
};

// array[1..A, 1..B] of T, row-major: element (a, b) is at (a-1)*B + (b-1).
template <typename T, int A, int B>
struct Array2 {
  T items[A * B];

  static constexpr int kRows = A;
  static constexpr int kColumns = B;

  T& operator()(int a, int b) { return items[(a - 1) * B + (b - 1)]; }
  const T& operator()(int a, int b) const { return items[(a - 1) * B + (b - 1)]; }
  void Fill(T value) {
    for (T& item : items) item = value;
  }
};

inline constexpr int kDays = 7;
inline constexpr int kHours = 18;
inline constexpr int kMaxMembers = 50;
inline constexpr int kMaxRecords = 5000;

using pb_type = Array2<Boolean, kDays, kHours>;
using cm_type = Array2<int32_t, kDays, kHours>;
using LFType = Array1<int32_t, 7>;
using lb_type = Array1<uint8_t, 7>;
using ANType = Array1<int32_t, kMaxMembers>;
using sg_type = Array1<int32_t, 20>;
using cd_type = Array2<int32_t, 2, 7>;
using lx_type = Array2<int32_t, 2, 60>;
using dt_type = Array2<int32_t, 2, 420>;
using lk_type = Array2<Boolean, 2, 420>;
using am_type = Array1<int32_t, 60>;
using ly_type = Array2<int32_t, 60, 100>;

static_assert(sizeof(pb_type) == 126);
static_assert(sizeof(cm_type) == 504);
static_assert(sizeof(LFType) == 28);
static_assert(sizeof(lb_type) == 7);
static_assert(sizeof(ANType) == 200);
static_assert(sizeof(sg_type) == 80);
static_assert(sizeof(cd_type) == 56);
static_assert(sizeof(lx_type) == 480);
static_assert(sizeof(dt_type) == 3360);
static_assert(sizeof(lk_type) == 840);
static_assert(sizeof(am_type) == 240);
static_assert(sizeof(ly_type) == 24000);
static_assert(sizeof(ShortString<30>) == 31);

// True for a record type whose bytes are its file layout.
template <typename T>
inline constexpr bool kIsRawRecord =
    std::is_trivially_copyable_v<T> && std::is_standard_layout_v<T>;

}  // namespace orvanta
