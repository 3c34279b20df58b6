#pragma once

// The column titles of the list screens' grids.

#include <array>

namespace orvanta::column_titles {

inline constexpr std::array kProgramSets = {"No", "Program Adı"};
inline constexpr std::array kLessons = {"No",        "Dersin Adı", "Kısa Adı", "HDS", "Yer.Biç.",
                                        "Grubu",     "Ders Dışı",  "Top",      "Top",
                                        "Ek Ders Bağlantısı"};
inline constexpr std::array kClasses = {"No", "Sınıfın Adı", "Alan", "Top.", "Bina"};
inline constexpr std::array kRooms = {"No", "Derslik Adı", "K.Adı", "Top", "Top", "Kal"};
inline constexpr std::array kTeachers = {"No", "Branşı", "Adı Soyadı", "Snf.Öğr.",
                                         "Sosyal Kulübü", "Top.", "T", "K",
                                         "Sınıf", "Nb.Yr.", "T", "B"};
inline constexpr std::array kClassLessons = {"No",       "Sınıf",   "Dersin Adı", "HDS", "Öğretmen",
                                             "Derslik",  "K",       "H",          "Yer.Biç."};
inline constexpr std::array kAssignmentLessons = {"Dersin Adı", "Kısa Adı", "Öğretmen"};
inline constexpr std::array kDutyPlaces = {"No", "Nöbet Yeri", "K.A.", "Bina"};

}  // namespace orvanta::column_titles
