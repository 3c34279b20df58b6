#include <random>

#include "engine/arrangement.h"
#include "engine/arrangement_fixture.h"
#include "engine/placement_tests.h"

namespace orvanta::testing {
namespace {

// Random schools, every command for every teacher: the invariants hold after each command, no
// class lesson gains or loses hours, fixed blocks never move, and a command that fails or does
// nothing leaves every record byte-identical.
class ArrangementSoundnessTest : public ArrangementTest,
                                 public ::testing::WithParamInterface<unsigned> {
 protected:
  void BuildRandomSchool(std::mt19937& random) {
    teachers_ = {teacher_, school_.AddTeacher(), school_.AddTeacher()};
    const std::vector<std::vector<int>> forms = {{1}, {2}, {1, 1}, {2, 1}, {2, 2}, {3}, {1, 1, 1}};
    for (int clss = 0; clss < 5; ++clss) {
      const int class_no = school_.AddClass();
      for (int k = 0; k < 4; ++k) {
        const std::vector<int>& form = forms[random() % forms.size()];
        int hours = 0;
        for (const int n : form) hours += n;
        const int lesson = school_.AddLesson(hours, form);
        school_.Lesson(lesson).Dv = random() % 2 == 0;
        commons_.push_back(
            school_.AddCommon(lesson, {class_no}, {teachers_[random() % teachers_.size()]}));
      }
    }
  }

  void PlaceRandomly(std::mt19937& random) {
    for (const int c : commons_) {
      for (int k = 1; k <= 7 && school_.Common(c).LF(k) > 0; ++k) {
        const int n = school_.Common(c).LF(k);
        for (int tries = 0; tries < 30; ++tries) {
          const int d = 1 + static_cast<int>(random() % 5);
          const int h = 1 + static_cast<int>(random() % (8 - n));
          if (school_.Common(c).LTP(d) > 0 || !HoursOpen(data(), c, d, h, n) ||
              !BlockFree(data(), c, d, h, n)) {
            continue;
          }
          ASSERT_TRUE(PlaceBlock(data(), setup_, c, d, h, n));
          if (random() % 6 == 0) SetBlockSlotsMovable(data(), c, d, h, n, false);
          break;
        }
      }
    }
  }

  std::vector<int> PlacedHours() {
    std::vector<int> placed;
    for (const int c : commons_) placed.push_back(school_.Common(c).Pt);
    return placed;
  }

  // Every fixed slot of every teacher with what it holds.
  std::vector<std::tuple<int, int, int, int>> FixedSlots() {
    std::vector<std::tuple<int, int, int, int>> fixed;
    for (const int t : teachers_) {
      for (int d = 1; d <= 5; ++d) {
        for (int h = 1; h <= kHours; ++h) {
          if (Teacher(t).Cm(d, h) > 0 && !Teacher(t).Mv(d, h)) {
            fixed.emplace_back(t, d, h, Teacher(t).Cm(d, h));
          }
        }
      }
    }
    return fixed;
  }

  void ExpectSoundAfter(const std::string& what, ArrangementOutcome outcome,
                        const std::string& before) {
    SCOPED_TRACE(what);
    EXPECT_EQ(CheckInvariants(data()), "");
    EXPECT_EQ(PlacedHours(), placed_);
    EXPECT_EQ(FixedSlots(), fixed_);
    if (outcome != ArrangementOutcome::kSucceeded) {
      EXPECT_TRUE(Snapshot() == before);
    }
  }

  std::vector<int> teachers_;
  std::vector<int> commons_;
  std::vector<int> placed_;
  std::vector<std::tuple<int, int, int, int>> fixed_;
};

TEST_P(ArrangementSoundnessTest, EveryCommandKeepsTheTimetableSound) {
  std::mt19937 random(GetParam());
  BuildRandomSchool(random);
  PlaceRandomly(random);
  ASSERT_EQ(CheckInvariants(data()), "");
  placed_ = PlacedHours();
  fixed_ = FixedSlots();
  data().option.attempts_bound = 3;
  Arrangement arrangement(data(), control_, static_cast<int>(GetParam() % 2));
  for (const int t : teachers_) {
    const std::string name = "teacher " + std::to_string(t);
    std::string before = Snapshot();
    ExpectSoundAfter(name + " gaps", arrangement.RemoveGaps(t), before);
    before = Snapshot();
    ExpectSoundAfter(name + " lone days", arrangement.RemoveLoneDays(t), before);
    before = Snapshot();
    ExpectSoundAfter(name + " balance", arrangement.BalanceDailyLoads(t), before);
  }
  arrangement.RemoveGapsForAll();
  ExpectSoundAfter("all teachers", ArrangementOutcome::kSucceeded, "");
}

INSTANTIATE_TEST_SUITE_P(Seeds, ArrangementSoundnessTest, ::testing::Range(1u, 41u));

}  // namespace
}  // namespace orvanta::testing
