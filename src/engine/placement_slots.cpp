#include "engine/placement_slots.h"

#include "engine/class_lesson_members.h"

namespace orvanta {
namespace {

// Class LTP is an Integer per day, room and teacher LTP a byte per day; all count the same way.
template <typename Record>
void CountSlotUp(Record& member, int d, SlotCounting counting) {
  CountUp(member.PUT);
  if (kIsTeacher<Record> || counting == SlotCounting::kBlock) CountUp(member.LTP(d));
}

template <typename Record>
void CountSlotDown(Record& member, int d, SlotCounting counting) {
  CountDown(member.PUT);
  if (kIsTeacher<Record> || counting == SlotCounting::kBlock) CountDown(member.LTP(d));
}

}  // namespace

bool SlotTakesLesson(const SchoolData& data, const CommonType& common, int d, int h) {
  if (common.LH(d, h) != 0) return false;
  // A slot that already names this class lesson is a leftover (a restored grid); it takes it.
  return VisitAllMembers(data, common, [&](const auto& member) {
    const int32_t held = member.Cm(d, h);
    return held == 0 || held == common.No;
  });
}

void OccupySlot(SchoolData& data, CommonType& common, int d, int h, SlotCounting counting) {
  ForAllMembers(data, common, [&](auto& member) {
    member.Cm(d, h) = common.No;
    CountSlotUp(member, d, counting);
  });
  CountUp(common.Pt);
  CountUp(common.LTP(d));
}

void VacateSlot(SchoolData& data, CommonType& common, int d, int h, SlotCounting counting) {
  ForAllMembers(data, common, [&](auto& member) {
    if (member.Cm(d, h) != common.No) return;
    member.Cm(d, h) = 0;
    if constexpr (kIsTeacher<std::remove_reference_t<decltype(member)>>) {
      if (counting == SlotCounting::kHour) member.Dd(d, h) = 0;
    }
    CountSlotDown(member, d, counting);
  });
  common.LD(d, h) = 0;
  common.LH(d, h) = 0;
  common.LT(d, h) = 0;
  CountDown(common.Pt);
  CountDown(common.LTP(d));
}

}  // namespace orvanta
