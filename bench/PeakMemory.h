#pragma once

// The process's peak memory so far, in KiB: its peak resident set on Linux,
// its peak working set on Windows; -1 where it cannot be read. One file a
// platform.
long long peakKiB();
