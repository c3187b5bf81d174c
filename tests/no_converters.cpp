// Loaded with LD_PRELOAD, this stands for a C library that has no charset
// converters: a container image stripped of glibc's gconv modules, or a libc
// whose iconv does not know code page 949. Every iconv_open fails.
#include <cerrno>

extern "C" void* iconv_open(const char* /*to*/, const char* /*from*/) {
    errno = EINVAL;
    return reinterpret_cast<void*>(-1);
}
