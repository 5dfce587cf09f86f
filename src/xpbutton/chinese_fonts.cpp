#include "xpbutton/chinese_fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace quellan {

void installChineseFontSubstitutes(const QString& gameFolder, const QString& addedFamily) {
    static bool installed = false;
    if (installed) return;
    installed = true;
    // Song (Ming) faces first, then common CJK serif faces as a fallback.
    QStringList songFaces{QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                          QStringLiteral("Noto Serif CJK SC"),
                          QStringLiteral("Source Han Serif SC")};
    const QString bundled = gameFolder + QLatin1String(kBundledSongFace);
    if (!addedFamily.isEmpty()) {
        songFaces.prepend(addedFamily);
    } else if (!gameFolder.isEmpty() && QFile::exists(bundled)) {
        const int id = QFontDatabase::addApplicationFont(bundled);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) songFaces.prepend(families.first());
    }
    for (const QString& name : {QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                QStringLiteral("新宋体"), QStringLiteral("NSimSun")}) {
        QFont::insertSubstitutions(name, songFaces);
    }
}

void installChineseFontSubstitutes() { installChineseFontSubstitutes(QString()); }

void loadChineseFont(const QFont& font) {
    static_cast<void>(QFontMetrics(font).boundingRect(QStringLiteral("当前阵型：")));
}

}  // namespace quellan
