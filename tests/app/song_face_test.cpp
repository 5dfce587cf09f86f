// The game's own cut of the Ming face (assets/font/song.ttf): the window
// tests run with it as the game does (see main.cpp).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QSet>
#include <QTextLayout>

#include <string>
#include <vector>

#include "platform/start_up_steps.h"
#include "xpbutton/chinese_fonts.h"

namespace quellan {
namespace {

const QString kCutFamily = QStringLiteral("AR PL UMing Quellan");
const QString kInstalledFamily = QStringLiteral("AR PL UMing CN");

// Where the captions are drawn in the cut face beside the installed one:
// not on Windows, whose package leaves the cut face out (see main.cpp).
bool cutFaceInUseBesideTheInstalledOne() {
#if defined(Q_OS_WIN)
    return false;
#else
    return QFontDatabase::families().contains(kInstalledFamily);
#endif
}

// The families the glyphs of `text` come from, in the caption font (in the
// small letters the font engines report them in).
std::vector<std::string> familiesDrawing(const QString& text) {
    QTextLayout layout(text, QApplication::font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<std::string> families;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        families.push_back(run.rawFont().familyName().toLower().toStdString());
    }
    return families;
}

// Off Windows the cut face is added to the system's font rules on a thread
// of its own before Qt starts (see main.cpp), not read by Qt's font
// database on the main thread.
TEST(SongFace, JoinsTheSystemsFaceRulesBeforeQtStarts) {
#if defined(Q_OS_WIN)
    GTEST_SKIP() << "Windows has no font rules of that kind";
#else
    EXPECT_EQ(platform::bundledFaceFamily().toStdString(), kCutFamily.toStdString());
    EXPECT_TRUE(QFontDatabase::families().contains(kCutFamily));
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(0).isEmpty());  // none added through Qt
#endif
}

TEST(SongFace, CaptionsComeFromTheCutAndOtherCharactersFromTheInstalledFace) {
    if (!cutFaceInUseBesideTheInstalledOne()) GTEST_SKIP() << "no cut face beside AR PL UMing CN";
    EXPECT_EQ(QFontInfo(QApplication::font()).family().toStdString(), kCutFamily.toStdString());
    EXPECT_EQ(familiesDrawing(QStringLiteral("当前阵型：")),
              std::vector{kCutFamily.toLower().toStdString()});
    // A player's name may hold any character; those outside the cut still show.
    EXPECT_EQ(familiesDrawing(QStringLiteral("鑫")),
              std::vector{kInstalledFamily.toLower().toStdString()});
}

TEST(SongFace, DrawsEachOfItsCharactersExactlyLikeTheInstalledFace) {
    if (!cutFaceInUseBesideTheInstalledOne()) GTEST_SKIP() << "no cut face beside AR PL UMing CN";
    for (const int pixels : {12, 16, 21}) {
        QFont cutFont(kCutFamily), installedFont(kInstalledFamily);
        cutFont.setPixelSize(pixels);
        installedFont.setPixelSize(pixels);
        const QRawFont cut = QRawFont::fromFont(cutFont),
                       installed = QRawFont::fromFont(installedFont);
        ASSERT_EQ(cut.familyName(), kCutFamily);
        int compared = 0;
        for (char32_t c = 0x20; c < 0x10000; ++c) {
            if (!cut.supportsCharacter(c)) continue;
            const QString text = QString::fromUcs4(&c, 1);
            const quint32 cutGlyph = cut.glyphIndexesForString(text).value(0);
            const quint32 installedGlyph = installed.glyphIndexesForString(text).value(0);
            ASSERT_TRUE(cut.alphaMapForGlyph(cutGlyph, QRawFont::PixelAntialiasing) ==
                        installed.alphaMapForGlyph(installedGlyph, QRawFont::PixelAntialiasing))
                << text.toStdString() << " at " << pixels << " px";
            ASSERT_EQ(cut.boundingRect(cutGlyph), installed.boundingRect(installedGlyph));
            ++compared;
        }
        EXPECT_GT(compared, 400);
    }
}

// Every character of the game's texts (string literals in its sources) and
// of the shipped layouts' names; a new text needs the tool run again.
TEST(SongFace, HoldsEveryCharacterTheGameShows) {
    const QRawFont cut(QStringLiteral(QUELLAN_ASSETS_DIR) + QLatin1String(kBundledSongFace), 12);
    ASSERT_TRUE(cut.isValid());
    QSet<char32_t> shown;
    QDirIterator sources(QStringLiteral(QUELLAN_ASSETS_DIR "/../src"), {"*.cpp", "*.h"},
                         QDir::Files, QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        QFile file(sources.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const char32_t c : QString::fromUtf8(file.readAll()).toUcs4()) {
            if (c > 0x7F) shown.insert(c);
        }
    }
    QDirIterator layouts(QStringLiteral(QUELLAN_ASSETS_DIR "/map"), {"*.qlp"}, QDir::Files);
    while (layouts.hasNext()) {
        for (const char32_t c : QFileInfo(layouts.next()).completeBaseName().toUcs4())
            shown.insert(c);
    }
    QString missing;
    for (const char32_t c : shown) {
        if (!cut.supportsCharacter(c)) missing += QString::fromUcs4(&c, 1);
    }
    EXPECT_TRUE(missing.isEmpty()) << "not in the cut face: " << missing.toStdString()
                                   << " (run tools/font/make_song_face.py)";
}

}  // namespace
}  // namespace quellan
