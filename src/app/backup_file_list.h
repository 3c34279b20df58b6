#pragma once

// The file list of the backup screen: the archives of one folder, in the order the user sorted
// them, with the texts of their two columns.

#include <string>
#include <vector>

#include "data/archive/archive_folder.h"

namespace orvanta {

enum class BackupColumn { kDate = 0, kName = 1 };  // "Kayıt Tarihi", "Dosya Ismi"

// Sorts by the column. Dates compare as times; names compare without regard to the case of
// A..Z (other letters compare by their bytes). Equal keys keep the order of the file names, so
// the list does not depend on the order the folder was read in.
void SortArchives(std::vector<ArchiveFile>& archives, BackupColumn column, bool descending);

// "07.10.2024 09:30:05": the date and time the list shows for a file.
std::string DateTimeText(const LocalDateTime& t);

}  // namespace orvanta
