#include "heap_tracker.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {
std::atomic<std::size_t> current{0};
std::atomic<std::size_t> peak{0};

void *Allocate(std::size_t size) {
    void *p = std::malloc(size == 0 ? 1 : size);
    if (!p)
        throw std::bad_alloc();
    const std::size_t now = current += malloc_usable_size(p);
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return p;
}

void Release(void *p) {
    if (!p)
        return;
    current -= malloc_usable_size(p);
    std::free(p);
}
} // namespace

void *operator new(std::size_t size) {
    return Allocate(size);
}
void *operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void *p) noexcept {
    Release(p);
}
void operator delete[](void *p) noexcept {
    Release(p);
}
void operator delete(void *p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void *p, std::size_t) noexcept {
    Release(p);
}

void heap::ResetPeak() {
    peak = current.load();
}
std::size_t heap::Peak() {
    return peak.load();
}
