#pragma once

// The defaults of a new record of each kind. A new record starts all zero, then gets these
// values; No and RecNo are the list's business (SetDefaults).

#include "data/records.h"

namespace orvanta {

void FillDefaults(ProgType& record);
void FillDefaults(LessonType& record);
void FillDefaults(ClssType& record);
void FillDefaults(RoomType& record);
void FillDefaults(TeacherType& record);
void FillDefaults(CommonType& record);
void FillDefaults(DutyType& record);
void FillDefaults(OptionType& record);  // includes the print defaults
void FillDefaults(GlobalType& record);

// The print part of the option record: print types 1..11 get their settings, 12..20 stay as they
// are; the document date, application date and document number are cleared. Also run by the
// preview when a stored font size is 0 or the user asks for the defaults again.
void ApplyPrintDefaults(OptionType& option);

// The fixed texts a new option record carries for the school and its principal.
inline constexpr const char* kDefaultInstitutionName = "ORVANTA ANADOLU LİSESİ";
inline constexpr const char* kDefaultPrincipalName = "AYŞE YILMAZ";

}  // namespace orvanta
