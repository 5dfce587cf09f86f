// The property store and the form description file it is saved in.
#include "xpbutton/form_description.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace quellan::xp {
namespace {

QImage smallPicture() {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 255));
    image.setPixel(1, 1, qRgba(200, 100, 0, 128));
    return image;
}

TEST(PropertyBag, DefaultsAreLeftOutAndReadBack) {
    PropertyBag bag;
    bag.write("CapAlign", qint32(2), qint32(2));
    bag.write("BackStyle", qint32(2), qint32(0));
    bag.write("Mode", qint32(0));  // no default: always kept
    EXPECT_FALSE(bag.contains("CapAlign"));
    EXPECT_EQ(readInt(bag, "CapAlign", 2), 2);
    EXPECT_EQ(readInt(bag, "BackStyle", 0), 2);
    EXPECT_EQ(readInt(bag, "Mode", 7), 0);
    // Written again with its default value, a key goes away.
    bag.write("BackStyle", qint32(0), qint32(0));
    EXPECT_FALSE(bag.contains("BackStyle"));
    ASSERT_EQ(bag.entries().size(), 1u);
}

TEST(PropertyBag, TypedReadsFallBackOnAnotherType) {
    PropertyBag bag;
    bag.write("Caption", qint32(5));
    bag.write("ImgSize", qint16(48));
    bag.write("cBack", qint32(0x00C8D0D4));
    bag.write("Focus", QString("yes"));
    EXPECT_EQ(readText(bag, "Caption", "none"), "none");
    EXPECT_EQ(readInt(bag, "ImgSize", 16), 48);  // either integer width
    EXPECT_EQ(readColor(bag, "cBack", 1), 0x00C8D0D4u);
    EXPECT_TRUE(readBool(bag, "Focus", true));
    EXPECT_TRUE(readPicture(bag, "Image").isNone());
}

TEST(FormDescription, EveryValueTypeSurvivesTheFile) {
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    font.setBold(true);
    font.setUnderline(true);
    FormDescription form;
    PropertyBag& bag = form.add("XPButton", "XPButton1");
    bag.write("Caption", QStringLiteral("撤消一步 \"&Undo\" \\ a\tb\r\nc||d"));
    bag.write("CapAlign", qint32(-7));
    bag.write("ImgSize", qint16(48));
    bag.write("Focus", false);
    bag.write("Value", true);
    bag.write("cBack", OleColor{0x8000000F});
    bag.write("cFore", OleColor{0x00C8D0D4});
    bag.write("Font", font);
    bag.write("Image", StoredPicture{smallPicture(), {}});
    bag.write("mIcon", StoredPicture{smallPicture(), {2, 1}});
    bag.write("None", StoredPicture{});
    form.add("XPButton", "QZ1").write("Mode", qint32(2));

    QString error;
    const auto back = FormDescription::fromText(form.toText(), &error);
    ASSERT_TRUE(back) << error.toStdString();
    ASSERT_EQ(back->instances().size(), 2u);
    const PropertyBag* restored = back->find("XPButton1");
    ASSERT_TRUE(restored);
    ASSERT_EQ(restored->entries().size(), bag.entries().size()) << form.toText().toStdString();
    for (size_t i = 0; i < bag.entries().size(); ++i) {
        EXPECT_EQ(restored->entries()[i].first, bag.entries()[i].first);
    }
    EXPECT_EQ(readText(*restored, "Caption", ""), readText(bag, "Caption", "x"));
    EXPECT_EQ(readInt(*restored, "CapAlign", 0), -7);
    EXPECT_TRUE(std::holds_alternative<qint16>(*restored->find("ImgSize")));
    EXPECT_FALSE(readBool(*restored, "Focus", true));
    EXPECT_TRUE(readBool(*restored, "Value", false));
    EXPECT_TRUE(std::holds_alternative<OleColor>(*restored->find("cBack")));
    EXPECT_EQ(readColor(*restored, "cBack", 0), 0x8000000Fu);
    EXPECT_EQ(readColor(*restored, "cFore", 0), 0x00C8D0D4u);
    const QFont f = readFont(*restored, "Font", QFont());
    EXPECT_EQ(f.family(), QStringLiteral("宋体"));
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 10.5);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.underline());
    EXPECT_FALSE(f.italic());
    const StoredPicture icon = readPicture(*restored, "mIcon");
    EXPECT_EQ(icon.hotSpot, QPoint(2, 1));
    EXPECT_EQ(icon.image.convertToFormat(QImage::Format_ARGB32), smallPicture());
    EXPECT_TRUE(readPicture(*restored, "None").isNone());
    EXPECT_EQ(readInt(*back->find("QZ1"), "Mode", 0), 2);
}

TEST(FormDescription, ValueNotation) {
    EXPECT_EQ(formatValue(OleColor{0x8000000F}), "&H8000000F&");
    EXPECT_EQ(formatValue(qint16(48)), "48%");
    EXPECT_EQ(formatValue(true), "True");
    EXPECT_EQ(formatValue(QString("a\"b")), "\"a\\\"b\"");
    EXPECT_EQ(formatValue(StoredPicture{}), "Picture()");
}

TEST(FormDescription, DamagedTextsAreRefusedWithTheirLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"Caption = \"x\"\n", "line 1: property outside a Begin block"},
        {"Begin XPButton A\n  Caption = \"open\n", "line 2: unreadable value"},
        {"Begin XPButton A\n  Caption = \"x\"\n", "line 3: Begin without End"},
        {"Begin XPButton A\nEnd\nEnd\n", "line 3: End without Begin"},
        {"Begin XPButton\nEnd\n", "line 1: Begin needs a class name and an instance name"},
        {"Begin XPButton A\n  Mode = 1\n  Mode = 2\nEnd\n", "line 3: property given twice"},
        {"Begin XPButton A\n  ImgSize = 99999%\nEnd\n", "line 2: unreadable value"},
        {"Begin XPButton A\n  Image = Picture(!!)\nEnd\n", "line 2: unreadable value"},
        {"Begin XPButton A\n  Font = Font(\"x\", -3, 400, False, False, False)\nEnd\n",
         "line 2: unreadable value"},
        {"Begin XPButton A\nEnd\nBegin XPButton A\nEnd\n", "line 3: instance described twice"},
        {"Begin XPButton A\n  = 3\nEnd\n", "line 2: not a property line"},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(FormDescription::fromText(c.text, &error)) << c.text;
        EXPECT_EQ(error.toStdString(), c.error) << c.text;
    }
}

TEST(FormDescription, CommentsBlankLinesAndWindowsLineEnds) {
    const auto form = FormDescription::fromText(
        "' made by hand\r\n\r\nBegin XPButton QZ3\r\n    BackStyle = 2\r\n"
        "    cBack = &H8000000F&\r\nEnd\r\n");
    ASSERT_TRUE(form);
    ASSERT_TRUE(form->find("QZ3"));
    EXPECT_EQ(readInt(*form->find("QZ3"), "BackStyle", 0), 2);
    EXPECT_EQ(readColor(*form->find("QZ3"), "cBack", 0), 0x8000000Fu);
}

TEST(FormDescription, SavedAndLoaded) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("frmMain.qfd");
    FormDescription form;
    form.add("XPButton", "XPButton1").write("Caption", QStringLiteral("撤消一步"));
    ASSERT_TRUE(form.save(path));
    QString error;
    const auto back = FormDescription::load(path, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(*back, form);
    EXPECT_FALSE(FormDescription::load(QDir(dir.path()).filePath("missing.qfd"), &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace quellan::xp
