#include "engine/demo_school_plan.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <stdexcept>

namespace orvanta::demo {
namespace {

// A branch has one teacher for every this many weekly hours (or part of them); its teachers
// share the branch's hours evenly, in whole lessons.
constexpr int kTeacherWeeklyHours = 22;
// The search for one set of lessons gives up after this many tries of a block position, tries
// again from a fresh random order a few times, and then hands the lesson that was most often
// left without a place to another teacher.
constexpr int kNodeLimit = 4000;
constexpr int kRestartsPerRound = 3;
constexpr int kRounds = 300;
constexpr int kElectiveGroupSize = 3;
// About one teacher in this many keeps a whole day free, as part-timers and teachers with
// duties elsewhere ask.
constexpr int kDayOffOneIn = 3;

constexpr WeekMask DayMask(int day) { return WeekMask{0xFF} << ((day - 1) * kDemoHours); }

bool Busy(WeekMask mask, int day, int hour) {
  return (mask >> ((day - 1) * kDemoHours + hour - 1)) & 1;
}

// Sizes of groups of at most max_size, as even as possible, that together hold count.
std::vector<int> GroupSizes(int count, int max_size) {
  std::vector<int> sizes;
  if (count == 0) return sizes;
  const int groups = (count + max_size - 1) / max_size;
  for (int i = 0; i < groups; ++i) sizes.push_back(count / groups + (i < count % groups ? 1 : 0));
  return sizes;
}

class Planner {
 public:
  Planner(int class_count, DemoRandom& random) : random_(random) { MakeClasses(class_count); }

  SchoolPlan Run() {
    std::vector<Step> steps;
    for (int grade = kFirstGrade; grade < kFirstGrade + kGradeCount; ++grade) {
      const std::vector<int> grade_classes = ClassesOfGrade(grade);
      if (HasElectiveBlock(grade)) AddElectiveBlocks(grade_classes, steps);
      AddPhysicalEducation(grade_classes, steps);
      for (int clss : grade_classes) steps.push_back({AddClassLessonsOf(clss), false});
    }
    SetBranchCapacities();
    for (const Step& step : steps) {
      for (int cl : step.lessons) AssignTeachers(cl);
      Solve(step.lessons, step.aligned);
    }
    AssignRooms();
    DropIdleTeachers();
    return std::move(plan_);
  }

 private:
  // Class lessons whose blocks are searched together: a joint lesson alone (aligned to double
  // hours, so the classes' days stay easy to fill), or all single-class lessons of one class.
  struct Step {
    std::vector<int> lessons;
    bool aligned;
  };
  struct Variable {
    int class_lesson;  // index into plan_.class_lessons
    int length;
    int sibling;  // the earlier block of the same class lesson and length, or -1
  };
  struct Position {
    int day;
    int hour;
  };

  void MakeClasses(int class_count) {
    for (int g = 0; g < kGradeCount; ++g) {
      const int in_grade = class_count / kGradeCount + (g < class_count % kGradeCount ? 1 : 0);
      for (int letter = 0; letter < in_grade; ++letter) {
        plan_.classes.push_back({kFirstGrade + g, letter});
      }
    }
    class_busy_.assign(plan_.classes.size(), 0);
  }

  std::vector<int> ClassesOfGrade(int grade) const {
    std::vector<int> result;
    for (size_t i = 0; i < plan_.classes.size(); ++i) {
      if (plan_.classes[i].grade == grade) result.push_back(static_cast<int>(i));
    }
    return result;
  }

  // Groups of up to three classes share one elective block; each of its teachers teaches a
  // different elective of its own branch.
  void AddElectiveBlocks(const std::vector<int>& grade_classes, std::vector<Step>& steps) {
    const auto electives = ElectiveRotation();
    size_t next_class = 0;
    for (int size : GroupSizes(static_cast<int>(grade_classes.size()), kElectiveGroupSize)) {
      PlannedClassLesson lesson{LessonId::kElectiveBlock, {}, {}, {}, {}, {}};
      for (int i = 0; i < size; ++i) {
        lesson.classes.push_back(grade_classes[next_class++]);
        const LessonId elective = electives[elective_turn_++ % electives.size()];
        lesson.electives.push_back(static_cast<int>(elective));
        lesson.teachers.push_back(-1);
      }
      steps.push_back({{AddClassLesson(std::move(lesson))}, true});
    }
  }

