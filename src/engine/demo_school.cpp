#include "engine/demo_school.h"

#include <stdexcept>
#include <string>

#include "data/recount.h"
#include "engine/block_operations.h"
#include "engine/demo_school_plan.h"
#include "engine/demo_school_records.h"
#include "engine/fixed_positions.h"
#include "engine/invariant_check.h"

namespace orvanta::demo {
namespace {

void UseDemoWeek(SchoolData& data) {
  data.option.days_in_use = kDemoDays;
  data.option.hours_in_use = kDemoHours;
  data.days_in_use = kDemoDays;
  data.hour_rows = kDemoHours;
}

std::vector<KnownBlock> KnownWeek(const SchoolPlan& plan, const RecordNumbers& numbers) {
  std::vector<KnownBlock> week;
  for (size_t i = 0; i < plan.class_lessons.size(); ++i) {
    for (const PlannedBlock& block : plan.class_lessons[i].blocks) {
      week.push_back({numbers.class_lessons[i], block.day, block.hour, block.length});
    }
  }
  return week;
}

// The guidance hour of the first class is held at a fixed time (the school's weekly assembly of
// that class with its counsellor): the class lesson keeps its known position as its fixed one.
int MarkFixedPosition(SchoolData& data, const SchoolPlan& plan, const RecordNumbers& numbers) {
  for (size_t i = 0; i < plan.class_lessons.size(); ++i) {
    const PlannedClassLesson& planned = plan.class_lessons[i];
    if (planned.lesson != LessonId::kGuidance || planned.classes.front() != 0) continue;
    CommonType& record = *data.commons.Find(numbers.class_lessons[i]);
    record.spr = 1;
    record.spr_d = planned.blocks.front().day;
    record.spr_h = planned.blocks.front().hour;
    return record.No;
  }
  throw std::logic_error("demo school: the first class has no guidance lesson");
}

void PlaceKnownWeek(SchoolData& data, PlacementRun& run, const std::vector<KnownBlock>& week) {
  for (const KnownBlock& block : week) {
    if (!PlaceBlock(data, run, block.common_no, block.day, block.hour, block.length)) {
      throw std::logic_error("demo school: a block of the known week does not fit");
    }
  }
  const std::string violation = CheckInvariants(data);
  if (!violation.empty()) throw std::logic_error("demo school: " + violation);
}

void RemoveKnownWeek(SchoolData& data, PlacementRun& run, const std::vector<KnownBlock>& week) {
  for (const KnownBlock& block : week) {
    if (!RemoveBlock(data, run, block.common_no, block.day, block.hour, block.length)) {
      throw std::logic_error("demo school: a block of the known week could not be removed");
    }
  }
}

}  // namespace

bool HoldsDefinitions(const SchoolData& data) {
  return !data.lessons.Empty() || !data.classes.Empty() || !data.rooms.Empty() ||
         !data.teachers.Empty() || !data.commons.Empty();
}

DemoSchool GenerateDemoSchool(SchoolData& data, int class_count, uint64_t seed) {
  DemoRandom random(seed);
  const SchoolPlan plan = PlanSchool(class_count, random);
  UseDemoWeek(data);
  const RecordNumbers numbers = AddSchoolRecords(data, plan, random);
  DemoSchool school;
  school.known_week = KnownWeek(plan, numbers);
  school.fixed_common_no = MarkFixedPosition(data, plan, numbers);
  RecountAll(data);

  PlacementRun run;
  PlaceKnownWeek(data, run, school.known_week);
  RemoveKnownWeek(data, run, school.known_week);
  // The fixed lesson goes back the way every opening of the set places it.
  PlaceFixedPositions(data);
  RecountAll(data);
  return school;
}

}  // namespace orvanta::demo
