#include <cstdio>

#include "buffered_console.hpp"
#include "io_error.hpp"
#include "platform.hpp"
#include "times_table_loop.hpp"

int main() {
    try {
        const Texts texts = texts_for_output();
        const auto device = open_standard_streams();
        BufferedConsole console(*device);
        run_times_table(console, texts);
        console.flush();
        return 0;
    } catch (const IoError& error) {
        std::fprintf(stderr, "times-table: %s\n", error.what());
        return 1;
    }
}
