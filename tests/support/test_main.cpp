#include <gtest/gtest.h>

#include <QGuiApplication>

#include "TestSupport.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new StickwellTestEnvironment);
    return RUN_ALL_TESTS();
}
