// The static program's: loading a locale reads the host C library's
// converter tables (gconv-modules.cache) and iconv loads its converter
// modules, shared objects of a C library that need not be the one linked in.
// Nothing is loaded instead: a locale name that declares no codeset counts
// as one that is not installed, and a codeset with no built-in form gets the
// texts as a missing converter leaves them.
#include "locale_services.hpp"

std::optional<std::string> installed_locale_codeset() {
    return std::nullopt;
}

std::optional<Texts> converted_texts(const Texts& /*texts*/, const std::string& /*codeset*/) {
    return std::nullopt;
}
