#pragma once

// Files of the previous generation built byte by byte from their offset table.

#include <string>
#include <vector>

#include "data/archive/archive_test_files.h"

namespace orvanta::testing {

class OldRecord {
 public:
  explicit OldRecord(size_t size) : bytes_(size, '\0') {}
  OldRecord& Byte(size_t offset, int value) {
    bytes_.at(offset) = static_cast<char>(value);
    return *this;
  }
  // A length-prefixed Windows-1254 text.
  OldRecord& Text(size_t offset, const std::string& cp1254) {
    Byte(offset, static_cast<int>(cp1254.size()));
    for (size_t i = 0; i < cp1254.size(); ++i) bytes_.at(offset + 1 + i) = cp1254[i];
    return *this;
  }
  // Slot (d, h) of a 7 x 18 grid starting at offset.
  OldRecord& Slot(size_t offset, int d, int h, int value) {
    return Byte(offset + 18 * (d - 1) + (h - 1), value);
  }
  // Every slot of a grid.
  OldRecord& Grid(size_t offset, int value) {
    for (int i = 0; i < 126; ++i) Byte(offset + i, value);
    return *this;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

inline OldRecord OldLessonRecord(int number, const std::string& name, int weekly_hours,
                                 std::vector<int> blocks) {
  OldRecord record(186);
  record.Byte(0, number).Text(2, name).Text(33, name.substr(0, 3)).Byte(46, weekly_hours);
  for (size_t i = 0; i < blocks.size(); ++i) record.Byte(50 + i, blocks[i]);
  return record;
}

inline OldRecord OldDefinitionRecord(int code, int kind, const std::string& name) {
  OldRecord record(34);
  record.Byte(0, code).Byte(2, kind).Text(3, name);
  return record;
}

// Lessons on days 1..5 from hour 1 to 8, every slot open.
inline OldRecord OldClassRecord(int number, const std::string& name, const std::string& section) {
  OldRecord record(872);
  record.Byte(0, number).Text(2, name).Text(15, section).Grid(116, 1);
  for (int d = 0; d < 5; ++d) record.Byte(33 + d, 1).Byte(40 + d, 8);
  return record;
}
constexpr size_t kOldClassOpen = 116;
constexpr size_t kOldClassLessons = 242;

inline OldRecord OldRoomRecord(int number, const std::string& name) {
  OldRecord record(680);
  record.Byte(0, number).Text(2, name).Text(33, name.substr(0, 3));
  return record;
}

inline OldRecord OldTeacherRecord(int number, const std::string& name, int branch_code) {
  OldRecord record(4943);
  record.Byte(0, number).Text(2, name).Text(33, name.substr(0, 3)).Byte(75, branch_code);
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
