#include "times_table_loop.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
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
    std::string_view input;
    std::string_view answers;
};

using namespace std::string_view_literals;  // the inputs hold NUL bytes

// The end-to-end driver's case table, tests/cases.txt, as CMake writes it out.
const Case table_cases[] = {
#include "cases.inc"
};

class TimesTableLoopTest : public testing::TestWithParam<Case> {};

TEST_P(TimesTableLoopTest, AnswersEachNumberInTurn) {
    MemoryDevice device(std::string(GetParam().input), 1);
    BufferedConsole console(device);
    run_times_table(console, texts);
    console.flush();
    EXPECT_EQ(device.output, expected(GetParam().answers));
}

INSTANTIATE_TEST_SUITE_P(Table, TimesTableLoopTest, testing::ValuesIn(table_cases),
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
