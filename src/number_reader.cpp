#include "number_reader.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "ascii.hpp"

namespace {

using ascii::is_digit;
using ascii::is_space;

// Larger than any 32-bit magnitude, and small enough that one more digit
// cannot overflow the accumulator.
constexpr std::uint64_t saturated = std::uint64_t{1} << 32;

}  // namespace

bool NumberReader::has_byte() {
    if (pos_ != end_) {
        return true;
    }
    if (at_end_) {
        return false;
    }
    const std::span<const char> chunk = source_.next_chunk();
    if (chunk.empty()) {
        at_end_ = true;
        return false;
    }
    pos_ = chunk.data();
    end_ = pos_ + chunk.size();
    return true;
}

void NumberReader::skip_word() {
    while (has_byte() && !is_space(*pos_)) {
        ++pos_;
    }
}

Token NumberReader::next() {
    while (has_byte() && is_space(*pos_)) {
        ++pos_;
    }
    if (!has_byte()) {
        return {Token::Kind::end};
    }

    const bool negative = *pos_ == '-';
    if (negative || *pos_ == '+') {
        ++pos_;
    }
    if (!has_byte() || !is_digit(*pos_)) {
        skip_word();
        return {Token::Kind::junk};
    }

    std::uint64_t magnitude = 0;
    do {
        magnitude = std::min(magnitude * 10 + static_cast<std::uint64_t>(*pos_ - '0'), saturated);
        ++pos_;
    } while (has_byte() && is_digit(*pos_));

    using Limits = std::numeric_limits<std::int32_t>;
    const std::uint64_t largest = negative ? std::uint64_t{Limits::max()} + 1 : Limits::max();
    if (magnitude > largest) {
        return {Token::Kind::out_of_range};
    }
    const auto signed_magnitude = static_cast<std::int64_t>(magnitude);
    return {Token::Kind::number, static_cast<std::int32_t>(negative ? -signed_magnitude : signed_magnitude)};
}
