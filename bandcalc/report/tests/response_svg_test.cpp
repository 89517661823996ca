#include "response_svg.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

}  // namespace

TEST(ResponseSvg, GapsInTheCurveSplitThePolyline) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<ResponsePoint> curve = {{100, 1}, {200, 2}, {300, nan},
                                              {400, 3}, {500, 4}, {30000, 5}};
    const std::string svg = RenderResponseSvg(curve, {});
    EXPECT_EQ(Count(svg, "<polyline"), 2);
    EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
}

TEST(ResponseSvg, MarksOnlyDrawableBands) {
    const std::vector<BandMark> marks = {
        {1, {1000, 6}}, {2, {0, 0}}, {3, {5000, std::numeric_limits<double>::infinity()}}};
    const std::string svg = RenderResponseSvg({}, marks);
    EXPECT_EQ(Count(svg, "<circle"), 1);
}

TEST(ResponseSvg, AxisGrowsInSixDbStepsToHoldTheCurve) {
    const std::vector<ResponsePoint> small = {{1000, 3}};
    const std::vector<ResponsePoint> large = {{1000, -19}};
    EXPECT_NE(RenderResponseSvg(small, {}).find(">+12<"), std::string::npos);
    EXPECT_EQ(RenderResponseSvg(small, {}).find(">+18<"), std::string::npos);
    EXPECT_NE(RenderResponseSvg(large, {}).find(">+24<"), std::string::npos);
}
