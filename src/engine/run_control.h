#pragma once

// How an automatic placement or arrangement run talks to the screen that started it. The run
// owns the data model while it runs; the screen keeps every command but "Durdur" and "Geç"
// disabled and only reacts to input when the run lets it.

namespace orvanta {

// What the user pressed while the run let the screen process its input.
enum class RunCommand { kNone, kSkip /* "Geç" */, kStop /* "Durdur" */ };

// The stop code of a run: 0 running, 13 skip the current teacher, 27 stop.
inline constexpr int kRunning = 0;
inline constexpr int kSkipCode = 13;
inline constexpr int kStopCode = 27;

class RunControl {
 public:
  virtual ~RunControl() = default;

  // Processes pending input (the start of every scan) and returns the last of "Durdur" and "Geç"
  // pressed since the previous call, kNone when neither was. Must not change the data model.
  virtual RunCommand ProcessPendingInput() = 0;

  // The run has prepared its values: the screen enters its running state and starts counting
  // the elapsed seconds from 0.
  virtual void RunStarted() {}
  // The run now serves this teacher, and this class lesson of it.
  virtual void TeacherSelected(int /*teacher_no*/) {}
  virtual void CommonSelected(int /*common_no*/) {}
  // A top-level search has placed a block: time to refresh the grids and the totals.
  virtual void BlockPlaced() {}
  // A top-level search runs at a new level (the attempt number).
  virtual void LevelChanged(int /*level*/) {}
};

}  // namespace orvanta
