// The program's folder is known before the application object exists, and
// it is the folder Qt names once it does.
#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "common/text_file.h"

namespace quellan::platform {
namespace {

TEST(ProgramFolder, IsTheFolderQtNames) {
    const std::filesystem::path qts =
        pathFromUtf8(QCoreApplication::applicationDirPath().toStdString());
    EXPECT_EQ(programFolder(nullptr), qts);
    EXPECT_EQ(programFolder("elsewhere/quellan"), qts);  // the system's answer comes first
}

}  // namespace
}  // namespace quellan::platform
