// Standard input and output through read(2) and write(2).
#include <cerrno>

#include <poll.h>
#include <unistd.h>

#include "../io_error.hpp"
#include "../platform.hpp"
#include "terminal_clear.hpp"

namespace {

bool would_block(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;  // the same value on most systems, not all
}

// Another process may have made the open file behind a standard stream
// non-blocking. Its flags are shared with that process and so not ours to
// change: the stream is waited for instead, without spinning.
void wait_until_ready(int fd, short events, const char* action) {
    pollfd stream{fd, events, 0};
    while (::poll(&stream, 1, -1) < 0) {
        if (errno != EINTR) {
            throw IoError(action, errno);
        }
    }
}

class PosixDevice final : public Device {
public:
    std::size_t read(std::span<char> into) override {
        for (;;) {
            const ssize_t count = ::read(STDIN_FILENO, into.data(), into.size());
            if (count >= 0) {
                return static_cast<std::size_t>(count);
            }
            if (would_block(errno)) {
                wait_until_ready(STDIN_FILENO, POLLIN, "read error");
            } else if (errno != EINTR) {
                throw IoError("read error", errno);
            }
        }
    }

    void write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t count = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
            if (count >= 0) {
                bytes.remove_prefix(static_cast<std::size_t>(count));
            } else if (would_block(errno)) {
                wait_until_ready(STDOUT_FILENO, POLLOUT, "write error");
            } else if (errno != EINTR) {
                throw IoError("write error", errno);
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
