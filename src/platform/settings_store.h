#pragma once
// The per-user settings store: text values by application, section and key,
// with a default for a value that is absent.
#include <QString>
#include <string>

namespace quellan {

class SettingsStore {
  public:
    // Application `application`, section `section`.
    SettingsStore(const QString& application, const QString& section);

    QString value(const QString& key, const QString& fallback) const;
    void setValue(const QString& key, const QString& value);
    // The same for a value held as bytes, such as a layout name in the file
    // system's own bytes: bytes that are UTF-8 are stored as text, any other
    // bytes exactly as they are, so the value reads back unchanged.
    std::string bytes(const QString& key, const std::string& fallback) const;
    void setBytes(const QString& key, const std::string& value);
    // Writes pending values out; false when the store could not be written.
    bool sync();

  private:
    QString m_application;
    QString m_section;
};

}  // namespace quellan
