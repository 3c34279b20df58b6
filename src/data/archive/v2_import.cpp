#include "data/archive/v2_import.h"

#include <algorithm>
#include <exception>

#include "data/archive/file_maintenance.h"
#include "data/archive/old_records.h"
#include "data/archive/restore_archive.h"
#include "data/file_access.h"
#include "data/list_operations.h"
#include "data/recount.h"
#include "engine/class_lessons.h"
#include "engine/hour_operations.h"
#include "engine/placement_tests.h"
#include "pay/set_mark.h"

namespace orvanta {
namespace {

class Conversion {
 public:
  Conversion(SchoolData& data, const OldData& old, std::vector<std::string>& notes)
      : data_(data), old_(old), notes_(notes) {}

  void Lessons() {
    if (!old_.lessons) return;
    data_.lessons.Clear();
    int position = 0;
    for (const OldLesson& old : *old_.lessons) {
      LessonType lesson = SetDefaults(data_.lessons);
      lesson.No = old.number;
      lesson.RecNo = ++position;
      lesson.Id.Clear();
      lesson.Lesson.SetRaw(old.name);
      lesson.SLesson.SetRaw(old.short_name);
      lesson.Wl = old.weekly_hours;
      for (int i = 1; i <= 7; ++i) lesson.Lf(i) = old.blocks[static_cast<size_t>(i - 1)];
      Insert(data_, lesson);
    }
  }

  void Activities() {
    if (!old_.definitions) return;
    for (const OldDefinition& old : *old_.definitions) {
      if (old.kind != kOldActivityKind) continue;
      if (data_.lessons.Count() >= kMaxRecords) {
        notes_.push_back("\"define.prg2\": 5000 ders dolu; kalan ders dışı etkinlikler alınmadı.");
        return;
      }
      LessonType lesson = SetDefaults(data_.lessons);
      lesson.Id.SetRaw(old.code == 0 ? std::string() : std::to_string(old.code));
      lesson.Lesson.SetRaw(old.name);
      lesson.SLesson.SetRaw(old.name);
      lesson.Sc = 0;
      lesson.Dr = false;
      Insert(data_, lesson);
    }
  }

  void Classes() {
    if (!old_.classes) return;
    data_.classes.Clear();
    int position = 0;
    for (const OldClass& old : *old_.classes) {
      ClssType clss = SetDefaults(data_.classes);
      clss.No = old.number;
      clss.RecNo = ++position;
      clss.Id.Clear();
      clss.Clss.SetRaw(ClassName(old));
      for (int d = 1; d <= kDays; ++d) {
        clss.LC1(d) = static_cast<uint8_t>(old.first_hour[static_cast<size_t>(d - 1)]);
        clss.LC2(d) = static_cast<uint8_t>(old.last_hour[static_cast<size_t>(d - 1)]);
      }
      Insert(data_, clss);
    }
  }

  void Rooms() {
    if (!old_.rooms) return;
    data_.rooms.Clear();
    int position = 0;
    for (const OldRoom& old : *old_.rooms) {
      RoomType room = SetDefaults(data_.rooms);
      room.No = old.number;
      room.RecNo = ++position;
      room.Id.Clear();
      room.Room.SetRaw(old.name);
      room.SRoom.SetRaw(old.short_name);
      Insert(data_, room);
    }
  }

  void Teachers() {
    if (!old_.teachers) return;
    data_.teachers.Clear();
    int position = 0;
    for (const OldTeacher& old : *old_.teachers) {
      TeacherType teacher = SetDefaults(data_.teachers);
      teacher.No = old.number;
      teacher.Branch.SetRaw(BranchName(old.branch_code));
      teacher.RecNo = ++position;
      teacher.Id.Clear();
      teacher.Name.SetRaw(old.name);
      teacher.SName.SetRaw(old.short_name);
      Insert(data_, teacher);
    }
  }

  void ClassLessons() {
    if (!old_.class_lessons) return;
    data_.commons.Clear();
    int position = 0;
    for (const OldClassLesson& old : *old_.class_lessons) {
      ++position;
      if (data_.commons.Count() >= kMaxRecords) {
        notes_.push_back("\"clle.prg2\": 5000 sınıf dersi dolu; kalanlar alınmadı.");
        return;
      }
      AddClassLesson(old, position);
    }
  }

  // Step 8. Returns the number of old hours that found no place.
  int PlaceOldTimetable() {
    if (!old_.classes) return 0;
    int unplaced = 0;
    for (const OldClass& old : *old_.classes) {
      if (!data_.classes.Has(old.number)) continue;
      ForEachSlot([&](int d, int h) {
        const int lesson_no = old.lessons(d, h);
        if (lesson_no == 0) return;
        const int common_no = FindClassLesson(data_, old.number, lesson_no);
        if (common_no != 0 && CanPlaceHour(data_, common_no, d, h)) {
          PlaceHour(data_, common_no, d, h);
        } else {
          ++unplaced;
        }
      });
    }
    return unplaced;
  }

  void MarkOldActivities() {
    if (!old_.teachers) return;
    for (const OldTeacher& old : *old_.teachers) {
      TeacherType* teacher = data_.teachers.Find(old.number);
      if (teacher == nullptr) continue;
      ForEachSlot([&](int d, int h) {
        const int code = old.activities(d, h);
        if (code == 0) return;
        if (const LessonType* lesson = LessonWithId(std::to_string(code))) {
          SetMark(*teacher, d, h, 1, lesson->No);
        }
      });
    }
  }

