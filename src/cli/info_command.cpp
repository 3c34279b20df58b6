#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "data/io_error.h"
#include "data/hour_totals.h"

namespace orvanta::cli {
namespace {

nlohmann::ordered_json InfoJson(const SchoolData& data) {
  nlohmann::ordered_json sets = nlohmann::ordered_json::array();
  for (const ProgType& set : data.progs) {
    sets.push_back({{"no", set.No}, {"name", set.Name.Text()}, {"current", set.Current == 1}});
  }
  const HourTotals hours = ComputeHourTotals(data);
  return {
      {"data_root", PathText(data.paths.data_root)},
      {"open_set", data.open_set_no},
      {"sets", sets},
      {"counts",
       {{"lessons", data.lessons.Count()},
        {"classes", data.classes.Count()},
        {"rooms", data.rooms.Count()},
        {"teachers", data.teachers.Count()},
        {"class_lessons", data.commons.Count()},
        {"duty_places", data.duties.Count()}}},
      {"hours", {{"total", hours.total}, {"placed", hours.placed}, {"remaining", hours.remaining()}}},
  };
}

void PrintInfoText(const SchoolData& data) {
  std::cout << "Veri klasörü: " << PathText(data.paths.data_root) << "\n";
  std::cout << "Programlar:\n";
  for (const ProgType& set : data.progs) {
    std::cout << (set.No == data.open_set_no ? "  * " : "    ") << set.No << "  " << set.Name.Text()
              << "\n";
  }
  std::cout << "Açık program: " << data.open_set_no << "\n"
            << "Dersler: " << data.lessons.Count() << "\n"
            << "Sınıflar: " << data.classes.Count() << "\n"
            << "Derslikler: " << data.rooms.Count() << "\n"
            << "Öğretmenler: " << data.teachers.Count() << "\n"
            << "Sınıf dersleri: " << data.commons.Count() << "\n"
            << "Nöbet yerleri: " << data.duties.Count() << "\n";
  const HourTotals hours = ComputeHourTotals(data);
  std::cout << "Toplam: " << hours.total << "  Yerleşen: " << hours.placed
            << "  Kalan: " << hours.remaining() << "\n";
}

}  // namespace

void AddInfoCommand(CLI::App& app, CliContext& context) {
  CLI::App* command = app.add_subcommand("info", "Programları, kayıt sayılarını ve saatleri gösterir");
  static bool as_json = false;
  command->add_flag("--json", as_json, "JSON olarak yazar");
  command->callback([&context] {
    const SchoolData& data = context.Data();
    if (as_json) {
      std::cout << InfoJson(data).dump(2) << "\n";
    } else {
      PrintInfoText(data);
    }
  });
}

}  // namespace orvanta::cli
