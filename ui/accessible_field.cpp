#include "ui/accessible_field.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include <algorithm>
#include <tuple>
#include <utility>

namespace kx {
namespace {

class FieldText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FieldText(QLineEdit* field) : QAccessibleWidget(field, QAccessible::EditableText), field(field) {
        // The selection as it stands while the field has the focus.
        QObject::connect(field, &QLineEdit::selectionChanged, field, [this] {
            if (this->field->hasFocus()) {
                kept = {this->field->selectionStart(), this->field->selectionEnd()};
            }
        });
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? field->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    QString text(int start, int end) const override { return field->text().mid(start, end - start); }
    int characterCount() const override { return int(field->text().size()); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int cursorPosition() const override { return field->cursorPosition(); }
    void setCursorPosition(int position) override { field->setCursorPosition(position); }
    int selectionCount() const override {
        const auto [start, end] = shownSelection();
        return start < end ? 1 : 0;
    }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0) {
            std::tie(*start, *end) = shownSelection();
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            field->deselect();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            field->setSelection(start, end - start);
        }
    }
    // Measured from the caret, the one place of the text Qt tells, so that a scrolled text is right too.
    // Qt's caret rectangle reaches as far to the left of the caret as to its right.
    QRect characterRect(int offset) const override {
        const QString all = field->text();
        if (offset < 0 || offset >= all.size()) {
            return {};
        }
        const QFontMetrics metrics(field->font());
        const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = qRound(QRectF(caret).center().x()) -
                      metrics.horizontalAdvance(all.left(field->cursorPosition())) +
                      metrics.horizontalAdvance(all.left(offset));
        const QRect character(x, caret.y(), metrics.horizontalAdvance(all.at(offset)), caret.height());
        return QRect(field->mapToGlobal(character.topLeft()), character.size());
    }
    // The character under the point, not the caret place nearest to it: the right half of a character
    // is that character's too.
    int offsetAtPoint(const QPoint& point) const override {
        for (int offset = 0; offset < characterCount(); ++offset) {
            if (characterRect(offset).contains(point)) {
                return offset;
            }
        }
        return -1;
    }
    void scrollToSubstring(int start, int end) override {
        field->setCursorPosition(end);
        field->setCursorPosition(start);
    }

private:
    std::pair<int, int> shownSelection() const {
        if (field->hasFocus()) {
            return {field->selectionStart(), field->selectionEnd()};
        }
        const int length = characterCount();
        return {std::min(kept.first, length), std::min(kept.second, length)};
    }

    QLineEdit* field;
    std::pair<int, int> kept{-1, -1}; // the selection as the focus last left the field
};

} // namespace

// Registered at once, it takes the place of the interface Qt would make; Qt discards it with the field.
void presentAsField(QLineEdit* field) {
    QAccessible::registerAccessibleInterface(new FieldText(field));
}

} // namespace kx
