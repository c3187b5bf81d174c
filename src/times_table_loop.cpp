#include "times_table_loop.hpp"

#include "times_tables.hpp"

void run_times_table(Console& console, const Texts& texts) {
    console.clear_screen();
    for (;;) {
        console.write(texts.prompt);
        const Token token = console.next_number();
        if (token.kind == Token::Kind::end) {
            return;
        }
        const bool is_number = token.kind == Token::Kind::number;
        if (is_number && token.value == 0) {
            return;
        }
        if (is_number && times_tables::has_table(token.value)) {
            console.write(times_tables::table(token.value));
        } else {
            console.write(texts.error);
        }
    }
}
