#include "heap_meter.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace strandel::bench {
namespace {

std::atomic<std::size_t> current{0}, peak{0}, base{0}, allocations{0};

void* Allocate(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) return nullptr;
  ++allocations;
  const std::size_t now = current += malloc_usable_size(p);
  std::size_t seen = peak.load();
  while (now > seen && !peak.compare_exchange_weak(seen, now)) {
  }
  return p;
}

void Release(void* p) {
  if (!p) return;
  current -= malloc_usable_size(p);
  std::free(p);
}

} // namespace

void ResetHeapPeak() {
  base = current.load();
  peak = current.load();
}

std::size_t HeapPeakBytes() {
  return peak.load() - base.load();
}

std::size_t AllocationCount() {
  return allocations.load();
}

} // namespace strandel::bench

void* operator new(std::size_t size) {
  if (void* p = strandel::bench::Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  if (void* p = strandel::bench::Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return strandel::bench::Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return strandel::bench::Allocate(size);
}
void operator delete(void* p) noexcept {
  strandel::bench::Release(p);
}
void operator delete[](void* p) noexcept {
  strandel::bench::Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
  strandel::bench::Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  strandel::bench::Release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  strandel::bench::Release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  strandel::bench::Release(p);
}
