// Standard input and output through a host in JavaScript: the page's
// transcript and text field, or Node.js's standard streams
// (times-table-node.js). host.js connects the calls below to it.
#include "../io_error.hpp"
#include "../platform.hpp"

extern "C" {
// The next bytes of input, at most size of them, waiting for them without
// blocking the page (Asyncify): their count, 0 at the end of input, or a
// negative errno.
int times_table_host_read(char* into, int size);
// 0 once all of bytes is written, or a negative errno.
int times_table_host_write(const char* bytes, int size);
void times_table_host_clear();
}

namespace {

int int_size(std::size_t size) {
    constexpr std::size_t largest = 1 << 30;
    return static_cast<int>(size < largest ? size : largest);
}

class WebDevice final : public Device {
public:
    std::size_t read(std::span<char> into) override {
        const int count = times_table_host_read(into.data(), int_size(into.size()));
        if (count < 0) {
            throw IoError("read error", -count);
        }
        return static_cast<std::size_t>(count);
    }

    void write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const int size = int_size(bytes.size());
            if (const int status = times_table_host_write(bytes.data(), size); status < 0) {
                throw IoError("write error", -status);
            }
            bytes.remove_prefix(static_cast<std::size_t>(size));
        }
    }

    void clear_screen() override { times_table_host_clear(); }
};

}  // namespace

std::unique_ptr<Device> open_standard_streams() {
    return std::make_unique<WebDevice>();
}

// Pages and Node.js both take text as UTF-8.
Texts texts_for_output() {
    return utf8_texts;
}
