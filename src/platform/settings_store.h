#pragma once
// The per-user settings store: text values by application, section and key,
// with a default for a value that is absent.
#include <QString>

namespace quellan {

class SettingsStore {
  public:
    // Application `application`, section `section`.
    SettingsStore(const QString& application, const QString& section);

    QString value(const QString& key, const QString& fallback) const;
    void setValue(const QString& key, const QString& value);
    // Writes pending values out; false when the store could not be written.
    bool sync();

  private:
    QString m_application;
    QString m_section;
};

}  // namespace quellan
