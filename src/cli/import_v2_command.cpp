#include <iostream>

#include "cli/commands.h"
#include "data/archive/automatic_backup.h"
#include "data/archive/v2_import.h"

namespace orvanta::cli {

void AddImportV2Command(CLI::App& app, CliContext& context) {
  CLI::App* command = app.add_subcommand(
      "import-v2",
      "Önceki sürümün verilerini boş programa aktarır: eski yedek dosyasından ya da klasörden");
  static std::string source;
  source.clear();
  command->add_option("FILE|DIR", source, "Eski yedek dosyası (.zip) ya da .prg2 klasörü")
      ->required();
  command->callback([&context] {
    SchoolData& data = context.Data();
    if (!IsEmptyForImport(data)) {
      std::cerr << "Hata: aktarma yalnız dersleri, sınıfları, öğretmenleri ve derslikleri boş "
                   "bir programa yapılır.\n";
      throw CLI::RuntimeError(2);
    }
    const std::filesystem::path path = std::filesystem::u8path(source);
    AutomaticBackup backup(context.clock());
    const ImportReport report = std::filesystem::is_directory(path)
                                    ? ImportV2(data, path, backup.Step())
                                    : ImportV2Archive(data, path, backup.Step());
    for (const std::string& note : report.notes) std::cout << note << "\n";
    std::cout << "Aktarıldı: " << data.lessons.Count() << " ders, " << data.classes.Count()
              << " sınıf, " << data.rooms.Count() << " derslik, " << data.teachers.Count()
              << " öğretmen, " << data.commons.Count() << " sınıf dersi.\n";
  });
}

}  // namespace orvanta::cli
