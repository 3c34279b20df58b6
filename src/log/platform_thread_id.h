#pragma once

#include <cstdint>

namespace orvanta::log {

// The operating system's identifier of the calling thread, as it appears in every log line.
std::uint32_t CurrentThreadId();

}  // namespace orvanta::log
