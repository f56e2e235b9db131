#include "user_languages.h"

#include <cstdlib>

std::vector<std::string> UserLanguages() {
    return LocaleLanguages(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                           std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}
