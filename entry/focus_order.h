// The window's focus order: one ordered list of every control that holds a position, frames and
// labels included, though only some of them can take the focus. Tab follows the list, wrapping.
#pragma once

#include <QList>

#include <algorithm>

namespace kx {

template <typename Control> class FocusOrder {
public:
    FocusOrder() = default;
    // controls[i] holds position i.
    explicit FocusOrder(QList<Control> controls) : order(std::move(controls)) {}

    // Takes the control out and puts it back at index position (the end, when beyond it); the
    // controls in between close the gap, all others keep their order. An unknown control changes nothing.
    void setPosition(const Control& control, int position) {
        const qsizetype from = order.indexOf(control);
        if (from >= 0) {
            order.move(from, std::clamp<qsizetype>(position, 0, order.size() - 1));
        }
    }

    const QList<Control>& controls() const { return order; }

private:
    QList<Control> order;
};

} // namespace kx
