#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "data/hour_totals.h"
#include "data/program_set_io.h"
#include "engine/demo_school.h"
#include "engine/demo_school_catalogue.h"

namespace orvanta::cli {
namespace {

constexpr const char* kSetNotEmpty =
    "Açık program boş değil: örnek okul yalnızca dersi, sınıfı, dersliği, öğretmeni ve sınıf "
    "dersi olmayan bir programa kurulabilir.";

struct DemoOptions {
  int classes = demo::kDefaultDemoClasses;
  uint64_t seed = demo::kDefaultDemoSeed;
};

void RunDemo(CliContext& context, const DemoOptions& options) {
  SchoolData& data = context.Data();
  if (demo::HoldsDefinitions(data)) {
    std::cerr << kSetNotEmpty << "\n";
    throw CLI::RuntimeError(1);
  }
  demo::GenerateDemoSchool(data, options.classes, options.seed);
  SaveAll(data);
  const HourTotals hours = ComputeHourTotals(data);
  std::cout << "Örnek okul kuruldu: " << data.classes.Count() << " sınıf, " << data.teachers.Count()
            << " öğretmen, " << data.rooms.Count() << " derslik, " << data.commons.Count()
            << " sınıf dersi, " << data.duties.Count() << " nöbet yeri (tohum " << options.seed
            << ")\n"
            << "Toplam: " << hours.total << "  Yerleşen: " << hours.placed
            << "  Kalan: " << hours.remaining() << "\n";
}

}  // namespace

void AddDemoCommand(CLI::App& app, CliContext& context) {
  CLI::App* command = app.add_subcommand(
      "demo", "Boş açık programa örnek bir okul kurar (tam yerleşebilir bir hafta) ve kaydeder");
  auto options = std::make_shared<DemoOptions>();
  command->add_option("--classes", options->classes, "Sınıf sayısı, 9..12. sınıflara dağıtılır")
      ->check(CLI::Range(1, demo::kMaxDemoClasses))
      ->option_text("N");
  command->add_option("--seed", options->seed, "Aynı tohum aynı okulu verir")->option_text("S");
  command->callback([&context, options] { RunDemo(context, *options); });
}

}  // namespace orvanta::cli