  void CloseOldClosedHours() {
    if (old_.teachers) {
      for (const OldTeacher& old : *old_.teachers) {
        if (TeacherType* teacher = data_.teachers.Find(old.number)) Close(teacher->Mv, old.open);
      }
    }
    if (old_.classes) {
      for (const OldClass& old : *old_.classes) {
        if (ClssType* clss = data_.classes.Find(old.number)) Close(clss->Mv, old.open);
      }
    }
  }

 private:
  // The name, and the section after one space when there is one, cut to the class name's 12.
  static std::string ClassName(const OldClass& old) {
    if (old.section.empty()) return old.name;
    return (old.name + " ").substr(0, 13) + old.section;
  }

  std::string BranchName(int code) const {
    if (!old_.definitions) return {};
    for (const OldDefinition& definition : *old_.definitions) {
      if (definition.code == code) return definition.name;
    }
    return {};
  }

  const LessonType* LessonWithId(const std::string& id) const {
    for (const LessonType& lesson : data_.lessons) {
      if (lesson.Id.Raw() == id) return &lesson;
    }
    return nullptr;
  }

  template <typename Visit>
  static void ForEachSlot(Visit visit) {
    for (int d = 1; d <= kDays; ++d) {
      for (int h = 1; h <= kHours; ++h) visit(d, h);
    }
  }

  static void Close(pb_type& mv, const OldGrid& open) {
    ForEachSlot([&](int d, int h) {
      if (open(d, h) == 0) mv(d, h) = false;
    });
  }

  void Note(int position, const std::string& text) {
    notes_.push_back("\"clle.prg2\" " + std::to_string(position) + ". kayıt: " + text);
  }

  // Member numbers that name an existing record, each once; the others are reported.
  template <typename List>
  std::vector<int> Existing(const std::vector<int>& numbers, const List& list, const char* what,
                            int position) {
    std::vector<int> kept;
    for (int no : numbers) {
      if (!list.Has(no)) {
        Note(position, std::to_string(no) + " numaralı " + what + " yok; çıkarıldı.");
      } else if (std::find(kept.begin(), kept.end(), no) == kept.end()) {
        kept.push_back(no);
      }
    }
    return kept;
  }

  static void Store(ANType& list, int32_t& count, const std::vector<int>& members) {
    count = static_cast<int32_t>(members.size());
    for (size_t i = 0; i < members.size(); ++i) list(static_cast<int>(i) + 1) = members[i];
  }

  void AddClassLesson(const OldClassLesson& old, int position) {
    const LessonType* lesson = data_.lessons.Find(old.lesson_number);
    if (lesson == nullptr) {
      Note(position, std::to_string(old.lesson_number) + " numaralı ders yok; atlandı.");
      return;
    }
    const std::vector<int> classes =
        Existing(old.classes.empty() ? std::vector<int>{old.class_number} : old.classes,
                 data_.classes, "sınıf", position);
    if (classes.empty()) {
      Note(position, "var olan sınıfı yok; atlandı.");
      return;
    }
    // Old files list one class lesson once per class: the second record of a lesson and class
    // adds nothing.
    if (FindClassLesson(data_, old.class_number, old.lesson_number) != 0) return;
    CommonType common = SetDefaults(data_.commons);
    Store(common.CN, common.CX, classes);
    Store(common.TN, common.TX, Existing(old.teachers, data_.teachers, "öğretmen", position));
    Store(common.RN, common.RX, Existing(old.rooms, data_.rooms, "derslik", position));
    common.Le = lesson->No;
    common.Wl = lesson->Wl;
    common.LF = lesson->Lf;
    Insert(data_, common);
  }

  SchoolData& data_;
  const OldData& old_;
  std::vector<std::string>& notes_;
};

std::filesystem::path ResolvePath(std::filesystem::path folder,
                                  std::initializer_list<const char*> names) {
  for (const char* name : names) folder = ResolveFileName(folder, name);
  return folder;
}

}  // namespace

bool IsEmptyForImport(const SchoolData& data) {
  return data.lessons.Empty() && data.classes.Empty() && data.teachers.Empty() &&
         data.rooms.Empty();
}

std::filesystem::path DefaultOldDataFolder(const DataPaths& paths) {
  return ResolvePath(paths.drive_root, {"quillen", "orvanta", "program1"});
}

ImportReport ImportV2(SchoolData& data, const std::filesystem::path& folder,
                      const SaveStep& backup_step, const ProcessEvents& process_events) {
  const OldData old = ReadOldData(folder);
  ImportReport report{old.notes};
  Conversion conversion(data, old, report.notes);
  std::exception_ptr failure;
  try {
    conversion.Lessons();
    conversion.Activities();
    conversion.Classes();
    conversion.Rooms();
    conversion.Teachers();
    conversion.ClassLessons();
  } catch (...) {
    failure = std::current_exception();
  }
  SaveAll(data, backup_step);
  RecountAll(data);
  if (const int unplaced = conversion.PlaceOldTimetable(); unplaced > 0) {
    report.notes.push_back("Eski programdaki " + std::to_string(unplaced) +
                           " saat yerleştirilemedi.");
  }
  conversion.MarkOldActivities();
  conversion.CloseOldClosedHours();
  data.duties.Clear();
  SaveAll(data, backup_step);
  FullFileMaintenance(data, backup_step, process_events);
  if (failure) std::rethrow_exception(failure);
  return report;
}

ImportReport ImportV2Archive(SchoolData& data, const std::filesystem::path& archive,
                             const SaveStep& backup_step, const ProcessEvents& process_events) {
  RestoreOldArchive(data.set_folder, archive);
  return ImportV2(data, data.set_folder, backup_step, process_events);
}

}  // namespace orvanta
