#include "ui/accessible_roles.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

namespace kx {
namespace {

class Decoration : public QAccessibleWidget {
public:
    explicit Decoration(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// Qt names an empty label by the caption whose buddy it is, and a plain widget by its accessible name
// alone: this one is named by its accessible name when it has one, otherwise by its own text.
class OwnTextLabel : public QAccessibleWidget {
public:
    OwnTextLabel(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role), label(label) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        const QString name = label->accessibleName();
        return name.isEmpty() ? label->text() : name;
    }

private:
    QLabel* label;
};

// Orca finds a drop-down list's item through a selection interface, which Qt 6.4 lacks, or through a
// text interface: this one holds the item shown. Its name is that item too, as Qt's own on Linux; the
// caption comes from the relation. Its popup list, a window of its own, still reads item by item.
class ShownItemCombo : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ShownItemCombo(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox), combo(combo) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? combo->currentText() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(int start, int end) const override { return combo->currentText().mid(start, end - start); }
    int characterCount() const override { return int(combo->currentText().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

private:
    QComboBox* combo;
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

void presentAsResult(QLabel* label) {
    QAccessible::registerAccessibleInterface(new OwnTextLabel(label, QAccessible::StaticText));
}

void presentShownItem(QComboBox* combo) {
    QAccessible::registerAccessibleInterface(new ShownItemCombo(combo));
}

void presentAsNotification(QLabel* label) {
    QAccessible::registerAccessibleInterface(new OwnTextLabel(label, QAccessible::Notification));
}

void presentAsStatusBar(QLabel* label) {
    QAccessible::registerAccessibleInterface(new OwnTextLabel(label, QAccessible::StatusBar));
}

// Orca speaks a notification each time it is shown, and passes over a label's other changes, its
// name's included. Qt reports the showing whatever the label's own visibility.
void announce(QLabel* notification, const QString& message) {
    notification->setText(message);
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace kx
