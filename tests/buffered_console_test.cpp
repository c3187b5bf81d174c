#include "buffered_console.hpp"

#include <gtest/gtest.h>

#include <string>

#include "memory_device.hpp"

namespace {

constexpr std::size_t block = BufferedConsole::block_size;

TEST(BufferedConsole, WritesNothingUntilFlushed) {
    MemoryDevice device("");
    BufferedConsole console(device);
    console.write("abc");
    EXPECT_EQ(device.writes, 0);
    console.flush();
    console.flush();
    EXPECT_EQ(device.output, "abc");
    EXPECT_EQ(device.writes, 1);
}

TEST(BufferedConsole, KeepsOrderAcrossFullBlocksAndOversizedTexts) {
    struct Case {
        std::size_t first;
        std::size_t second;
        int writes;  // device writes, the final flush included
    };
    for (const Case& c : {Case{block - 1, 1, 1}, Case{block - 1, 2, 2}, Case{10, block, 2},
                          Case{10, 3 * block, 2}, Case{block, block, 2}}) {
        MemoryDevice device("");
        BufferedConsole console(device);
        const std::string first(c.first, 'a');
        const std::string second(c.second, 'b');
        console.write(first);
        console.write(second);
        console.flush();
        EXPECT_EQ(device.output, first + second) << c.first << " + " << c.second;
        EXPECT_EQ(device.writes, c.writes) << c.first << " + " << c.second;
    }
}

TEST(BufferedConsole, FlushesBeforeEveryRead) {
    MemoryDevice device("1 2", 1);
    BufferedConsole console(device);
    console.write("x");
    EXPECT_EQ(console.next_number(), (Token{Token::Kind::number, 1}));
    console.write("y");
    EXPECT_EQ(console.next_number(), (Token{Token::Kind::number, 2}));
    EXPECT_EQ(console.next_number(), Token{Token::Kind::end});
    const std::vector<std::string> at_reads = {"x", "x", "xy", "xy"};
    EXPECT_EQ(device.output_at_reads(), at_reads);
}

}  // namespace
