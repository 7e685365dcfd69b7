// The main window's controls as one table: kind, container, place, size, focus position, caption
// and colours. The window is built from it once; nothing else places a control.
#pragma once

#include "ui/twips.h"

#include <QColor>
#include <QString>

#include <optional>
#include <span>

namespace kx {

enum class ControlKind {
    Frame,        // QGroupBox; a caption, when it has one, is underlined
    Picture,      // QLabel that scales its picture to its own area
    TextField,    // QLineEdit, flat, pale yellow
    CaptionLabel, // QLabel, flat, no border
    RaisedLabel,  // QLabel in the ordinary 3D style on the 3D face
    ResultLabel,  // QLabel, flat, single-line border
    ComboBox,     // drop-down list
    ScrollBar,    // vertical, only its two arrows show
    FlatButton,   // QPushButton drawn flat on a colour of its own
    PushButton,   // ordinary 3D push button
    Line,         // drawn line; its place holds the two end points
    Rectangle,    // drawn filled rectangle
    Circle,       // drawn filled circle, centred in its place
};

// A place in twips, from the container's outer top-left corner; for a line, its two end points
// (x1, y1) and (x2, y2).
struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

struct ControlRow {
    QString name;
    ControlKind kind = ControlKind::Frame;
    QString container; // empty: the window itself
    Twips place;
    int focusPosition = -1; // at start-up; -1 for controls that hold none
    QString caption;
    std::optional<QColor> background;
    QString picture;     // resource path of the picture a control carries
    bool centred = true; // caption labels and result labels

    // For a screen reader: the caption label that names an input or labels a result (a button names
    // itself, a control without either has a name of its own), and what the control is for, in Italian.
    QString namedBy;
    QString spokenName;
    QString description;
};

// In creation order; a control inside a frame follows its frame.
std::span<const ControlRow> mainWindowControls();

// The window's client area, in twips.
constexpr QSize kMainWindowSize(9225, 4095);

} // namespace kx
