#pragma once
// The stored property set of one widget instance: keys with typed values, in
// the order they were written. Reading gives the default of a missing key;
// writing leaves a key out when its value equals the default, so that a
// saved set holds only what differs from a fresh widget.
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace quellan::xp {

// A colour value (system colour reference or packed RGB), kept apart from
// plain integers so that a saved set says which is which.
struct OleColor {
    quint32 value = 0;
    bool operator==(const OleColor&) const = default;
};

// A picture (null image: none); the hot spot matters for cursors only.
struct StoredPicture {
    QImage image;
    QPoint hotSpot;
    bool isNone() const { return image.isNull(); }
    bool operator==(const StoredPicture& other) const {
        return hotSpot == other.hotSpot && image == other.image;
    }
};

// Text, 32-bit integer, 16-bit integer, Boolean, colour, font, picture.
using PropertyValue = std::variant<QString, qint32, qint16, bool, OleColor, QFont, StoredPicture>;

class PropertyBag {
  public:
    using Entry = std::pair<QString, PropertyValue>;

    // The value stored under key, or nullptr when the key is missing.
    const PropertyValue* find(const QString& key) const;
    bool contains(const QString& key) const { return find(key) != nullptr; }

    // Stores value under key (replacing an earlier value in its place). When
    // a default is given and the value equals it, the key is left out.
    void write(const QString& key, const PropertyValue& value,
               const std::optional<PropertyValue>& defaultValue = std::nullopt);
    void remove(const QString& key);

    const std::vector<Entry>& entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.empty(); }
    bool operator==(const PropertyBag&) const = default;

  private:
    std::vector<Entry> m_entries;
};

// Typed reads: the default for a missing key or a value of another type.
// Integers accept either width; a colour also accepts a 32-bit integer.
QString readText(const PropertyBag& bag, const QString& key, const QString& defaultValue);
qint32 readInt(const PropertyBag& bag, const QString& key, qint32 defaultValue);
bool readBool(const PropertyBag& bag, const QString& key, bool defaultValue);
quint32 readColor(const PropertyBag& bag, const QString& key, quint32 defaultValue);
QFont readFont(const PropertyBag& bag, const QString& key, const QFont& defaultValue);
StoredPicture readPicture(const PropertyBag& bag, const QString& key);

}  // namespace quellan::xp
