#include "common/parallel.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace strandel {
namespace {

// Set while a part runs: work it starts runs in one part, since the cores are
// taken already.
thread_local bool inPart = false;

} // namespace

std::size_t ParallelParts(std::size_t count, std::size_t minPerPart) {
  const std::size_t enough = minPerPart == 0 ? count : count / minPerPart;
  // Small work, as an optimizer's trial point has, asks the system nothing.
  if (inPart || enough < 2) return 1;
  static const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  return std::min(cores, enough);
}

void ParallelFor(std::size_t count, std::size_t minPerPart, const PartWork& work) {
  RunInParts(count, ParallelParts(count, minPerPart), work);
}

void RunInParts(std::size_t count, std::size_t parts, const PartWork& work) {
  parts = std::max<std::size_t>(parts, 1);
  std::vector<std::exception_ptr> failures(parts);
  const auto run = [&](std::size_t part) {
    const bool outer = inPart;
    inPart = true;
    try {
      work(part, count * part / parts, count * (part + 1) / parts);
    } catch (...) {
      failures[part] = std::current_exception();
    }
    inPart = outer;
  };
  std::vector<std::thread> threads;
  for (std::size_t part = 0; part + 1 < parts; ++part) {
    // Without a thread to spare the part runs here all the same.
    try {
      threads.emplace_back(run, part);
    } catch (const std::system_error&) {
      run(part);
    }
  }
  run(parts - 1);
  for (std::thread& thread : threads)
    thread.join();
  for (const std::exception_ptr& failure : failures)
    if (failure) std::rethrow_exception(failure);
}

} // namespace strandel
