// The focus order under any sequence of position changes: no control is lost or doubled, the
// moved one stands where it was put, and the others keep their order.
#include "entry/focus_order.h"
#include "fuzz_input.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kxfuzz::Input input(data, size);
    const int count = 1 + input.byte() % 40;
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names << QString::number(i);
    }
    kx::FocusOrder order(names);
    while (!input.empty()) {
        const QString moved = QString::number(input.byte() % (count + 2)); // now and then unknown
        const int position = std::int8_t(input.byte());
        const QStringList before = order.names();
        order.setPosition(moved, position);
        const QStringList after = order.names();
        QStringList sortedBefore = before, sortedAfter = after;
        sortedBefore.sort();
        sortedAfter.sort();
        kxfuzz::check(sortedBefore == sortedAfter, "the same controls", moved);
        if (!before.contains(moved)) {
            kxfuzz::check(before == after, "an unknown name changes nothing", moved);
            continue;
        }
        kxfuzz::check(order.position(moved) == std::clamp(position, 0, count - 1), "moved to its place",
                      moved);
        QStringList othersBefore = before, othersAfter = after;
        othersBefore.removeOne(moved);
        othersAfter.removeOne(moved);
        kxfuzz::check(othersBefore == othersAfter, "the others keep their order", moved);
    }
    return 0;
}
