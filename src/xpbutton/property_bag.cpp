#include "xpbutton/property_bag.h"

#include <algorithm>

namespace quellan::xp {

namespace {

template <typename T>
const T* valueAs(const PropertyBag& bag, const QString& key) {
    const PropertyValue* v = bag.find(key);
    return v ? std::get_if<T>(v) : nullptr;
}

}  // namespace

const PropertyValue* PropertyBag::find(const QString& key) const {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const Entry& e) { return e.first == key; });
    return it == m_entries.end() ? nullptr : &it->second;
}

void PropertyBag::write(const QString& key, const PropertyValue& value,
                        const std::optional<PropertyValue>& defaultValue) {
    if (defaultValue && *defaultValue == value) {
        remove(key);
        return;
    }
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const Entry& e) { return e.first == key; });
    if (it != m_entries.end()) {
        it->second = value;
    } else {
        m_entries.emplace_back(key, value);
    }
}

void PropertyBag::remove(const QString& key) {
    std::erase_if(m_entries, [&](const Entry& e) { return e.first == key; });
}

QString readText(const PropertyBag& bag, const QString& key, const QString& defaultValue) {
    const QString* v = valueAs<QString>(bag, key);
    return v ? *v : defaultValue;
}

qint32 readInt(const PropertyBag& bag, const QString& key, qint32 defaultValue) {
    if (const qint32* v = valueAs<qint32>(bag, key)) return *v;
    if (const qint16* v = valueAs<qint16>(bag, key)) return *v;
    return defaultValue;
}

bool readBool(const PropertyBag& bag, const QString& key, bool defaultValue) {
    const bool* v = valueAs<bool>(bag, key);
    return v ? *v : defaultValue;
}

quint32 readColor(const PropertyBag& bag, const QString& key, quint32 defaultValue) {
    if (const OleColor* v = valueAs<OleColor>(bag, key)) return v->value;
    if (const qint32* v = valueAs<qint32>(bag, key)) return static_cast<quint32>(*v);
    return defaultValue;
}

QFont readFont(const PropertyBag& bag, const QString& key, const QFont& defaultValue) {
    const QFont* v = valueAs<QFont>(bag, key);
    return v ? *v : defaultValue;
}

StoredPicture readPicture(const PropertyBag& bag, const QString& key) {
    const StoredPicture* v = valueAs<StoredPicture>(bag, key);
    return v ? *v : StoredPicture{};
}

}  // namespace quellan::xp
