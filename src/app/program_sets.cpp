#include "app/program_sets.h"

#include <algorithm>
#include <system_error>

#include "data/io_error.h"
#include "data/program_set_io.h"

namespace orvanta {
namespace {

void MarkCurrent(SchoolData& data, int current_no, int other_no) {
  data.progs.Find(current_no)->Current = 1;
  data.progs.Find(other_no)->Current = 0;
}

}  // namespace

void DeleteProgramSet(SchoolData& data, int no) {
  if (!data.progs.Has(no)) return;
  // The folder goes first: a set whose folder stayed behind would hand its files to the next
  // set that gets this number.
  const std::filesystem::path folder = data.paths.SetFolder(no);
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  if (error) {
    throw IoError("\"" + PathText(folder) + "\" klasörü silinemedi: " + error.message(), folder);
  }
  data.progs.Delete(no);
  const bool has_current = std::any_of(data.progs.begin(), data.progs.end(),
                                       [](const ProgType& set) { return set.Current > 0; });
  if (!has_current && !data.progs.Empty()) data.progs.At(0).Current = 1;
}

void CopyProgramSetIntoOpenSet(AppContext& app, int source_no) {
  SchoolData& data = app.data;
  const int open_no = data.open_set_no;
  const std::filesystem::path open_folder = data.set_folder;

  // Opening the source set with the open set's folder put back in place makes the next save
  // write the source set's data into the open set's files.
  MarkCurrent(data, source_no, open_no);
  SaveProgList(data);
  try {
    app.OpenProgramSet();
    data.set_folder = open_folder;
    data.open_set_no = open_no;
    app.SaveAll();
  } catch (...) {
    MarkCurrent(data, open_no, source_no);
    SaveProgList(data);
    throw;
  }
  MarkCurrent(data, open_no, source_no);
  SaveProgList(data);
}

}  // namespace orvanta
