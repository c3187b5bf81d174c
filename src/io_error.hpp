#pragma once

#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

// A failed read or write of the standard streams. The program stops on the
// first one and reports it as "<action>: <reason>", "write error: Broken pipe".
class IoError : public std::runtime_error {
public:
    IoError(std::string_view action, std::string_view reason)
        : std::runtime_error(std::string(action) + ": " + std::string(reason)) {}
    // The reason in the C library's words for an errno value.
    IoError(std::string_view action, int error) : IoError(action, std::strerror(error)) {}
};
