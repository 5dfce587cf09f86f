// The gallery tool: its command line, the sheet of every look, shape and
// state as one signature, and the images the program writes without a
// display.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "gallery_cli.h"
#include "gallery_sheet.h"
#include "widget_props.h"
#include "xpbutton/xpbutton.h"

namespace quellan::gallery {
namespace {

constexpr QRgb rgb(int r, int g, int b) { return qRgb(r, g, b) & 0xFFFFFF; }
QRgb pixel(const QImage& image, QPoint p) { return image.pixel(p) & 0xFFFFFF; }

// FNV-1a over the colours of every pixel, row by row.
quint64 signatureOf(const QImage& image) {
    quint64 h = 1469598103934665603ull;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) & 0xFFFFFF;
            for (int shift = 0; shift < 24; shift += 8) {
                h ^= (c >> shift) & 0xFF;
                h *= 1099511628211ull;
            }
        }
    return h;
}

struct ProgramRun {
    int exitCode = -1;
    QString errors;
};
ProgramRun runGallery(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(XPGALLERY_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(GallerySheet, ChangeDetectorOfThePlainSheet) {
    const QImage sheet = renderSheet({false, false});
    EXPECT_EQ(sheet.size(), sheetSize());
    // Every look, shape and state without text. This number only says that
    // some pixel changed, not which one is right: the named pixel checks of
    // the looks carry that. After a change, compare the old and the new
    // sheet (xpgallery --sheet OUT.png --plain) before taking the new number.
    EXPECT_EQ(signatureOf(sheet), 0xdf27cf537691cb95ull) << std::hex << signatureOf(sheet);
}

TEST(GallerySheet, CellsShowTheirLookAndState) {
    const QImage sheet = renderSheet({false, false});
    auto cell = [&](int look, int shape, int column, int x, int y) {
        return pixel(sheet, sheetCell(look, shape, column).topLeft() + QPoint(x, y));
    };
    const QRgb ground = rgb(212, 208, 200);
    EXPECT_EQ(cell(2, 0, kColumnNormal, 30, 0), rgb(0, 60, 115));
    EXPECT_EQ(cell(2, 0, kColumnNormal, 0, 0), ground);  // the trimmed corner
    EXPECT_EQ(cell(2, 0, kColumnHot, 2, 15), rgb(255, 203, 107));
    EXPECT_EQ(cell(2, 0, kColumnDefault, 2, 15), rgb(181, 209, 240));
    EXPECT_EQ(cell(0, 0, kColumnDefault, 0, 15), 0u);
    EXPECT_EQ(cell(0, 0, kColumnNormal, 0, 15), rgb(255, 255, 255));
    EXPECT_EQ(cell(5, 0, kColumnNormal, 0, 15), ground);
    EXPECT_EQ(cell(5, 0, kColumnHot, 0, 15), rgb(255, 255, 255));
    EXPECT_EQ(cell(4, 4, kColumnNormal, 0, 0), ground);  // outside the ellipse
    EXPECT_EQ(cell(3, 0, kColumnPressed, 45, 20), rgb(140, 140, 140));
}

TEST(GallerySheet, DesignModeOutlinesTheHoverFrame) {
    const QImage sheet = renderSheet({true, false});
    const QPoint origin = sheetCell(5, 0, kColumnNormal).topLeft();
    int outline = 0;
    for (int x = 0; x < kCellSize.width(); ++x)
        outline += pixel(sheet, origin + QPoint(x, 0)) == rgb(148, 144, 136);
    EXPECT_GT(outline, kCellSize.width() / 3);
}

TEST(GalleryCommandLine, ParsesTheFourForms) {
    Command c;
    QString error;
    ASSERT_TRUE(parseCommand({}, c, error));
    EXPECT_EQ(c.mode, Command::Mode::Window);
    ASSERT_TRUE(parseCommand({"--sheet", "s.png", "--plain"}, c, error));
    EXPECT_EQ(c.mode, Command::Mode::Sheet);
    EXPECT_TRUE(c.plain);
    ASSERT_TRUE(parseCommand({"--render", "r.png", "--size", "97x33", "--state", "hot,design",
                              "ButtonStyle=2", "caption=A=B"},
                             c, error))
        << error.toStdString();
    EXPECT_EQ(c.size, QSize(97, 33));
    EXPECT_EQ(c.states, 1u | 16u);
    EXPECT_EQ(c.assignments, QStringList({"ButtonStyle=2", "caption=A=B"}));
}

TEST(GalleryCommandLine, RefusesWhatItCannotDo) {
    const QStringList bad[] = {
        {"--render", "r.png"},                  // no size
        {"--render", "r.png", "--size", "60"},  // not WxH
        {"--render", "r.png", "--size", "60x30", "--state", "busy"},
        {"--mask", "m.png", "--size", "60x30", "--state", "hot"},
        {"--sheet", "s.png", "ButtonStyle=1"},
        {"--sheet", "a.png", "--render", "b.png"},
        {"--frobnicate"},
    };
    for (const QStringList& args : bad) {
        Command c;
        QString error;
        EXPECT_FALSE(parseCommand(args, c, error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(GalleryProperties, ValuesAreCheckedNotIgnored) {
    QWidget host;
    XPButton button(&host);
    struct Case {
        const char* name;
        const char* value;
        bool ok;
    };
    const Case cases[] = {
        {"ButtonStyle", "7", true},
        {"ButtonStyle", "8", false},
        {"ButtonStyle", "-1", false},
        {"Buttonstyle", "1", false},
        {"BackColor", "0x8000000F", true},
        {"BackColor", "0x00C8D0D4", true},
        {"BackColor", "0x01000000", false},
        {"BackColor", "212", false},
        {"ShowFocusRect", "False", true},
        {"ShowFocusRect", "0", false},
        {"value", "True", false},  // a command button cannot be on
        {"Mode", "1", true},
        {"value", "True", true},
        {"PictureSize", "4", true},
        {"PictureSize", "5", false},
        {"Picture", "/no/such/file.png", false},
        {"caption", "撤消一步", true},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_EQ(assignProperty(button, c.name, c.value, error), c.ok)
            << c.name << "=" << c.value << ": " << error.toStdString();
        EXPECT_EQ(error.isEmpty(), c.ok) << c.name;
    }
    EXPECT_EQ(button.BackColor(), 0x00C8D0D4u);
    EXPECT_EQ(button.Caption(), QStringLiteral("撤消一步"));
}

class GalleryProgram : public ::testing::Test {
  protected:
    QString out(const char* name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
};

TEST_F(GalleryProgram, SheetWithoutADisplayIsTheLibrarySheet) {
    const ProgramRun run = runGallery({"--sheet", out("sheet.png"), "--plain"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QImage written(out("sheet.png"));
    EXPECT_EQ(signatureOf(written), signatureOf(renderSheet({false, false})));
}

TEST_F(GalleryProgram, RenderOneWidgetInItsStates) {
    ProgramRun run = runGallery({"--render", out("a.png"), "--size", "60x30", "--state", "default",
                                 "ButtonStyle=0", "BackColor=0x00C8D0D4"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    QImage image(out("a.png"));
    ASSERT_EQ(image.size(), QSize(60, 30));
    EXPECT_EQ(pixel(image, {0, 15}), 0u);
    EXPECT_EQ(pixel(image, {1, 15}), rgb(255, 255, 255));
    EXPECT_EQ(pixel(image, {2, 15}), rgb(233, 233, 233));

    run = runGallery({"--render", out("b.png"), "--size", "60x30", "--state", "pressed",
                      "ButtonStyle=2", "BackColor=0x00C8D0D4"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    image = QImage(out("b.png"));
    EXPECT_EQ(pixel(image, {2, 15}), rgb(233, 233, 222));  // the pressed ring

    run = runGallery({"--render", out("c.png"), "--size", "30x30", "ButtonShape=1"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(QImage(out("c.png")).size(), QSize(40, 30));  // widened for its slant
}

TEST_F(GalleryProgram, MaskIsTheWindowRegion) {
    const ProgramRun run = runGallery({"--mask", out("m.png"), "--size", "60x30", "ButtonStyle=2"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QImage mask(out("m.png"));
    EXPECT_EQ(pixel(mask, {0, 0}), 0u);
    EXPECT_EQ(pixel(mask, {1, 1}), rgb(255, 255, 255));
    EXPECT_EQ(pixel(mask, {30, 15}), rgb(255, 255, 255));
    EXPECT_EQ(pixel(mask, {59, 29}), 0u);
}

TEST_F(GalleryProgram, BadPropertiesFailLoudly) {
    for (const QStringList& words :
         {QStringList{"ButtonStyle=9"}, QStringList{"Colour=0x0"}, QStringList{"ForeColor=red"}}) {
        const ProgramRun run =
            runGallery(QStringList{"--render", out("x.png"), "--size", "60x30"} + words);
        EXPECT_NE(run.exitCode, 0) << words.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains(words[0].section('=', 0, 0))) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(out("x.png")));
    }
}

}  // namespace
}  // namespace quellan::gallery
