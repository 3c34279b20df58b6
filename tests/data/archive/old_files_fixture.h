#pragma once

// Files of the previous generation built byte by byte from their offset table.

#include <string>
#include <vector>

#include "support/byte_fixture.h"

namespace orvanta::testing {

// A record image with the 7 x 18 grids of the old layouts.
class OldRecord : public ByteFixture {
 public:
  using ByteFixture::ByteFixture;
  // Slot (d, h) of a grid starting at offset.
  OldRecord& Slot(size_t offset, int d, int h, int value) {
    Byte(offset + 18 * (d - 1) + (h - 1), static_cast<uint8_t>(value));
    return *this;
  }
  // Every slot of a grid.
  OldRecord& Grid(size_t offset, int value) {
    for (int i = 0; i < 126; ++i) Byte(offset + i, static_cast<uint8_t>(value));
    return *this;
  }
};

inline OldRecord OldLessonRecord(int number, const std::string& name, int weekly_hours,
                                 std::vector<int> blocks) {
  OldRecord record(186);
  record.Byte(0, number).String(2, name).String(33, name.substr(0, 3)).Byte(46, weekly_hours);
  for (size_t i = 0; i < blocks.size(); ++i) record.Byte(50 + i, blocks[i]);
  return record;
}

inline OldRecord OldDefinitionRecord(int code, int kind, const std::string& name) {
  OldRecord record(34);
  record.Byte(0, code).Byte(2, kind).String(3, name);
  return record;
}

// Lessons on days 1..5 from hour 1 to 8, every slot open.
inline OldRecord OldClassRecord(int number, const std::string& name, const std::string& section) {
  OldRecord record(872);
  record.Byte(0, number).String(2, name).String(15, section);
  record.Grid(116, 1);
  for (int d = 0; d < 5; ++d) record.Byte(33 + d, 1).Byte(40 + d, 8);
  return record;
}
constexpr size_t kOldClassOpen = 116;
constexpr size_t kOldClassLessons = 242;

inline OldRecord OldRoomRecord(int number, const std::string& name) {
  OldRecord record(680);
  record.Byte(0, number).String(2, name).String(33, name.substr(0, 3));
  return record;
}

inline OldRecord OldTeacherRecord(int number, const std::string& name, int branch_code) {
  OldRecord record(4943);
  record.Byte(0, number).String(2, name).String(33, name.substr(0, 3)).Byte(75, branch_code);
  record.Grid(257, 1);
  return record;
}
constexpr size_t kOldTeacherOpen = 257;
constexpr size_t kOldTeacherActivities = 1013;

inline OldRecord OldClassLessonRecord(int class_number, int lesson_number,
                                      std::vector<int> teachers, std::vector<int> rooms,
                                      std::vector<int> classes) {
  OldRecord record(92);
  record.Byte(0, class_number).Byte(1, lesson_number);
  record.Byte(5, static_cast<int>(teachers.size()))
      .Byte(6, static_cast<int>(rooms.size()))
      .Byte(8, static_cast<int>(classes.size()));
  for (size_t i = 0; i < teachers.size() && i < 25; ++i) record.Byte(17 + i, teachers[i]);
  for (size_t i = 0; i < rooms.size() && i < 25; ++i) record.Byte(42 + i, rooms[i]);
  for (size_t i = 0; i < classes.size() && i < 25; ++i) record.Byte(67 + i, classes[i]);
  return record;
}

inline std::string Concatenated(const std::vector<OldRecord>& records) {
  std::string bytes;
  for (const OldRecord& record : records) bytes += record.bytes();
  return bytes;
}

}  // namespace orvanta::testing
