#include "number_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Kind = Token::Kind;

Token number(std::int32_t value) {
    return {Kind::number, value};
}
constexpr Token junk{Kind::junk};
constexpr Token too_large{Kind::out_of_range};
constexpr Token end{Kind::end};

// Hands out a string in chunks of a fixed size, to cross every refill boundary.
class ChunkedSource final : public ByteSource {
public:
    ChunkedSource(std::string_view bytes, std::size_t chunk) : rest_(bytes), chunk_(chunk) {}

    std::span<const char> next_chunk() override {
        const std::string_view piece = rest_.substr(0, chunk_);
        rest_.remove_prefix(piece.size());
        return {piece.data(), piece.size()};
    }

private:
    std::string_view rest_;
    std::size_t chunk_;
};

// Reads until the end of input, and once more to see that the end stays.
std::vector<Token> read_all(std::string_view input, std::size_t chunk) {
    ChunkedSource source(input, chunk);
    NumberReader reader(source);
    std::vector<Token> tokens;
    for (Token token = reader.next(); token.kind != Kind::end; token = reader.next()) {
        tokens.push_back(token);
    }
    tokens.push_back(reader.next());
    return tokens;
}

struct Case {
    std::string name;
    std::string input;
    std::vector<Token> tokens;
};

class NumberReaderTest : public testing::TestWithParam<Case> {};

TEST_P(NumberReaderTest, YieldsTheTokensAtAnyChunkSize) {
    const Case& c = GetParam();
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{4096}}) {
        EXPECT_EQ(read_all(c.input, chunk), c.tokens) << "chunks of " << chunk;
    }
}

const std::string zeros(1000, '0');

INSTANTIATE_TEST_SUITE_P(
    Tokens, NumberReaderTest,
    testing::Values(
        Case{"empty", "", {end}}, Case{"only_space", " \t\r\n\v\f ", {end}},
        Case{"plain", "7", {number(7), end}},
        Case{"signs", "+7 -7 -0 +0", {number(7), number(-7), number(0), number(0), end}},
        Case{"leading_zeros", "07 " + zeros + "9 " + zeros, {number(7), number(9), number(0), end}},
        Case{"two_on_a_line", "3 7\n", {number(3), number(7), end}},
        Case{"crlf_and_blank_lines", "\r\n\r\n  5\r\n", {number(5), end}},
        Case{"letters", "abc", {junk, end}},
        Case{"digits_then_letters", "7abc 8", {number(7), junk, number(8), end}},
        Case{"decimal_point", "3.5", {number(3), junk, end}},
        Case{"lone_signs", "- + -\n", {junk, junk, junk, end}},
        Case{"sign_then_junk", "-a +-5 5", {junk, junk, number(5), end}},
        Case{"sign_at_end", "4-", {number(4), junk, end}},
        Case{"digits_then_number", "7-3", {number(7), number(-3), end}},
        Case{"nul_and_high_bytes",
             std::string("\0 \xC0\xDF 6", 6) + "\xFF",
             {junk, junk, number(6), junk, end}},
        Case{"int32_limits", "2147483647 -2147483648", {number(2147483647), number(-2147483647 - 1), end}},
        Case{"just_past_the_limits", "2147483648 -2147483649", {too_large, too_large, end}},
        Case{"would_wrap_to_one", "4294967297", {too_large, end}},
        Case{"many_digits", std::string(500, '9') + " 1", {too_large, number(1), end}}),
    [](const auto& test) { return test.param.name; });

// An endless run of digits, made up chunk by chunk: the reader must keep
// nothing of it but its saturated magnitude.
class DigitFlood final : public ByteSource {
public:
    explicit DigitFlood(std::size_t chunks) : chunks_left_(chunks) { chunk_.fill('9'); }

    std::span<const char> next_chunk() override {
        if (chunks_left_ == 0) {
            return {};
        }
        --chunks_left_;
        return chunk_;
    }

private:
    std::array<char, 1 << 16> chunk_{};
    std::size_t chunks_left_;
};

TEST(NumberReader, ReadsAHugeNumberAsOutOfRange) {
    DigitFlood source(1024);  // 64 MiB of nines
    NumberReader reader(source);
    EXPECT_EQ(reader.next(), too_large);
    EXPECT_EQ(reader.next(), end);
}

}  // namespace
