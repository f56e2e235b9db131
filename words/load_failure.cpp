#include "load_failure.h"

#include "platform/display_text.h"

std::u16string LoadFailureMessage(LoadResult result, const std::filesystem::path &list,
                                  const std::error_code &openError, ListNaming naming) {
    std::u16string message;
    switch (result) {
    case LoadResult::NoAdjectives:
        message = u"WORDLIST.TXT has no adjectives.";
        break;
    case LoadResult::NoNouns:
        message = u"WORDLIST.TXT has no nouns.";
        break;
    case LoadResult::NoAdjectivesOrNouns:
        message = u"WORDLIST.TXT has no adjectives and no nouns.";
        break;
    case LoadResult::TooLarge:
        message = u"WORDLIST.TXT is too large: there is not enough memory to load it.";
        break;
    case LoadResult::CannotOpen:
    case LoadResult::Loaded:
        message = u"Can't run without WORDLIST.TXT,\r\nyou necrotic, incontinent pustule!";
        break;
    }
    const bool missing = openError == std::errc::no_such_file_or_directory;
    if (openError && (!missing || naming == ListNaming::Always))
        message += u"\r\n" + PathText(list) + u": " + ErrorText(openError) + u".";
    else if (!openError && naming == ListNaming::Always)
        message += u"\r\nThe word list is " + PathText(list) + u".";
    return message;
}
