#include "ui/accessible_roles.h"

#include <QAccessibleWidget>
#include <QScrollBar>

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

class NegatedScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit NegatedScrollBar(QScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar), bar(bar) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return -bar->value(); }
    void setCurrentValue(const QVariant& value) override { bar->setValue(-value.toInt()); }
    QVariant maximumValue() const override { return -bar->minimum(); }
    QVariant minimumValue() const override { return -bar->maximum(); }
    QVariant minimumStepSize() const override { return bar->singleStep(); }

private:
    QScrollBar* bar;
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

void presentNegated(QScrollBar* bar) {
    QAccessible::registerAccessibleInterface(new NegatedScrollBar(bar));
}

} // namespace kx
