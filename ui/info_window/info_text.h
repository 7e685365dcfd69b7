// The text of the information window: what the two functions do and what to enter.
#pragma once

#include <QStringList>

namespace kx {

// Where each line begins: from the left edge of the window's client area.
constexpr int kInfoIndentTwips = 100;

// The lines in the window's language, top to bottom, one font line each, as each language lays
// them out to fit the window; empty lines are left blank.
QStringList informationLines();

} // namespace kx
