#include "ui/main_window/length_spin.h"

#include "calc/locale_numbers.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

namespace kx {
namespace {

constexpr int kLongestPort = 500;
constexpr int kStartLength = 250;

// A spin button to a screen reader, which is what the user meets: Orca reads a scroll bar's value as a
// percentage of its range. It reads as the length the field shows, the one the next step takes over,
// and as the length the scroll bar holds when the field holds none; never as the negated value itself.
// A screen reader reads the value as a number and again at each change Qt reports.
class LengthValue : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    LengthValue(QScrollBar* bar, const QLineEdit* field)
        : QAccessibleWidget(bar, QAccessible::SpinBox), bar(bar), field(field) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override {
        const auto shown = readDouble(field->text(), userLocale());
        return shown ? QVariant(*shown) : QVariant(-bar->value());
    }
    void setCurrentValue(const QVariant& value) override { bar->setValue(-value.toInt()); }
    QVariant maximumValue() const override { return -bar->minimum(); }
    QVariant minimumValue() const override { return -bar->maximum(); }
    QVariant minimumStepSize() const override { return bar->singleStep(); }

private:
    QScrollBar* bar;
    const QLineEdit* field;
};

} // namespace

// The scroll bar runs over the negated lengths, -500 to -1, so that its top end is the longest port
// and every input Qt gives a scroll bar (its arrows, Up and Down, PageUp and PageDown, Home and End,
// the wheel) goes the way its top arrow goes. Qt's invertedControls cannot do it: it flips only the
// wheel and the keys, not Home and End nor the arrows.
void setUpLengthSpin(QScrollBar* spin, const QLineEdit* lengthField) {
    spin->setRange(-kLongestPort, -1);
    spin->setValue(-kStartLength);
    // Registered at once, it takes the place of the interface Qt would make; Qt discards it with the bar.
    QAccessible::registerAccessibleInterface(new LengthValue(spin, lengthField));
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
