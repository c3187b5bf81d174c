#pragma once

#include <stdexcept>

// A failed read or write of the standard streams. The program stops on the
// first one and reports it; its message reads "read error: <reason>" or
// "write error: <reason>".
class IoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
