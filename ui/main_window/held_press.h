// The mouse press in progress on a window, ended before a modal window opens.
//
// A modal window that an input opens while its button is still down takes the release: the
// desktop sends it to the window under the grab, modality blocks it there, and the pressed control
// never learns that the button came up. The spin would go on stepping behind the message, each
// step bringing another message. Ending the press first gives each control the release it waits for.
#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWidget>

namespace kx {

class HeldPress : public QObject {
public:
    // Watches the presses on the controls of the window.
    explicit HeldPress(QWidget* window);

    // Sends the pressed control the release of its button, if a press is in progress.
    void end();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window;
    QPointer<QWidget> pressed;
    Qt::MouseButton button = Qt::NoButton;
    QPointF at; // in the pressed control's coordinates
};

} // namespace kx
