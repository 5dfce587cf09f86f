// Which help F1 opens: the compiled help where the desktop shows it,
// otherwise the HTML manual beside it.
#include <gtest/gtest.h>

#include <QUrl>

#include "frame/help_file.h"
#include "platform/shell_open.h"
#include "support/temp_dir.h"

namespace quellan {
namespace {

class Help : public ::testing::Test {
  protected:
    QString path(const char* name) const {
        return QString::fromStdString((dir.path() / name).generic_string());
    }
    testing::TempDir dir;
};

TEST_F(Help, ChoosesWhatTheDesktopCanShow) {
    bool viewer = true;
    HelpFile help([&viewer] { return viewer; });
    help.setHelpFile(path("help.chm"));
    EXPECT_EQ(help.manual(), path("help/index.html"));
    EXPECT_EQ(help.fileToOpen(), path("help.chm"));  // nothing there: the registered file
    dir.write("help/index.html", "<html></html>");
    EXPECT_EQ(help.fileToOpen(), path("help/index.html"));
    dir.write("help.chm", "ITSF");
    EXPECT_EQ(help.fileToOpen(), path("help.chm"));
    viewer = false;
    EXPECT_EQ(help.fileToOpen(), path("help/index.html"));
}

TEST_F(Help, OpensThroughTheDesktopAsAFileAddress) {
    QString opened;
    setShellOpenHandler([&opened](const QString& a) { opened = a; });
    HelpFile help([] { return false; });
    help.open();
    EXPECT_TRUE(opened.isEmpty());  // nothing registered yet
    dir.write("help/index.html", "<html></html>");
    help.setHelpFile(path("help.chm"));
    help.open();
    setShellOpenHandler([](const QString&) {});
    EXPECT_EQ(QUrl(opened).toLocalFile(), path("help/index.html"));
}

}  // namespace
}  // namespace quellan
