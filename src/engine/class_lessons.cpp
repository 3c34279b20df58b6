#include "engine/class_lessons.h"

#include <vector>

#include "data/list_operations.h"
#include "data/recount.h"
#include "engine/class_lesson_members.h"
#include "engine/hour_operations.h"

namespace orvanta {

int FindClassLesson(const SchoolData& data, int class_no, int lesson_no) {
  for (const CommonType& common : data.commons) {
    if (common.Le == lesson_no && IsMember(common.CN, common.CX, class_no)) return common.No;
  }
  return 0;
}

int AddClassLesson(SchoolData& data, int class_no, int lesson_no) {
  const LessonType* lesson = data.lessons.Find(lesson_no);
  if (lesson == nullptr || !data.classes.Has(class_no) || data.commons.Count() >= kMaxRecords) {
    return 0;
  }
  CommonType common = SetDefaults(data.commons);
  common.CX = 1;
  common.CN(1) = class_no;
  common.Le = lesson_no;
  common.Wl = lesson->Wl;
  common.LF = lesson->Lf;
  common.Sc = lesson->Sc;
  common.spr = lesson->Spr;
  common.Dv = lesson->Dv;
  common.Mv.Fill(Boolean{1});
  Insert(data, common);
  return common.No;
}

void DeleteClassLesson(SchoolData& data, int common_no) {
  if (!data.commons.Has(common_no)) return;
  RemoveAllHours(data, common_no);
  data.commons.Delete(common_no);
  RecountAll(data);
}

void SplitClassLesson(SchoolData& data, int common_no) {
  const CommonType* common = data.commons.Find(common_no);
  if (common == nullptr) return;
  const int lesson_no = common->Le;
  std::vector<int> class_nos;
  VisitMembers(data.classes, common->CN, common->CX, [&](const ClssType& clss) {
    class_nos.push_back(clss.No);
    return true;
  });
  DeleteClassLesson(data, common_no);
  for (const int class_no : class_nos) {
    if (FindClassLesson(data, class_no, lesson_no) != 0) continue;
    if (AddClassLesson(data, class_no, lesson_no) == 0) continue;
    RecountClassLoad(data, *data.classes.Find(class_no));
  }
  RecountAll(data);
}

}  // namespace orvanta
