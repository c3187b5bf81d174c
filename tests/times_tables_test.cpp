#include "times_tables.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// printf's own rendering of the line format is the reference.
std::string printf_table(int n) {
    std::string table;
    for (int m = 1; m <= 9; ++m) {
        char line[32];
        std::snprintf(line, sizeof line, "%d*%d=%2d\n", n, m, n * m);
        table += line;
    }
    return table;
}

TEST(TimesTables, MatchPrintfLineFormatForEveryNumber) {
    for (int n = times_tables::first; n <= times_tables::last; ++n) {
        EXPECT_EQ(times_tables::table(n), printf_table(n)) << "table of " << n;
    }
}

TEST(TimesTables, HoldTheKnownLinesByteForByte) {
    struct Line {
        int n;
        int m;
        std::string bytes;
    };
    for (const Line& line :
         {Line{3, 1, "\x33\x2A\x31\x3D\x20\x33\x0A"}, Line{3, 4, "\x33\x2A\x34\x3D\x31\x32\x0A"},
          Line{1, 9, "\x31\x2A\x39\x3D\x20\x39\x0A"}, Line{9, 9, "\x39\x2A\x39\x3D\x38\x31\x0A"}}) {
        const std::string_view table = times_tables::table(line.n);
        EXPECT_EQ(table.substr(static_cast<std::size_t>(line.m - 1) * 7, 7), line.bytes)
            << line.n << "*" << line.m;
    }
}

TEST(TimesTables, CoverExactlyOneToNine) {
    for (const int n : {-1, 0, 10, 81}) {
        EXPECT_FALSE(times_tables::has_table(n)) << n;
    }
    for (int n = 1; n <= 9; ++n) {
        EXPECT_TRUE(times_tables::has_table(n)) << n;
    }
}

}  // namespace
