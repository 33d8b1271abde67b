#include "common/assert.h"

#include <cstdio>
#include <cstdlib>

namespace strandel {
namespace {

void AbortingHandler(const char* condition, const char* message, const char* file, int line) {
  std::fprintf(stderr, "Strandel internal error: %s (%s) at %s:%d\n", message, condition, file,
               line);
  std::abort();
}

AssertHandler currentHandler = &AbortingHandler;

} // namespace

AssertHandler SetAssertHandler(AssertHandler handler) {
  AssertHandler previous = currentHandler;
  currentHandler = handler ? handler : &AbortingHandler;
  return previous;
}

void AssertFailed(const char* condition, const char* message, const char* file, int line) {
  currentHandler(condition, message, file, line);
  // A handler that returns would let the broken state run on.
  std::abort();
}

} // namespace strandel
