#pragma once

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

#pragma pack(push, 1)
// A room ("derslik"). room.prg.
struct RoomType {
  int32_t No;
  int32_t RecNo;
  ShortString<20> Id;
  ShortString<30> Room;   // "Derslik Adı"
  ShortString<12> SRoom;  // "K.Adı"
  uint8_t filler73[3];
  int32_t DAT;  // stored only
  int32_t LET;  // recount
  int32_t TLE;  // recount
  int32_t PUT;  // placed hours
  lb_type LTP;  // hours placed per day; block operations only
  lb_type LC1;  // first usable hour of each day (recount)
  lb_type LC2;  // last usable hour of each day (recount)
  pb_type Mv;
  uint8_t filler239[1];
  cm_type Cm;
  cm_type Dd;
  pb_type Lm;  // OR of Lm of the class lessons that use the room (recount)
  uint8_t filler1374[2];
};
#pragma pack(pop)

static_assert(sizeof(RoomType) == 1376);
static_assert(offsetof(RoomType, RecNo) == 4);
static_assert(offsetof(RoomType, Id) == 8);
static_assert(offsetof(RoomType, Room) == 29);
static_assert(offsetof(RoomType, SRoom) == 60);
static_assert(offsetof(RoomType, DAT) == 76);
static_assert(offsetof(RoomType, LET) == 80);
static_assert(offsetof(RoomType, TLE) == 84);
static_assert(offsetof(RoomType, PUT) == 88);
static_assert(offsetof(RoomType, LTP) == 92);
static_assert(offsetof(RoomType, LC1) == 99);
static_assert(offsetof(RoomType, LC2) == 106);
static_assert(offsetof(RoomType, Mv) == 113);
static_assert(offsetof(RoomType, Cm) == 240);
static_assert(offsetof(RoomType, Dd) == 744);
static_assert(offsetof(RoomType, Lm) == 1248);
static_assert(kIsRawRecord<RoomType>);

}  // namespace orvanta
