#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Tests never need a desktop; honour an explicit choice (e.g. xcb for a look by eye).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
