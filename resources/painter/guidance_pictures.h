// The six pictures that explain the numeric fields: a vented box in perspective with the quantity
// of the field marked in red, and the field's caption below.
#pragma once

#include "entry/guidance_pictures.h"

#include <QImage>

namespace painter {

QImage guidancePicture(kx::GuidancePicture which);

} // namespace painter
