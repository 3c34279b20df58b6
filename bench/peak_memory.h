#pragma once

// The most memory the process has held so far, from the operating system.

namespace orvanta::bench {

// Peak resident memory of this process in mebibytes; 0 when the system does not tell.
double PeakMemoryMiB();

}  // namespace orvanta::bench
