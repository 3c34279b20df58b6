#include "data/archive/pay_initialisation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "duty/day_calendar.h"
#include "pay/set_mark.h"

namespace orvanta {
namespace {

// The sibling product's teacher record: 282320 bytes, of which this system reads a few fields.
constexpr size_t kSiblingRecordSize = 282320;
constexpr size_t kIdOffset = 8;  // string[20]
constexpr size_t kIdCapacity = 20;
constexpr size_t kNameOffset = 29;  // string[30], placed as in TeacherType
constexpr size_t kNameCapacity = 30;
constexpr size_t kStatusOffset = 112;
constexpr size_t kCategoriesOffset = 120;  // four Integers
// Per week w five bytes for PX1[1..5], at 14681 + 35 w.
constexpr size_t kWeekTableOffset = 14681;
constexpr size_t kWeekEntrySize = 35;
constexpr size_t kWeekValues = 5;

struct SiblingTeacher {
  std::string id;    // Windows-1254
  std::string name;  // Windows-1254
  int32_t status = 0;
  std::array<int32_t, 4> categories{};  // the Integers at 120, 124, 128, 132
  std::array<uint8_t, kWeekValues> week{};
};

// A string[capacity] field, its length byte clamped.
std::string ShortStringField(std::string_view record, size_t offset, size_t capacity) {
  const size_t length = std::min<size_t>(static_cast<uint8_t>(record[offset]), capacity);
  return std::string(record.substr(offset + 1, length));
}

int32_t LittleEndianInteger(std::string_view record, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) {
    value |= uint32_t{static_cast<uint8_t>(record[offset + i])} << (8 * i);
  }
  return static_cast<int32_t>(value);
}

// REQUIRES: record holds the fields up to week_offset + 5 (when has_week).
SiblingTeacher DecodeSibling(std::string_view record, size_t week_offset, bool has_week) {
  SiblingTeacher sibling;
  sibling.id = ShortStringField(record, kIdOffset, kIdCapacity);
  sibling.name = ShortStringField(record, kNameOffset, kNameCapacity);
  sibling.status = static_cast<uint8_t>(record[kStatusOffset]);
  for (size_t i = 0; i < sibling.categories.size(); ++i) {
    sibling.categories[i] = LittleEndianInteger(record, kCategoriesOffset + 4 * i);
  }
  if (has_week) {
    for (size_t i = 0; i < kWeekValues; ++i) {
      sibling.week[i] = static_cast<uint8_t>(record[week_offset + i]);
    }
  }
  return sibling;
}

// The whole records of the sibling teacher file, each read only as far as the fields used. A
// trailing partial record and everything after a failed read are ignored; a file that cannot be
// opened gives no records.
std::vector<SiblingTeacher> ReadSiblingTeachers(const std::filesystem::path& file, int week) {
  std::vector<SiblingTeacher> siblings;
  std::ifstream in(file, std::ios::binary);
  if (!in) return siblings;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0) return siblings;

  const size_t week_offset = kWeekTableOffset + kWeekEntrySize * static_cast<size_t>(week);
  const bool has_week = week >= 0 && week_offset + kWeekValues <= kSiblingRecordSize;
  const size_t prefix = has_week ? week_offset + kWeekValues : kCategoriesOffset + 16;
  std::string record(prefix, '\0');
  const auto count = static_cast<uint64_t>(size) / kSiblingRecordSize;
  for (uint64_t r = 0; r < count; ++r) {
    in.seekg(static_cast<std::streamoff>(r * kSiblingRecordSize));
    if (!in.read(record.data(), static_cast<std::streamsize>(prefix))) break;
    siblings.push_back(DecodeSibling(record, week_offset, has_week));
  }
  return siblings;
}

void TakeSiblingId(TeacherType& teacher, const std::vector<SiblingTeacher>& siblings) {
  for (const SiblingTeacher& sibling : siblings) {
    if (!teacher.Id.Empty()) return;
    if (sibling.name == teacher.Name.Raw()) teacher.Id.SetRaw(sibling.id);
  }
}

void SetPayDefaults(TeacherType& teacher) {
  constexpr int32_t kPx1[] = {15, 10, 0, 0, 0, 1};
  constexpr int32_t kPx2[] = {4, 5, 6, 8};
  for (int i = 1; i <= 6; ++i) teacher.PX1(i) = kPx1[i - 1];
  for (int i = 1; i <= 4; ++i) teacher.PX2(i) = kPx2[i - 1];
}

// The sibling stores the preparation category before the club category.
void TakeSiblingPayValues(TeacherType& teacher, const std::vector<SiblingTeacher>& siblings) {
  for (const SiblingTeacher& sibling : siblings) {
    if (sibling.name != teacher.Name.Raw()) continue;
    for (size_t i = 0; i < kWeekValues; ++i) teacher.PX1(static_cast<int>(i) + 1) = sibling.week[i];
    teacher.PX1(6) = sibling.status;
    teacher.PX2(1) = sibling.categories[0];
    teacher.PX2(2) = sibling.categories[1];
    teacher.PX2(3) = sibling.categories[3];
    teacher.PX2(4) = sibling.categories[2];
  }
}

// The pay category of lesson No, 0 when there is no such lesson.
int LessonCategory(const SchoolData& data, int lesson_no) {
  const LessonType* lesson = data.lessons.Find(lesson_no);
  return lesson ? lesson->Pl : 0;
}

// Slots with a class lesson get its lesson's category; a free slot's Dd still holds the No of
// the out-of-lesson activity put there, which gives way to that activity's category.
void MarkFromLessons(const SchoolData& data, TeacherType& teacher) {
  for (int day = 1; day <= kDays; ++day) {
    for (int hour = 1; hour <= kHours; ++hour) {
      if (const int common_no = teacher.Cm(day, hour); common_no > 0) {
        const CommonType* common = data.commons.Find(common_no);
        SetMark(teacher, day, hour, 1, common ? LessonCategory(data, common->Le) : 0);
      } else if (const int lesson_no = teacher.Dd(day, hour); common_no == 0 && lesson_no > 0) {
        teacher.Dd(day, hour) = 0;
        SetMark(teacher, day, hour, 1, LessonCategory(data, lesson_no));
      }
    }
  }
}

}  // namespace

void InitialiseTeacherPay(SchoolData& data, const Clock& clock) {
  if (data.teachers.Empty()) return;
  const std::vector<SiblingTeacher> siblings =
      ReadSiblingTeachers(data.paths.SiblingTeacherFile(), CurrentWeekNumber(clock));
  for (TeacherType& teacher : data.teachers) {
    TakeSiblingId(teacher, siblings);
    if (teacher.PX1(6) != 0) continue;
    SetPayDefaults(teacher);
    TakeSiblingPayValues(teacher, siblings);
    MarkFromLessons(data, teacher);
  }
}

}  // namespace orvanta
