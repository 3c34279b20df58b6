#pragma once

// The automatic backup of a program set: after every save all and once more at shutdown, an
// archive with an automatic name in the set's "yedekler" folder, which is deleted again when it
// equals the newest file already there (so saving without changes leaves no extra archive). It
// runs on a worker thread; the calling thread keeps processing its events meanwhile. It reads
// only the record files on disk, never the lists.

#include <atomic>
#include <filesystem>
#include <string>

#include "data/archive/worker_wait.h"
#include "data/clock.h"
#include "data/program_set_io.h"

namespace orvanta {

struct AutomaticBackupResult {
  enum class Outcome {
    kWritten,    // a new archive is in the folder
    kUnchanged,  // the new archive equalled the newest file and was deleted
    kFailed,     // error holds the message, which has been logged
  };
  Outcome outcome = Outcome::kFailed;
  std::filesystem::path archive;  // the archive made (also when it was deleted again)
  std::string error;
};

// One per program: its busy flag keeps two automatic backups from running at once. clock and
// process_events must outlive it. Call from one thread (the user-interface thread).
class AutomaticBackup {
 public:
  explicit AutomaticBackup(const Clock& clock, ProcessEvents process_events = {})
      : clock_(clock), process_events_(std::move(process_events)) {}

  // Backs up the set in set_folder into set_folder/yedekler (created when missing). A backup
  // started while another runs (from an event handled during the wait) first waits for it,
  // polling every 20 ms. Never throws: errors are logged as ("IOFiles", "oto_backup", message)
  // and returned.
  AutomaticBackupResult Run(const std::filesystem::path& set_folder);

  // The last step of SaveAll (or the main screen's backup hook): runs the backup of the saved
  // set. The function refers to this object and must not outlive it.
  SaveStep Step() {
    return [this](SchoolData& data) { Run(data.set_folder); };
  }

  bool Busy() const { return busy_; }

 private:
  const Clock& clock_;
  ProcessEvents process_events_;
  std::atomic<bool> busy_{false};
};

}  // namespace orvanta
