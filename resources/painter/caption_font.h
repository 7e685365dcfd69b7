// The face the pictures write their captions in. Without it Qt draws in another face, or draws
// empty boxes where the letters belong, and nothing else would notice; so the painter asks first.
#pragma once

#include <QString>

namespace painter {

inline QString captionFamily() {
    return QStringLiteral("Liberation Sans");
}

// The Debian package that installs the face, for the message that asks for it.
inline constexpr const char* kCaptionFontPackage = "fonts-liberation";

// Whether Qt draws a caption in the face itself rather than in a substitute.
bool captionFontInstalled();

} // namespace painter
