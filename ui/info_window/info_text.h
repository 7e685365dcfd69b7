// The text of the information window: what the two functions do and what to enter.
#pragma once

#include <QString>

#include <span>

namespace kx {

struct InfoLine {
    QString text;
    int leftTwips; // from the left edge of the window's client area
};

// The fifteen lines, top to bottom, one font line each; empty lines are left blank.
std::span<const InfoLine> informationLines();

} // namespace kx
