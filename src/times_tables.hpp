#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The nine tables never change, so they are laid out once, at compile time, as
// the exact bytes of "%d*%d=%2d\n" for each multiplier 1 to 9.
namespace times_tables {

inline constexpr int first = 1;
inline constexpr int last = 9;

namespace detail {

inline constexpr std::size_t line_size = 7;  // "n*m=pp\n": every product fits two places
inline constexpr std::size_t table_size = 9 * line_size;

using Table = std::array<char, table_size>;

constexpr Table build(int n) {
    Table table{};
    std::size_t at = 0;
    for (int m = 1; m <= 9; ++m) {
        const int product = n * m;
        table[at++] = static_cast<char>('0' + n);
        table[at++] = '*';
        table[at++] = static_cast<char>('0' + m);
        table[at++] = '=';
        table[at++] = product < 10 ? ' ' : static_cast<char>('0' + product / 10);
        table[at++] = static_cast<char>('0' + product % 10);
        table[at++] = '\n';
    }
    return table;
}

constexpr std::array<Table, last + 1> build_all() {
    std::array<Table, last + 1> tables{};
    for (int n = first; n <= last; ++n) {
        tables[static_cast<std::size_t>(n)] = build(n);
    }
    return tables;
}

inline constexpr auto all = build_all();

}  // namespace detail

constexpr bool has_table(int n) {
    return n >= first && n <= last;
}

// The nine lines of n's table; n must satisfy has_table.
constexpr std::string_view table(int n) {
    const auto& bytes = detail::all[static_cast<std::size_t>(n)];
    return {bytes.data(), bytes.size()};
}

}  // namespace times_tables
