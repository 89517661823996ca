// The demo program's command line: which virtual headset it starts with and
// how its system is set up. Every argument is checked; an unknown one or a
// bad value is an error that names it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace demo {

struct DemoOptions {
    std::uint16_t product = 0x0B52;
    int model = 400;
    // The whole USB serial-number string, whose leading number is then the
    // model; empty: made from the model.
    std::string serial;
    bool headset = true;
    bool driverMissing = false;
    // Another sound card is where Windows plays.
    bool soundCard = false;
    // The language stored before the control center starts; empty: as stored.
    std::string language;
    // Only the usage is wanted.
    bool help = false;
};

struct OptionsResult {
    std::optional<DemoOptions> options;
    std::string error;  // what is wrong when there are no options
};

// args: the arguments after the program's name.
OptionsResult ParseOptions(std::span<const std::string> args);

// The usage text, one option a line, ending in a line break.
std::string_view Usage();

}  // namespace demo
