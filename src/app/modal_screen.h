#pragma once

// The part every modal screen model shares: its class name and caption, how it closed, and the
// event lines of its clicks and of its closing.
//
// The view runs a command, then asks closed(); when true it closes its window with result().
// However the window closes (also by its close box), the view calls FormClose() once.

#include <string>
#include <string_view>

#include "app/app_context.h"

namespace orvanta {

class ModalScreen {
 public:
  ModalScreen(AppContext& app, std::string_view form_name, std::string_view caption)
      : app_(app), form_name_(form_name), caption_(caption) {}
  virtual ~ModalScreen() = default;
  ModalScreen(const ModalScreen&) = delete;
  ModalScreen& operator=(const ModalScreen&) = delete;

  const std::string& form_name() const { return form_name_; }
  const std::string& caption() const { return caption_; }

  // True once a command has closed the screen.
  bool closed() const { return closed_; }
  // The result the screen closes with: the one a command closed it with, else the preset one.
  ScreenResult result() const { return result_; }

  // The window has closed. Logs it; screens that write something on closing do it here.
  virtual void FormClose();

 protected:
  void PresetResult(ScreenResult result) { result_ = result; }
  void Close(ScreenResult result) {
    result_ = result;
    closed_ = true;
  }
  void LogClick(std::string_view caption, std::string_view component);

  AppContext& app_;

 private:
  std::string form_name_;
  std::string caption_;
  ScreenResult result_ = ScreenResult::kCancel;
  bool closed_ = false;
};

}  // namespace orvanta
