#pragma once

// Names for the demo school's teachers: a Turkish first name and surname, and a short name for the
// timetable cells ("A.YILMAZ"), both different from every name given before, as the teacher list
// requires.

#include <set>
#include <string>

#include "engine/demo_school_random.h"

namespace orvanta::demo {

struct TeacherName {
  std::string name;        // "AHMET YILMAZ", UTF-8
  std::string short_name;  // "A.YILMAZ", at most 12 characters
};

class TeacherNamer {
 public:
  explicit TeacherNamer(DemoRandom& random) : random_(random) {}

  TeacherName Next();

 private:
  std::string UnusedName(std::string& first, std::string& surname);
  std::string UnusedShortName(const std::string& first, const std::string& surname);

  DemoRandom& random_;
  std::set<std::string> names_;
  std::set<std::string> short_names_;  // as stored (Windows-1254, cut to 12)
};

}  // namespace orvanta::demo
