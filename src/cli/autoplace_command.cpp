#include <chrono>
#include <iomanip>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/placement_summary.h"
#include "cli/unattended_run.h"
#include "data/program_set_io.h"
#include "engine/auto_placement.h"

namespace orvanta::cli {
namespace {

void RunAutoplace(CliContext& context, int teacher_no) {
  SchoolData& data = context.Data();
  if (teacher_no != 0 && !data.teachers.Has(teacher_no)) {
    std::cerr << "Bu No'ya sahip bir öğretmen yok: " << teacher_no << "\n";
    throw CLI::RuntimeError(1);
  }
  UnattendedRun control;
  AutoPlacement placement(data, control);
  const auto start = std::chrono::steady_clock::now();
  const RunResult result = teacher_no != 0 ? placement.RunTeacher(teacher_no)
                                           : placement.RunAll(/*selected_teacher_no=*/0);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  SaveAll(data);
  std::cout << result.message << "\n";
  PrintSummary(std::cout, SummarisePlacement(data));
  std::cout << "Süre: " << std::fixed << std::setprecision(2) << elapsed.count() << " sn\n";
}

}  // namespace

void AddAutoplaceCommand(CLI::App& app, CliContext& context) {
  CLI::App* command = app.add_subcommand(
      "autoplace", "Otomatik yerleştirir (Otomat; --teacher ile yalnızca o öğretmen) ve kaydeder");
  auto teacher_no = std::make_shared<int>(0);
  command->add_option("--teacher", *teacher_no, "Öğretmenin No'su (Öğretmen)")->option_text("NO");
  command->callback([&context, teacher_no] { RunAutoplace(context, *teacher_no); });
}

}  // namespace orvanta::cli
