// Box dimensions in golden proportion from the net volume alone:
// height : depth : width = 1.618 : 1 : 0.618, their product close to the volume.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace kx {

struct BoxDimensions {
    QString height; // cm
    QString width;  // cm
    QString depth;  // cm
};

// The three dimensions, formatted, for a volume text in dm^3. No value for an empty text, and none
// for a text that is not a number of zero or more within the single-precision range: the labels
// then keep what they show.
std::optional<BoxDimensions> proportionBox(const QString& volumeText, const QLocale& locale);

} // namespace kx
