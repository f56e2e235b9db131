#pragma once

#include "finding_log.h"

#include <cstdint>
#include <string_view>

// Finds what a word that loading keeps may hide, on its line: that cleaning changed it, that it
// holds a tab or characters that do not show, or a space other than U+0020 at an end.
void JudgeKeptWord(std::u16string_view raw, std::u16string_view cleaned, uint64_t line,
                   FindingLog &findings);
