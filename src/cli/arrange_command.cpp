#include <chrono>
#include <iomanip>
#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/placement_summary.h"
#include "cli/unattended_run.h"
#include "data/program_set_io.h"
#include "engine/arrangement.h"

namespace orvanta::cli {
namespace {

struct ArrangeOptions {
  std::string mode;
  int teacher_no = 0;
};

ArrangementOutcome RunMode(Arrangement& arrangement, const ArrangeOptions& options) {
  if (options.mode == "gaps") return arrangement.RemoveGaps(options.teacher_no);
  if (options.mode == "lone") return arrangement.RemoveLoneDays(options.teacher_no);
  if (options.mode == "balance") return arrangement.BalanceDailyLoads(options.teacher_no);
  // "Boşlukları Al (Tümü)" keeps what each teacher's step achieved and shows no message.
  arrangement.RemoveGapsForAll();
  return ArrangementOutcome::kSucceeded;
}

void RunArrange(CliContext& context, const ArrangeOptions& options) {
  const bool for_all = options.mode == "gaps-all";
  if (!for_all && options.teacher_no <= 0) {
    throw CLI::ValidationError("--teacher", "bu düzenleme için öğretmen No'su gerekir");
  }
  SchoolData& data = context.Data();
  if (!for_all && !data.teachers.Has(options.teacher_no)) {
    std::cerr << "Bu No'ya sahip bir öğretmen yok: " << options.teacher_no << "\n";
    throw CLI::RuntimeError(1);
  }
  UnattendedRun control;
  Arrangement arrangement(data, control);
  const auto start = std::chrono::steady_clock::now();
  const ArrangementOutcome outcome = RunMode(arrangement, options);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  // A failed command has left the grids as they were; only a result is saved.
  if (outcome != ArrangementOutcome::kFailed) SaveAll(data);
  const std::string_view message = ArrangementMessage(outcome);
  if (!message.empty() && !for_all) std::cout << message << "\n";
  PrintSummary(std::cout, SummarisePlacement(data));
  std::cout << "Süre: " << std::fixed << std::setprecision(2) << elapsed.count() << " sn\n";
  if (outcome == ArrangementOutcome::kFailed) throw CLI::RuntimeError(1);
}

}  // namespace

void AddArrangeCommand(CLI::App& app, CliContext& context) {
  CLI::App* command = app.add_subcommand(
      "arrange",
      "Bir öğretmenin boşluklarını, tek düşen günlerini ya da günlük yükünü düzenler ve "
      "başarılı olursa kaydeder");
  auto options = std::make_shared<ArrangeOptions>();
  command
      ->add_option("mode", options->mode,
                   "gaps: Boşlukları Al, gaps-all: Boşlukları Al (Tümü), lone: Tek Düşenleri "
                   "Kaldır, balance: Düzenle")
      ->required()
      ->check(CLI::IsMember({"gaps", "gaps-all", "lone", "balance"}));
  command->add_option("--teacher", options->teacher_no, "Öğretmenin No'su")->option_text("NO");
  command->callback([&context, options] { RunArrange(context, *options); });
}

}  // namespace orvanta::cli
