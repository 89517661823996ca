#include "command_line.h"

#include <gtest/gtest.h>

#include <string>

using tavimo::ExecutableOf;

namespace {
// A literal with the NULs it holds.
template <std::size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}
}  // namespace

TEST(ExecutableOf, QuotedPathWithoutItsQuotes) {
    EXPECT_EQ(ExecutableOf("\"C:\\Program Files\\Player\\play.exe\" \"%1\""),
              "C:\\Program Files\\Player\\play.exe");
    EXPECT_EQ(ExecutableOf("  \t\"a b.exe\"/x"), "a b.exe");
    EXPECT_EQ(ExecutableOf("\"\" rest"), "");
}

TEST(ExecutableOf, UnquotedPathUpToTheFirstBlankOrTab) {
    EXPECT_EQ(ExecutableOf("C:\\Players\\cd.exe /play %1"), "C:\\Players\\cd.exe");
    EXPECT_EQ(ExecutableOf("\tcd.exe\t-x"), "cd.exe");
    EXPECT_EQ(ExecutableOf("sndvol32.exe"), "sndvol32.exe");
    EXPECT_EQ(ExecutableOf("a\"b c"), "a\"b");
}

TEST(ExecutableOf, LineEndsAreDroppedWhereverTheyStand) {
    EXPECT_EQ(ExecutableOf("\r\n play\r.exe\n /x"), "play.exe");
    EXPECT_EQ(ExecutableOf("\"C:\\A\r\nB\\p.exe\"\r\n"), "C:\\AB\\p.exe");
    EXPECT_EQ(ExecutableOf("\r\n\r\n"), "");
}

TEST(ExecutableOf, DegenerateLines) {
    EXPECT_EQ(ExecutableOf(""), "");
    EXPECT_EQ(ExecutableOf("   \t  "), "");
    EXPECT_EQ(ExecutableOf("\"never closed path.exe"), "never closed path.exe");
    EXPECT_EQ(ExecutableOf("\""), "");
    const std::string longest(300, 'x');
    EXPECT_EQ(ExecutableOf(longest), longest);
}

// What is started and stored is a C string: nothing after a NUL counts.
TEST(ExecutableOf, LineEndsAtANul) {
    EXPECT_EQ(ExecutableOf(Bytes("a\0b c")), "a");
    EXPECT_EQ(ExecutableOf(Bytes("\"C:\\Play\0 a\0exe\" \"%1\"")), "C:\\Play");
    EXPECT_EQ(ExecutableOf(Bytes("\0\"x y\"")), "");
}
