// The static program's: loading a locale reads the host C library's
// converter tables (gconv-modules.cache), which belong to a C library that
// need not be the one linked in. Nothing is loaded instead: a locale name
// that declares no codeset counts as one that is not installed.
#include "locale_services.hpp"

std::optional<std::string> installed_locale_codeset() {
    return std::nullopt;
}
