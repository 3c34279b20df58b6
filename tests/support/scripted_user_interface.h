#pragma once

// A UserInterface for screen tests: records every call in order and answers from a script.
// Unscripted confirmations answer default_confirmation, unscripted screens close with cancel,
// unscripted text dialogs are cancelled.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/user_interface.h"

namespace orvanta::testing {

class ScriptedUserInterface : public UserInterface {
 public:
  struct Call {
    enum Kind { kMessage, kConfirmation, kScreen, kText, kError };
    Kind kind;
    std::string text;  // message, question, prompt or error; empty for a screen
    std::optional<ScreenId> screen;
  };

  // Runs in place of the screen every time it is opened (for example, drives the screen's model)
  // and gives its result. Replaces a queued result for that screen.
  void OnScreen(ScreenId screen, std::function<ScreenResult()> run);
  // The result of the next opening of the screen (queued answers are used first).
  void QueueScreenResult(ScreenId screen, ScreenResult result);
  void QueueConfirmation(bool answer);
  void QueueText(std::optional<std::string> answer);
  bool default_confirmation = true;

  void ShowMessage(std::string_view text) override;
  bool Confirm(std::string_view text) override;
  ScreenResult OpenScreen(ScreenId screen) override;
  std::optional<std::string> AskText(const TextRequest& request) override;
  void ShowError(std::string_view text) override;
  void SetBusy(bool busy) override { busy_ = busy; }

  const std::vector<Call>& calls() const { return calls_; }
  std::vector<std::string> Messages() const;  // ShowMessage texts in order
  std::vector<std::string> Errors() const;
  std::vector<ScreenId> OpenedScreens() const;
  bool busy() const { return busy_; }
  void ClearCalls() { calls_.clear(); }

 private:
  std::vector<std::string> TextsOf(Call::Kind kind) const;

  std::vector<Call> calls_;
  std::map<ScreenId, std::function<ScreenResult()>> screen_runs_;
  std::map<ScreenId, std::deque<ScreenResult>> screen_results_;
  std::deque<bool> confirmations_;
  std::deque<std::optional<std::string>> texts_;
  bool busy_ = false;
};

}  // namespace orvanta::testing
