#include "platform/settings_store.h"

#include <QSettings>

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

bool SettingsStore::sync() {
    QSettings settings(m_application, m_application);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace quellan
