// The frame's widget tests need a QApplication but no display and must not
// start a web browser.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/shell_open.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quellan::setShellOpenHandler([](const QString&) {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
