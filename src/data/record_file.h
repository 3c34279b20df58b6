#pragma once

// Reading and writing one record list file: the concatenation of its records in list order, no
// header. A trailing partial record is ignored.

#include <filesystem>
#include <string>
#include <vector>

#include "data/io_error.h"
#include "data/record_list.h"
#include "data/records.h"

namespace orvanta {

// Checks and repairs one record just read: clamps string lengths; returns a Turkish description
// of a fault that cannot be repaired (empty when the record is sound).
std::string CheckRecord(ProgType& record);
std::string CheckRecord(LessonType& record);
std::string CheckRecord(ClssType& record);
std::string CheckRecord(RoomType& record);
std::string CheckRecord(TeacherType& record);
std::string CheckRecord(CommonType& record);
std::string CheckRecord(DutyType& record);

// Parses a file image into records. Throws DamagedFileError naming the file when a record's No
// lies outside 1..5000, a No repeats, or CheckRecord finds a fault.
template <typename T>
std::vector<T> ParseRecords(const std::string& bytes, const std::filesystem::path& file);

// Load: a missing file is created empty and gives an empty list. On any error the list is
// unchanged.
template <typename T>
void LoadList(RecordList<T>& list, const std::filesystem::path& file);

template <typename T>
void SaveList(const RecordList<T>& list, const std::filesystem::path& file);

template <typename T>
std::string RecordBytes(const T& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof(T));
}

}  // namespace orvanta
