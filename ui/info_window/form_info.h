// FORMinfo: the modal window that explains the two functions in a few lines of text drawn on its
// surface. Created at each opening and discarded when it closes.
#pragma once

#include "ui/screen_placement.h"

#include <QDialog>

namespace kx {

class FORMinfo : public QDialog {
    Q_OBJECT

public:
    // report: the frame the desktop tells; tests tell their own.
    explicit FORMinfo(QWidget* parent = nullptr, FrameReport report = desktopFrame);

protected:
    // The text is drawn at every paint, so it survives being covered by another window.
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load(FrameReport report);
};

} // namespace kx
