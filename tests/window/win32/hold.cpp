// Holds what the program under test may want, as other programs do, until a line comes on
// standard input: the clipboard open, or a file open that others may read and write but not
// delete. Prints "holding" once it holds it. Under Wine, for tests/windows_test.sh.
//
// hold clipboard
// hold file PATH
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t *argv[]) {
    HANDLE file = INVALID_HANDLE_VALUE;
    if (argc == 2 && std::wcscmp(argv[1], L"clipboard") == 0) {
        if (!::OpenClipboard(nullptr))
            return 1;
    } else if (argc == 3 && std::wcscmp(argv[1], L"file") == 0) {
        file = ::CreateFileW(argv[2], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return 1;
    } else {
        return 2;
    }
    std::puts("holding");
    std::fflush(stdout);
    char line[16];
    std::fgets(line, sizeof line, stdin);
    if (file == INVALID_HANDLE_VALUE)
        ::CloseClipboard();
    else
        ::CloseHandle(file);
    return 0;
}
