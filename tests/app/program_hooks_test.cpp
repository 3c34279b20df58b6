#include "app/program_hooks.h"

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "data/list_operations.h"
#include "support/app_harness.h"

namespace orvanta::testing {
namespace {

// A class lesson with a fixed position comes up placed after the first activation.
TEST(ProgramHooksTest, ActivationPlacesFixedPositions) {
  AppHarness h;
  h.app.hooks = ProgramHooks(h.clock, h.log);
  h.OpenSet();
  LessonType lesson = SetDefaults(h.data.lessons);
  lesson.Lesson.SetText("MATEMATİK");
  lesson.Wl = 2;
  Insert(h.data, lesson);
  ClssType clss = SetDefaults(h.data.classes);
  clss.Clss.SetText("9-A");
  Insert(h.data, clss);
  CommonType common = SetDefaults(h.data.commons);
  common.Le = lesson.No;
  common.Wl = 2;
  common.CN(1) = clss.No;
  common.CX = 1;
  common.spr = 1;
  common.spr_d = 2;
  common.spr_h = 3;
  Insert(h.data, common);
  h.data.global.no_password_prompt = true;
  h.app.SaveAll();

  TMainForm form(h.app);
  form.FormActivate();

  ASSERT_TRUE(h.ui.Errors().empty());
  EXPECT_EQ(h.data.classes.At(0).Cm(2, 3), common.No);
  EXPECT_EQ(h.data.classes.At(0).Cm(2, 4), common.No);
}

}  // namespace
}  // namespace orvanta::testing
