#include "data/archive/worker_wait.h"

#include <chrono>
#include <future>
#include <thread>

namespace orvanta {
namespace {

// Short enough that the user interface stays responsive while it waits.
constexpr auto kEventInterval = std::chrono::milliseconds(10);

}  // namespace

void RunOnWorker(const std::function<void()>& work, const ProcessEvents& process_events) {
  std::packaged_task<void()> task(work);
  std::future<void> finished = task.get_future();
  std::thread worker(std::move(task));
  if (process_events) {
    do {
      process_events();
    } while (finished.wait_for(kEventInterval) != std::future_status::ready);
  }
  worker.join();
  finished.get();
}

}  // namespace orvanta