  // Physical education is taught to two classes at once by two teachers.
  void AddPhysicalEducation(const std::vector<int>& grade_classes, std::vector<Step>& steps) {
    size_t next_class = 0;
    for (int size : GroupSizes(static_cast<int>(grade_classes.size()), 2)) {
      PlannedClassLesson lesson{LessonId::kPhysicalEducation, {}, {}, {}, {}, {}};
      for (int i = 0; i < size; ++i) {
        lesson.classes.push_back(grade_classes[next_class++]);
        lesson.electives.push_back(-1);
        lesson.teachers.push_back(-1);
      }
      steps.push_back({{AddClassLesson(std::move(lesson))}, true});
    }
  }

  std::vector<int> AddClassLessonsOf(int clss) {
    const PlannedClass& planned = plan_.classes[clss];
    std::vector<int> lessons;
    for (LessonId id : GradeLessons(planned.grade)) {
      if (id == LessonId::kVisualArts) id = ArtsLessonOf(planned.letter_index);
      lessons.push_back(AddClassLesson({id, {clss}, {-1}, {-1}, {}, {}}));
    }
    return lessons;
  }

  // Adds the class lesson with its teacher slots still empty (-1).
  int AddClassLesson(PlannedClassLesson lesson) {
    plan_.class_lessons.push_back(std::move(lesson));
    tried_.emplace_back(plan_.class_lessons.back().teachers.size());
    return static_cast<int>(plan_.class_lessons.size()) - 1;
  }

  // The weekly hours a teacher of each branch may get: the branch's hours shared by as few
  // teachers as kTeacherWeeklyHours allows, rounded up to whole lessons of its longest lesson.
  void SetBranchCapacities() {
    std::array<int, kBranchCount> hours{};
    std::array<int, kBranchCount> longest{};
    for (const PlannedClassLesson& lesson : plan_.class_lessons) {
      const int lesson_hours = Lesson(lesson.lesson).hours;
      for (size_t slot = 0; slot < lesson.teachers.size(); ++slot) {
        const int b = static_cast<int>(BranchOfSlot(lesson, slot));
        hours[b] += lesson_hours;
        if (lesson.electives[slot] < 0) longest[b] = std::max(longest[b], lesson_hours);
      }
    }
    for (int b = 0; b < kBranchCount; ++b) {
      const int teachers = std::max(1, (hours[b] + kTeacherWeeklyHours - 1) / kTeacherWeeklyHours);
      const int share = (hours[b] + teachers - 1) / teachers;
      const int unit = std::max(1, longest[b]);
      capacity_[b] = (share + unit - 1) / unit * unit;
    }
  }

  void AssignTeachers(int class_lesson) {
    PlannedClassLesson& lesson = plan_.class_lessons[class_lesson];
    for (size_t slot = 0; slot < lesson.teachers.size(); ++slot) {
      const int teacher = ChooseTeacher(lesson, slot, {});
      lesson.teachers[slot] = teacher;
      plan_.teachers[teacher].load += Lesson(lesson.lesson).hours;
    }
  }

  Branch BranchOfSlot(const PlannedClassLesson& lesson, size_t slot) const {
    const int elective = lesson.electives[slot];
    return elective >= 0 ? Lesson(static_cast<LessonId>(elective)).branch
                         : Lesson(lesson.lesson).branch;
  }

