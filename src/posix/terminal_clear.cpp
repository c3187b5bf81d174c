// Kept apart: <term.h> defines every capability name (clear_screen, lines,
// ...) as a macro, which must not reach the rest of the program.
#include "terminal_clear.hpp"

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

}  // namespace

std::string terminal_clear_sequence(int fd) {
    std::string sequence;
    int status = 0;
    if (isatty(fd) == 0 || setupterm(nullptr, fd, &status) != OK) {
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
