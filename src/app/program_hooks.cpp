#include "app/program_hooks.h"

#include <string>

#include "data/archive/pay_initialisation.h"
#include "engine/fixed_positions.h"
#include "engine/pay_marks.h"

namespace orvanta {

AppHooks ProgramHooks(const Clock& clock, EventLog& log) {
  AppHooks hooks;
  hooks.initialise_pay = [&clock](SchoolData& data) { InitialiseTeacherPay(data, clock); };
  hooks.place_fixed_positions = [&log](SchoolData& data) {
    for (const SkippedHour& skipped : PlaceFixedPositions(data)) {
      log.Write("TMainForm", "FormActivate",
                "Fixed position not placed: class lesson " + std::to_string(skipped.common_no) +
                    ", day " + std::to_string(skipped.day) + ", hour " +
                    std::to_string(skipped.hour));
    }
  };
  hooks.set_pay_marks = [](SchoolData& data) { SetPayMarks(data); };
  hooks.clear_pay_marks = [](SchoolData& data) { ClearPayMarks(data); };
  return hooks;
}

}  // namespace orvanta
