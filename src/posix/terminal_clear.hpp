#pragma once

#include <string>

// The bytes that clear the terminal on fd, and its scrollback where it can,
// from its terminfo entry; empty where fd is no terminal, its type is
// unknown, or it cannot be cleared.
std::string terminal_clear_sequence(int fd);
