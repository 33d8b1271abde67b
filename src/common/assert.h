#pragma once
// Loud checks of the program's own invariants. A broken invariant is a bug, never
// a user's mistake: the program stops with the message; tests install a handler
// that throws, so "never reads outside its band" can be a one-line test.

#include <string>

namespace strandel {

using AssertHandler = void (*)(const char* condition, const char* message, const char* file,
                               int line);

// Replaces the handler; returns the previous one. The default prints and aborts.
AssertHandler SetAssertHandler(AssertHandler handler);
[[noreturn]] void AssertFailed(const char* condition, const char* message, const char* file,
                               int line);

} // namespace strandel

#define STRANDEL_ASSERT(condition, message)                                                        \
  do {                                                                                             \
    if (!(condition)) ::strandel::AssertFailed(#condition, message, __FILE__, __LINE__);           \
  } while (false)
