// The equalizer's magnitude response drawn as an SVG picture: log-frequency
// axis from 20 Hz to fs/2, dB axis symmetric around 0.
#pragma once

#include <span>
#include <string>

struct ResponsePoint {
    double freq;
    double db;
};

struct BandMark {
    int band;
    ResponsePoint at;
};

// curve: the response sampled in ascending frequency; points that are not
// finite leave a gap. bands: marked at their centre frequency and level.
std::string RenderResponseSvg(std::span<const ResponsePoint> curve,
                              std::span<const BandMark> bandMarks);
