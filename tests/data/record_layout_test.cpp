// Each record kind read from an image built at the documented offsets, checked field by field,
// then written back byte for byte (filler and bytes past a string's length included).

#include <gtest/gtest.h>

#include "data/record_file.h"
#include "support/byte_fixture.h"

namespace orvanta {
namespace {

using testing::ByteFixture;

template <typename T>
T ParseOne(const ByteFixture& fixture) {
  std::vector<T> records = ParseRecords<T>(fixture.bytes(), "fixture.prg");
  EXPECT_EQ(records.size(), 1u);
  return records.at(0);
}

template <typename T>
void ExpectRoundTrip(const ByteFixture& fixture, const T& record) {
  EXPECT_EQ(RecordBytes(record), fixture.bytes());
}

TEST(RecordLayout, ProgType) {
  ByteFixture f(176);
  f.Int32(0, 7).Int32(4, 2).String(8, "HAFTALIK").Byte(110, 0xAB).Int32(112, 1);
  f.String(116, "X1").Byte(140, 9).Byte(155, 3).String(160, "123456").Byte(175, 0xCD);
  const auto r = ParseOne<ProgType>(f);
  EXPECT_EQ(r.No, 7);
  EXPECT_EQ(r.RecNo, 2);
  EXPECT_EQ(r.Name.Text(), "HAFTALIK");
  EXPECT_EQ(r.Current, 1);
  EXPECT_EQ(r.id.Text(), "X1");
  EXPECT_EQ(r.Kurum_Kodu.Text(), "123456");
  ExpectRoundTrip(f, r);
}

TEST(RecordLayout, LessonType) {
  ByteFixture f(292);
  f.Int32(0, 3).Int32(4, 1).String(8, "ID").String(29, "MATEMAT\xDD" "K").String(60, "MAT");
  f.Int32(76, 5).String(80, "SAY").Int32(104, 4).Int32(108, 2).Byte(112, 1).Byte(113, 0);
  f.Int32(116, 2).Int32(120, 2).Int32(124, 1);
  f.Byte(144 + (2 - 1) * 18 + (3 - 1), 1);  // Pb[2,3]
  f.Int32(272, 1).Int32(276, 2).Int32(280, 11).Int32(284, 12).Int32(288, 13);
  const auto r = ParseOne<LessonType>(f);
  EXPECT_EQ(r.Lesson.Text(), "MATEMATİK");
  EXPECT_EQ(r.SLesson.Text(), "MAT");
  EXPECT_EQ(r.Wl, 5);
  EXPECT_EQ(r.Gr.Text(), "SAY");
  EXPECT_EQ(r.Nl, 4);
  EXPECT_EQ(r.Pl, 2);
  EXPECT_TRUE(r.Dv);
  EXPECT_FALSE(r.Dr);
  EXPECT_EQ(r.Lf(1), 2);
  EXPECT_EQ(r.Lf(3), 1);
  EXPECT_TRUE(r.Pb(2, 3));
  EXPECT_FALSE(r.Pb(2, 4));
  EXPECT_EQ(r.Sc, 1);
  EXPECT_EQ(r.Spr, 2);
  EXPECT_EQ(r.a3, 13);
  ExpectRoundTrip(f, r);
}

TEST(RecordLayout, ClssType) {
  ByteFixture f(1364);
  f.Int32(0, 4).Int32(4, 1).String(29, "9-A").Int32(44, 35).Int32(48, 40).Int32(52, 38);
  f.Int32(56, 12).Int32(60 + 4 * 2, 6).Byte(88 + 4, 2).Byte(95 + 4, 8);
  f.Byte(102 + (1 - 1) * 18 + (5 - 1), 1);
  f.Int32(228 + 4 * ((3 - 1) * 18 + (7 - 1)), 99);   // Cm[3,7]
  f.Int32(732 + 4 * ((7 - 1) * 18 + (18 - 1)), 5);   // Dd[7,18]
  f.Byte(1236 + (7 - 1) * 18 + (18 - 1), 1);         // Lm[7,18]
  f.Byte(1363, 0x77);
  const auto r = ParseOne<ClssType>(f);
  EXPECT_EQ(r.Clss.Text(), "9-A");
  EXPECT_EQ(r.DAT, 35);
  EXPECT_EQ(r.LET, 40);
  EXPECT_EQ(r.TLE, 38);
  EXPECT_EQ(r.PUT, 12);
  EXPECT_EQ(r.LTP(3), 6);
  EXPECT_EQ(r.LC1(5), 2);
  EXPECT_EQ(r.LC2(5), 8);
  EXPECT_TRUE(r.Mv(1, 5));
  EXPECT_EQ(r.Cm(3, 7), 99);
  EXPECT_EQ(r.Dd(7, 18), 5);
  EXPECT_TRUE(r.Lm(7, 18));
  ExpectRoundTrip(f, r);
}

TEST(RecordLayout, RoomType) {
  ByteFixture f(1376);
  f.Int32(0, 2).Int32(4, 1).String(29, "FİZİK LAB").String(60, "FLAB").Int32(76, 30);
  f.Int32(80, 10).Int32(84, 8).Int32(88, 4).Byte(92 + 1, 3).Byte(99 + 6, 2).Byte(106 + 6, 9);
  f.Byte(113 + 17, 1).Byte(239, 0x11);
  f.Int32(240 + 4 * (1 * 18 + 0), 42).Int32(744 + 4 * 5, 6).Byte(1248 + 125, 1);
  const auto r = ParseOne<RoomType>(f);
  EXPECT_EQ(r.SRoom.Text(), "FLAB");
  EXPECT_EQ(r.DAT, 30);
  EXPECT_EQ(r.LET, 10);
  EXPECT_EQ(r.TLE, 8);
  EXPECT_EQ(r.PUT, 4);
  EXPECT_EQ(r.LTP(2), 3);
  EXPECT_EQ(r.LC1(7), 2);
  EXPECT_EQ(r.LC2(7), 9);
  EXPECT_TRUE(r.Mv(1, 18));
  EXPECT_EQ(r.Cm(2, 1), 42);
  EXPECT_EQ(r.Dd(1, 6), 6);
  EXPECT_TRUE(r.Lm(7, 18));
  ExpectRoundTrip(f, r);
}

TEST(RecordLayout, TeacherType) {
  ByteFixture f(7060);
  f.Int32(0, 9).Int32(4, 3).String(8, "T9").String(29, "AY\xDE" "E").String(60, "AYS");
  f.String(73, "MATEMAT\xDD" "K").String(114, "M\xDC" "D\xDC" "R").String(145, "a@b").Int32(176, 4);
  f.String(180, "SATRAN\xC7").Byte(211, 30).Byte(212, 22).Byte(213, 20).Byte(214 + 4, 5);
  f.Int32(224 + 4, 2).Int32(252 + 4, 7).Int32(280 + 5 * 4, 1).Int32(308, 4);
  f.Byte(336 + 18, 1).Byte(462 + 19, 1).Int32(588 + 4 * 20, 77).Int32(1092 + 4 * 21, 5);
  f.Int32(1596 + 4 * 22, 1).Int32(2100 + 4, 3).Int32(2180 + 12, 1).Int32(2260, 8).Int32(2264, 6);
  f.Int32(2268 + 4 * 8, 2).Int32(2324, 3).Int32(2380 + 4 * 60, 1);
  f.Int32(2860 + 4 * (420 + 2), 5).Byte(6220 + 839, 1);
  const auto r = ParseOne<TeacherType>(f);
  EXPECT_EQ(r.Name.Text(), "AYŞE");
  EXPECT_EQ(r.Branch.Text(), "MATEMATİK");
  EXPECT_EQ(r.Task.Text(), "MÜDÜR");
  EXPECT_EQ(r.email.Text(), "a@b");
  EXPECT_EQ(r.Clss, 4);
  EXPECT_EQ(r.Edu.Text(), "SATRANÇ");
  EXPECT_EQ(r.DAT, 30);
  EXPECT_EQ(r.LET, 22);
  EXPECT_EQ(r.PUT, 20);
  EXPECT_EQ(r.LTP(5), 5);
  EXPECT_EQ(r.LC1(2), 2);
  EXPECT_EQ(r.LC2(2), 7);
  EXPECT_EQ(r.PX1(6), 1);
  EXPECT_EQ(r.PX2(1), 4);
  EXPECT_TRUE(r.Mv(2, 1));
  EXPECT_TRUE(r.Lm(2, 2));
  EXPECT_EQ(r.Cm(2, 3), 77);
  EXPECT_EQ(r.Dd(2, 4), 5);
  EXPECT_EQ(r.Pl(2, 5), 1);
  EXPECT_EQ(r.sg_cn(2), 3);
  EXPECT_EQ(r.sp_cn(4), 1);
  EXPECT_EQ(r.LNX, 8);
  EXPECT_EQ(r.ORX, 6);
  EXPECT_EQ(r.cd1(2, 2), 2);
  EXPECT_EQ(r.cd2(1, 1), 3);
  EXPECT_EQ(r.lx(2, 1), 1);
  EXPECT_EQ(r.dt(2, 3), 5);
  EXPECT_TRUE(r.lk(2, 420));
  ExpectRoundTrip(f, r);
}

TEST(RecordLayout, CommonType) {
  ByteFixture f(2764);
  f.Int32(0, 12).Int32(4, 1).Int32(8, 3).Int32(12, 5).Byte(16, 1).Int32(20, 4).Int32(24, 3);
  f.Int32(52, 2).Int32(56, 4).Int32(60, 6).Int32(256, 1).Int32(260, 9).Int32(460, 15);
  f.Byte(660, 1).Int32(664, 1).Int32(668, 2).Int32(868, 7).Int32(872 + 4, 2).Int32(900 + 4, 8);
  const int slot = (2 - 1) * 18 + (3 - 1);
  f.Int32(928 + 4 * slot, 2).Int32(1432 + 4 * slot, 3).Int32(1936 + 4 * slot, 2);
  f.Int32(2440 + 4, 2).Byte(2468 + slot, 1).Byte(2594 + slot, 1);
  f.String(2720, "9-AB").String(2733, "BEDEN").Byte(2746, 1).Byte(2747, 0);
  f.Int32(2748, 1).Int32(2752, 1).Int32(2756, 3).Int32(2760, 4);
  const auto r = ParseOne<CommonType>(f);
  EXPECT_EQ(r.Le, 3);
  EXPECT_EQ(r.Wl, 5);
  EXPECT_TRUE(r.Dv);
  EXPECT_EQ(r.Pt, 4);
  EXPECT_EQ(r.LF(1), 3);
  EXPECT_EQ(r.CX, 2);
  EXPECT_EQ(r.CN(1), 4);
  EXPECT_EQ(r.CN(2), 6);
  EXPECT_EQ(r.TX, 1);
  EXPECT_EQ(r.TN(1), 9);
  EXPECT_EQ(r.LN(1), 15);
  EXPECT_TRUE(r.RR);
  EXPECT_EQ(r.RX, 1);
  EXPECT_EQ(r.RN(1), 2);
  EXPECT_EQ(r.FX, 7);
  EXPECT_EQ(r.LC1(2), 2);
  EXPECT_EQ(r.LC2(2), 8);
  EXPECT_EQ(r.LD(2, 3), 2);
  EXPECT_EQ(r.LH(2, 3), 3);
  EXPECT_EQ(r.LT(2, 3), 2);
  EXPECT_EQ(r.LTP(2), 2);
  EXPECT_TRUE(r.Mv(2, 3));
  EXPECT_TRUE(r.Lm(2, 3));
  EXPECT_EQ(r.cn_name.Text(), "9-AB");
  EXPECT_EQ(r.tn_name.Text(), "BEDEN");
  EXPECT_TRUE(r.use_cn);
  EXPECT_FALSE(r.use_tn);
  EXPECT_EQ(r.Sc, 1);
  EXPECT_TRUE(r.HasFixedPosition());
  EXPECT_EQ(r.spr_d, 3);
  EXPECT_EQ(r.spr_h, 4);
  ExpectRoundTrip(f, r);
}

TEST(RecordLayout, DutyType) {
  ByteFixture f(24380);
  f.Int32(0, 1).Int32(4, 1).String(8, "BAH\xC7" "E").String(39, "A BLOK").String(70, "BHC");
  f.Byte(83, 0x42).Int32(84 + 4 * 7, 2).Int32(140 + 4 * 59, 3).Int32(380 + 4 * (59 * 100 + 99), 4);
  const auto r = ParseOne<DutyType>(f);
  EXPECT_EQ(r.Duty.Text(), "BAHÇE");
  EXPECT_EQ(r.Build.Text(), "A BLOK");
  EXPECT_EQ(r.SDuty.Text(), "BHC");
  EXPECT_EQ(r.DC(2, 1), 2);
  EXPECT_EQ(r.LX(60), 3);
  EXPECT_EQ(r.LK(60, 100), 4);
  ExpectRoundTrip(f, r);
}

TEST(RecordLayout, BytesPastStringLengthAreKept) {
  ByteFixture f(292);
  f.Int32(0, 1).Int32(4, 1).String(29, "MATEMATIK").String(29, "FEN");  // "EMATIK" stays behind
  const auto r = ParseOne<LessonType>(f);
  EXPECT_EQ(r.Lesson.Text(), "FEN");
  ExpectRoundTrip(f, r);
}

}  // namespace
}  // namespace orvanta
