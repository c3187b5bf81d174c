#include "buffered_console.hpp"

#include <cstring>

// The blocks are left uninitialised, as nothing is read from them before it
// is written (std::make_unique_for_overwrite, which says so, is missing from
// some standard libraries still: Emscripten's libc++ 13).
BufferedConsole::BufferedConsole(Device& device)
    : device_(device), input_(new char[block_size]), output_(new char[block_size]) {}

void BufferedConsole::clear_screen() {
    flush();
    device_.clear_screen();
}

Token BufferedConsole::next_number() {
    return reader_.next();
}

void BufferedConsole::write(std::string_view text) {
    if (text.size() > block_size - output_used_) {
        flush();
        if (text.size() > block_size) {
            device_.write(text);
            return;
        }
    }
    std::memcpy(output_.get() + output_used_, text.data(), text.size());
    output_used_ += text.size();
}

void BufferedConsole::flush() {
    if (output_used_ == 0) {
        return;
    }
    // Emptied first: after a failed write nothing is left to write again.
    const std::string_view pending(output_.get(), output_used_);
    output_used_ = 0;
    device_.write(pending);
}

std::span<const char> BufferedConsole::next_chunk() {
    flush();
    return {input_.get(), device_.read({input_.get(), block_size})};
}
