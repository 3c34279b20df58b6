#pragma once

// The backup archive. Its extension is ".zip" but it is no ZIP file: it is one zlib stream
// (RFC 1950, written at level 9) whose content is a size header followed by the files of a file
// list, one after another, with nothing between them:
//
//   bytes 0..79   the header: 20 little-endian 32-bit integers; element 1 = 80 (its own size),
//                 element i = the size of file i of the list (i = 2..count), the rest 0
//   then          file 2, file 3, ... of the list, each exactly as long as its header element
//
// The header is file 1 of every list: it is also kept as a file of its own (sizes.prg), written
// before each archive is made. The previous generation used the same container with a longer
// list of its own files.

#include <array>
#include <cstdint>
#include <string_view>

#include "data/record_types.h"

namespace orvanta {

inline constexpr int kArchiveHeaderElements = 20;
inline constexpr int kArchiveHeaderBytes = 80;
inline constexpr const char* kSizesFile = "sizes.prg";

#pragma pack(push, 1)
struct ArchiveHeader {
  sg_type sizes;  // 1-based; element 1 is the header's own size
};
#pragma pack(pop)
static_assert(sizeof(ArchiveHeader) == kArchiveHeaderBytes);

// The files of a program set in an archive, in archive order.
inline constexpr std::array<std::string_view, 8> kSetArchiveFiles = {
    "sizes.prg", "option.prg",  "lesson.prg", "clss.prg",
    "room.prg",  "teacher.prg", "common.prg", "duty.prg"};

// The files of an archive of the previous generation, in archive order. They are matched without
// regard to case when they are read.
inline constexpr std::array<std::string_view, 13> kOldArchiveFiles = {
    "SIZES.PRG2", "CLLE.PRG2",   "CLSS.PRG2",    "COMMON.PRG2", "DEFINE.PRG2",
    "DUTY.PRG2",  "LESSON.PRG2", "OPTION.PRG2",  "ROOM.PRG2",   "TEACHER.PRG2",
    "TELE.PRG2",  "PLUS.PRG2",   "PLUSITEM.PRG2"};

static_assert(kOldArchiveFiles.size() <= kArchiveHeaderElements);
static_assert(kSetArchiveFiles.size() <= kArchiveHeaderElements);

}  // namespace orvanta
