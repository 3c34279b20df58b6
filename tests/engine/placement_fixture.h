#pragma once

// A school with one class, two teachers and a room, and verbs to read a class lesson's blocks.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/invariant_check.h"
#include "support/school_builder.h"

namespace orvanta::testing {

class PlacementTest : public ::testing::Test {
 protected:
  PlacementTest()
      : class_(school_.AddClass()),
        teacher_(school_.AddTeacher()),
        other_teacher_(school_.AddTeacher()),
        room_(school_.AddRoom()) {}

  SchoolData& data() { return school_.data(); }

  // A class lesson of a new lesson of `hours` for the class, the first teacher and the room.
  int AddLessonOf(int hours, std::vector<int> blocks = {}) {
    return school_.AddCommon(school_.AddLesson(hours, std::move(blocks)), {class_}, {teacher_},
                             {room_});
  }

  // The (first hour, length) of every placed hour of day d, in hour order; (0, 0) where the
  // class lesson is not placed, for hours 1..8.
  std::vector<std::pair<int, int>> Day(int common_no, int d) {
    const CommonType& common = school_.Common(common_no);
    std::vector<std::pair<int, int>> day;
    for (int h = 1; h <= 8; ++h) day.emplace_back(common.LH(d, h), common.LT(d, h));
    return day;
  }

  void ExpectSound() { EXPECT_EQ(CheckInvariants(data()), ""); }

  SchoolBuilder school_;
  int class_;
  int teacher_;
  int other_teacher_;
  int room_;
};

}  // namespace orvanta::testing
