#pragma once
// The option buttons of one container form a group: at most one of them is
// on. The group lives in the container's named properties: "qx_OptCount"
// holds the number n of members and "1qx_Obj" .. "<n>qx_Obj" the members in
// the order they joined. The references do not own the widgets and read as
// null once a widget is gone, so the group never reaches a destroyed one.
#include <QByteArray>
#include <QPointer>
#include <vector>

class QObject;

namespace quellan {

class XPButton;

namespace xp {

inline constexpr const char* kOptionCountKey = "qx_OptCount";

// "<position>qx_Obj", position counted from 1.
QByteArray optionMemberKey(int position);

// A view of the group kept on container (nothing happens for a null one).
class OptionGroup {
  public:
    explicit OptionGroup(QObject* container) : m_container(container) {}

    int count() const;
    // The member at position 1..count(); null when the widget is gone.
    XPButton* member(int position) const;
    std::vector<XPButton*> members() const;        // the live members, in order
    int positionOf(const XPButton* button) const;  // 0 when not a member

    // Appends button; a member already in the group keeps its place.
    void add(XPButton* button);
    // Removes button, the later members moving down one position; the
    // count goes when the last member leaves.
    void remove(const XPButton* button);

  private:
    void setCount(int n);

    QObject* m_container;
};

}  // namespace xp
}  // namespace quellan
