#include "engine/block_operations.h"

#include "engine/hour_operations.h"
#include "engine/placement_fixture.h"
#include "engine/record_snapshot.h"

namespace orvanta::testing {
namespace {

using Blocks = std::vector<std::pair<int, int>>;

class BlockOperationsTest : public PlacementTest {
 protected:
  PlacementRun run_;
};

TEST_F(BlockOperationsTest, PlaceBlockCountsEveryMemberPerDayAndJournalsIt) {
  const int c = AddLessonOf(4);
  run_.journal.SetActive(true);
  run_.block_balance = 1;
  ASSERT_TRUE(PlaceBlock(data(), run_, c, 2, 3, 2));
  EXPECT_EQ(run_.block_balance, 0);
  EXPECT_EQ(school_.Class(class_).LTP(2), 2);
  EXPECT_EQ(school_.Room(room_).LTP(2), 2);
  EXPECT_EQ(school_.Teacher(teacher_).LTP(2), 2);
  EXPECT_EQ(school_.Room(room_).PUT, 2);
  EXPECT_EQ(school_.Common(c).Pt, 2);
  EXPECT_EQ(Day(c, 2), (Blocks{{0, 0}, {0, 0}, {3, 2}, {3, 2}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  ASSERT_EQ(run_.journal.Length(), 1);
  const JournalEntry& entry = run_.journal.Entry(1);
  EXPECT_EQ(entry.kind, JournalKind::kPlaced);
  EXPECT_EQ(entry.common_no, c);
  EXPECT_EQ(entry.day, 2);
  EXPECT_EQ(entry.hour, 3);
  EXPECT_EQ(entry.length, 2);
  ExpectSound();
}

TEST_F(BlockOperationsTest, TouchingBlocksStayTwoBlocks) {
  const int c = AddLessonOf(2);
  ASSERT_TRUE(PlaceBlock(data(), run_, c, 1, 2, 1));
  ASSERT_TRUE(PlaceBlock(data(), run_, c, 1, 3, 1));
  EXPECT_EQ(Day(c, 1), (Blocks{{0, 0}, {2, 1}, {3, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  EXPECT_EQ(run_.journal.Length(), 0);  // inactive journal
  ExpectSound();
}

TEST_F(BlockOperationsTest, RemoveBlockTakesOnlyAWholeBlock) {
  const int c = AddLessonOf(4);
  ASSERT_TRUE(PlaceBlock(data(), run_, c, 1, 1, 3));
  EXPECT_FALSE(RemoveBlock(data(), run_, c, 1, 2, 2));
  EXPECT_FALSE(RemoveBlock(data(), run_, c, 1, 1, 2));
  EXPECT_FALSE(RemoveBlock(data(), run_, c, 1, 4, 1));
  EXPECT_EQ(school_.Common(c).Pt, 3);
  run_.block_balance = 0;
  ASSERT_TRUE(RemoveBlock(data(), run_, c, 1, 1, 3));
  EXPECT_EQ(run_.block_balance, 1);
  EXPECT_EQ(school_.Class(class_).LTP(1), 0);
  ExpectSound();
}

TEST_F(BlockOperationsTest, RemoveBlockLeavesTeacherMarksAlone) {
  const int c = AddLessonOf(2);
  ASSERT_TRUE(PlaceBlock(data(), run_, c, 1, 1, 2));
  school_.Teacher(teacher_).Dd(1, 1) = 3;
  ASSERT_TRUE(RemoveBlock(data(), run_, c, 1, 1, 2));
  EXPECT_EQ(school_.Teacher(teacher_).Dd(1, 1), 3);
}

TEST_F(BlockOperationsTest, PlaceBlockRefusesBusyOrOutsideSlots) {
  const int c = AddLessonOf(4);
  const int other = school_.AddCommon(school_.AddLesson(1), {school_.AddClass()}, {}, {room_});
  ASSERT_TRUE(PlaceBlock(data(), run_, other, 1, 3, 1));
  run_.block_balance = 5;
  EXPECT_FALSE(PlaceBlock(data(), run_, c, 1, 2, 2));   // the room is busy at 3
  EXPECT_FALSE(PlaceBlock(data(), run_, c, 1, 17, 3));  // past hour 18
  EXPECT_FALSE(PlaceBlock(data(), run_, c, 0, 1, 1));
  EXPECT_FALSE(PlaceBlock(data(), run_, c, 1, 1, 0));
  EXPECT_EQ(run_.block_balance, 5);
  ASSERT_TRUE(PlaceBlock(data(), run_, c, 1, 4, 2));
  EXPECT_FALSE(PlaceBlock(data(), run_, c, 1, 5, 1));  // the lesson is there already
  ExpectSound();
}

TEST_F(BlockOperationsTest, SetBlockSlotsMovableWritesEveryMemberAndIsNotJournaled) {
  const int c = AddLessonOf(2);
  run_.journal.SetActive(true);
  SetBlockSlotsMovable(data(), c, 3, 5, 2, false);
  for (const int h : {5, 6}) {
    EXPECT_FALSE(school_.Teacher(teacher_).Mv(3, h));
    EXPECT_FALSE(school_.Class(class_).Mv(3, h));
    EXPECT_FALSE(school_.Room(room_).Mv(3, h));
  }
  EXPECT_TRUE(school_.Room(room_).Mv(3, 7));
  EXPECT_EQ(run_.journal.Length(), 0);
}

TEST_F(BlockOperationsTest, RollbackUndoesInReverseOrderAndRestoresEveryByte) {
  const int a = AddLessonOf(4, {2, 2});
  const int b = AddLessonOf(3, {2, 1});
  ASSERT_TRUE(PlaceBlock(data(), run_, b, 2, 1, 2));  // before the journal: stays
  run_.journal.SetActive(true);
  run_.block_balance = 1;
  const std::string before = PlacementBytes(data());
  ASSERT_TRUE(PlaceBlock(data(), run_, a, 1, 1, 2));
  ASSERT_TRUE(PlaceBlock(data(), run_, a, 3, 4, 2));
  ASSERT_TRUE(RemoveBlock(data(), run_, b, 2, 1, 2));
  ASSERT_TRUE(PlaceBlock(data(), run_, b, 2, 1, 1));
  ExpectSound();
  JournalRollback(data(), run_, 0);
  EXPECT_EQ(PlacementBytes(data()), before);
  EXPECT_EQ(run_.block_balance, 1);
  EXPECT_EQ(run_.journal.Length(), 0);
  EXPECT_TRUE(run_.journal.Active());
}

TEST_F(BlockOperationsTest, RollbackToAMarkKeepsWhatCameBefore) {
  const int a = AddLessonOf(4, {2, 2});
  run_.journal.SetActive(true);
  ASSERT_TRUE(PlaceBlock(data(), run_, a, 1, 1, 2));
  const int mark = run_.journal.Length();
  const std::string at_mark = PlacementBytes(data());
  ASSERT_TRUE(PlaceBlock(data(), run_, a, 2, 1, 2));
  JournalRollback(data(), run_, mark);
  EXPECT_EQ(PlacementBytes(data()), at_mark);
  EXPECT_EQ(run_.journal.Length(), mark);
  JournalRollback(data(), run_, mark);  // nothing left to undo
  EXPECT_EQ(PlacementBytes(data()), at_mark);
}

TEST_F(BlockOperationsTest, AFullJournalRefusesFurtherJournaledChanges) {
  const int c = AddLessonOf(4);
  run_.journal.SetActive(true);
  ASSERT_TRUE(PlaceBlock(data(), run_, c, 1, 1, 1));
  while (!run_.journal.Full()) run_.journal.Append({c, JournalKind::kPlaced, 1, 1, 1});
  const std::string full = PlacementBytes(data());
  EXPECT_FALSE(PlaceBlock(data(), run_, c, 1, 3, 1));
  EXPECT_FALSE(RemoveBlock(data(), run_, c, 1, 1, 1));
  EXPECT_EQ(PlacementBytes(data()), full);
  run_.journal.Reset();
  EXPECT_TRUE(PlaceBlock(data(), run_, c, 1, 3, 1));
  run_.journal.SetActive(false);
  EXPECT_TRUE(PlaceBlock(data(), run_, c, 1, 5, 1));
}

TEST_F(BlockOperationsTest, HourOperationsMergeOntoBlocksPlacedWhole) {
  const int c = AddLessonOf(3);
  ASSERT_TRUE(PlaceBlock(data(), run_, c, 1, 2, 2));
  ASSERT_TRUE(PlaceHour(data(), c, 1, 4));
  EXPECT_EQ(Day(c, 1), (Blocks{{0, 0}, {2, 3}, {2, 3}, {2, 3}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  ExpectSound();
}

}  // namespace
}  // namespace orvanta::testing
