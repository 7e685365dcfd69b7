#include "ui/main_window/length_spin.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace kx {
namespace {

constexpr int kLongestPort = 500;
constexpr int kStartLength = 250;

// Reads as the length, not as the negated value the scroll bar holds.
class LengthValue : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit LengthValue(QScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar), bar(bar) {}
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

// The scroll bar runs over the negated lengths, -500 to -1, so that its top end is the longest port
// and every input Qt gives a scroll bar (its arrows, Up and Down, PageUp and PageDown, Home and End,
// the wheel) goes the way its top arrow goes. Qt's invertedControls cannot do it: it flips only the
// wheel and the keys, not Home and End nor the arrows.
void setUpLengthSpin(QScrollBar* spin) {
    spin->setRange(-kLongestPort, -1);
    spin->setValue(-kStartLength);
    // Registered at once, it takes the place of the interface Qt would make; Qt discards it with the bar.
    QAccessible::registerAccessibleInterface(new LengthValue(spin));
}

int spinLength(const QScrollBar* spin) {
    return -spin->value();
}

void setSpinLength(QScrollBar* spin, int length) {
    spin->setValue(-length);
}

// A scroll bar that holds no press ignores a release, so one is sent whatever the button's state.
void releaseSpinArrow(QScrollBar* spin) {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), spin->mapToGlobal(QPointF()), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(spin, &release);
}

} // namespace kx
