#include <iostream>

#include "cli/commands.h"
#include "data/archive/automatic_backup.h"
#include "data/archive/named_backup.h"
#include "data/io_error.h"

namespace orvanta::cli {
namespace {

int BackUpByName(CliContext& context, const std::string& name, const std::string& folder) {
  SchoolData& data = context.Data();
  if (!IsValidBackupName(name)) {
    std::cerr << "Hata: yedek adı boş olamaz ve \"/\" ya da \"\\\" içeremez.\n";
    return 2;
  }
  const std::filesystem::path target =
      folder.empty() ? data.set_folder : std::filesystem::u8path(folder);
  std::cout << PathText(MakeNamedArchive(data, target, name)) << "\n";
  return 0;
}

int BackUpAutomatically(CliContext& context) {
  AutomaticBackup backup(context.clock());
  const AutomaticBackupResult result = backup.Run(context.Data().set_folder);
  switch (result.outcome) {
    case AutomaticBackupResult::Outcome::kWritten:
      std::cout << PathText(result.archive) << "\n";
      return 0;
    case AutomaticBackupResult::Outcome::kUnchanged:
      std::cout << "Veriler son yedekle aynı; yeni yedek tutulmadı.\n";
      return 0;
    case AutomaticBackupResult::Outcome::kFailed:
      break;
  }
  std::cerr << "Hata: " << result.error << "\n";
  return 1;
}

}  // namespace

void AddBackupCommand(CLI::App& app, CliContext& context) {
  CLI::App* command = app.add_subcommand(
      "backup",
      "Açık programı yedekler: adla NAME.zip olarak (son yedek adı olur), adsız otomatik "
      "yedek olarak \"yedekler\" klasörüne");
  // Option values live as long as the program; a new registration starts them afresh.
  static std::string name;
  static std::string folder;
  name.clear();
  folder.clear();
  command->add_option("NAME", name, "Yedek adı (.zip eklenir)");
  command->add_option("--dir", folder, "Adlı yedeğin klasörü (varsayılan: programın klasörü)")
      ->option_text("DIR");
  command->callback([&context] {
    if (name.empty() && !folder.empty()) {
      std::cerr << "Hata: --dir yalnız adlı yedekte kullanılır.\n";
      throw CLI::RuntimeError(2);
    }
    const int status =
        name.empty() ? BackUpAutomatically(context) : BackUpByName(context, name, folder);
    if (status != 0) throw CLI::RuntimeError(status);
  });
}

}  // namespace orvanta::cli
