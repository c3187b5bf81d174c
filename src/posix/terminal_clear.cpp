// Kept apart: <term.h> defines every capability name (clear_screen, lines,
// ...) as a macro, which must not reach the rest of the program.
#include "terminal_clear.hpp"

#include <cstdlib>
#include <string_view>

#include <curses.h>
#include <term.h>
#include <unistd.h>

namespace {

// tputs hands the sequence over a byte at a time, padding included.
std::string* gathered = nullptr;

int gather(int byte) {
    gathered->push_back(static_cast<char>(byte));
    return byte;
}

// Cursor home, erase the display, erase the scrollback: ECMA-48's sequences,
// which every terminal in use today understands, and what their own entries
// hold for "clear" and "E3".
constexpr std::string_view ecma48_clear = "\x1b[H\x1b[2J\x1b[3J";

// Where a terminal's entry is missing (new terminals such as kitty, ghostty
// or alacritty name entries a plain install lacks, and ssh or a container
// rarely has them), its name still says a terminal is there. Only "dumb",
// and "unknown" which stands for no name, say it cannot clear.
bool clears_without_entry(std::string_view term) {
    return term != "dumb" && term != "unknown";
}

}  // namespace

std::string terminal_clear_sequence(int fd) {
    std::string sequence;
    const char* term = std::getenv("TERM");
    if (isatty(fd) == 0 || term == nullptr || *term == '\0') {
        return sequence;
    }
    int status = 0;
    if (setupterm(term, fd, &status) != OK) {
        // 0: no entry for the name, -1: no terminfo database; 1 is a hardcopy terminal.
        if (status != 1 && clears_without_entry(term)) {
            sequence = ecma48_clear;
        }
        return sequence;
    }
    // "clear" clears the screen; "E3", where the terminal has it, its
    // scrollback too, as clear(1) and the Windows console's cls do.
    const auto has = [](const char* capability) {
        return capability != nullptr && capability != reinterpret_cast<char*>(-1);
    };
    const char* clear = tigetstr("clear");
    if (has(clear)) {
        const char* scrollback = tigetstr("E3");
        gathered = &sequence;
        tputs(clear, lines > 0 ? lines : 1, gather);
        if (has(scrollback)) {
            tputs(scrollback, 1, gather);
        }
        gathered = nullptr;
    }
    del_curterm(cur_term);
    return sequence;
}
