#pragma once

// What a Turkish secondary school teaches, as the demo school uses it: the lessons with their
// weekly hours and forms of settlement, the teachers' branches, the weekly plan of each grade,
// the special rooms, and the names the school's people and places carry. Texts are UTF-8.

#include <array>
#include <span>

namespace orvanta::demo {

inline constexpr int kDemoDays = 5;
inline constexpr int kDemoHours = 8;
inline constexpr int kDemoWeekHours = kDemoDays * kDemoHours;
inline constexpr int kFirstGrade = 9;
inline constexpr int kGradeCount = 4;
inline constexpr int kMaxDemoClasses = kGradeCount * 26;  // letters A..Z in every grade

enum class Branch {
  kTurkish,
  kMaths,
  kPhysics,
  kChemistry,
  kBiology,
  kHistory,
  kGeography,
  kPhilosophy,
  kReligion,
  kEnglish,
  kGerman,
  kPhysicalEducation,
  kVisualArts,
  kMusic,
  kInformatics,
  kGuidance,
  kNone,  // the elective block: its teachers come from the branches of their electives
};
inline constexpr int kBranchCount = static_cast<int>(Branch::kNone);

enum class RoomKind {
  kNone,
  kPhysicsLab,
  kChemistryLab,
  kBiologyLab,
  kComputerRoom,
  kGym,
  kArtRoom,
  kMusicRoom,
};

enum class LessonId {
  kTurkish,
  kMaths,
  kPhysics,
  kChemistry,
  kBiology,
  kHistory,
  kRevolutionHistory,
  kGeography,
  kPhilosophy,
  kReligion,
  kEnglish,
  kGerman,
  kPhysicalEducation,
  kVisualArts,
  kMusic,
  kComputerScience,
  kGuidance,
  kElectiveBlock,
  kElectiveMaths,
  kElectivePhysics,
  kElectiveBiology,
  kElectiveTurkish,
  kElectiveChemistry,
  kElectiveEnglish,
};
inline constexpr int kLessonCount = static_cast<int>(LessonId::kElectiveEnglish) + 1;

struct CatalogueLesson {
  const char* name;
  const char* short_name;
  int hours;                // 0 for the electives taught inside the elective block
  std::array<int, 7> form;  // block lengths, non-increasing, summing to hours
  Branch branch;
  RoomKind room;
  int split_hour;      // Nl: no block starts here or covers it and the next hour; 0 = none
  bool no_first_hour;  // Pb closed in the first hour of every day
  bool divisible;      // Dv
  bool elective;       // Sc = 1: taught by one teacher of the elective block instead of it
  const char* group;   // Gr
};

const CatalogueLesson& Lesson(LessonId id);
const char* BranchName(Branch branch);

// The single-class lessons of a grade (9..12). kVisualArts stands for the arts lesson of the
// class, which alternates between visual arts and music (ArtsLessonOf). Physical education and
// the elective block are joint lessons and are not listed.
std::span<const LessonId> GradeLessons(int grade);
LessonId ArtsLessonOf(int letter_index);
bool HasElectiveBlock(int grade);
// The electives one group of classes chooses from: the k-th group uses k-th rotation.
std::span<const LessonId> ElectiveRotation();

struct CatalogueRoom {
  RoomKind kind;
  const char* name;        // numbered when the school has more than one
  const char* short_name;  // idem
  int classes_per_room;    // one room of this kind for every this many classes
};
std::span<const CatalogueRoom> SpecialRooms();

std::span<const char* const> FirstNames();
std::span<const char* const> Surnames();
std::span<const char* const> Clubs();

struct CatalogueDutyPlace {
  const char* name;
  const char* short_name;
  const char* building;
  int min_classes;  // the place exists in schools of at least this many classes
};
std::span<const CatalogueDutyPlace> DutyPlaces();

}  // namespace orvanta::demo
