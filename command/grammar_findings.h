#pragma once

#include "finding_log.h"
#include "words/list_reading.h"

// What the checker says of a line's grammar, by the notation's rules as the loader applies
// them (ReadGrammar and the language line's verdict): a language line that is unknown or comes
// too late, a line that begins with "@" but says no language, a grammar line in a list read as
// English, a word left out for its grammar, a spelled-out form that the rule would make
// otherwise, a place that the language does not let a list choose, and a "/" in a word that
// has no forms. Returns whether the line began with "@" or was a word left out for its grammar,
// so that nothing else is said of it.
bool JudgeGrammar(const LineReading &reading, FindingLog &findings);

// A gender's name, as the findings say it: "masculine", "feminine", "neuter".
std::u16string_view GenderName(Gender gender);
