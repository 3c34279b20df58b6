#pragma once

// Lets each test file register its Qt Test class for gui_test_main.cpp.

#include <QObject>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace orvanta::gui_test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<std::pair<const char*, TestFactory>>& Registry() {
  static std::vector<std::pair<const char*, TestFactory>> registry;
  return registry;
}

template <typename Test>
struct Registration {
  explicit Registration(const char* name) {
    Registry().emplace_back(name, [] { return std::make_unique<Test>(); });
  }
};

}  // namespace orvanta::gui_test

#define ORVANTA_GUI_TEST(Class) \
  static const orvanta::gui_test::Registration<Class> registration_##Class(#Class)
