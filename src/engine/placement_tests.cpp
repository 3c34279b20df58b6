#include "engine/placement_tests.h"

#include "engine/class_lesson_members.h"

namespace orvanta {

bool HoursOpen(const SchoolData& data, int common_no, int d, int h, int n) {
  const CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !BlockInGrid(d, h, n)) return false;
  return VisitAllMembers(data, *common, [&](const auto& member) {
    for (int k = 0; k < n; ++k) {
      if (!member.Mv(d, h + k)) return false;
      if constexpr (kIsTeacher<std::remove_reference_t<decltype(member)>>) {
        if (member.Dd(d, h + k) > 0) return false;
      }
    }
    return true;
  });
}

bool BlockFree(const SchoolData& data, int common_no, int d, int h, int n) {
  const CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !BlockInGrid(d, h, n)) return false;
  return VisitAllMembers(data, *common, [&](const auto& member) {
    for (int k = 0; k < n; ++k) {
      if (member.Cm(d, h + k) > 0) return false;
    }
    return true;
  });
}

bool HoursFree(const SchoolData& data, int common_no, int d, int h, int n) {
  return BlockFree(data, common_no, d, h, n);
}

bool CanPlaceHour(const SchoolData& data, int common_no, int d, int h) {
  const CommonType* common = data.commons.Find(common_no);
  if (common == nullptr || !InGrid(d, h)) return false;
  return common->Pt < common->Wl && common->LH(d, h) == 0 && HoursOpen(data, common_no, d, h, 1) &&
         HoursFree(data, common_no, d, h, 1) && common->LC1(d) <= h && h <= common->LC2(d);
}

namespace {

int MembershipOf(const ANType& nos, int32_t count, int no) {
  if (IsMember(nos, count, no)) return 1;
  return MemberCount(count) > 0 ? 2 : 0;
}

}  // namespace

int HasTeacher(const SchoolData& data, int common_no, int teacher_no) {
  const CommonType* common = data.commons.Find(common_no);
  return common == nullptr ? 0 : MembershipOf(common->TN, common->TX, teacher_no);
}

int HasRoom(const SchoolData& data, int common_no, int room_no) {
  const CommonType* common = data.commons.Find(common_no);
  return common == nullptr ? 0 : MembershipOf(common->RN, common->RX, room_no);
}

}  // namespace orvanta
