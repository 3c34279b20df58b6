#include "engine/member_edits.h"

#include "data/recount.h"
#include "engine/class_lesson_members.h"
#include "engine/class_lessons.h"
#include "engine/hour_operations.h"
#include "engine/member_list.h"
#include "engine/placement_tests.h"

namespace orvanta {
namespace {

enum class MemberKind { kTeacher, kRoom };

ANType& Members(CommonType& common, MemberKind kind) {
  return kind == MemberKind::kTeacher ? common.TN : common.RN;
}
int32_t& MemberCountField(CommonType& common, MemberKind kind) {
  return kind == MemberKind::kTeacher ? common.TX : common.RX;
}

// Takes every placed hour out (unfixed) and returns the lengths they had, 0 where none was.
cm_type TakeOutHours(SchoolData& data, int common_no) {
  cm_type lengths = data.commons.Find(common_no)->LT;
  for (int d = 1; d <= kDays; ++d) {
    for (int h = 1; h <= kHours; ++h) {
      if (lengths(d, h) <= 0) continue;
      SetBlockMovable(data, common_no, d, h, true);
      RemoveHour(data, common_no, d, h);
    }
  }
  return lengths;
}

void PutBackHours(SchoolData& data, int common_no, const cm_type& lengths) {
  for (int d = 1; d <= kDays; ++d) {
    for (int h = 1; h <= kHours; ++h) {
      if (lengths(d, h) > 0 && CanPlaceHour(data, common_no, d, h)) {
        PlaceHour(data, common_no, d, h);
      }
    }
  }
}

bool AddMember(SchoolData& data, int common_no, MemberKind kind, int member_no, bool exists) {
  CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !exists) return false;
  if (IsMember(Members(*common, kind), MemberCountField(*common, kind), member_no) ||
      MemberCount(MemberCountField(*common, kind)) == kMaxMembers) {
    return false;
  }
  const bool placed = common->Pt > 0;
  cm_type lengths{};
  if (placed) lengths = TakeOutHours(data, common_no);
  common = data.commons.Find(common_no);
  AppendMember(Members(*common, kind), MemberCountField(*common, kind), member_no);
  if (placed) PutBackHours(data, common_no, lengths);
  return true;
}

}  // namespace

bool AddTeacher(SchoolData& data, int common_no, int teacher_no) {
  return AddMember(data, common_no, MemberKind::kTeacher, teacher_no,
                   data.teachers.Has(teacher_no));
}

bool AddRoom(SchoolData& data, int common_no, int room_no) {
  return AddMember(data, common_no, MemberKind::kRoom, room_no, data.rooms.Has(room_no));
}

void RemoveTeacher(SchoolData& data, int common_no, int teacher_no) {
  const CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !IsMember(common->TN, common->TX, teacher_no)) return;
  RemoveAllHours(data, common_no);
  CommonType* edited = data.commons.Find(common_no);
  DropMember(edited->TN, edited->TX, teacher_no);
  RecountAll(data);
}

void RemoveClass(SchoolData& data, int common_no, int class_no) {
  const CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !IsMember(common->CN, common->CX, class_no)) return;
  if (MemberCount(common->CX) == 1) {
    DeleteClassLesson(data, common_no);
    return;
  }
  RemoveAllHours(data, common_no);
  CommonType* edited = data.commons.Find(common_no);
  DropMember(edited->CN, edited->CX, class_no);
  RecountAll(data);
}

void RemoveRoom(SchoolData& data, int common_no, int room_no) {
  CommonType* common = data.commons.Find(common_no);
  if (common == nullptr) return;
  if (RoomType* room = data.rooms.Find(room_no)) {
    for (int d = 1; d <= kDays; ++d) {
      for (int h = 1; h <= kHours; ++h) {
        if (room->Cm(d, h) != common_no) continue;
        room->Cm(d, h) = 0;
        room->Mv(d, h) = true;
        CountDown(room->PUT);
      }
    }
  }
  DropMember(common->RN, common->RX, room_no);
}

}  // namespace orvanta
