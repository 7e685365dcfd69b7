#include "ui/main_window/press_on_return.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kx {
namespace {

class PressOnReturn : public QObject {
public:
    explicit PressOnReturn(QPushButton* button) : QObject(button), button(button) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) {
            return false;
        }
        button->click();
        return true;
    }

private:
    QPushButton* button;
};

} // namespace

void pressOnReturn(QPushButton* button) {
    button->installEventFilter(new PressOnReturn(button));
}

} // namespace kx
