#pragma once
// The optimizer's random numbers: a 32-bit linear congruential generator. The
// main window owns one sequence for the program run, started from seed 0 and
// never reseeded, so every start of the program repeats the same runs and a
// result can be reproduced; a strandel-cli run starts its own from 0.

#include <cstdint>

namespace strandel {

class RandomSequence {
public:
  explicit RandomSequence(std::uint32_t seed = 0) : seed_(seed) {}

  // The next value, uniform in [0, 1): seed := seed x 134775813 + 1 (mod 2^32),
  // then seed / 2^32.
  double Next();
  std::uint32_t Seed() const { return seed_; }

private:
  std::uint32_t seed_;
};

} // namespace strandel
