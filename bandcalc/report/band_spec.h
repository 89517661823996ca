// One band of the report's design, as given on its command line
// ("BAND,FREQ,GAIN,Q", for example "3,1000,6,1.4").
#pragma once

#include <optional>
#include <string_view>

struct BandSpec {
    int band;
    double freq;
    double gain;
    double q;
};

// Parses one band; nullopt when it is not four numbers, the band is not an
// integer from 1 to 5, or a number is not finite.
std::optional<BandSpec> ParseBandSpec(std::string_view text);
