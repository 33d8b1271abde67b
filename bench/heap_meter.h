#pragma once
// The heap a benchmark uses: every operator new of the program is counted, so a
// benchmark can report the peak of what was allocated between two points.

#include <cstddef>

namespace strandel::bench {

// Starts a new measurement from what is allocated now.
void ResetHeapPeak();
// The largest number of bytes allocated at once since the last reset, over what
// was allocated at the reset.
std::size_t HeapPeakBytes();
// The number of allocations since the program started; the difference of two
// readings counts the allocations in between.
std::size_t AllocationCount();

} // namespace strandel::bench
