#pragma once

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

#pragma pack(push, 1)
// A duty place ("Nöbet Yeri"). duty.prg.
struct DutyType {
  int32_t No;
  int32_t RecNo;
  ShortString<30> Duty;   // "Nöbet Yeri"
  ShortString<30> Build;  // "Bina"
  ShortString<12> SDuty;  // "K.A."
  uint8_t filler83[1];
  cd_type DC;
  am_type LX;
  ly_type LK;
};
#pragma pack(pop)

static_assert(sizeof(DutyType) == 24380);
static_assert(offsetof(DutyType, RecNo) == 4);
static_assert(offsetof(DutyType, Duty) == 8);
static_assert(offsetof(DutyType, Build) == 39);
static_assert(offsetof(DutyType, SDuty) == 70);
static_assert(offsetof(DutyType, DC) == 84);
static_assert(offsetof(DutyType, LX) == 140);
static_assert(offsetof(DutyType, LK) == 380);
static_assert(kIsRawRecord<DutyType>);

}  // namespace orvanta
