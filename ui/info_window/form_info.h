// FORMinfo: the modal window that explains the two functions in a few lines of text drawn on its
// surface. Created at each opening and discarded when it closes.
#pragma once

#include <QDialog>

namespace kx {

class FORMinfo : public QDialog {
    Q_OBJECT

public:
    explicit FORMinfo(QWidget* parent = nullptr);

protected:
    // The text is drawn at every paint, so it survives being covered by another window.
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
};

} // namespace kx
