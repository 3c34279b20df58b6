// Long seeded random sequences of every placement operation on a small school: after each step
// the invariants hold, a refused block operation changes nothing, and a journal rollback
// restores the records byte for byte.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "data/recount.h"
#include "engine/invariant_check.h"
#include "engine/placement_core.h"
#include "engine/record_snapshot.h"
#include "support/school_builder.h"

namespace orvanta::testing {
namespace {

class RandomPlacement {
 public:
  explicit RandomPlacement(uint32_t seed) : random_(seed) { BuildSchool(); }

  // Runs `steps` steps; returns the first failure, empty when all held.
  std::string Run(int steps) {
    for (int step = 1; step <= steps; ++step) {
      const std::string what = Step();
      std::string fault = CheckInvariants(data());
      if (fault.empty()) fault = fault_;
      if (!fault.empty()) return "step " + std::to_string(step) + " (" + what + "): " + fault;
    }
    return {};
  }

 private:
  SchoolData& data() { return school_.data(); }

  int Pick(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }
  int Between(int low, int high) { return low + Pick(high - low + 1); }
  bool Chance(int percent) { return Pick(100) < percent; }

  void BuildSchool() {
    for (int i = 0; i < 3; ++i) classes_.push_back(school_.AddClass());
    for (int i = 0; i < 4; ++i) teachers_.push_back(school_.AddTeacher());
    for (int i = 0; i < 2; ++i) rooms_.push_back(school_.AddRoom());
    const auto [c1, c2, c3] = std::tuple{classes_[0], classes_[1], classes_[2]};
    const auto [t1, t2, t3, t4] =
        std::tuple{teachers_[0], teachers_[1], teachers_[2], teachers_[3]};
    // Many weekly hours, so that hours placed by hand pile up into long blocks.
    school_.AddCommon(school_.AddLesson(8, {2, 2, 2, 2}), {c1}, {t1}, {rooms_[0]});
    school_.AddCommon(school_.AddLesson(6, {3, 2, 1}), {c1}, {t2});
    school_.AddCommon(school_.AddLesson(7, {3, 2, 2}), {c2}, {t1, t3}, {rooms_[1]});
    school_.AddCommon(school_.AddLesson(4, {1, 1, 1, 1}), {c1, c2, c3}, {t4}, {rooms_[0]});
    school_.AddCommon(school_.AddLesson(6, {3, 3}), {c3}, {t3});
    school_.AddCommon(school_.AddLesson(5), {c2}, {});             // no teacher
    school_.AddCommon(school_.AddLesson(6, {2, 2, 2}), {}, {t2});  // no class
    const int fixed = school_.AddCommon(school_.AddLesson(2, {2}), {c3}, {t4}, {rooms_[1]});
    CommonType& common = school_.Common(fixed);
    common.spr = 1;
    common.spr_d = 3;
    common.spr_h = 6;
    // A member that no record has, and one listed twice.
    const int damaged = school_.AddCommon(school_.AddLesson(2), {c3, 4999}, {t1, t1});
    school_.Common(damaged).RX = 60;
    // Days 6 and 7 are open to every class, so the grid edges are reached.
    for (ClssType& clss : data().classes) {
      for (int d = 1; d <= kDays; ++d) {
        clss.LC1(d) = 1;
        clss.LC2(d) = kHours;
      }
    }
    RecountAll(data());
  }

  int AnyCommon() { return data().commons.At(Pick(data().commons.Count())).No; }
  int AnyCommonOrNone() { return Chance(10) ? 0 : AnyCommon(); }
  // Mostly a crowded corner of the week, so that hours touch, merge and collide; sometimes the
  // whole grid and its edges; now and then a slot outside it.
  int AnyDay() {
    if (Chance(5)) return Chance(50) ? 0 : kDays + 1;
    return Chance(70) ? Between(1, 2) : Between(1, kDays);
  }
  int AnyHour() {
    if (Chance(5)) return Chance(50) ? 0 : kHours + 1;
    return Chance(70) ? Between(1, 6) : Between(1, kHours);
  }

  std::pair<EntityKind, int> AnyEntity() {
    switch (Pick(3)) {
      case 0:
        return {EntityKind::kTeacher, teachers_[Pick(teachers_.size())]};
      case 1:
        return {EntityKind::kClass, classes_[Pick(classes_.size())]};
      default:
        return {EntityKind::kRoom, rooms_[Pick(rooms_.size())]};
    }
  }

