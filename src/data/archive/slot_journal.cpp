#include "data/archive/slot_journal.h"

namespace orvanta {
namespace {

template <typename Entity, typename Journal>
void ForEachSlot(Entity& entity, Journal&& journal) {
  for (int d = 1; d <= kDays; ++d) {
    for (int h = 1; h <= kHours; ++h) journal(entity, d, h);
  }
}

}  // namespace

SlotJournal TakeOutSlots(SchoolData& data) {
  SlotJournal journal;
  journal.reserve(
      static_cast<size_t>(data.teachers.Count() + data.classes.Count() + data.rooms.Count()) *
      kDays * kHours);
  for (TeacherType& teacher : data.teachers) {
    if (teacher.Clss != 0 && !data.classes.Has(teacher.Clss)) teacher.Clss = 0;
    teacher.PUT = 0;
    teacher.LTP.Fill(0);
    ForEachSlot(teacher, [&](TeacherType& t, int d, int h) {
      journal.push_back({.common_no = t.Cm(d, h),
                         .dd = t.Dd(d, h),
                         .day = d,
                         .hour = h,
                         .teacher_no = t.No,
                         .pl = t.Pl(d, h),
                         .mv = t.Mv(d, h)});
      t.Cm(d, h) = 0;
      t.Dd(d, h) = 0;
      t.Pl(d, h) = 0;
      t.Mv(d, h) = true;
    });
  }
  for (ClssType& clss : data.classes) {
    clss.PUT = 0;
    ForEachSlot(clss, [&](ClssType& c, int d, int h) {
      journal.push_back(
          {.dd = c.Dd(d, h), .day = d, .hour = h, .class_no = c.No, .mv = c.Mv(d, h)});
      c.Cm(d, h) = 0;
      c.Mv(d, h) = true;
      c.Dd(d, h) = 0;
    });
  }
  for (RoomType& room : data.rooms) {
    room.PUT = 0;
    ForEachSlot(room, [&](RoomType& r, int d, int h) {
      journal.push_back({.dd = r.Dd(d, h), .day = d, .hour = h, .room_no = r.No, .mv = r.Mv(d, h)});
      r.Dd(d, h) = 0;
      r.Cm(d, h) = 0;
      r.Mv(d, h) = true;
    });
  }
  return journal;
}

}  // namespace orvanta
