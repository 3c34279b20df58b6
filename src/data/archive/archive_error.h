#pragma once

#include "data/io_error.h"

namespace orvanta {

// An archive that cannot be unpacked: too short, not a zlib stream, corrupt, or holding other
// sizes than its header promises. The message is Turkish and names the archive; the files the
// archive would have replaced are unchanged.
class DamagedArchiveError : public IoError {
 public:
  using IoError::IoError;
};

}  // namespace orvanta
