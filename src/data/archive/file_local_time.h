#pragma once

#include <filesystem>

#include "data/clock.h"

namespace orvanta {

// The local time of a file time, as the user's calendar shows it.
LocalDateTime LocalTimeOf(std::filesystem::file_time_type time);

}  // namespace orvanta
