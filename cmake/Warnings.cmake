# tavimo_warnings: the warning and sanitizer flags of the suite's own code
# (third-party sources such as GoogleTest do not link it).
add_library(tavimo_warnings INTERFACE)
target_compile_options(tavimo_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Werror
    -Wconversion -Wsign-conversion -Wshadow -Wnon-virtual-dtor
    -Wold-style-cast -Wcast-align -Wdouble-promotion
    -Wformat=2 -Wimplicit-fallthrough)

if((TAVIMO_SANITIZE OR TAVIMO_FUZZ) AND NOT WIN32)
    # float-cast-overflow is not part of "undefined" in GCC: a double that does
    # not fit the integer it is converted to is exactly what must never happen.
    # Floating-point division by zero stays allowed: it is IEEE-defined and
    # some results are documented to be infinite or not a number.
    set(sanitizers address,undefined,float-cast-overflow)
    if(TAVIMO_FUZZ)
        # libFuzzer's coverage in all of the suite's code, so that a fuzz
        # target sees the edges of every library it links, not only its own.
        string(APPEND sanitizers ",fuzzer-no-link")
    endif()
    target_compile_options(tavimo_warnings INTERFACE
        -fsanitize=${sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(tavimo_warnings INTERFACE -fsanitize=${sanitizers})
endif()
