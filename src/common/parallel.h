#pragma once
// Work over a range of items shared out among the processor's cores. Each part
// is a contiguous run of items; a caller that keeps a result per part merges
// them afterwards, so nothing is shared while the parts run.

#include <cstddef>
#include <functional>

namespace strandel {

// How many parts ParallelFor uses for `count` items: one per core, but no part
// with fewer than `minPerPart` items, and always at least one; one inside a
// part, whose cores are taken.
std::size_t ParallelParts(std::size_t count, std::size_t minPerPart);

using PartWork = std::function<void(std::size_t part, std::size_t from, std::size_t to)>;

// Cuts [0, count) into `parts` contiguous runs in order and calls
// work(part, from, to) for each, numbered from the first; every run but the
// last gets a thread of its own, the last runs on this one. An exception from any part is rethrown
// here once every part has ended.
void RunInParts(std::size_t count, std::size_t parts, const PartWork& work);

// RunInParts with ParallelParts(count, minPerPart) parts.
void ParallelFor(std::size_t count, std::size_t minPerPart, const PartWork& work);

} // namespace strandel
