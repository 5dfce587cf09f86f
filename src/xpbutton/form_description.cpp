#include "xpbutton/form_description.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <utility>

namespace quellan::xp {

namespace {

// A form description is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

// The characters a quoted text writes with a backslash, and their letters.
constexpr std::pair<char16_t, char16_t> kEscapes[] = {
    {u'\\', u'\\'}, {u'"', u'"'}, {u'\n', u'n'}, {u'\r', u'r'}, {u'\t', u't'}};

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const auto* e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                     [c](const auto& p) { return p.first == c.unicode(); });
        if (e != std::end(kEscapes)) {
            out += QLatin1Char('\\');
            out += QChar(e->second);
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

// Reads a quoted text starting at pos; pos ends after the closing quote.
std::optional<QString> unquote(const QString& s, qsizetype& pos) {
    if (pos >= s.size() || s[pos] != QLatin1Char('"')) return std::nullopt;
    QString out;
    for (++pos; pos < s.size(); ++pos) {
        const QChar c = s[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return out;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++pos >= s.size()) return std::nullopt;
        const auto* e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                     [&](const auto& p) { return p.second == s[pos].unicode(); });
        if (e == std::end(kEscapes)) return std::nullopt;
        out += QChar(e->first);
    }
    return std::nullopt;
}

QString boolText(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<bool> parseBool(const QString& s) {
    if (s == QLatin1String("True")) return true;
    if (s == QLatin1String("False")) return false;
    return std::nullopt;
}

QString fontText(const QFont& f) {
    return QStringLiteral("Font(%1, %2, %3, %4, %5, %6)")
        .arg(quoted(f.family()), QString::number(f.pointSizeF()), QString::number(f.weight()),
             boolText(f.italic()), boolText(f.underline()), boolText(f.strikeOut()));
}

std::optional<QFont> parseFont(const QString& s) {
    // Font("family", size, weight, italic, underline, strikeout)
    qsizetype pos = 5;
    const auto family = unquote(s, pos);
    if (!family || !s.endsWith(QLatin1Char(')'))) return std::nullopt;
    const QStringList rest =
        s.mid(pos, s.size() - pos - 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (rest.size() != 5) return std::nullopt;
    bool sizeOk = false;
    bool weightOk = false;
    const double size = rest[0].trimmed().toDouble(&sizeOk);
    const int weight = rest[1].trimmed().toInt(&weightOk);
    const auto italic = parseBool(rest[2].trimmed());
    const auto underline = parseBool(rest[3].trimmed());
    const auto strikeOut = parseBool(rest[4].trimmed());
    if (!sizeOk || size <= 0 || size > 1000 || !weightOk || weight < 1 || weight > 1000 ||
        !italic || !underline || !strikeOut) {
        return std::nullopt;
    }
    QFont f(*family);
    f.setPointSizeF(size);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setItalic(*italic);
    f.setUnderline(*underline);
    f.setStrikeOut(*strikeOut);
    return f;
}

QString pictureText(const StoredPicture& p) {
    if (p.isNone()) return QStringLiteral("Picture()");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    p.image.save(&buffer, "PNG");
    QString text = QStringLiteral("Picture(") + QString::fromLatin1(png.toBase64());
    if (!p.hotSpot.isNull()) {
        text += QStringLiteral(", %1, %2").arg(p.hotSpot.x()).arg(p.hotSpot.y());
    }
    return text + QLatin1Char(')');
}

std::optional<StoredPicture> parsePicture(const QString& s) {
    const QString inner = s.mid(8, s.size() - 9).trimmed();
    StoredPicture p;
    if (inner.isEmpty()) return p;
    const QStringList parts = inner.split(QLatin1Char(','));
    if (parts.size() != 1 && parts.size() != 3) return std::nullopt;
    const QByteArray data = QByteArray::fromBase64(parts[0].trimmed().toLatin1(),
                                                   QByteArray::AbortOnBase64DecodingErrors);
    if (data.isEmpty() || !p.image.loadFromData(data, "PNG")) return std::nullopt;
    if (parts.size() == 3) {
        bool okX = false;
        bool okY = false;
        p.hotSpot = QPoint(parts[1].trimmed().toInt(&okX), parts[2].trimmed().toInt(&okY));
        if (!okX || !okY) return std::nullopt;
    }
    return p;
}

bool validName(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(name).hasMatch();
}

}  // namespace

QString formatValue(const PropertyValue& value) {
    struct Formatter {
        QString operator()(const QString& s) const { return quoted(s); }
        QString operator()(qint32 i) const { return QString::number(i); }
        QString operator()(qint16 i) const { return QString::number(i) + QLatin1Char('%'); }
        QString operator()(bool b) const { return boolText(b); }
        QString operator()(OleColor c) const {
            return QStringLiteral("&H%1&").arg(c.value, 8, 16, QLatin1Char('0')).toUpper();
        }
        QString operator()(const QFont& f) const { return fontText(f); }
        QString operator()(const StoredPicture& p) const { return pictureText(p); }
    };
    return std::visit(Formatter{}, value);
}

std::optional<PropertyValue> parseValue(const QString& text) {
    const QString s = text.trimmed();
    if (s.isEmpty()) return std::nullopt;
    if (s.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        auto t = unquote(s, pos);
        if (!t || pos != s.size()) return std::nullopt;
        return *t;
    }
    if (const auto b = parseBool(s)) return *b;
    if (s.startsWith(QLatin1String("&H")) && s.endsWith(QLatin1Char('&')) && s.size() > 3) {
        bool ok = false;
        const uint v = s.mid(2, s.size() - 3).toUInt(&ok, 16);
        if (!ok) return std::nullopt;
        return OleColor{v};
    }
    if (s.startsWith(QLatin1String("Font("))) {
        if (auto f = parseFont(s)) return *f;
        return std::nullopt;
    }
    if (s.startsWith(QLatin1String("Picture(")) && s.endsWith(QLatin1Char(')'))) {
        if (auto p = parsePicture(s)) return *p;
        return std::nullopt;
    }
    bool ok = false;
    if (s.endsWith(QLatin1Char('%'))) {
        const short v = s.chopped(1).toShort(&ok);
        if (ok) return static_cast<qint16>(v);
        return std::nullopt;
    }
    const int v = s.toInt(&ok);
    if (ok) return static_cast<qint32>(v);
    return std::nullopt;
}

PropertyBag& FormDescription::add(const QString& className, const QString& name) {
    for (Instance& i : m_instances) {
        if (i.name == name) {
            i = Instance{className, name, {}};
            return i.properties;
        }
    }
    m_instances.push_back(Instance{className, name, {}});
    return m_instances.back().properties;
}

const PropertyBag* FormDescription::find(const QString& name) const {
    for (const Instance& i : m_instances) {
        if (i.name == name) return &i.properties;
    }
    return nullptr;
}

QByteArray FormDescription::toText() const {
    QString out = QStringLiteral("' Quellan form description\n");
    for (const Instance& i : m_instances) {
        out += QStringLiteral("Begin %1 %2\n").arg(i.className, i.name);
        for (const auto& [key, value] : i.properties.entries()) {
            out += QStringLiteral("    %1 = %2\n").arg(key, formatValue(value));
        }
        out += QStringLiteral("End\n");
    }
    return out.toUtf8();
}

std::optional<FormDescription> FormDescription::fromText(const QByteArray& text, QString* error) {
    FormDescription form;
    Instance* open = nullptr;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    auto fail = [&](qsizetype line, const char* what) -> std::optional<FormDescription> {
        if (error) *error = QStringLiteral("line %1: %2").arg(line + 1).arg(QLatin1String(what));
        return std::nullopt;
    };
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('\''))) continue;
        if (line.startsWith(QLatin1String("Begin "))) {
            if (open) return fail(n, "Begin inside a Begin block");
            const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() != 3 || !validName(parts[1]) || !validName(parts[2])) {
                return fail(n, "Begin needs a class name and an instance name");
            }
            if (form.find(parts[2])) return fail(n, "instance described twice");
            form.add(parts[1], parts[2]);
            open = &form.m_instances.back();
            continue;
        }
        if (line == QLatin1String("End")) {
            if (!open) return fail(n, "End without Begin");
            open = nullptr;
            continue;
        }
        if (!open) return fail(n, "property outside a Begin block");
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString key = eq < 0 ? QString() : line.left(eq).trimmed();
        if (!validName(key)) return fail(n, "not a property line");
        if (open->properties.contains(key)) return fail(n, "property given twice");
        const auto value = parseValue(line.mid(eq + 1));
        if (!value) return fail(n, "unreadable value");
        open->properties.write(key, *value);
    }
    if (open) return fail(lines.size() - 1, "Begin without End");
    return form;
}

bool FormDescription::save(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toText()) < 0 || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<FormDescription> FormDescription::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxFileSize) {
        if (error) *error = QStringLiteral("file too large");
        return std::nullopt;
    }
    return fromText(file.readAll(), error);
}

}  // namespace quellan::xp
