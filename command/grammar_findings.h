#pragma once

#include "finding_log.h"
#include "words/list_reading.h"

// What the checker says of a line's grammar, by the notation's rules as the loader applies
// them (ReadGrammar and the language line's verdict): a language line that is unknown or comes
// too late, a grammar line in a list that does not say its language, a word left out for its
// grammar, and a spelled-out form that the rule would make otherwise. Returns whether the line
// was a language line or a word left out for its grammar, so that nothing else is said of it.
bool JudgeGrammar(const LineReading &reading, FindingLog &findings);
