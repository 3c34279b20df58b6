// Measures "Otomat" on generated demo schools: one row per school size with the classes,
// teachers, hours to place, the share placed, the teachers' gaps and lone days, the seconds the
// run took and the process's peak memory so far. Every school has a complete placement (the demo
// school is built from one), so the share placed measures the engine alone.
//
//   autoplace [CLASSES...]     (default: 12 24 48 96)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "cli/placement_summary.h"
#include "cli/unattended_run.h"
#include "data/record_defaults.h"
#include "engine/auto_placement.h"
#include "engine/demo_school.h"
#include "peak_memory.h"

namespace {

using namespace orvanta;

// Each size has its own fixed seed, so a row is comparable from one build to the next.
constexpr uint64_t kSeedBase = 1000;

void MeasureSchool(int classes) {
  SchoolData data("/nonexistent");
  FillDefaults(data.option);
  demo::GenerateDemoSchool(data, classes, kSeedBase + static_cast<uint64_t>(classes));

  cli::UnattendedRun control;
  AutoPlacement placement(data, control);
  const auto start = std::chrono::steady_clock::now();
  placement.RunAll(/*selected_teacher_no=*/0);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

  const cli::PlacementSummary summary = cli::SummarisePlacement(data);
  const double share = summary.total > 0 ? 100.0 * summary.placed / summary.total : 100.0;
  std::printf("%7d %9d %6d %8.2f %6d %6d %9.2f %9.1f\n", classes, data.teachers.Count(),
              summary.total, share, summary.gaps, summary.lone_days, elapsed.count(),
              bench::PeakMemoryMiB());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {12, 24, 48, 96};
  std::printf("classes  teachers  hours  placed%%   gaps   lone   seconds  peak MiB\n");
  for (int classes : sizes) MeasureSchool(classes);
  return 0;
}
