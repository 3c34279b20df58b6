// Runs the GUI test classes: the one named by the first argument, or all of them. Further
// arguments go to Qt Test.

#include <QApplication>
#include <QtTest>
#include <cstring>
#include <vector>

#include "gui_test_registry.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const char* only = nullptr;
  std::vector<char*> args(argv, argv + argc);
  if (argc > 1 && argv[1][0] != '-') {
    only = argv[1];
    args.erase(args.begin() + 1);
  }
  int failures = 0;
  bool found = false;
  for (const auto& [name, make] : orvanta::gui_test::Registry()) {
    if (only != nullptr && std::strcmp(only, name) != 0) continue;
    found = true;
    const std::unique_ptr<QObject> test = make();
    failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
  }
  return found ? failures : 2;
}
