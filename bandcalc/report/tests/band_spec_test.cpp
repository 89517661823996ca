#include "band_spec.h"

#include <gtest/gtest.h>

TEST(BandSpec, ReadsFourNumbers) {
    const auto spec = ParseBandSpec("3,1000,-6.5,1.4");
    ASSERT_TRUE(spec);
    EXPECT_EQ(spec->band, 3);
    EXPECT_EQ(spec->freq, 1000);
    EXPECT_EQ(spec->gain, -6.5);
    EXPECT_EQ(spec->q, 1.4);
}

TEST(BandSpec, RejectsWhatIsNotABand) {
    for (const char* text : {"", "1", "1,2,3", "1,2,3,4,5", "0,1000,6,1", "6,1000,6,1",
                             "1.5,1000,6,1", "1,,6,1", "1,1000,6,1 ", "1,abc,6,1", "1,nan,6,1",
                             "1,inf,6,1", "1,1e999,6,1", "-1,1000,6,1", "1,1000,6,"}) {
        EXPECT_FALSE(ParseBandSpec(text)) << '"' << text << '"';
    }
}
