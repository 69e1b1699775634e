// Holds a file open without sharing it, as an editor or a virus scanner on
// Windows may, so that tests can try to replace it.
//   file_holder FILE SIGNAL
// Opens FILE, then creates SIGNAL, and closes FILE once SIGNAL is gone (or
// after a minute).
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    const HANDLE file = CreateFileW(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(
        CreateFileW(argv[2], GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    for (int waited = 0; waited < 600 && GetFileAttributesW(argv[2]) != INVALID_FILE_ATTRIBUTES; ++waited)
        Sleep(100);
    CloseHandle(file);
    return 0;
}
