#include <gtest/gtest.h>

#include "base/AppInfo.h"
#include "ui/shell/MainWindow.h"

TEST(MainWindow, CaptionIsTheProductTitle)
{
    MainWindow window;
    EXPECT_TRUE(window.windowTitle().startsWith(AppInfo::productTitle()));
}
