#include "data/archive/rebuild.h"

#include <algorithm>

#include "data/archive/slot_journal.h"
#include "data/recount.h"
#include "engine/hour_operations.h"
#include "engine/manual_placement.h"
#include "engine/placement_tests.h"
#include "pay/set_mark.h"

namespace orvanta {
namespace {

int PlacedHours(const SchoolData& data) {
  int hours = 0;
  for (const CommonType& common : data.commons) hours += common.Pt;
  return hours;
}

void UnplaceClassLessons(SchoolData& data) {
  for (CommonType& common : data.commons) {
    common.Pt = 0;
    common.LTP.Fill(0);
    common.LD.Fill(0);
    common.LH.Fill(0);
    common.LT.Fill(0);
    common.Mv.Fill(Boolean{1});
  }
}

void NormaliseDayWindows(SchoolData& data) {
  for (ClssType& clss : data.classes) {
    for (int d = 1; d <= kDays; ++d) {
      uint8_t& first = clss.LC1(d);
      uint8_t& last = clss.LC2(d);
      if (first == 0 || last == 0) first = last = 0;
      first = std::min<uint8_t>(first, kHours);
      last = std::min<uint8_t>(last, kHours);
      if (last < first) last = first;
    }
  }
}

template <typename Replay>
void ReplayPass(const SlotJournal& journal, const ProcessEvents& process_events, Replay replay) {
  for (const SlotJournalEntry& entry : journal) {
    if (process_events) process_events();
    replay(entry);
  }
}

void PutBackClassLessons(SchoolData& data, const SlotJournal& journal,
                         const ProcessEvents& process_events) {
  ReplayPass(journal, process_events, [&](const SlotJournalEntry& entry) {
    if (entry.common_no <= 0 || !data.commons.Has(entry.common_no)) return;
    if (CanPlaceHour(data, entry.common_no, entry.day, entry.hour)) {
      PlaceHour(data, entry.common_no, entry.day, entry.hour);
    }
  });
}

void PutBackMarks(SchoolData& data, const SlotJournal& journal,
                  const ProcessEvents& process_events) {
  ReplayPass(journal, process_events, [&](const SlotJournalEntry& entry) {
    if (entry.common_no != 0 || entry.dd <= 0) return;
    if (entry.teacher_no != 0) {
      if (TeacherType* teacher = data.teachers.Find(entry.teacher_no)) {
        SetMark(*teacher, entry.day, entry.hour, entry.pl, entry.dd);
      }
    } else if (entry.class_no != 0) {
      ToggleClassActivity(data, entry.class_no, entry.day, entry.hour, entry.dd);
    }
  });
}

void CloseSlotsAgain(SchoolData& data, const SlotJournal& journal,
                     const ProcessEvents& process_events) {
  ReplayPass(journal, process_events, [&](const SlotJournalEntry& entry) {
    if (entry.mv) return;
    if (entry.teacher_no != 0) {
      ToggleTeacherSlot(data, entry.teacher_no, entry.day, entry.hour, false);
    } else if (entry.class_no != 0) {
      ToggleClassSlot(data, entry.class_no, entry.day, entry.hour, false);
    } else {
      ToggleRoomSlot(data, entry.room_no, entry.day, entry.hour, false);
    }
  });
}

}  // namespace

RebuildSummary RebuildAfterDefinitionsChange(SchoolData& data,
                                             const ProcessEvents& process_events) {
  RebuildSummary summary;
  summary.hours_before = PlacedHours(data);
  const SlotJournal journal = TakeOutSlots(data);
  UnplaceClassLessons(data);
  NormaliseDayWindows(data);
  RecountAll(data);
  PutBackClassLessons(data, journal, process_events);
  PutBackMarks(data, journal, process_events);
  CloseSlotsAgain(data, journal, process_events);
  summary.hours_after = PlacedHours(data);
  return summary;
}

}  // namespace orvanta
