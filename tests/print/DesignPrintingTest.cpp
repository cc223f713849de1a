// Printing a design file without a window.

#include <gtest/gtest.h>

#include "print/DesignPrinting.h"

TEST(DesignPrinting, RelativeLinkedPathIsTakenFromTheDesignsFolder)
{
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", "data.csv"), "/a/b/data.csv");
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", "../c/data.csv"), "/a/c/data.csv");
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", "/x/data.csv"), "/x/data.csv");
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", "sub\\data.csv"), "/a/b/sub/data.csv");
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", ""), "");
}
