#pragma once

#include <string_view>

#include "token.hpp"

// All the loop knows of the outside world. BufferedConsole is its one
// implementation; it stays abstract so the loop sees these three calls and no
// buffer, device or platform.
class Console {
public:
    virtual void clear_screen() = 0;  // called once, before any other output
    virtual Token next_number() = 0;
    virtual void write(std::string_view text) = 0;

protected:
    ~Console() = default;
};
