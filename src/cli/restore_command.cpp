#include <iostream>

#include "cli/commands.h"
#include "data/archive/restore_archive.h"
#include "data/file_access.h"
#include "data/program_set_io.h"
#include "data/record_file.h"

namespace orvanta::cli {
namespace {

// The folder of the current program set, found from prog.prg alone: a restore must work even
// when the set's own files are too damaged to open.
std::filesystem::path OpenSetFolder(const CliContext& context) {
  const DataPaths paths(context.DriveRoot());
  RecordList<ProgType> sets;
  LoadList(sets, ResolveFileName(paths.data_root, kProgFile));
  return CurrentSetFolder(paths, sets);
}

}  // namespace

void AddRestoreCommand(CLI::App& app, CliContext& context) {
  CLI::App* command =
      app.add_subcommand("restore", "Yedek dosyasını açık programın dosyalarına geri yükler");
  static std::string file;
  file.clear();
  command->add_option("FILE", file, "Yedek dosyası (.zip)")->required();
  command->callback([&context] {
    const std::filesystem::path folder = OpenSetFolder(context);
    if (!std::filesystem::is_directory(folder)) {
      std::cerr << "Hata: program klasörü yok: " << PathText(folder)
                << " (önce \"init\" çalıştırın)\n";
      throw CLI::RuntimeError(1);
    }
    RestoreArchive(folder, std::filesystem::u8path(file));
    std::cout << "Geri alma işlemi tamamlanmıştır.\n";
  });
}

}  // namespace orvanta::cli
