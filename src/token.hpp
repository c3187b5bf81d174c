#pragma once

#include <cstdint>

// What one read of the input yields.
struct Token {
    enum class Kind {
        number,        // a whole number that fits 32 signed bits, in value
        out_of_range,  // a whole number beyond 32 signed bits
        junk,          // a word that does not start a number; it has been skipped
        end,           // the end of input
    };
    Kind kind;
    std::int32_t value = 0;

    friend bool operator==(const Token&, const Token&) = default;
};
