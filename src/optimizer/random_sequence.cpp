#include "optimizer/random_sequence.h"

namespace strandel {

double RandomSequence::Next() {
  // Unsigned arithmetic wraps modulo 2^32 by definition.
  seed_ = seed_ * 134775813u + 1u;
  return static_cast<double>(seed_) / 4294967296.0;
}

} // namespace strandel
