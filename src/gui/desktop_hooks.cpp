#include "gui/desktop_hooks.h"

#include <string>

#include "engine/fixed_positions.h"
#include "engine/pay_marks.h"

namespace orvanta::gui {

AppHooks DesktopHooks(EventLog& log) {
  AppHooks hooks;
  hooks.place_fixed_positions = [&log](SchoolData& data) {
    for (const SkippedHour& skipped : PlaceFixedPositions(data)) {
      log.Write("TMainForm", "FormActivate",
                "Fixed position not placed: class lesson " + std::to_string(skipped.common_no) +
                    ", day " + std::to_string(skipped.day) + ", hour " +
                    std::to_string(skipped.hour));
    }
  };
  hooks.set_pay_marks = SetPayMarks;
  hooks.clear_pay_marks = ClearPayMarks;
  return hooks;
}

}  // namespace orvanta::gui
