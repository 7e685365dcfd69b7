// FORMinfo: the modal window that explains the two functions in a few lines of text drawn on its
// surface. Created at each opening and discarded when it closes.
#pragma once

#include "ui/info_window/readable_lines.h"
#include "ui/screen_placement.h"

#include <QDialog>

namespace kx {

class FORMinfo : public QDialog {
    Q_OBJECT

public:
    // Its client area as designed, which it is centred by, then its outer size; twips.
    static constexpr QSize kDesignedSize{9390, 2925};
    static constexpr QSize kOuterSize{9120, 3300};

    explicit FORMinfo(QWidget* parent = nullptr);

protected:
    // The text is drawn at every paint, so it survives being covered by another window.
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    // Each line of the text where it is drawn, one font line below the other.
    QList<DrawnLine> drawnLines() const;
};

} // namespace kx
