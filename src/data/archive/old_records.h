#pragma once

// The record files of the previous generation ("v2"), as far as the import reads them. They are
// plain sequences of fixed-size records with single-byte record numbers (1..255) and
// length-prefixed Windows-1254 texts; only the fields below are read:
//
//   file          size  fields (byte offsets)
//   lesson.prg2    186  0 number; 2 name string[30]; 33 short name string[12]; 46 weekly hours;
//                       50..56 block lengths of the form of settlement
//   define.prg2     34  0 code; 2 kind (5 = out-of-lesson activity); 3 name string[30]
//   clss.prg2      872  0 number; 2 name string[12]; 15 section string[17]; 33..39 first and
//                       40..46 last lesson hour of days 1..7; 116 + 18(d-1) + (h-1) open flag
//                       (0 = closed); 242 + 18(d-1) + (h-1) lesson number (0 = none)
//   room.prg2      680  0 number; 2 name string[30]; 33 short name string[12]
//   teacher.prg2  4943  0 number; 2 name string[30]; 33 short name string[12]; 75 branch code
//                       (a define code); 257 + 18(d-1) + (h-1) open flag; 1013 + 18(d-1) +
//                       (h-1) activity code (a define code, 0 = none)
//   clle.prg2       92  0 class number; 1 lesson number; 5 teacher count; 6 room count; 8 class
//                       count (each at most 25); 17.. teacher, 42.. room, 67.. class numbers
//
// Reading never trusts a file: records with number 0 or a number already read are skipped,
// counts above 25 are cut to 25, a trailing partial record is ignored, and every such repair is
// reported.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/record_types.h"

namespace orvanta {

// A 7 x 18 byte grid of an old record; slot (d, h) at 18(d-1) + (h-1).
struct OldGrid {
  std::array<uint8_t, kDays * kHours> bytes{};
  int operator()(int d, int h) const { return bytes[(d - 1) * kHours + (h - 1)]; }
};

// Texts are Windows-1254 as stored, their length cut to the capacity.
struct OldLesson {
  int number = 0;
  std::string name, short_name;
  int weekly_hours = 0;
  std::array<int, 7> blocks{};
};

struct OldDefinition {
  int code = 0;
  int kind = 0;
  std::string name;
};
inline constexpr int kOldActivityKind = 5;

struct OldClass {
  int number = 0;
  std::string name, section;
  std::array<int, kDays> first_hour{}, last_hour{};
  OldGrid open, lessons;
};

struct OldRoom {
  int number = 0;
  std::string name, short_name;
};

struct OldTeacher {
  int number = 0;
  std::string name, short_name;
  int branch_code = 0;
  OldGrid open, activities;
};

struct OldClassLesson {
  int class_number = 0;
  int lesson_number = 0;
  std::vector<int> teachers, rooms, classes;
};
inline constexpr int kOldMaxMembers = 25;

// The six files of one folder; a file that is missing or cannot be read is nullopt.
struct OldData {
  std::optional<std::vector<OldLesson>> lessons;
  std::optional<std::vector<OldDefinition>> definitions;
  std::optional<std::vector<OldClass>> classes;
  std::optional<std::vector<OldRoom>> rooms;
  std::optional<std::vector<OldTeacher>> teachers;
  std::optional<std::vector<OldClassLesson>> class_lessons;
  std::vector<std::string> notes;  // Turkish: what was skipped or repaired, one line each
};

// Reads lesson.prg2, define.prg2, clss.prg2, room.prg2, teacher.prg2 and clle.prg2 of folder,
// names matched without regard to case. Never throws for the content or absence of a file.
OldData ReadOldData(const std::filesystem::path& folder);

}  // namespace orvanta
