#include "load_failure.h"

#include "line_splitter.h"

#include "platform/display_text.h"

namespace {

// What is wrong, the list called `name`.
std::u16string WhatIsWrong(LoadResult result, const std::u16string &name, uint64_t longLine) {
    switch (result) {
    case LoadResult::NoAdjectives:
        return name + u" has no adjectives.";
    case LoadResult::NoNouns:
        return name + u" has no nouns.";
    case LoadResult::NoAdjectivesOrNouns:
        return name + u" has no adjectives and no nouns.";
    case LoadResult::TooLarge:
        return name + u" is too large: there is not enough memory to load it.";
    case LoadResult::LineTooLong:
        return name + u" is not a word list: " + LineTooLongText(longLine) + u".";
    case LoadResult::CannotOpen:
    case LoadResult::Loaded:
    case LoadResult::Stopped:
        break;
    }
    return u"Can't run without " + name + u",\r\nyou necrotic, incontinent pustule!";
}

// The list as the messages have always called it, in capitals: WORDLIST.TXT, or
// WORDLIST.DE.TXT for the list in German.
std::u16string CapitalName(const std::filesystem::path &list) {
    std::u16string name = PathText(list.filename());
    for (char16_t &c : name) {
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return name;
}

} // namespace

std::u16string LoadFailureMessage(LoadResult result, const std::filesystem::path &list,
                                  const std::error_code &openError, ListNaming naming,
                                  uint64_t longLine) {
    std::u16string message = WhatIsWrong(result, CapitalName(list), longLine);
    const bool missing = openError == std::errc::no_such_file_or_directory;
    // A list that is there but cannot be read is named, whoever's it is.
    if (openError && (!missing || naming == ListNaming::Always))
        message += u"\r\n" + PathText(list) + u": " + ErrorText(openError) + u".";
    else if (!openError && (naming == ListNaming::Always || result == LoadResult::LineTooLong))
        message += u"\r\nThe word list is " + PathText(list) + u".";
    return message;
}

std::u16string NamedListFailureMessage(LoadResult result, const std::u16string &name,
                                       const std::error_code &openError, uint64_t longLine) {
    std::u16string message = WhatIsWrong(result, name, longLine);
    if (openError)
        message += u"\r\n" + name + u": " + ErrorText(openError) + u".";
    return message;
}

std::u16string LineTooLongText(uint64_t line) {
    return u"line " + Decimal(line) + u" is longer than " + Decimal(kLongestLine >> 20) + u" MiB";
}
