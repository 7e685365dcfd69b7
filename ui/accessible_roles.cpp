#include "ui/accessible_roles.h"

#include <QAccessibleWidget>

namespace kx {
namespace {

class Decoration : public QAccessibleWidget {
public:
    explicit Decoration(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

} // namespace

// Registered at once, these take the place of the interfaces Qt would make when a screen reader asks;
// Qt discards each with its widget.
void presentAsWindow(QWidget* window) {
    QAccessible::registerAccessibleInterface(new QAccessibleWidget(window, QAccessible::Window));
}

void presentAsDecoration(QWidget* drawing) {
    QAccessible::registerAccessibleInterface(new Decoration(drawing));
}

} // namespace kx
