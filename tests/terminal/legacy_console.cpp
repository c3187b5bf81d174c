// Linked into a copy of the program, makes its console refuse virtual
// terminal sequences, as the consoles of Windows 7 and 8.1 and conhost's
// legacy mode do; Wine's console takes any mode. Other modes go through.
#include <windows.h>

namespace {

BOOL WINAPI set_console_mode(HANDLE console, DWORD mode) {
    if ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    static const auto system_call = reinterpret_cast<decltype(&SetConsoleMode)>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetConsoleMode")));
    return system_call(console, mode);
}

}  // namespace

// The program calls SetConsoleMode through this pointer; defined here, it
// stands in for the import library's.
extern "C" {
decltype(&SetConsoleMode) __imp_SetConsoleMode = set_console_mode;
}
