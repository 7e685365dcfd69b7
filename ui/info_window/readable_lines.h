// The lines drawn on the information window, each a text object of its own for a screen reader, which
// can then move through them line by line; drawn text is otherwise nothing to it.
#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace kx {

struct DrawnLine {
    QString text;
    QRect place; // in the window
};

// lines: the lines the window draws, the empty ones left out.
void presentDrawnLines(QWidget* window, const QList<DrawnLine>& lines);

} // namespace kx
