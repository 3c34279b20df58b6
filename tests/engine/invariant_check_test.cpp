#include "engine/invariant_check.h"

#include <gmock/gmock.h>

#include <functional>

#include "engine/hour_operations.h"
#include "engine/placement_fixture.h"

namespace orvanta::testing {
namespace {

// Each row damages a sound school whose class lesson holds hours 2..3 of Monday as one block;
// the check must name the damage.
struct Damage {
  const char* name;
  std::function<void(SchoolBuilder&, int common, int teacher, int clss, int room)> apply;
  const char* expected_part;  // a piece of the message
};

TEST(InvariantCheckTest, NamesEachKindOfDamage) {
  const Damage damages[] = {
      {"block length", [](SchoolBuilder& s, int c, int, int, int) { s.Common(c).LT(1, 3) = 1; },
       "LH/LT"},
      {"block day", [](SchoolBuilder& s, int c, int, int, int) { s.Common(c).LD(1, 2) = 2; },
       "bloğu"},
      {"leftover block fields",
       [](SchoolBuilder& s, int c, int, int, int) { s.Common(c).LT(1, 5) = 1; }, "LD/LT"},
      {"member missing the lesson",
       [](SchoolBuilder& s, int, int, int, int r) { s.Room(r).Cm(1, 2) = 0; }, "taşımıyor"},
      {"slot naming an unplaced hour",
       [](SchoolBuilder& s, int c, int t, int, int) { s.Teacher(t).Cm(1, 5) = c; }, "Öğretmen"},
      {"slot naming a missing lesson",
       [](SchoolBuilder& s, int, int, int k, int) { s.Class(k).Cm(2, 1) = 4999; }, "Sınıf"},
      {"slot of a non-member",
       [](SchoolBuilder& s, int c, int, int, int) {
         const int stranger = s.AddRoom();
         s.Room(stranger).Cm(1, 2) = c;
         s.Room(stranger).PUT = 1;
       },
       "Derslik"},
      {"lesson Pt", [](SchoolBuilder& s, int c, int, int, int) { s.Common(c).Pt = 3; }, "Pt"},
      {"lesson LTP", [](SchoolBuilder& s, int c, int, int, int) { s.Common(c).LTP(1) = 1; }, "LTP"},
      {"teacher PUT", [](SchoolBuilder& s, int, int t, int, int) { s.Teacher(t).PUT = 1; }, "PUT"},
      {"teacher LTP", [](SchoolBuilder& s, int, int t, int, int) { s.Teacher(t).LTP(2) = 1; },
       "LTP"},
      {"class PUT", [](SchoolBuilder& s, int, int, int k, int) { s.Class(k).PUT = 0; }, "PUT"},
      {"room PUT", [](SchoolBuilder& s, int, int, int, int r) { s.Room(r).PUT = 5; }, "PUT"},
  };
  for (const Damage& damage : damages) {
    SchoolBuilder school;
    const int clss = school.AddClass();
    const int teacher = school.AddTeacher();
    const int room = school.AddRoom();
    const int c = school.AddCommon(school.AddLesson(3), {clss}, {teacher}, {room});
    PlaceHour(school.data(), c, 1, 2);
    PlaceHour(school.data(), c, 1, 3);
    ASSERT_EQ(CheckInvariants(school.data()), "") << damage.name;
    damage.apply(school, c, teacher, clss, room);
    EXPECT_THAT(CheckInvariants(school.data()), ::testing::HasSubstr(damage.expected_part))
        << damage.name;
  }
}

TEST(InvariantCheckTest, ClassAndRoomDayCountsAreNotJudged) {
  SchoolBuilder school;
  const int clss = school.AddClass();
  const int c = school.AddCommon(school.AddLesson(1), {clss});
  PlaceHour(school.data(), c, 1, 1);
  school.Class(clss).LTP(1) = 7;
  EXPECT_EQ(CheckInvariants(school.data()), "");
}

}  // namespace
}  // namespace orvanta::testing
