#pragma once

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

#pragma pack(push, 1)
// Installation-wide settings. global.prg in the maker folder, exactly one record.
struct GlobalType {
  int32_t run_flag;  // 1 while a started program has accepted the entry password
  ShortString<8> entry_password;  // empty = none
  ShortString<12> institution_code;
  uint8_t filler26[2];
  int32_t connection_program;  // index into "TeamViewer", "Ammyy", "Alpemix"
  Boolean no_password_prompt;  // "Girişte Şifre Sorma"
  uint8_t filler33[3];
  int32_t reserved36[3];
  ShortString<60> reserved_texts[3];
  uint8_t filler231[1];
  int32_t reserved232;
  sg_type reserved236;
};
#pragma pack(pop)

static_assert(sizeof(GlobalType) == 316);
static_assert(offsetof(GlobalType, entry_password) == 4);
static_assert(offsetof(GlobalType, institution_code) == 13);
static_assert(offsetof(GlobalType, connection_program) == 28);
static_assert(offsetof(GlobalType, no_password_prompt) == 32);
static_assert(offsetof(GlobalType, reserved36) == 36);
static_assert(offsetof(GlobalType, reserved_texts) == 48);
static_assert(offsetof(GlobalType, reserved_texts) + 61 == 109);
static_assert(offsetof(GlobalType, reserved_texts) + 122 == 170);
static_assert(offsetof(GlobalType, reserved232) == 232);
static_assert(offsetof(GlobalType, reserved236) == 236);
static_assert(kIsRawRecord<GlobalType>);

}  // namespace orvanta
