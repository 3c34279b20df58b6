#include "data/archive/file_maintenance.h"

#include <algorithm>
#include <vector>

#include "data/archive/rebuild.h"
#include "data/recount.h"
#include "engine/class_lessons.h"
#include "engine/definition_deletes.h"
#include "engine/member_edits.h"

namespace orvanta {
namespace {

// Keeps the members of list[1..count] that exist (and, when once is set, only their first
// occurrence), in order; the rest of the array becomes 0.
template <typename Exists>
void KeepExisting(ANType& list, int32_t& count, bool once, Exists exists) {
  const int old_count = std::clamp<int>(count, 0, kMaxMembers);
  std::vector<int32_t> kept;
  for (int i = 1; i <= old_count; ++i) {
    const int32_t no = list(i);
    if (!exists(no)) continue;
    if (once && std::find(kept.begin(), kept.end(), no) != kept.end()) continue;
    kept.push_back(no);
  }
  list.Fill(0);
  for (size_t i = 0; i < kept.size(); ++i) list(static_cast<int>(i) + 1) = kept[i];
  count = static_cast<int32_t>(kept.size());
}

template <typename Drop>
void DeleteClassLessonsWhere(SchoolData& data, Drop drop) {
  std::vector<int> doomed;
  for (const CommonType& common : data.commons) {
    if (drop(common)) doomed.push_back(common.No);
  }
  for (int no : doomed) data.commons.Delete(no);
}

void RepairMemberLists(SchoolData& data) {
  DeleteClassLessonsWhere(data,
                          [&](const CommonType& common) { return !data.lessons.Has(common.Le); });
  for (CommonType& common : data.commons) {
    KeepExisting(common.CN, common.CX, false, [&](int no) { return data.classes.Has(no); });
    if (common.CX == 1) {
      common.use_cn = false;
      common.cn_name.Clear();
    }
  }
  DeleteClassLessonsWhere(data, [](const CommonType& common) { return common.CX == 0; });
  for (CommonType& common : data.commons) {
    KeepExisting(common.TN, common.TX, true, [&](int no) { return data.teachers.Has(no); });
    KeepExisting(common.RN, common.RX, true, [&](int no) { return data.rooms.Has(no); });
  }
}

void CountTeacherHours(SchoolData& data) {
  for (TeacherType& teacher : data.teachers) {
    teacher.PUT = 0;
    for (int d = 1; d <= kDays; ++d) {
      int hours = 0;
      for (int h = 1; h <= kHours; ++h) hours += teacher.Cm(d, h) > 0 ? 1 : 0;
      teacher.LTP(d) = static_cast<uint8_t>(hours);
      teacher.PUT = static_cast<uint8_t>(teacher.PUT + hours);
    }
  }
}

// The class lessons for which member(common) holds; collected first, because the deletes and
// member edits reorder the list.
template <typename Member>
std::vector<int> ClassLessonsWith(const SchoolData& data, Member member) {
  std::vector<int> found;
  for (const CommonType& common : data.commons) {
    if (member(common)) found.push_back(common.No);
  }
  return found;
}

bool Lists(const ANType& list, int32_t count, int no) {
  for (int i = 1; i <= std::clamp<int>(count, 0, kMaxMembers); ++i) {
    if (list(i) == no) return true;
  }
  return false;
}

std::vector<int> Nos(const auto& list) {
  std::vector<int> nos;
  for (const auto& record : list) nos.push_back(record.No);
  return nos;
}

void DeleteClassLessonsOfEveryClass(SchoolData& data) {
  for (int class_no : Nos(data.classes)) {
    for (int common_no :
         ClassLessonsWith(data, [&](const CommonType& c) { return Lists(c.CN, c.CX, class_no); })) {
      DeleteClassLesson(data, common_no);
    }
  }
}

// The rooms' LET and TLE follow from the recount at the end; the rooms have no class lessons
// left by then.
void RemoveEveryRoomAssignment(SchoolData& data) {
  for (int room_no : Nos(data.rooms)) {
    for (int common_no :
         ClassLessonsWith(data, [&](const CommonType& c) { return Lists(c.RN, c.RX, room_no); })) {
      RemoveRoom(data, common_no, room_no);
    }
  }
  RecountAll(data);
}

void RemoveEveryTeacherAssignment(SchoolData& data) {
  for (int teacher_no : Nos(data.teachers)) {
    for (int common_no : ClassLessonsWith(
             data, [&](const CommonType& c) { return Lists(c.TN, c.TX, teacher_no); })) {
      RemoveTeacher(data, common_no, teacher_no);
    }
  }
}

void DeleteElectives(SchoolData& data) {
  std::vector<int> electives;
  for (const LessonType& lesson : data.lessons) {
    if (lesson.Spr > 0) electives.push_back(lesson.No);
  }
  for (int lesson_no : electives) DeleteLesson(data, lesson_no);
}

void EraseAll(SchoolData& data) {
  data.lessons.Clear();
  data.classes.Clear();
  data.rooms.Clear();
  data.teachers.Clear();
  data.commons.Clear();
  data.duties.Clear();
  data.option.last_backup_name().Clear();
}

}  // namespace

const char* MaintenanceCaption(MaintenanceChoice choice) {
  switch (choice) {
    case MaintenanceChoice::kFull:
      return "Dosya Bakımlarını Yap";
    case MaintenanceChoice::kClassLessons:
      return "Sınıflarda Okutulan Dersleri Sil";
    case MaintenanceChoice::kRoomAssignments:
      return "Dersliklere Ders Atamalarını Sil";
    case MaintenanceChoice::kTeacherAssignments:
      return "Öğretmen Ders Atamalarını Sil";
    case MaintenanceChoice::kElectives:
      return "Seçmeli Dersleri Sil";
    case MaintenanceChoice::kEraseAll:
      return "Bütün Dosyaları Sil";
  }
  return "";
}

void FullFileMaintenance(SchoolData& data, const SaveStep& backup_step,
                         const ProcessEvents& process_events) {
  RepairMemberLists(data);
  RebuildAfterDefinitionsChange(data, process_events);
  CountTeacherHours(data);
  SaveAll(data, backup_step);
}

void SetMaintenance(SchoolData& data, MaintenanceChoice choice, const SaveStep& backup_step,
                    const ProcessEvents& process_events) {
  switch (choice) {
    case MaintenanceChoice::kFull:
      FullFileMaintenance(data, backup_step, process_events);
      break;
    case MaintenanceChoice::kClassLessons:
      DeleteClassLessonsOfEveryClass(data);
      break;
    case MaintenanceChoice::kRoomAssignments:
      RemoveEveryRoomAssignment(data);
      break;
    case MaintenanceChoice::kTeacherAssignments:
      RemoveEveryTeacherAssignment(data);
      break;
    case MaintenanceChoice::kElectives:
      DeleteElectives(data);
      break;
    case MaintenanceChoice::kEraseAll:
      EraseAll(data);
      break;
  }
  SaveAll(data, backup_step);
}

}  // namespace orvanta
