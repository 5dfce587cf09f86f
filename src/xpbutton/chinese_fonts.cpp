#include "xpbutton/chinese_fonts.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace quellan {

void installChineseFontSubstitutes() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    // Song (Ming) faces first, then common CJK serif faces as a fallback.
    const QStringList songFaces{QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                                QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("Source Han Serif SC")};
    for (const QString& name : {QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                QStringLiteral("新宋体"), QStringLiteral("NSimSun")}) {
        QFont::insertSubstitutions(name, songFaces);
    }
}

void loadChineseFont(const QFont& font) {
    static_cast<void>(QFontMetrics(font).boundingRect(QStringLiteral("当前阵型：")));
}

}  // namespace quellan
