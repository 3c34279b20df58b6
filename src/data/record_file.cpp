#include "data/record_file.h"

#include <cstring>

#include "data/file_access.h"

namespace orvanta {
namespace {

std::string FileName(const std::filesystem::path& file) { return PathText(file.filename()); }

template <typename... Strings>
void Clamp(Strings&... texts) {
  (texts.ClampLength(), ...);
}

std::string CheckCount(int32_t count, const char* what) {
  if (count < 0 || count > kMaxMembers) {
    return std::string(what) + " sayısı (" + std::to_string(count) + ") 0..50 aralığında değil";
  }
  return {};
}

}  // namespace

std::string CheckRecord(ProgType& r) {
  Clamp(r.Name, r.id, r.Kurum_Kodu);
  return {};
}
std::string CheckRecord(LessonType& r) {
  Clamp(r.Id, r.Lesson, r.SLesson, r.Gr);
  return {};
}
std::string CheckRecord(ClssType& r) {
  Clamp(r.Id, r.Clss);
  return {};
}
std::string CheckRecord(RoomType& r) {
  Clamp(r.Id, r.Room, r.SRoom);
  return {};
}
std::string CheckRecord(TeacherType& r) {
  Clamp(r.Id, r.Name, r.SName, r.Branch, r.Task, r.email, r.Edu);
  return {};
}
std::string CheckRecord(CommonType& r) {
  Clamp(r.cn_name, r.tn_name);
  std::string fault = CheckCount(r.CX, "Sınıf");
  if (fault.empty()) fault = CheckCount(r.TX, "Öğretmen");
  if (fault.empty()) fault = CheckCount(r.RX, "Derslik");
  return fault;
}
std::string CheckRecord(DutyType& r) {
  Clamp(r.Duty, r.Build, r.SDuty);
  return {};
}

template <typename T>
std::vector<T> ParseRecords(const std::string& bytes, const std::filesystem::path& file) {
  const size_t count = bytes.size() / sizeof(T);
  std::vector<T> records(count);
  std::vector<bool> seen(kMaxRecords + 1, false);
  for (size_t i = 0; i < count; ++i) {
    T& record = records[i];
    std::memcpy(&record, bytes.data() + i * sizeof(T), sizeof(T));
    const std::string position = std::to_string(i + 1) + ". kayıt";
    auto fail = [&](const std::string& fault) {
      throw DamagedFileError(
          "\"" + FileName(file) + "\" dosyası bozuk (" + position + "): " + fault + ". " +
              "Dosya değiştirilmedi; yedekten geri yükleyin veya dosya bakımı yapın.",
          file);
    };
    if (record.No < 1 || record.No > kMaxRecords) {
      fail("kayıt numarası (" + std::to_string(record.No) + ") 1..5000 aralığında değil");
    }
    if (seen[record.No]) fail("kayıt numarası (" + std::to_string(record.No) + ") tekrar ediyor");
    seen[record.No] = true;
    const std::string fault = CheckRecord(record);
    if (!fault.empty()) fail(fault);
  }
  return records;
}

template <typename T>
void LoadList(RecordList<T>& list, const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadFileIfPresent(file);
  if (!bytes) {
    CreateEmptyFileIfMissing(file);
    list.Clear();
    return;
  }
  list.Assign(ParseRecords<T>(*bytes, file));
}

template <typename T>
void SaveList(const RecordList<T>& list, const std::filesystem::path& file) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(list.Count()) * sizeof(T));
  for (const T& record : list) bytes.append(reinterpret_cast<const char*>(&record), sizeof(T));
  WriteFileAtomically(file, bytes);
}

#define ORVANTA_RECORD_FILE(T)                                                               \
  template std::vector<T> ParseRecords<T>(const std::string&, const std::filesystem::path&); \
  template void LoadList<T>(RecordList<T>&, const std::filesystem::path&);                   \
  template void SaveList<T>(const RecordList<T>&, const std::filesystem::path&);
ORVANTA_RECORD_FILE(ProgType)
ORVANTA_RECORD_FILE(LessonType)
ORVANTA_RECORD_FILE(ClssType)
ORVANTA_RECORD_FILE(RoomType)
ORVANTA_RECORD_FILE(TeacherType)
ORVANTA_RECORD_FILE(CommonType)
ORVANTA_RECORD_FILE(DutyType)
#undef ORVANTA_RECORD_FILE

}  // namespace orvanta
