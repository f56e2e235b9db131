#pragma once

#include "list_check.h"

#include <string>
#include <vector>

// The lines that end a check's report: the list read by `name`, its encoding, line ends, line
// and word counts, adverb share and at most how many different epithets it makes. `leftOut`:
// whether words were left out, so that the lines add up with them.
std::vector<std::u16string> SummaryLines(const std::u16string &name, const ListCheck &check,
                                         bool leftOut);
