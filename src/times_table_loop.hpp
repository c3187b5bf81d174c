#pragma once

#include "console.hpp"
#include "texts.hpp"

// Clears the console, then prompts and answers each number with its table or
// the error text, until a 0 or the end of input.
void run_times_table(Console& console, const Texts& texts);
