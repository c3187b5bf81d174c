#include "times_table_loop.hpp"

#include <gtest/gtest.h>

#include <algorithm>
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
    std::string input;
    std::string answers;
};

std::string_view trimmed(std::string_view field) {
    const auto first = field.find_first_not_of(" \t");
    return first == std::string_view::npos ? ""
                                           : field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

// The input field's printf(1) escapes: \n, \t, \r, \\ and octal \NNN.
std::string unescaped(std::string_view field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            bytes += field[i];
            continue;
        }
        const char c = field[++i];
        if (c >= '0' && c <= '7') {
            int value = 0;
            for (int digits = 0; digits < 3 && i < field.size() && field[i] >= '0' && field[i] <= '7';
                 ++digits) {
                value = value * 8 + (field[i++] - '0');
            }
            --i;
            bytes += static_cast<char>(value);
        } else {
            bytes += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
        }
    }
    return bytes;
}

// The end-to-end driver's case table (cases.txt), built in.
std::vector<Case> table_cases() {
    const std::string_view table =
#include "cases.inc"
        ;
    std::vector<Case> cases;
    for (std::size_t at = 0; at < table.size();) {
        const std::size_t end = std::min(table.find('\n', at), table.size());
        const std::string_view line = table.substr(at, end - at);
        at = end + 1;
        const std::size_t bar1 = line.find('|');
        const std::size_t bar2 = line.find('|', bar1 + 1);
        if (line.empty() || line[0] == '#' || bar2 == std::string_view::npos) {
            continue;
        }
        std::string name(trimmed(line.substr(0, bar1)));
        std::replace(name.begin(), name.end(), '-', '_');
        const std::string_view answers = line.substr(bar2 + 1);
        cases.push_back({name, unescaped(trimmed(line.substr(bar1 + 1, bar2 - bar1 - 1))),
                         std::string(trimmed(answers.substr(0, answers.find('|'))))});
    }
    return cases;
}

class TimesTableLoopTest : public testing::TestWithParam<Case> {};

TEST_P(TimesTableLoopTest, AnswersEachNumberInTurn) {
    MemoryDevice device(GetParam().input, 1);
    BufferedConsole console(device);
    run_times_table(console, texts);
    console.flush();
    EXPECT_EQ(device.output, expected(GetParam().answers));
}

INSTANTIATE_TEST_SUITE_P(Table, TimesTableLoopTest, testing::ValuesIn(table_cases()),
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
