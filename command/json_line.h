#pragma once

#include "compose/epithet.h"

#include <string>
#include <string_view>
#include <vector>

// An epithet as one line of JSON: {"epithet":"vile toad","words":[{"word":"vile",
// "class":"adjective"},{"word":"toad","class":"noun"}]}.
std::u16string JsonLine(std::u16string_view epithet, const std::vector<EpithetWord> &words);
