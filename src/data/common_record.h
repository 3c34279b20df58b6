#pragma once

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

#pragma pack(push, 1)
// A class lesson: one lesson taught to one or more classes by zero or more teachers in zero or
// more rooms, with the positions of its placed blocks. common.prg.
struct CommonType {
  int32_t No;  // the value written into Cm grids
  int32_t RecNo;
  int32_t Le;  // lesson No
  int32_t Wl;  // weekly hours to place
  Boolean Dv;
  uint8_t filler17[3];
  int32_t Pt;  // hours placed
  LFType LF;   // form of settlement
  int32_t CX;  // number of classes
  ANType CN;
  int32_t TX;  // number of teachers
  ANType TN;
  ANType LN;  // per teacher slot: elective lesson taught instead of Le; 0 = Le
  Boolean RR;
  uint8_t filler661[3];
  int32_t RX;  // number of rooms
  ANType RN;
  int32_t FX;
  LFType LC1;  // first hour usable by all classes (recount)
  LFType LC2;  // last hour usable by all classes (recount)
  cm_type LD;  // day of the placed slot, 0 = not placed
  cm_type LH;  // first hour of the block covering the slot
  cm_type LT;  // length of that block
  LFType LTP;  // hours placed per day
  pb_type Mv;  // the automatic placement starts no block where false
  pb_type Lm;  // AND of Lm of its classes (recount)
  ShortString<12> cn_name;
  ShortString<12> tn_name;
  Boolean use_cn;
  Boolean use_tn;
  int32_t Sc;
  int32_t spr;    // fixed position when spr, spr_d and spr_h are all above 0
  int32_t spr_d;
  int32_t spr_h;

  bool HasFixedPosition() const { return spr > 0 && spr_d > 0 && spr_h > 0; }
};
#pragma pack(pop)

static_assert(sizeof(CommonType) == 2764);
static_assert(offsetof(CommonType, RecNo) == 4);
static_assert(offsetof(CommonType, Le) == 8);
static_assert(offsetof(CommonType, Wl) == 12);
static_assert(offsetof(CommonType, Dv) == 16);
static_assert(offsetof(CommonType, Pt) == 20);
static_assert(offsetof(CommonType, LF) == 24);
static_assert(offsetof(CommonType, CX) == 52);
static_assert(offsetof(CommonType, CN) == 56);
static_assert(offsetof(CommonType, TX) == 256);
static_assert(offsetof(CommonType, TN) == 260);
static_assert(offsetof(CommonType, LN) == 460);
static_assert(offsetof(CommonType, RR) == 660);
static_assert(offsetof(CommonType, RX) == 664);
static_assert(offsetof(CommonType, RN) == 668);
static_assert(offsetof(CommonType, FX) == 868);
static_assert(offsetof(CommonType, LC1) == 872);
static_assert(offsetof(CommonType, LC2) == 900);
static_assert(offsetof(CommonType, LD) == 928);
static_assert(offsetof(CommonType, LH) == 1432);
static_assert(offsetof(CommonType, LT) == 1936);
static_assert(offsetof(CommonType, LTP) == 2440);
static_assert(offsetof(CommonType, Mv) == 2468);
static_assert(offsetof(CommonType, Lm) == 2594);
static_assert(offsetof(CommonType, cn_name) == 2720);
static_assert(offsetof(CommonType, tn_name) == 2733);
static_assert(offsetof(CommonType, use_cn) == 2746);
static_assert(offsetof(CommonType, use_tn) == 2747);
static_assert(offsetof(CommonType, Sc) == 2748);
static_assert(offsetof(CommonType, spr) == 2752);
static_assert(offsetof(CommonType, spr_d) == 2756);
static_assert(offsetof(CommonType, spr_h) == 2760);
static_assert(kIsRawRecord<CommonType>);

}  // namespace orvanta
