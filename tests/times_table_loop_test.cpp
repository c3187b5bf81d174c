#include "times_table_loop.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "buffered_console.hpp"
#include "io_error.hpp"
#include "memory_device.hpp"
#include "times_tables.hpp"

namespace {

// Distinct stand-ins for the texts make each answer visible in the output.
const Texts texts{"<prompt>\n", "<error>"};

// The expected output, spelt as P (prompt), E (error text) and digits 1-9 (tables).
std::string expected(std::string_view script) {
    std::string out;
    for (const char c : script) {
        if (c == 'P') {
            out += texts.prompt;
        } else if (c == 'E') {
            out += texts.error;
        } else {
            out += times_tables::table(c - '0');
        }
    }
    return out;
}

struct Case {
    std::string name;
    std::string input;
    std::string answers;
};

class TimesTableLoopTest : public testing::TestWithParam<Case> {};

TEST_P(TimesTableLoopTest, AnswersEachNumberInTurn) {
    MemoryDevice device(GetParam().input, 1);
    BufferedConsole console(device);
    run_times_table(console, texts);
    console.flush();
    EXPECT_EQ(device.output, expected(GetParam().answers));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TimesTableLoopTest,
    testing::Values(Case{"zero_first", "0\n", "P"}, Case{"minus_zero", "-0\n", "P"},
                    Case{"end_of_input", "", "P"}, Case{"end_after_table", "4\n", "P4P"},
                    Case{"each_table", "1 2 3 4 5 6 7 8 9 0", "P1P2P3P4P5P6P7P8P9P"},
                    Case{"out_of_range", "10\n99\n-1\n2147483647\n4294967297\n0\n", "PEPEPEPEPEP"},
                    Case{"sign_and_zeros", "+7\n07\n0", "P7P7P"}, Case{"two_on_a_line", "3 7\n", "P3P7P"},
                    Case{"ends_mid_line", "5 0 6\n", "P5P"},
                    Case{"junk_words", "abc 7abc 3.5 - 0", "PEP7PEP3PEPEP"},
                    Case{"nothing_after_zero_is_read", "0 abc", "P"}),
    [](const auto& test) { return test.param.name; });

TEST(TimesTableLoop, ClearsOnceBeforeAnyOutput) {
    MemoryDevice device("1 0");
    BufferedConsole console(device);
    run_times_table(console, texts);
    EXPECT_EQ(device.clears, 1);
    EXPECT_EQ(device.written_at_clear, 0U);
}

TEST(TimesTableLoop, ShowsEachPromptBeforeWaiting) {
    MemoryDevice device("3\n0\n", 2);
    BufferedConsole console(device);
    run_times_table(console, texts);
    const std::vector<std::string> at_reads = {expected("P"), expected("P3P")};
    EXPECT_EQ(device.output_at_reads(), at_reads);
}

// A device whose output is gone: every write fails.
class BrokenOutput final : public Device {
public:
    std::size_t read(std::span<char> into) override {
        ++reads;
        into[0] = '7';
        return 1;
    }
    void write(std::string_view) override { throw IoError("write error", "gone"); }
    void clear_screen() override {}
    int reads = 0;
};

TEST(TimesTableLoop, StopsAtTheFirstFailedWrite) {
    BrokenOutput device;
    BufferedConsole console(device);
    EXPECT_THROW(run_times_table(console, texts), IoError);
    EXPECT_EQ(device.reads, 0);
}

}  // namespace
