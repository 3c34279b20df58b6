#pragma once

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

#pragma pack(push, 1)
// A class. clss.prg.
struct ClssType {
  int32_t No;
  int32_t RecNo;
  ShortString<20> Id;
  ShortString<12> Clss;  // "Sınıfın Adı"
  uint8_t filler42[2];
  int32_t DAT;  // available hours per week (recount)
  int32_t LET;  // required lesson hours (recount)
  int32_t TLE;  // the part of LET whose class lessons have a teacher (recount)
  int32_t PUT;  // placed hours
  LFType LTP;   // hours placed per day; block operations only
  lb_type LC1;  // first lesson hour of each day; 0 = no lessons that day
  lb_type LC2;  // last lesson hour of each day
  pb_type Mv;   // false = closed (free slot) or fixed (occupied slot)
  cm_type Cm;   // class lesson No in each slot
  cm_type Dd;   // out-of-lesson activity shown in a free slot
  pb_type Lm;   // usable slot (recount)
  uint8_t filler1362[2];
};
#pragma pack(pop)

static_assert(sizeof(ClssType) == 1364);
static_assert(offsetof(ClssType, RecNo) == 4);
static_assert(offsetof(ClssType, Id) == 8);
static_assert(offsetof(ClssType, Clss) == 29);
static_assert(offsetof(ClssType, DAT) == 44);
static_assert(offsetof(ClssType, LET) == 48);
static_assert(offsetof(ClssType, TLE) == 52);
static_assert(offsetof(ClssType, PUT) == 56);
static_assert(offsetof(ClssType, LTP) == 60);
static_assert(offsetof(ClssType, LC1) == 88);
static_assert(offsetof(ClssType, LC2) == 95);
static_assert(offsetof(ClssType, Mv) == 102);
static_assert(offsetof(ClssType, Cm) == 228);
static_assert(offsetof(ClssType, Dd) == 732);
static_assert(offsetof(ClssType, Lm) == 1236);
static_assert(kIsRawRecord<ClssType>);

}  // namespace orvanta
