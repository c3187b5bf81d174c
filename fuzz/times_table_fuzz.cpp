// Feeds arbitrary bytes through the real loop and reader, and checks the
// output against a model of the input rules written independently of the
// reader: whole prompts, tables and error texts in input order, ending at the
// first 0 or at the end of input, with no read after that.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "buffered_console.hpp"
#include "memory_device.hpp"
#include "times_table_loop.hpp"
#include "times_tables.hpp"

namespace {

const Texts texts = cp949_texts;

bool is_space(char c) {
    return std::string_view(" \t\n\v\f\r").find(c) != std::string_view::npos;
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

struct Expectation {
    std::string output;
    std::size_t consumed;  // where reading may stop: just past the closing 0, or the end
};

// Takes each word's number by its digit string rather than by accumulating it.
Expectation model(std::string_view input) {
    Expectation expected{std::string(texts.prompt), input.size()};
    std::size_t at = 0;
    for (;;) {
        while (at < input.size() && is_space(input[at])) {
            ++at;
        }
        if (at == input.size()) {
            return expected;
        }
        const bool negative = input[at] == '-';
        const std::size_t sign = (input[at] == '+' || negative) ? 1 : 0;
        std::size_t digits_end = at + sign;
        while (digits_end < input.size() && is_digit(input[digits_end])) {
            ++digits_end;
        }
        if (digits_end == at + sign) {  // junk: skipped to the next white space
            at += sign;
            while (at < input.size() && !is_space(input[at])) {
                ++at;
            }
            expected.output += texts.error;
            expected.output += texts.prompt;
            continue;
        }
        std::string_view digits = input.substr(at + sign, digits_end - at - sign);
        at = digits_end;
        digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
        if (digits.empty()) {
            expected.consumed = at;
            return expected;
        }
        long long value = digits.size() > 10 ? (1LL << 40) : std::stoll(std::string(digits));
        value = negative ? -value : value;
        if (value >= 1 && value <= 9) {
            expected.output += times_tables::table(static_cast<int>(value));
        } else {
            expected.output += texts.error;
        }
        expected.output += texts.prompt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses how the input is cut into reads.
    const std::size_t chunk = std::size_t{data[0]} % 16 + 1;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Expectation expected = model(input);

    MemoryDevice device(input, chunk);
    BufferedConsole console(device);
    run_times_table(console, texts);
    console.flush();

    if (device.output != expected.output || device.clears != 1 || device.written_at_clear != 0) {
        std::abort();
    }
    // Nothing past the closing 0 is waited for: the last read began no later
    // than the byte after it, which tells whether the number goes on.
    const std::size_t reads = device.written_at_reads.size();
    if (reads == 0 || std::min((reads - 1) * chunk, input.size()) > expected.consumed) {
        std::abort();
    }
    return 0;
}
