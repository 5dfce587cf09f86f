// The widget tests need a QApplication; they run without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "xpbutton/chinese_fonts.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary without the test environment.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    quellan::installChineseFontSubstitutes();
    return RUN_ALL_TESTS();
}
