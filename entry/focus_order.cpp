#include "entry/focus_order.h"

#include <algorithm>

namespace kx {

FocusOrder::FocusOrder(QStringList names) : order(std::move(names)) {
}

void FocusOrder::setPosition(const QString& name, int position) {
    const qsizetype from = order.indexOf(name);
    if (from < 0) {
        return;
    }
    order.move(from, std::clamp<qsizetype>(position, 0, order.size() - 1));
}

} // namespace kx
