#include <cstdio>
#include <string>

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
        const std::string message = std::string("times-table: ") + error.what() + "\n";
        std::fputs(message.c_str(), stderr);
        return 1;
    }
}