  std::string Step() {
    const int kind = Pick(100);
    if (kind < 35) {
      const auto [entity, no] = AnyEntity();
      ManualDoubleClick(data(), entity, no, AnyDay(), AnyHour(), AnyCommonOrNone());
      return "double click";
    }
    if (kind < 45) {
      const auto [entity, no] = AnyEntity();
      ToggleSlot(data(), entity, no, AnyDay(), AnyHour(), Chance(50));
      return "F8";
    }
    if (kind < 50) {
      SetBlockMovable(data(), AnyCommon(), AnyDay(), AnyHour(), Chance(50));
      return "fix";
    }
    if (kind < 75) return BlockEpisode();
    if (kind < 79) {
      AddTeacher(data(), AnyCommon(), teachers_[Pick(teachers_.size())]);
      return "add teacher";
    }
    if (kind < 82) {
      AddRoom(data(), AnyCommon(), rooms_[Pick(rooms_.size())]);
      return "add room";
    }
    if (kind < 84) {
      RemoveTeacher(data(), AnyCommon(), teachers_[Pick(teachers_.size())]);
      return "remove teacher";
    }
    if (kind < 87) {
      RemoveRoom(data(), AnyCommon(), rooms_[Pick(rooms_.size())]);
      return "remove room";
    }
    if (kind < 90) {
      RemoveAllHours(data(), AnyCommon());
      return "remove all hours";
    }
    if (kind < 93) {
      PlaceFixedPositions(data());
      return "fixed positions";
    }
    if (kind < 95) {
      SetPayMarks(data());
      ClearPayMarks(data());
      return "pay marks";
    }
    if (kind < 97) {
      const std::string before = PlacementBytes(data());
      RebuildFromTeacherGrids(data());
      if (PlacementBytes(data()) != before) fault_ = "rebuild changed a sound placement";
      return "rebuild";
    }
    const int common = AnyCommon();
    if (MemberCount(school_.Common(common).CX) >= 2) SplitClassLesson(data(), common);
    return "split";
  }

  static int MemberCount(int32_t count) { return count < 0 ? 0 : count > 50 ? 50 : count; }

  // A run of journaled block operations from a mark, then a rollback to the mark (compared with
  // the bytes taken there) or, sometimes, keeping them.
  std::string BlockEpisode() {
    run_.journal.Reset();
    run_.journal.SetActive(true);
    run_.block_balance = 1;
    const std::string at_mark = PlacementBytes(data());
    const int operations = Between(1, 12);
    for (int i = 0; i < operations && fault_.empty(); ++i) {
      Chance(55) ? TryPlaceBlock() : TryRemoveBlock();
      if (std::string fault = CheckInvariants(data()); !fault.empty())
        fault_ = "in block run: " + fault;
    }
    if (Chance(20)) return "block run kept";
    JournalRollback(data(), run_, 0);
    if (PlacementBytes(data()) != at_mark) fault_ = "rollback did not restore the records";
    if (run_.block_balance != 1) fault_ = "rollback did not restore the block balance";
    return "block run rolled back";
  }

  void TryPlaceBlock() {
    const int common = AnyCommon();
    const int d = AnyDay();
    const int h = AnyHour();
    const int n = Between(1, 3);
    // A class lesson left without any member passes BlockFree anywhere, even where it is placed.
    const bool tested = HoursOpen(data(), common, d, h, n) && BlockFree(data(), common, d, h, n) &&
                        NotPlacedIn(common, d, h, n);
    ExpectRefusalChangesNothing(PlaceBlockAndReport(common, d, h, n), tested);
  }

  bool NotPlacedIn(int common, int d, int h, int n) {
    for (int k = 0; k < n; ++k) {
      if (school_.Common(common).LH(d, h + k) != 0) return false;
    }
    return true;
  }

  bool PlaceBlockAndReport(int common, int d, int h, int n) {
    before_ = PlacementBytes(data());
    return PlaceBlock(data(), run_, common, d, h, n);
  }

  void TryRemoveBlock() {
    const int common = AnyCommon();
    const CommonType& record = school_.Common(common);
    const int d = Chance(70) ? Between(1, 2) : Between(1, kDays);
    const int h = Chance(70) ? Between(1, 6) : Between(1, kHours);
    const bool whole = record.LH(d, h) > 0 && !Chance(15);
    const int start = whole ? record.LH(d, h) : h;
    const int length = whole ? record.LT(d, h) : Between(1, 2);
    before_ = PlacementBytes(data());
    const bool removed = RemoveBlock(data(), run_, common, d, start, length);
    if (whole && !removed) fault_ = "a whole block was not removed";
    ExpectRefusalChangesNothing(removed, false);
  }

  void ExpectRefusalChangesNothing(bool done, bool must_succeed) {
    if (must_succeed && !done) fault_ = "a tested block was refused";
    if (!done && PlacementBytes(data()) != before_) fault_ = "a refused operation changed data";
  }

  std::mt19937 random_;
  SchoolBuilder school_;
  PlacementRun run_;
  std::vector<int> classes_;
  std::vector<int> teachers_;
  std::vector<int> rooms_;
  std::string before_;
  std::string fault_;
};

TEST(PlacementPropertyTest, RandomSequencesKeepTheInvariants) {
  for (uint32_t seed = 1; seed <= 16; ++seed) {
    RandomPlacement placement(seed);
    EXPECT_EQ(placement.Run(600), "") << "seed " << seed;
  }
}

}  // namespace
}  // namespace orvanta::testing
