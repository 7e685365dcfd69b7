#include "ui/info_window/readable_lines.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace kx {
namespace {

class LineText : public QAccessibleInterface {
public:
    LineText(QAccessibleInterface* window, const DrawnLine& line) : owner(window), line(line) {}

    bool isValid() const override { return owner->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner->window(); }
    QAccessibleInterface* parent() const override { return owner; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? line.text : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const auto* widget = static_cast<QWidget*>(owner->object());
        return QRect(widget->mapToGlobal(line.place.topLeft()), line.place.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    QAccessibleInterface* owner;
    DrawnLine line;
};

// The window, whose children are its lines. Qt keeps interfaces without an object of their own until
// they are deleted: the lines go with the window's.
class WindowOfLines : public QAccessibleWidget {
public:
    WindowOfLines(QWidget* window, const QList<DrawnLine>& lines)
        : QAccessibleWidget(window, QAccessible::Dialog) {
        for (const DrawnLine& line : lines) {
            ids << QAccessible::registerAccessibleInterface(new LineText(this, line));
        }
    }
    ~WindowOfLines() override {
        for (const QAccessible::Id id : std::as_const(ids)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return int(ids.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < ids.size() ? QAccessible::accessibleInterface(ids[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return int(ids.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child))));
    }

private:
    QList<QAccessible::Id> ids;
};

} // namespace

// Registered at once, it takes the place of the interface Qt would make; Qt discards it with the window.
void presentDrawnLines(QWidget* window, const QList<DrawnLine>& lines) {
    QAccessible::registerAccessibleInterface(new WindowOfLines(window, lines));
}

} // namespace kx
