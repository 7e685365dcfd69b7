// What Qt's accessibility cannot tell by itself, given to a screen reader control by control. Each
// was measured with Orca 43, the screen reader of Debian 12, on Qt 6.4.
#pragma once

class QComboBox;
class QLabel;
class QString;
class QWidget;

namespace kx {

// A top-level plain QWidget that is a window, with its title as its name.
void presentAsWindow(QWidget* window);

// A drawing that only decorates: no name, nothing to read.
void presentAsDecoration(QWidget* drawing);

// A result label, read as its accessible name when it has one, otherwise as its text, empty or not:
// never as the caption whose buddy it is.
void presentAsResult(QLabel* label);

// A drop-down list read as the item it shows, on focus and when the user asks where he is.
void presentShownItem(QComboBox* combo);

// A label that a screen reader speaks whenever announce() shows it, wherever the focus is. It need
// not be visible.
void presentAsNotification(QLabel* label);

// A label that a screen reader reads as the window's status bar when the user asks for it. It must
// be shown, though it may have no size.
void presentAsStatusBar(QLabel* label);

// Has the screen reader speak the message through the notification label, the same message again
// too; the focus stays where it is.
void announce(QLabel* notification, const QString& message);

} // namespace kx
