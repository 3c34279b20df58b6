#pragma once

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

#pragma pack(push, 1)
// One program set: a complete, independent timetable data set with its own folder. prog.prg.
struct ProgType {
  int32_t No;
  int32_t RecNo;
  ShortString<100> Name;
  uint8_t filler109[3];
  int32_t Current;  // 1 for the set that is open
  ShortString<12> id;
  uint8_t reserved129[23];
  uint8_t reserved152[8];
  ShortString<12> Kurum_Kodu;  // institution code; only the record with No 1 is used
  uint8_t filler173[3];
};
#pragma pack(pop)

static_assert(sizeof(ProgType) == 176);
static_assert(offsetof(ProgType, RecNo) == 4);
static_assert(offsetof(ProgType, Name) == 8);
static_assert(offsetof(ProgType, Current) == 112);
static_assert(offsetof(ProgType, id) == 116);
static_assert(offsetof(ProgType, reserved129) == 129);
static_assert(offsetof(ProgType, reserved152) == 152);
static_assert(offsetof(ProgType, Kurum_Kodu) == 160);
static_assert(kIsRawRecord<ProgType>);

}  // namespace orvanta
