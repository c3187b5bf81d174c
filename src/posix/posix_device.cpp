// Standard input and output through read(2) and write(2).
#include <cerrno>
#include <cstring>
#include <string>

#include <unistd.h>

#include "../io_error.hpp"
#include "../platform.hpp"
#include "terminal_clear.hpp"

namespace {

[[noreturn]] void fail(const char* action) {
    throw IoError(std::string(action) + ": " + std::strerror(errno));
}

class PosixDevice final : public Device {
public:
    std::size_t read(std::span<char> into) override {
        for (;;) {
            const ssize_t count = ::read(STDIN_FILENO, into.data(), into.size());
            if (count >= 0) {
                return static_cast<std::size_t>(count);
            }
            if (errno != EINTR) {
                fail("read error");
            }
        }
    }

    void write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t count = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
            if (count >= 0) {
                bytes.remove_prefix(static_cast<std::size_t>(count));
            } else if (errno != EINTR) {
                fail("write error");
            }
        }
    }

    // Only a terminal is cleared: a pipe or a file gets exactly the texts.
    void clear_screen() override { write(terminal_clear_sequence(STDOUT_FILENO)); }
};

}  // namespace

std::unique_ptr<Device> open_standard_streams() {
    return std::make_unique<PosixDevice>();
}