  // The busiest teacher of the slot's branch that can still take the lesson's hours and is not
  // already in the lesson or in excluded; a new teacher when there is none.
  int ChooseTeacher(const PlannedClassLesson& lesson, size_t slot,
                    const std::vector<int>& excluded) {
    const Branch branch = BranchOfSlot(lesson, slot);
    const int hours = Lesson(lesson.lesson).hours;
    int best = -1;
    for (size_t t = 0; t < plan_.teachers.size(); ++t) {
      const PlannedTeacher& teacher = plan_.teachers[t];
      const int no = static_cast<int>(t);
      if (teacher.branch != branch) continue;
      if (teacher.load + hours > capacity_[static_cast<int>(branch)]) continue;
      if (std::count(lesson.teachers.begin(), lesson.teachers.end(), no) > 0) continue;
      if (std::count(excluded.begin(), excluded.end(), no) > 0) continue;
      if (best < 0 || teacher.load > plan_.teachers[best].load) best = no;
    }
    if (best >= 0) return best;
    PlannedTeacher teacher{branch};
    if (random_.OneIn(kDayOffOneIn)) teacher.day_off = DayMask(1 + random_.Below(kDemoDays));
    plan_.teachers.push_back(teacher);
    return static_cast<int>(plan_.teachers.size()) - 1;
  }

  // Places every block of the listed class lessons, changing teachers when the search fails.
  void Solve(const std::vector<int>& lessons, bool aligned) {
    aligned_ = aligned;
    for (int round = 0; round < kRounds; ++round) {
      for (int cl : lessons) dead_ends_[cl] = 0;
      for (int restart = 0; restart < kRestartsPerRound; ++restart) {
        if (Search(lessons)) return;
      }
      const int culprit = Culprit(lessons);
      if (culprit < 0) break;
      ReplaceTeacher(culprit);
    }
    throw std::runtime_error("demo school: the week could not be completed");
  }

  int BusiestSlot(const PlannedClassLesson& lesson) const {
    int slot = -1;
    int most = 0;
    for (size_t s = 0; s < lesson.teachers.size(); ++s) {
      const int hours = std::popcount(plan_.teachers[lesson.teachers[s]].Unavailable());
      if (hours > most) {
        most = hours;
        slot = static_cast<int>(s);
      }
    }
    return slot;
  }

  // The lesson whose teacher is most likely in the way: among those with a teacher that is busy
  // elsewhere, the one most often left without a position, then the one with the busiest
  // teacher. -1 when every teacher is free everywhere (then no change of teacher helps).
  int Culprit(const std::vector<int>& lessons) const {
    int worst = -1;
    auto key = [&](int cl) {
      const PlannedClassLesson& lesson = plan_.class_lessons[cl];
      return std::pair(
          dead_ends_.at(cl),
          std::popcount(plan_.teachers[lesson.teachers[BusiestSlot(lesson)]].Unavailable()));
    };
    for (int cl : lessons) {
      if (BusiestSlot(plan_.class_lessons[cl]) < 0) continue;
      if (worst < 0 || key(cl) > key(worst)) worst = cl;
    }
    return worst;
  }

  // Hands the busiest teacher's part of the lesson to another teacher of the branch.
  void ReplaceTeacher(int class_lesson) {
    PlannedClassLesson& lesson = plan_.class_lessons[class_lesson];
    const size_t slot = static_cast<size_t>(BusiestSlot(lesson));
    std::vector<int>& tried = tried_[class_lesson][slot];
    const int old = lesson.teachers[slot];
    tried.push_back(old);
    const int hours = Lesson(lesson.lesson).hours;
    plan_.teachers[old].load -= hours;
    lesson.teachers[slot] = -1;
    const int replacement = ChooseTeacher(lesson, slot, tried);
    lesson.teachers[slot] = replacement;
    plan_.teachers[replacement].load += hours;
  }

  bool Search(const std::vector<int>& lessons) {
    variables_.clear();
    for (int cl : lessons) {
      const auto& form = Lesson(plan_.class_lessons[cl].lesson).form;
      int previous_length = 0;
      for (int length : form) {
        if (length <= 0) break;
        const int sibling =
            length == previous_length ? static_cast<int>(variables_.size()) - 1 : -1;
        variables_.push_back({cl, length, sibling});
        previous_length = length;
      }
    }
    positions_.assign(variables_.size(), {0, 0});
    nodes_ = 0;
    if (!Extend()) return false;  // every block placed on the way has been taken back
    for (int cl : lessons) plan_.class_lessons[cl].blocks.clear();
    for (size_t v = 0; v < variables_.size(); ++v) {
      plan_.class_lessons[variables_[v].class_lesson].blocks.push_back(
          {positions_[v].day, positions_[v].hour, variables_[v].length});
    }
    return true;
  }

