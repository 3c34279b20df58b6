#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"

namespace orvanta::cli {
namespace {

constexpr const char* kNotAvailable =
    "Düzenleme (Boşlukları Al, Tek Düşenleri Kaldır, Düzenle) henüz kullanılamıyor.";

struct ArrangeOptions {
  std::string mode;
  int teacher_no = 0;
};

}  // namespace

void AddArrangeCommand(CLI::App& app, CliContext& /*context*/) {
  CLI::App* command = app.add_subcommand(
      "arrange", "Bir öğretmenin boşluklarını, tek düşen günlerini ya da günlük yükünü düzenler");
  auto options = std::make_shared<ArrangeOptions>();
  command
      ->add_option("mode", options->mode,
                   "gaps: Boşlukları Al, gaps-all: Boşlukları Al (Tümü), lone: Tek Düşenleri "
                   "Kaldır, balance: Düzenle")
      ->required()
      ->check(CLI::IsMember({"gaps", "gaps-all", "lone", "balance"}));
  command->add_option("--teacher", options->teacher_no, "Öğretmenin No'su")->option_text("NO");
  command->callback([options] {
    if (options->mode != "gaps-all" && options->teacher_no <= 0) {
      throw CLI::ValidationError("--teacher", "bu düzenleme için öğretmen No'su gerekir");
    }
    std::cerr << kNotAvailable << "\n";
    throw CLI::RuntimeError(1);
  });
}

}  // namespace orvanta::cli
