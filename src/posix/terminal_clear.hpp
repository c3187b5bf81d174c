#pragma once

#include <string>

// The bytes that clear the terminal on fd, and its scrollback where it can:
// from its terminfo entry, or the ECMA-48 sequences where TERM names a
// terminal whose entry is not installed. Empty where fd is no terminal, TERM
// is unset, empty, "dumb" or "unknown", or the terminal cannot clear.
std::string terminal_clear_sequence(int fd);
