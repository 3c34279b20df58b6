#include "support/scripted_user_interface.h"

namespace orvanta::testing {

void ScriptedUserInterface::OnScreen(ScreenId screen, std::function<ScreenResult()> run) {
  screen_runs_[screen] = std::move(run);
}

void ScriptedUserInterface::QueueScreenResult(ScreenId screen, ScreenResult result) {
  screen_results_[screen].push_back(result);
}

void ScriptedUserInterface::QueueConfirmation(bool answer) { confirmations_.push_back(answer); }

void ScriptedUserInterface::QueueText(std::optional<std::string> answer) {
  texts_.push_back(std::move(answer));
}

void ScriptedUserInterface::ShowMessage(std::string_view text) {
  calls_.push_back({Call::kMessage, std::string(text), std::nullopt});
}

bool ScriptedUserInterface::Confirm(std::string_view text) {
  calls_.push_back({Call::kConfirmation, std::string(text), std::nullopt});
  if (confirmations_.empty()) return default_confirmation;
  const bool answer = confirmations_.front();
  confirmations_.pop_front();
  return answer;
}

ScreenResult ScriptedUserInterface::OpenScreen(ScreenId screen) {
  calls_.push_back({Call::kScreen, {}, screen});
  auto queued = screen_results_.find(screen);
  if (queued != screen_results_.end() && !queued->second.empty()) {
    const ScreenResult result = queued->second.front();
    queued->second.pop_front();
    return result;
  }
  auto run = screen_runs_.find(screen);
  if (run != screen_runs_.end()) return run->second();
  return ScreenResult::kCancel;
}

std::optional<std::string> ScriptedUserInterface::AskText(const TextRequest& request) {
  calls_.push_back({Call::kText, request.prompt, std::nullopt});
  if (texts_.empty()) return std::nullopt;
  std::optional<std::string> answer = texts_.front();
  texts_.pop_front();
  return answer;
}

void ScriptedUserInterface::ShowError(std::string_view text) {
  calls_.push_back({Call::kError, std::string(text), std::nullopt});
}

std::vector<std::string> ScriptedUserInterface::TextsOf(Call::Kind kind) const {
  std::vector<std::string> texts;
  for (const Call& call : calls_) {
    if (call.kind == kind) texts.push_back(call.text);
  }
  return texts;
}

std::vector<std::string> ScriptedUserInterface::Messages() const { return TextsOf(Call::kMessage); }

std::vector<std::string> ScriptedUserInterface::Errors() const { return TextsOf(Call::kError); }

std::vector<ScreenId> ScriptedUserInterface::OpenedScreens() const {
  std::vector<ScreenId> screens;
  for (const Call& call : calls_) {
    if (call.screen) screens.push_back(*call.screen);
  }
  return screens;
}

}  // namespace orvanta::testing
