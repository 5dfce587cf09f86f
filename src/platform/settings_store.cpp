#include "platform/settings_store.h"

#include <QSettings>

#include "common/text_codec.h"

namespace quellan {

SettingsStore::SettingsStore(const QString& application, const QString& section)
    : m_application(application), m_section(section) {}

QString SettingsStore::value(const QString& key, const QString& fallback) const {
    QSettings settings(m_application, m_application);
    QVariant v = settings.value(m_section + "/" + key);
    if (!v.isValid()) return fallback;
    return v.toString();
}

void SettingsStore::setValue(const QString& key, const QString& value) {
    QSettings settings(m_application, m_application);
    settings.setValue(m_section + "/" + key, value);
}

std::string SettingsStore::bytes(const QString& key, const std::string& fallback) const {
    QSettings settings(m_application, m_application);
    QVariant v = settings.value(m_section + "/" + key);
    if (!v.isValid()) return fallback;
    if (v.typeId() == QMetaType::QByteArray) return v.toByteArray().toStdString();
    return v.toString().toStdString();
}

void SettingsStore::setBytes(const QString& key, const std::string& value) {
    QSettings settings(m_application, m_application);
    if (isValidUtf8(value)) {
        settings.setValue(m_section + "/" + key, QString::fromStdString(value));
    } else {
        settings.setValue(m_section + "/" + key, QByteArray::fromStdString(value));
    }
}

bool SettingsStore::sync() {
    QSettings settings(m_application, m_application);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace quellan
