// A language library that breaks the rules: it serves id 1 alone, filling
// the whole buffer without a terminating zero, and answers every other id
// with nothing.
#include <cstring>

extern "C" int __cdecl GetString(unsigned id, char* buffer, unsigned size) {
    if (id != 1 || buffer == nullptr) {
        return 0;
    }
    std::memset(buffer, 'x', size);
    return 1;
}
