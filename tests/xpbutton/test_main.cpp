// The widget tests need a QApplication; they run without a display.
#include <gtest/gtest.h>

#include <QApplication>

#include "xpbutton/chinese_fonts.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary without the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    quellan::installChineseFontSubstitutes();
    return RUN_ALL_TESTS();
}
