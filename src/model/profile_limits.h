#pragma once
// Limits of the stored form that the writers keep to.

#include <cstddef>

#include "common/profile_file.h"

namespace strandel {

// An object line must read back whole: values are read with at most this many characters.
constexpr std::size_t kMaxStoredLineLength = kMaxProfileValueLength;

} // namespace strandel
