// Standard input through the C runtime's text mode. Standard output through
// it as well when redirected; a console gets the bytes as they are where it
// shows code page 949, and UTF-16 through WriteConsoleW where it does not.
#include <windows.h>

#include <io.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "../io_error.hpp"
#include "../platform.hpp"

namespace {

constexpr UINT korean_code_page = 949;

// Consoles before Windows 8 take every write from a 64 KB heap that all the
// processes on the console share, and fail a large one with
// ERROR_NOT_ENOUGH_MEMORY; a write of a few KiB always fits.
constexpr std::size_t console_write_bytes = 8 * 1024;

// The length of the longest start of bytes that fits one console write and
// ends between two characters of code page 949.
std::size_t whole_characters_that_fit(std::string_view bytes) {
    std::size_t end = 0;
    while (end < bytes.size()) {
        const std::size_t length =
            IsDBCSLeadByteEx(korean_code_page, static_cast<BYTE>(bytes[end])) != 0 ? 2 : 1;
        if (end + length > console_write_bytes) {
            break;
        }
        end += length;
    }
    return std::min(end, bytes.size());
}

[[noreturn]] void fail_last_error(const char* action) {
    char reason[256] = "unknown error";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0,
                   reason, sizeof reason, nullptr);
    std::string_view words = reason;
    throw IoError(action, words.substr(0, words.find_last_not_of("\r\n .") + 1));
}

class WindowsDevice final : public Device {
public:
    WindowsDevice() : output_(GetStdHandle(STD_OUTPUT_HANDLE)) {
        DWORD mode = 0;
        if (GetConsoleMode(output_, &mode) != 0) {
            target_ = GetConsoleOutputCP() == korean_code_page ? Target::console_bytes : Target::console_wide;
        }
    }

    // The runtime's text mode turns CR LF into LF and, on a console, takes
    // Ctrl+Z as the end of input.
    std::size_t read(std::span<char> into) override {
        const int count =
            _read(0, into.data(), static_cast<unsigned>(std::min<std::size_t>(into.size(), INT_MAX)));
        if (count < 0) {
            throw IoError("read error", errno);
        }
        return static_cast<std::size_t>(count);
    }

    void write(std::string_view bytes) override {
        switch (target_) {
            case Target::redirected:
                write_text_mode(bytes);
                break;
            case Target::console_bytes:
                write_console_bytes(bytes);
                break;
            case Target::console_wide:
                write_console_wide(bytes);
                break;
        }
    }

    // What cls does, done in this process: starting cmd.exe for it would
    // cost a second process, and group policy may forbid cmd.exe. Where the
    // console takes virtual terminal sequences (Windows 10 and 11) they do
    // it, and the console's mode is put back as it was; where it refuses
    // them (Windows 7 and 8.1, conhost's legacy mode), the console API does.
    // Redirected output is left alone: cls would put a form feed into the
    // file. As with cls, a failure leaves the screen as it was and the
    // program goes on.
    void clear_screen() override {
        DWORD mode = 0;
        if (target_ == Target::redirected || GetConsoleMode(output_, &mode) == 0) {
            return;
        }
        if (SetConsoleMode(output_, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) {
            erase_with_sequences();
            SetConsoleMode(output_, mode);
        } else {
            blank_every_cell();
        }
    }

private:
    enum class Target { redirected, console_bytes, console_wide };

    // Cursor home, erase the display, erase the scrollback, as clear(1)
    // writes them. A terminal host (Windows Terminal, VS Code, any behind
    // ConPTY) keeps its scrollback where the console API cannot reach it,
    // and only these sequences empty it; conhost takes them as well.
    void erase_with_sequences() const {
        static constexpr std::string_view clear = "\x1b[H\x1b[2J\x1b[3J";
        DWORD written = 0;
        WriteFile(output_, clear.data(), static_cast<DWORD>(clear.size()), &written, nullptr);
    }

    // Every cell of the screen buffer, scrollback included, becomes a blank
    // in the current colours, and the cursor goes to the top left.
    void blank_every_cell() const {
        CONSOLE_SCREEN_BUFFER_INFO screen{};
        if (GetConsoleScreenBufferInfo(output_, &screen) == 0) {
            return;
        }
        const auto cells = static_cast<DWORD>(screen.dwSize.X) * static_cast<DWORD>(screen.dwSize.Y);
        const COORD top_left{0, 0};
        DWORD written = 0;
        FillConsoleOutputCharacterW(output_, L' ', cells, top_left, &written);
        FillConsoleOutputAttribute(output_, screen.wAttributes, cells, top_left, &written);
        SetConsoleCursorPosition(output_, top_left);
    }

    // Text mode writes each "\n" as CR LF; the bytes themselves go as they are.
    static void write_text_mode(std::string_view bytes) {
        while (!bytes.empty()) {
            const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), INT_MAX));
            const int count = _write(1, bytes.data(), chunk);
            if (count < 0) {
                throw IoError("write error", errno);
            }
            bytes.remove_prefix(std::min(static_cast<std::size_t>(count), bytes.size()));
        }
    }

    // Not through the C runtime: on a console it may re-encode the bytes from
    // its own locale's code page (Wine's does), which garbles them. The
    // console itself moves to a new line on "\n".
    void write_console_bytes(std::string_view bytes) const {
        while (!bytes.empty()) {
            DWORD written = 0;
            const auto chunk = static_cast<DWORD>(whole_characters_that_fit(bytes));
            if (WriteFile(output_, bytes.data(), chunk, &written, nullptr) == 0) {
                fail_last_error("write error");
            }
            bytes.remove_prefix(std::min<std::size_t>(written, bytes.size()));
        }
    }

    // The console shows another code page, so the code page 949 bytes are
    // turned into UTF-16 and written as characters. Everything goes this way,
    // tables too, so nothing overtakes anything else. Code page 949 has no
    // character beyond the Basic Multilingual Plane, one UTF-16 unit each, so
    // no write ends in the middle of one.
    void write_console_wide(std::string_view bytes) const {
        if (bytes.empty()) {
            return;
        }
        const int length = static_cast<int>(bytes.size());
        const int wide_length = MultiByteToWideChar(korean_code_page, 0, bytes.data(), length, nullptr, 0);
        if (wide_length <= 0) {
            fail_last_error("write error");
        }
        std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
        MultiByteToWideChar(korean_code_page, 0, bytes.data(), length, wide.data(), wide_length);
        std::wstring_view rest = wide;
        while (!rest.empty()) {
            DWORD written = 0;
            const auto chunk =
                static_cast<DWORD>(std::min(rest.size(), console_write_bytes / sizeof(wchar_t)));
            if (WriteConsoleW(output_, rest.data(), chunk, &written, nullptr) == 0) {
                fail_last_error("write error");
            }
            rest.remove_prefix(std::min<std::size_t>(written, rest.size()));
        }
    }

    HANDLE output_;
    Target target_ = Target::redirected;
};

}  // namespace

std::unique_ptr<Device> open_standard_streams() {
    return std::make_unique<WindowsDevice>();
}

// The bytes go out as they are, converted, where need be, on their way to
// the console.
Texts texts_for_output() {
    return cp949_texts;
}
