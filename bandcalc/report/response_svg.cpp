#include "response_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr double kWidth = 760, kHeight = 420;
constexpr double kLeft = 64, kRight = 24, kTop = 48, kBottom = 48;
constexpr double kMinFreq = 20, kMaxFreq = 25000;
constexpr const char* kAccent = "#1f8fd6";

struct Axes {
    double dbRange;  // the axis runs from -dbRange to +dbRange

    double X(double freq) const {
        const double t = std::log10(freq / kMinFreq) / std::log10(kMaxFreq / kMinFreq);
        return kLeft + t * (kWidth - kLeft - kRight);
    }
    double Y(double db) const {
        const double t = (dbRange - db) / (2 * dbRange);
        return kTop + t * (kHeight - kTop - kBottom);
    }
};

// Appends printf-formatted text; every piece is short, so a small buffer is enough.
[[gnu::format(printf, 2, 3)]] void Append(std::string& out, const char* format, ...) {
    char piece[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(piece, sizeof piece, format, args);
    va_end(args);
    if (n > 0) {
        out.append(piece, std::min(static_cast<std::size_t>(n), sizeof piece - 1));
    }
}

double DbRangeFor(std::span<const ResponsePoint> curve) {
    double largest = 0;
    for (const ResponsePoint& p : curve) {
        if (std::isfinite(p.db)) {
            largest = std::max(largest, std::fabs(p.db));
        }
    }
    // Whole 6 dB steps, at least 12 dB, at most the design limit of 40 dB
    // for each of the two groups.
    return std::clamp(std::ceil(largest / 6.0) * 6.0, 12.0, 84.0);
}

void Grid(std::string& svg, const Axes& axes) {
    static constexpr struct {
        double freq;
        const char* label;
    } kOctaves[] = {{31.5, "31.5"}, {63, "63"},   {125, "125"}, {250, "250"}, {500, "500"},
                    {1000, "1k"},   {2000, "2k"}, {4000, "4k"}, {8000, "8k"}, {16000, "16k"}};
    for (const auto& o : kOctaves) {
        const double x = axes.X(o.freq);
        Append(svg, "<line x1='%.1f' y1='%.1f' x2='%.1f' y2='%.1f' class='grid'/>\n", x, kTop, x,
               kHeight - kBottom);
        Append(svg, "<text x='%.1f' y='%.1f' class='label' text-anchor='middle'>%s</text>\n", x,
               kHeight - kBottom + 18, o.label);
    }
    for (double db = -axes.dbRange; db <= axes.dbRange; db += 6) {
        const double y = axes.Y(db);
        Append(svg, "<line x1='%.1f' y1='%.1f' x2='%.1f' y2='%.1f' class='%s'/>\n", kLeft, y,
               kWidth - kRight, y, db == 0 ? "zero" : "grid");
        Append(svg, "<text x='%.1f' y='%.1f' class='label' text-anchor='end'>%s%.0f</text>\n",
               kLeft - 8, y + 4, db > 0 ? "+" : "", db);
    }
}

void Curve(std::string& svg, const Axes& axes, std::span<const ResponsePoint> curve) {
    bool open = false;
    for (const ResponsePoint& p : curve) {
        const bool drawable = std::isfinite(p.db) && p.freq >= kMinFreq && p.freq <= kMaxFreq;
        if (drawable && !open) {
            svg += "<polyline class='curve' points='";
            open = true;
        } else if (!drawable && open) {
            svg += "'/>\n";
            open = false;
        }
        if (drawable) {
            const double db = std::clamp(p.db, -axes.dbRange, axes.dbRange);
            Append(svg, "%.1f,%.1f ", axes.X(p.freq), axes.Y(db));
        }
    }
    if (open) {
        svg += "'/>\n";
    }
}

}  // namespace

std::string RenderResponseSvg(std::span<const ResponsePoint> curve,
                              std::span<const BandMark> bandMarks) {
    const Axes axes{DbRangeFor(curve)};
    std::string svg;
    Append(svg,
           "<svg xmlns='http://www.w3.org/2000/svg' width='%.0f' height='%.0f' "
           "viewBox='0 0 %.0f %.0f' font-family='Tahoma, Verdana, sans-serif'>\n",
           kWidth, kHeight, kWidth, kHeight);
    Append(svg,
           "<style>.grid{stroke:#d5dbe1;stroke-width:1}.zero{stroke:#8a96a3;stroke-width:1}"
           ".label{fill:#4a5561;font-size:11px}.curve{fill:none;stroke:%s;stroke-width:2.5;"
           "stroke-linejoin:round}.mark{fill:#fff;stroke:%s;stroke-width:2}</style>\n",
           kAccent, kAccent);
    Append(svg, "<rect width='%.0f' height='%.0f' fill='#f7f9fb'/>\n", kWidth, kHeight);
    Append(svg,
           "<text x='%.1f' y='28' font-size='15' fill='#1d2630'>Equalizer response (dB)</text>\n",
           kLeft);
    Append(svg, "<text x='%.1f' y='%.1f' class='label' text-anchor='end'>Hz</text>\n",
           kWidth - kRight, kHeight - 12);
    Grid(svg, axes);
    Curve(svg, axes, curve);
    for (const BandMark& band : bandMarks) {
        const ResponsePoint& mark = band.at;
        if (!std::isfinite(mark.db) || mark.freq < kMinFreq || mark.freq > kMaxFreq) {
            continue;
        }
        const double x = axes.X(mark.freq);
        const double y = axes.Y(std::clamp(mark.db, -axes.dbRange, axes.dbRange));
        Append(svg, "<circle cx='%.1f' cy='%.1f' r='5' class='mark'/>\n", x, y);
        Append(svg, "<text x='%.1f' y='%.1f' class='label' text-anchor='middle'>%d</text>\n", x,
               y - 10, band.band);
    }
    svg += "</svg>\n";
    return svg;
}