  // Depth-first search that always extends the block with the fewest positions left.
  bool Extend() {
    int chosen = -1;
    std::vector<Position> chosen_options;
    for (size_t v = 0; v < variables_.size(); ++v) {
      if (positions_[v].day > 0) continue;
      const int sibling = variables_[v].sibling;
      if (sibling >= 0 && positions_[sibling].day == 0) continue;
      std::vector<Position> options = Options(static_cast<int>(v));
      if (options.empty()) {
        ++dead_ends_[variables_[v].class_lesson];
        return false;
      }
      if (chosen < 0 || options.size() < chosen_options.size()) {
        chosen = static_cast<int>(v);
        chosen_options = std::move(options);
      }
    }
    if (chosen < 0) return true;
    for (const Position& option : chosen_options) {
      if (++nodes_ > kNodeLimit) return false;
      Place(chosen, option);
      if (Extend()) return true;
      Unplace(chosen);
    }
    return false;
  }

  WeekMask ClassesBusy(const PlannedClassLesson& lesson) const {
    WeekMask busy = 0;
    for (int clss : lesson.classes) busy |= class_busy_[clss];
    return busy;
  }

  bool DayUsed(int class_lesson, int day) const {
    for (size_t v = 0; v < variables_.size(); ++v) {
      if (variables_[v].class_lesson == class_lesson && positions_[v].day == day) return true;
    }
    return false;
  }

  bool HourAllowed(const CatalogueLesson& lesson, int hour, int length) const {
    if (lesson.no_first_hour && hour == 1) return false;
    if (aligned_ && length % 2 == 0 && hour % 2 == 0) return false;
    const int split = lesson.split_hour;
    if (split > 0 && (hour == split || (hour <= split && hour + length - 1 >= split + 1))) {
      return false;
    }
    return true;
  }

  bool TeachersFree(const PlannedClassLesson& lesson, const PlannedBlock& block) const {
    const WeekMask mask = BlockMask(block);
    for (int t : lesson.teachers) {
      const PlannedTeacher& teacher = plan_.teachers[t];
      if (teacher.Unavailable() & mask) return false;
      if (std::popcount(teacher.busy & DayMask(block.day)) + block.length > kPlannedDailyHours) {
        return false;
      }
    }
    return true;
  }

  // The free positions of a block, those that leave no new hole in the class's day first (and,
  // among them, those next to lessons of its teachers), in random order otherwise.
  std::vector<Position> Options(int v) {
    const Variable& variable = variables_[v];
    const PlannedClassLesson& lesson = plan_.class_lessons[variable.class_lesson];
    const CatalogueLesson& catalogue = Lesson(lesson.lesson);
    const WeekMask classes_busy = ClassesBusy(lesson);
    WeekMask teachers_busy = 0;
    for (int t : lesson.teachers) teachers_busy |= plan_.teachers[t].busy;
    const int first_day = variable.sibling >= 0 ? positions_[variable.sibling].day + 1 : 1;
    std::vector<std::pair<int, Position>> scored;
    for (int day = first_day; day <= kDemoDays; ++day) {
      if (DayUsed(variable.class_lesson, day)) continue;
      for (int hour = 1; hour + variable.length - 1 <= kDemoHours; ++hour) {
        if (!HourAllowed(catalogue, hour, variable.length)) continue;
        const PlannedBlock block{day, hour, variable.length};
        if (BlockMask(block) & classes_busy) continue;
        if (!TeachersFree(lesson, block)) continue;
        const int last = hour + variable.length - 1;
        const int class_touch = (hour == 1 || Busy(classes_busy, day, hour - 1)) +
                                (last == kDemoHours || Busy(classes_busy, day, last + 1));
        const int teacher_touch = (hour > 1 && Busy(teachers_busy, day, hour - 1)) +
                                  (last < kDemoHours && Busy(teachers_busy, day, last + 1));
        scored.push_back({aligned_ ? 0 : 4 * class_touch + teacher_touch, {day, hour}});
      }
    }
    random_.Shuffle(scored);
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Position> options;
    options.reserve(scored.size());
    for (const auto& entry : scored) options.push_back(entry.second);
    return options;
  }

