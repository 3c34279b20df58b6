#pragma once

#include <cstddef>

#include "data/record_types.h"

namespace orvanta {

#pragma pack(push, 1)
// A lesson, an out-of-lesson activity or an elective lesson. lesson.prg.
struct LessonType {
  int32_t No;
  int32_t RecNo;
  ShortString<20> Id;
  ShortString<30> Lesson;   // "Dersin Adı"
  ShortString<12> SLesson;  // "Kısa Adı", shown in timetable cells
  uint8_t filler73[3];
  int32_t Wl;  // weekly hours
  ShortString<20> Gr;
  uint8_t filler101[3];
  int32_t Nl;  // split hour: no block may cover both Nl and Nl+1; 0 = none
  int32_t Pl;  // additional-lesson pay category; 0 = none
  Boolean Dv;  // may be divided
  Boolean Dr;  // true for lessons and electives, false for out-of-lesson activities
  uint8_t filler114[2];
  LFType Lf;  // form of settlement: block lengths, non-increasing, then zeros
  pb_type Pb;  // true = may be placed in that slot
  uint8_t filler270[2];
  int32_t Sc;   // 1 for an elective lesson
  int32_t Spr;  // copied into new class lessons as spr
  int32_t a1;
  int32_t a2;
  int32_t a3;
};
#pragma pack(pop)

static_assert(sizeof(LessonType) == 292);
static_assert(offsetof(LessonType, RecNo) == 4);
static_assert(offsetof(LessonType, Id) == 8);
static_assert(offsetof(LessonType, Lesson) == 29);
static_assert(offsetof(LessonType, SLesson) == 60);
static_assert(offsetof(LessonType, Wl) == 76);
static_assert(offsetof(LessonType, Gr) == 80);
static_assert(offsetof(LessonType, Nl) == 104);
static_assert(offsetof(LessonType, Pl) == 108);
static_assert(offsetof(LessonType, Dv) == 112);
static_assert(offsetof(LessonType, Dr) == 113);
static_assert(offsetof(LessonType, Lf) == 116);
static_assert(offsetof(LessonType, Pb) == 144);
static_assert(offsetof(LessonType, Sc) == 272);
static_assert(offsetof(LessonType, Spr) == 276);
static_assert(offsetof(LessonType, a1) == 280);
static_assert(offsetof(LessonType, a2) == 284);
static_assert(offsetof(LessonType, a3) == 288);
static_assert(kIsRawRecord<LessonType>);

}  // namespace orvanta
