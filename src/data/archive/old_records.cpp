#include "data/archive/old_records.h"

#include <set>
#include <string_view>

#include "data/file_access.h"
#include "data/io_error.h"

namespace orvanta {
namespace {

// One record of an old file. REQUIRES: bytes holds a whole record, so every offset of the
// file's layout lies inside it.
class OldRecordBytes {
 public:
  explicit OldRecordBytes(std::string_view bytes) : bytes_(bytes) {}
  int Byte(size_t offset) const { return static_cast<uint8_t>(bytes_[offset]); }
  std::string Text(size_t offset, size_t capacity) const {
    const size_t length = std::min<size_t>(Byte(offset), capacity);
    return std::string(bytes_.substr(offset + 1, length));
  }
  OldGrid Grid(size_t offset) const {
    OldGrid grid;
    for (size_t i = 0; i < grid.bytes.size(); ++i)
      grid.bytes[i] = static_cast<uint8_t>(Byte(offset + i));
    return grid;
  }

 private:
  std::string_view bytes_;
};

// Reads one old file into records: nullopt when it cannot be read. parse returns false for a
// record to skip (after adding its note).
class OldFile {
 public:
  OldFile(const std::filesystem::path& folder, const char* name, size_t record_size,
          std::vector<std::string>& notes)
      : name_(name), record_size_(record_size), notes_(notes) {
    try {
      bytes_ = ReadFileIfPresent(ResolveFileName(folder, name));
    } catch (const IoError& error) {
      notes_.push_back(Quoted() + " okunamadı (" + error.what() + "); bu dosyanın adımı atlandı.");
      return;
    }
    if (!bytes_) {
      notes_.push_back(Quoted() + " bulunamadı; bu dosyanın adımı atlandı.");
      return;
    }
    const size_t rest = bytes_->size() % record_size_;
    if (rest != 0) {
      notes_.push_back(Quoted() + " sonundaki " + std::to_string(rest) +
                       " bayt eksik bir kayıt; yok sayıldı.");
    }
  }

  template <typename Record, typename Parse>
  std::optional<std::vector<Record>> Records(Parse parse) {
    if (!bytes_) return std::nullopt;
    std::vector<Record> records;
    for (size_t i = 0; (i + 1) * record_size_ <= bytes_->size(); ++i) {
      position_ = i + 1;
      Record record;
      const OldRecordBytes bytes(std::string_view(*bytes_).substr(i * record_size_, record_size_));
      if (parse(bytes, record)) records.push_back(std::move(record));
    }
    return records;
  }

  // The note for the current record.
  void Note(const std::string& text) {
    notes_.push_back(Quoted() + " " + std::to_string(position_) + ". kayıt: " + text);
  }

  // False, with a note, for number 0 and for a number already read.
  bool TakeNumber(int number) {
    if (number == 0) {
      Note("numarası 0; atlandı.");
      return false;
    }
    if (!numbers_.insert(number).second) {
      Note(std::to_string(number) + " numaralı kayıt daha önce okundu; atlandı.");
      return false;
    }
    return true;
  }

  // count member numbers from offset, the count cut to 25.
  std::vector<int> Members(const OldRecordBytes& bytes, size_t count_offset, size_t offset,
                           const char* what) {
    int count = bytes.Byte(count_offset);
    if (count > kOldMaxMembers) {
      Note(std::string(what) + " sayısı " + std::to_string(count) + "; 25'e indirildi.");
      count = kOldMaxMembers;
    }
    std::vector<int> members;
    for (int i = 0; i < count; ++i) members.push_back(bytes.Byte(offset + static_cast<size_t>(i)));
    return members;
  }

 private:
  std::string Quoted() const { return std::string("\"") + name_ + "\""; }

  const char* name_;
  size_t record_size_;
  std::vector<std::string>& notes_;
  std::optional<std::string> bytes_;
  size_t position_ = 0;
  std::set<int> numbers_;
};

std::array<int, 7> SevenBytes(const OldRecordBytes& bytes, size_t offset) {
  std::array<int, 7> values{};
  for (size_t i = 0; i < values.size(); ++i) values[i] = bytes.Byte(offset + i);
  return values;
}

}  // namespace

OldData ReadOldData(const std::filesystem::path& folder) {
  OldData data;
  OldFile lessons(folder, "lesson.prg2", 186, data.notes);
  data.lessons = lessons.Records<OldLesson>([&](const OldRecordBytes& bytes, OldLesson& lesson) {
    lesson.number = bytes.Byte(0);
    lesson.name = bytes.Text(2, 30);
    lesson.short_name = bytes.Text(33, 12);
    lesson.weekly_hours = bytes.Byte(46);
    lesson.blocks = SevenBytes(bytes, 50);
    return lessons.TakeNumber(lesson.number);
  });

  OldFile definitions(folder, "define.prg2", 34, data.notes);
  data.definitions = definitions.Records<OldDefinition>(
      [&](const OldRecordBytes& bytes, OldDefinition& definition) {
        definition.code = bytes.Byte(0);
        definition.kind = bytes.Byte(2);
        definition.name = bytes.Text(3, 30);
        return true;
      });

  OldFile classes(folder, "clss.prg2", 872, data.notes);
  data.classes = classes.Records<OldClass>([&](const OldRecordBytes& bytes, OldClass& clss) {
    clss.number = bytes.Byte(0);
    clss.name = bytes.Text(2, 12);
    clss.section = bytes.Text(15, 17);
    clss.first_hour = SevenBytes(bytes, 33);
    clss.last_hour = SevenBytes(bytes, 40);
    clss.open = bytes.Grid(116);
    clss.lessons = bytes.Grid(242);
    return classes.TakeNumber(clss.number);
  });

  OldFile rooms(folder, "room.prg2", 680, data.notes);
  data.rooms = rooms.Records<OldRoom>([&](const OldRecordBytes& bytes, OldRoom& room) {
    room.number = bytes.Byte(0);
    room.name = bytes.Text(2, 30);
    room.short_name = bytes.Text(33, 12);
    return rooms.TakeNumber(room.number);
  });

  OldFile teachers(folder, "teacher.prg2", 4943, data.notes);
  data.teachers =
      teachers.Records<OldTeacher>([&](const OldRecordBytes& bytes, OldTeacher& teacher) {
        teacher.number = bytes.Byte(0);
        teacher.name = bytes.Text(2, 30);
        teacher.short_name = bytes.Text(33, 12);
        teacher.branch_code = bytes.Byte(75);
        teacher.open = bytes.Grid(257);
        teacher.activities = bytes.Grid(1013);
        return teachers.TakeNumber(teacher.number);
      });

  OldFile class_lessons(folder, "clle.prg2", 92, data.notes);
  data.class_lessons = class_lessons.Records<OldClassLesson>(
      [&](const OldRecordBytes& bytes, OldClassLesson& common) {
        common.class_number = bytes.Byte(0);
        common.lesson_number = bytes.Byte(1);
        common.teachers = class_lessons.Members(bytes, 5, 17, "Öğretmen");
        common.rooms = class_lessons.Members(bytes, 6, 42, "Derslik");
        common.classes = class_lessons.Members(bytes, 8, 67, "Sınıf");
        return true;
      });
  return data;
}

}  // namespace orvanta
