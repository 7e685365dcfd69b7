// Builds the main window's controls from its control table.
#pragma once

#include "ui/main_window/control_table.h"

#include <QHash>
#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace kx {

// The controls the window's handlers use, by their names, of their kinds; and every control by name.
struct MainControls {
    QHash<QString, QWidget*> byName;
    QLineEdit *TXTvol, *TXTdia, *TXTlar, *TXTalt, *TXTlung;
    QLabel *LBLsezione, *LBLdia, *LBLvolcondotto, *LBLkx;
    QLabel *LBLalt, *LBLlarg, *LBLpro, *Image1;
    QPushButton *CMDcalcolaKx, *CMDottimizza, *CMDinfo, *CMDuscire;
    QComboBox* CMBcondotti;
    QScrollBar* VSLungcond;
};

// Creates every control of the table inside the window, named, placed, coloured and named for screen
// readers. Frames are created before the controls they hold.
MainControls buildControls(QWidget* window);

// The plain widget of the row's kind, as yet without its place, colours or caption font.
QWidget* newControl(const ControlRow& row, QWidget* container);

// The row's place in its container, in pixels.
QRect placeOf(const ControlRow& row);

} // namespace kx