  void Place(int v, Position position) {
    positions_[v] = position;
    Mark(v, true);
  }

  void Unplace(int v) {
    Mark(v, false);
    positions_[v] = {0, 0};
  }

  void Mark(int v, bool busy) {
    const PlannedClassLesson& lesson = plan_.class_lessons[variables_[v].class_lesson];
    const WeekMask mask = BlockMask({positions_[v].day, positions_[v].hour, variables_[v].length});
    auto apply = [&](WeekMask& target) { target = busy ? (target | mask) : (target & ~mask); };
    for (int clss : lesson.classes) apply(class_busy_[clss]);
    for (int t : lesson.teachers) apply(plan_.teachers[t].busy);
  }

  // One room of a kind for every so many classes; a class lesson gets the first room of its kind
  // that is free in all its hours, and stays without a room when none is.
  void AssignRooms() {
    const int class_count = static_cast<int>(plan_.classes.size());
    for (const CatalogueRoom& kind : SpecialRooms()) {
      const bool used = std::any_of(
          plan_.class_lessons.begin(), plan_.class_lessons.end(),
          [&](const PlannedClassLesson& cl) { return Lesson(cl.lesson).room == kind.kind; });
      if (!used) continue;
      const int count = (class_count + kind.classes_per_room - 1) / kind.classes_per_room;
      for (int number = 1; number <= count; ++number) {
        plan_.rooms.push_back({kind.kind, number});
      }
    }
    for (PlannedClassLesson& lesson : plan_.class_lessons) {
      const RoomKind kind = Lesson(lesson.lesson).room;
      if (kind == RoomKind::kNone) continue;
      WeekMask mask = 0;
      for (const PlannedBlock& block : lesson.blocks) mask |= BlockMask(block);
      for (size_t r = 0; r < plan_.rooms.size(); ++r) {
        PlannedRoom& room = plan_.rooms[r];
        if (room.kind != kind || (room.busy & mask)) continue;
        room.busy |= mask;
        lesson.rooms.push_back(static_cast<int>(r));
        break;
      }
    }
  }

  // Teachers that lost all their lessons to another teacher while the week was searched.
  void DropIdleTeachers() {
    std::vector<int> new_index(plan_.teachers.size(), -1);
    std::vector<PlannedTeacher> kept;
    for (size_t t = 0; t < plan_.teachers.size(); ++t) {
      if (plan_.teachers[t].load == 0) continue;
      new_index[t] = static_cast<int>(kept.size());
      kept.push_back(plan_.teachers[t]);
    }
    plan_.teachers = std::move(kept);
    for (PlannedClassLesson& lesson : plan_.class_lessons) {
      for (int& t : lesson.teachers) t = new_index[t];
    }
  }

  DemoRandom& random_;
  SchoolPlan plan_;
  std::vector<WeekMask> class_busy_;
  size_t elective_turn_ = 0;
  std::array<int, kBranchCount> capacity_{};

  // Run state of one search.
  bool aligned_ = false;
  std::vector<Variable> variables_;
  std::vector<Position> positions_;
  std::vector<std::vector<std::vector<int>>> tried_;  // per class lesson and teacher slot
  std::map<int, int> dead_ends_;  // per class lesson of this round: searches that found it stuck
  int nodes_ = 0;
};

}  // namespace

WeekMask BlockMask(const PlannedBlock& block) {
  const WeekMask run = (WeekMask{1} << block.length) - 1;
  return run << ((block.day - 1) * kDemoHours + block.hour - 1);
}

SchoolPlan PlanSchool(int class_count, DemoRandom& random) {
  if (class_count < 1 || class_count > kMaxDemoClasses) {
    throw std::invalid_argument("demo school: class count out of range");
  }
  return Planner(class_count, random).Run();
}

}  // namespace orvanta::demo
