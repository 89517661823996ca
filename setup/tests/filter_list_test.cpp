#include "filter_list.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

TEST(FilterList, OursIsAWholeEntryInAnyCaseAndWithBlanks) {
    EXPECT_TRUE(ListsFilter("HsFilt.sys"));
    EXPECT_TRUE(ListsFilter("usbaudio.sys,hsfilt.SYS"));
    EXPECT_TRUE(ListsFilter("a.sys, HsFilt.sys\t,b.sys"));
    // A name that merely contains it is another driver's.
    EXPECT_FALSE(ListsFilter("XHsFilt.sys"));
    EXPECT_FALSE(ListsFilter("HsFilt.sys.old,HsFilt"));
    EXPECT_FALSE(ListsFilter(""));
}

TEST(FilterList, AddingAppendsOnceAndLosesNothing) {
    EXPECT_EQ(WithFilter(""), "HsFilt.sys");
    EXPECT_EQ(WithFilter("  "), "HsFilt.sys");
    EXPECT_EQ(WithFilter(" , ,"), "HsFilt.sys");
    EXPECT_EQ(WithFilter("usbaudio.sys"), "usbaudio.sys,HsFilt.sys");
    EXPECT_EQ(WithFilter("usbaudio.sys,"), "usbaudio.sys,HsFilt.sys");
    EXPECT_EQ(WithFilter("XHsFilt.sys"), "XHsFilt.sys,HsFilt.sys");
    // Already there in another case: left as it is, no duplicate.
    EXPECT_EQ(WithFilter("hsfilt.sys,a.sys"), "hsfilt.sys,a.sys");
    const std::string longList(5000, 'x');
    EXPECT_EQ(WithFilter(longList), longList + ",HsFilt.sys");
}

TEST(FilterList, RemovingKeepsEveryOtherDriverInOrder) {
    EXPECT_EQ(WithoutFilter("HsFilt.sys"), "");
    EXPECT_EQ(WithoutFilter(" hsfilt.sys , HSFILT.SYS"), "");
    EXPECT_EQ(WithoutFilter("a.sys,HsFilt.sys,b.sys"), "a.sys,b.sys");
    EXPECT_EQ(WithoutFilter("XHsFilt.sys,HsFilt.sys"), "XHsFilt.sys");
    EXPECT_EQ(WithoutFilter("a.sys,,HsFilt.sys, b.sys"), "a.sys, b.sys");
    EXPECT_EQ(WithoutFilter("a.sys"), "a.sys");
}

}  // namespace
}  // namespace setup
