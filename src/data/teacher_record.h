#pragma once

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

#pragma pack(push, 1)
// A teacher. teacher.prg. Its three count fields are single bytes, unlike those of classes and
// rooms.
struct TeacherType {
  int32_t No;
  int32_t RecNo;
  ShortString<20> Id;
  ShortString<30> Name;    // "Adı Soyadı"
  ShortString<12> SName;   // shown in timetable cells
  ShortString<40> Branch;  // "Branşı"
  ShortString<30> Task;
  ShortString<30> email;
  int32_t Clss;  // No of the class this teacher is class teacher of; 0 = none
  ShortString<30> Edu;  // "Sosyal Kulübü"
  uint8_t DAT;  // available hours (recount)
  uint8_t LET;  // required hours, modulo 256 (recount)
  uint8_t PUT;  // placed hours
  lb_type LTP;  // placed hours per day
  uint8_t filler221[3];
  LFType LC1;  // first usable hour of each day (recount)
  LFType LC2;  // last usable hour of each day (recount)
  LFType PX1;  // pay settings: salary hours, preparation divisor, management, cap, club, status
  LFType PX2;  // pay categories of extra lessons, guidance, club, preparation
  pb_type Mv;  // false = not available ("kapalı"), or fixed on an occupied slot
  pb_type Lm;  // usable slot (recount)
  cm_type Cm;
  cm_type Dd;  // out-of-lesson mark or pay code; a slot with Dd > 0 takes no class lesson
  cm_type Pl;  // kept together with Dd by the pay computation
  sg_type sg_cn;
  sg_type sp_cn;
  int32_t LNX;
  int32_t ORX;  // order number used to rank teachers
  cd_type cd1;
  cd_type cd2;
  lx_type lx;
  dt_type dt;  // duty per half-year and calendar day
  lk_type lk;
};
#pragma pack(pop)

static_assert(sizeof(TeacherType) == 7060);
static_assert(offsetof(TeacherType, RecNo) == 4);
static_assert(offsetof(TeacherType, Id) == 8);
static_assert(offsetof(TeacherType, Name) == 29);
static_assert(offsetof(TeacherType, SName) == 60);
static_assert(offsetof(TeacherType, Branch) == 73);
static_assert(offsetof(TeacherType, Task) == 114);
static_assert(offsetof(TeacherType, email) == 145);
static_assert(offsetof(TeacherType, Clss) == 176);
static_assert(offsetof(TeacherType, Edu) == 180);
static_assert(offsetof(TeacherType, DAT) == 211);
static_assert(offsetof(TeacherType, LET) == 212);
static_assert(offsetof(TeacherType, PUT) == 213);
static_assert(offsetof(TeacherType, LTP) == 214);
static_assert(offsetof(TeacherType, LC1) == 224);
static_assert(offsetof(TeacherType, LC2) == 252);
static_assert(offsetof(TeacherType, PX1) == 280);
static_assert(offsetof(TeacherType, PX2) == 308);
static_assert(offsetof(TeacherType, Mv) == 336);
static_assert(offsetof(TeacherType, Lm) == 462);
static_assert(offsetof(TeacherType, Cm) == 588);
static_assert(offsetof(TeacherType, Dd) == 1092);
static_assert(offsetof(TeacherType, Pl) == 1596);
static_assert(offsetof(TeacherType, sg_cn) == 2100);
static_assert(offsetof(TeacherType, sp_cn) == 2180);
static_assert(offsetof(TeacherType, LNX) == 2260);
static_assert(offsetof(TeacherType, ORX) == 2264);
static_assert(offsetof(TeacherType, cd1) == 2268);
static_assert(offsetof(TeacherType, cd2) == 2324);
static_assert(offsetof(TeacherType, lx) == 2380);
static_assert(offsetof(TeacherType, dt) == 2860);
static_assert(offsetof(TeacherType, lk) == 6220);
static_assert(kIsRawRecord<TeacherType>);

}  // namespace orvanta
