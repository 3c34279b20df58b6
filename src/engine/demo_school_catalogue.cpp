#include "engine/demo_school_catalogue.h"

namespace orvanta::demo {
namespace {

using enum LessonId;

// Lunch falls after the fourth hour: a mathematics block never runs across it.
constexpr int kLunchHour = 4;

// clang-format off
// Columns: name, short name, weekly hours, form, branch, room, split hour, not in the first hour,
// divisible, elective, group.
constexpr CatalogueLesson kLessons[kLessonCount] = {
  {"TÜRK DİLİ VE EDEBİYATI", "TDE", 5, {2, 2, 1}, Branch::kTurkish, RoomKind::kNone, 0, false, false, false, ""},
  {"MATEMATİK", "MAT", 6, {2, 2, 2}, Branch::kMaths, RoomKind::kNone, kLunchHour, false, false, false, ""},
  {"FİZİK", "FİZ", 3, {2, 1}, Branch::kPhysics, RoomKind::kPhysicsLab, 0, false, false, false, "FEN BİLİMLERİ"},
  {"KİMYA", "KİM", 3, {2, 1}, Branch::kChemistry, RoomKind::kChemistryLab, 0, false, false, false, "FEN BİLİMLERİ"},
  {"BİYOLOJİ", "BİY", 3, {2, 1}, Branch::kBiology, RoomKind::kBiologyLab, 0, false, false, false, "FEN BİLİMLERİ"},
  {"TARİH", "TAR", 2, {2}, Branch::kHistory, RoomKind::kNone, 0, false, false, false, ""},
  {"İNKILAP TARİHİ VE ATATÜRKÇÜLÜK", "İNK", 2, {2}, Branch::kHistory, RoomKind::kNone, 0, false, false, false, ""},
  {"COĞRAFYA", "COĞ", 2, {2}, Branch::kGeography, RoomKind::kNone, 0, false, false, false, ""},
  {"FELSEFE", "FEL", 2, {2}, Branch::kPhilosophy, RoomKind::kNone, 0, false, false, false, ""},
  {"DİN KÜLTÜRÜ VE AHLAK BİLGİSİ", "DİN", 2, {2}, Branch::kReligion, RoomKind::kNone, 0, false, false, false, ""},
  {"İNGİLİZCE", "İNG", 5, {3, 2}, Branch::kEnglish, RoomKind::kNone, 0, false, true, false, "YABANCI DİL"},
  {"ALMANCA", "ALM", 2, {2}, Branch::kGerman, RoomKind::kNone, 0, false, false, false, "YABANCI DİL"},
  {"BEDEN EĞİTİMİ", "BED", 2, {2}, Branch::kPhysicalEducation, RoomKind::kGym, 0, true, false, false, ""},
  {"GÖRSEL SANATLAR", "GÖR", 2, {2}, Branch::kVisualArts, RoomKind::kArtRoom, 0, false, false, false, ""},
  {"MÜZİK", "MÜZ", 2, {2}, Branch::kMusic, RoomKind::kMusicRoom, 0, false, false, false, ""},
  {"BİLGİSAYAR BİLİMİ", "BİL", 2, {2}, Branch::kInformatics, RoomKind::kComputerRoom, 0, false, false, false, ""},
  {"REHBERLİK", "REH", 1, {1}, Branch::kGuidance, RoomKind::kNone, 0, false, false, false, ""},
  {"SEÇMELİ DERSLER", "SEÇ", 4, {2, 2}, Branch::kNone, RoomKind::kNone, 0, false, false, false, ""},
  {"SEÇMELİ MATEMATİK", "S.MAT", 0, {}, Branch::kMaths, RoomKind::kNone, 0, false, false, true, ""},
  {"SEÇMELİ FİZİK", "S.FİZ", 0, {}, Branch::kPhysics, RoomKind::kNone, 0, false, false, true, ""},
  {"SEÇMELİ BİYOLOJİ", "S.BİY", 0, {}, Branch::kBiology, RoomKind::kNone, 0, false, false, true, ""},
  {"SEÇMELİ TÜRK DİLİ VE EDEBİYATI", "S.TDE", 0, {}, Branch::kTurkish, RoomKind::kNone, 0, false, false, true, ""},
  {"SEÇMELİ KİMYA", "S.KİM", 0, {}, Branch::kChemistry, RoomKind::kNone, 0, false, false, true, ""},
  {"SEÇMELİ İNGİLİZCE", "S.İNG", 0, {}, Branch::kEnglish, RoomKind::kNone, 0, false, false, true, ""},
};
// clang-format on

constexpr const char* kBranchNames[kBranchCount] = {
    "TÜRK DİLİ VE EDEBİYATI",
    "MATEMATİK",
    "FİZİK",
    "KİMYA",
    "BİYOLOJİ",
    "TARİH",
    "COĞRAFYA",
    "FELSEFE",
    "DİN KÜLTÜRÜ VE AHLAK BİLGİSİ",
    "İNGİLİZCE",
    "ALMANCA",
    "BEDEN EĞİTİMİ",
    "GÖRSEL SANATLAR",
    "MÜZİK",
    "BİLİŞİM TEKNOLOJİLERİ",
    "REHBERLİK VE PSİKOLOJİK DANIŞMA",
};

// Each grade's single-class lessons plus physical education (2 hours) and, in grades 11 and 12,
// the elective block (4 hours) make the 40 hours of the week.
constexpr LessonId kGrade9[] = {kTurkish,    kMaths,           kPhysics,  kChemistry, kBiology,
                                kHistory,    kGeography,       kReligion, kEnglish,   kGerman,
                                kVisualArts, kComputerScience, kGuidance};
constexpr LessonId kGrade10[] = {kTurkish, kMaths,      kPhysics,  kChemistry,  kBiology,
                                 kHistory, kGeography,  kReligion, kPhilosophy, kEnglish,
                                 kGerman,  kVisualArts, kGuidance};
constexpr LessonId kGrade11[] = {kTurkish,  kMaths,      kPhysics, kChemistry, kBiology, kHistory,
                                 kReligion, kPhilosophy, kEnglish, kGerman,    kGuidance};
constexpr LessonId kGrade12[] = {kTurkish,           kMaths,    kPhysics,   kChemistry, kBiology,
                                 kRevolutionHistory, kReligion, kGeography, kEnglish,   kGerman,
                                 kGuidance};

constexpr LessonId kElectives[] = {kElectiveMaths,   kElectivePhysics,   kElectiveBiology,
                                   kElectiveTurkish, kElectiveChemistry, kElectiveEnglish};

constexpr CatalogueRoom kRooms[] = {
    {RoomKind::kPhysicsLab, "FİZİK LABORATUVARI", "FİZ.LAB", 12},
    {RoomKind::kChemistryLab, "KİMYA LABORATUVARI", "KİM.LAB", 12},
    {RoomKind::kBiologyLab, "BİYOLOJİ LABORATUVARI", "BİY.LAB", 12},
    {RoomKind::kComputerRoom, "BİLGİSAYAR SINIFI", "BİLG.SNF", 24},
    {RoomKind::kGym, "SPOR SALONU", "SPOR", 24},
    {RoomKind::kArtRoom, "RESİM ATÖLYESİ", "RESİM", 24},
    {RoomKind::kMusicRoom, "MÜZİK SINIFI", "MÜZ.SNF", 24},
};

constexpr const char* kFirstNames[] = {
    "AHMET",  "MEHMET", "MUSTAFA", "ALİ",    "HÜSEYİN", "HASAN",  "İBRAHİM", "MURAT",
    "EMRE",   "BURAK",  "SERKAN",  "OĞUZ",   "KEMAL",   "ÖMER",   "YUSUF",   "HAKAN",
    "SELİM",  "CEM",    "TOLGA",   "UĞUR",   "VOLKAN",  "ERDEM",  "KADİR",   "ŞÜKRÜ",
    "AYŞE",   "FATMA",  "EMİNE",   "HATİCE", "ZEYNEP",  "ELİF",   "MERVE",   "ÖZLEM",
    "SEVGİ",  "GÜLŞEN", "DİLEK",   "ESRA",   "BÜŞRA",   "NESRİN", "HÜLYA",   "SİBEL",
    "ÇİĞDEM", "PINAR",  "AYLİN",   "SEDA",   "TÜLAY",   "NURAY",  "ŞEYMA",   "İLKNUR",
};

constexpr const char* kSurnames[] = {
    "YILMAZ",  "KAYA",    "DEMİR",  "ŞAHİN",    "ÇELİK",   "YILDIZ", "YILDIRIM", "ÖZTÜRK",
    "AYDIN",   "ÖZDEMİR", "ARSLAN", "DOĞAN",    "KILIÇ",   "ASLAN",  "ÇETİN",    "KARA",
    "KOÇ",     "KURT",    "ÖZKAN",  "ŞİMŞEK",   "POLAT",   "ÖZCAN",  "KORKMAZ",  "ÇAKIR",
    "ERDOĞAN", "YAVUZ",   "CAN",    "ACAR",     "ŞEN",     "AKTAŞ",  "GÜLER",    "BULUT",
    "KESKİN",  "ÜNAL",    "TURAN",  "GÜNEŞ",    "TEKİN",   "AKIN",   "UÇAR",     "ERDEM",
    "KARACA",  "SARI",    "ALTUN",  "GÜNDOĞDU", "BOZKURT", "TAŞ",    "OKTAY",    "UYSAL",
};

constexpr const char* kClubs[] = {
    "SATRANÇ KULÜBÜ", "KÜTÜPHANECİLİK KULÜBÜ", "BİLİM KULÜBÜ", "TİYATRO KULÜBÜ",
    "SPOR KULÜBÜ",    "ÇEVRE KULÜBÜ",          "MÜZİK KULÜBÜ", "GEZİ KULÜBÜ",
    "KIZILAY KULÜBÜ", "FOTOĞRAFÇILIK KULÜBÜ",
};

constexpr CatalogueDutyPlace kDutyPlaces[] = {
    {"BAHÇE", "BAH", "A BLOK", 1},
    {"KANTİN", "KAN", "A BLOK", 1},
    {"GİRİŞ KATI", "GİR", "A BLOK", 1},
    {"1. KAT", "1.KAT", "A BLOK", 1},
    {"2. KAT", "2.KAT", "A BLOK", 1},
    {"YEMEKHANE", "YEM", "B BLOK", 24},
    {"B BLOK 1. KAT", "B1.KAT", "B BLOK", 48},
    {"B BLOK 2. KAT", "B2.KAT", "B BLOK", 48},
    {"SPOR SALONU", "SPOR", "C BLOK", 72},
};

}  // namespace

const CatalogueLesson& Lesson(LessonId id) { return kLessons[static_cast<int>(id)]; }

const char* BranchName(Branch branch) { return kBranchNames[static_cast<int>(branch)]; }

std::span<const LessonId> GradeLessons(int grade) {
  switch (grade) {
    case 9:
      return kGrade9;
    case 10:
      return kGrade10;
    case 11:
      return kGrade11;
    default:
      return kGrade12;
  }
}

LessonId ArtsLessonOf(int letter_index) { return letter_index % 2 == 0 ? kVisualArts : kMusic; }

bool HasElectiveBlock(int grade) { return grade >= 11; }

std::span<const LessonId> ElectiveRotation() { return kElectives; }
std::span<const CatalogueRoom> SpecialRooms() { return kRooms; }
std::span<const char* const> FirstNames() { return kFirstNames; }
std::span<const char* const> Surnames() { return kSurnames; }
std::span<const char* const> Clubs() { return kClubs; }
std::span<const CatalogueDutyPlace> DutyPlaces() { return kDutyPlaces; }

}  // namespace orvanta::demo
