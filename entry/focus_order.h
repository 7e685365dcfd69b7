// The window's focus order: one ordered list of every control that holds a position, frames and
// labels included, though only some of them can take the focus. Tab follows the list, wrapping.
#pragma once

#include <QString>
#include <QStringList>

namespace kx {

class FocusOrder {
public:
    // names[i] holds position i.
    explicit FocusOrder(QStringList names);

    // Takes the control out and puts it back at index position (the end, when beyond it); the
    // controls in between close the gap, all others keep their order. Unknown names change nothing.
    void setPosition(const QString& name, int position);

    const QStringList& names() const { return order; }

private:
    QStringList order;
};

} // namespace kx
