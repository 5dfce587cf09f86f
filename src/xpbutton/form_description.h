#pragma once
// A form description: the stored property sets of a window's widgets, by
// instance name, in a UTF-8 text file of ours:
//
//   ' comment
//   Begin XPButton XPButton1
//       Caption = "撤消一步"
//       BackStyle = 2
//       ImgSize = 48%
//       Focus = False
//       cBack = &H8000000F&
//       Font = Font("宋体", 9, 400, False, False, False)
//       Image = Picture(<PNG as base64>)
//       mIcon = Picture(<PNG as base64>, 8, 2)
//   End
//
// Texts are quoted with \\, \", \n, \r and \t escapes; 32-bit integers are
// plain decimals, 16-bit ones end in "%"; colours are hexadecimal between
// "&H" and "&"; Picture() is none.
#include <QByteArray>
#include <QString>
#include <deque>
#include <optional>

#include "xpbutton/property_bag.h"

namespace quellan::xp {

class FormDescription {
  public:
    struct Instance {
        QString className;
        QString name;
        PropertyBag properties;
        bool operator==(const Instance&) const = default;
    };

    // The property set of the instance name, created empty (or emptied) for
    // a new description. It stays valid while instances are added.
    PropertyBag& add(const QString& className, const QString& name);
    const PropertyBag* find(const QString& name) const;
    const std::deque<Instance>& instances() const { return m_instances; }
    bool operator==(const FormDescription&) const = default;

    QByteArray toText() const;
    // nullopt for a text that is not a form description; error then names
    // the line and what is wrong with it.
    static std::optional<FormDescription> fromText(const QByteArray& text,
                                                   QString* error = nullptr);

    // Written through a temporary file, so a failed save keeps the old one.
    bool save(const QString& path, QString* error = nullptr) const;
    static std::optional<FormDescription> load(const QString& path, QString* error = nullptr);

  private:
    std::deque<Instance> m_instances;
};

// One value in the file's notation, and back (nullopt: not a value).
QString formatValue(const PropertyValue& value);
std::optional<PropertyValue> parseValue(const QString& text);

}  // namespace quellan::xp
