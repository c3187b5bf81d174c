#pragma once

#include <span>

#include "token.hpp"

// Where the reader's bytes come from, a chunk at a time.
class ByteSource {
public:
    // The next bytes of input, or an empty span at the end of input. May block.
    virtual std::span<const char> next_chunk() = 0;

protected:
    ~ByteSource() = default;
};

// Reads input as a stream of white-space-separated decimal numbers: it skips
// white space, takes an optional sign and digits, and stops at the first byte
// that cannot continue the number, leaving it for the next read. A word that
// cannot start a number is skipped whole and reported as junk. Numbers of any
// length are read in constant memory: their magnitude saturates just past the
// 32-bit range instead of wrapping.
class NumberReader {
public:
    explicit NumberReader(ByteSource& source) : source_(source) {}

    Token next();

private:
    bool has_byte();  // refills from the source when the current chunk is used up
    void skip_word();

    ByteSource& source_;
    const char* pos_ = nullptr;
    const char* end_ = nullptr;
    bool at_end_ = false;
};
