#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Where the program reads its word list and appends its saved epithets.
//
// A portable copy (the build tree, or any folder the program was copied into) keeps both files
// beside the program and nowhere else. An installed copy never writes where it is installed,
// whoever runs it: it reads the word list from the user's data folder when the user has put
// one there, a shipped one otherwise, and saves into the user's data folder. The shipped list
// read is that of the first of the user's languages that has one, English where none has.
struct AppFiles {
    std::filesystem::path wordList;
    std::filesystem::path saveDirectory; // empty when an installed copy has no user data folder
    bool userWordList = false;           // the list is one the user put in the user data folder
};

AppFiles LocateAppFiles(const std::filesystem::path &programDirectory,
                        const std::filesystem::path &userDirectory,
                        const std::vector<std::string> &languages);

// The languages a list is shipped in, as `vilify --language` names them.
inline constexpr std::string_view kShippedLanguages[] = {"de", "en", "es", "fr"};

// The folder that holds the shipped lists: an installed copy's data folder, or the program's.
std::filesystem::path ShippedListDirectory(const std::filesystem::path &programDirectory);

// A language's shipped list in the folder: the word list itself for English, wordlist.de.txt
// and the like for another, under whatever case of its name it has there.
std::filesystem::path ShippedWordList(const std::filesystem::path &directory,
                                      std::string_view language);

// Where an installed copy keeps its default word list, or empty for a portable copy. On Linux
// an installed copy is recognised by its list in share/vilifex/ under the folder above its own,
// as /usr/games/vilifex finds /usr/share/vilifex/wordlist.txt; on Windows, by a folder under
// Program Files, one it cannot create a file in, or one that holds the installer's uninstaller;
// there the list lies beside it.
std::filesystem::path InstalledDataDirectory(const std::filesystem::path &programDirectory);

// The word list's name, also the English list's; a folder may hold it under any case of its
// letters.
inline constexpr char kWordListName[] = "wordlist.txt";

// The word list in the folder, under whatever case of its name it has there.
std::filesystem::path WordListPath(const std::filesystem::path &directory);

// Whether the folder holds something by the word list's name, under any case of it: a folder
// or a pipe there is a list the user meant, which then cannot be read, and is said so.
bool HasWordList(const std::filesystem::path &directory);

// The folder that holds the running program, from the path of its executable as the system
// gives it, whatever bytes the folder's name holds; empty if the system does not say.
std::filesystem::path ProgramDirectory();

// The user's data folder for the program: on Windows %APPDATA%\vilifex; elsewhere by the XDG
// base-directory rules, XDG_DATA_HOME, or else HOME/.local/share, followed by vilifex, where a
// relative path in either counts as unset. Empty when there is none.
std::filesystem::path UserDataDirectory();

// Why there is no user data folder, naming what the system was asked for.
std::u16string NoUserDataDirectoryReason();

// The XDG rule alone, from the variables' values (null when unset).
std::filesystem::path UserDataDirectory(const char *xdgDataHome, const char *home);
