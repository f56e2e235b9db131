#pragma once

#include <cstddef>

// Counts the bytes the program holds on the heap, through replacements of the global operator
// new and delete, so a benchmark can report the peak of one run.
namespace heap {
void ResetPeak();
std::size_t Peak();
} // namespace heap
