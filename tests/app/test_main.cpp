// Widget tests need one QApplication for the whole run, on the offscreen
// platform so they run without a display.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // A run may name its own screens (offscreen:configfile=...).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
