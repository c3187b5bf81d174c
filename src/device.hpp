#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// A platform's raw standard input and output. Failures throw IoError.
class Device {
public:
    virtual ~Device() = default;

    // Reads what is there, waiting for at least one byte; 0 means end of input.
    virtual std::size_t read(std::span<char> into) = 0;
    // Writes all of bytes, or throws.
    virtual void write(std::string_view bytes) = 0;
    // Clears the screen where the output is one; nothing is pending when called.
    virtual void clear_screen() = 0;
};
