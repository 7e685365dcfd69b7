// The six pictures that explain the numeric fields: a vented box in perspective with the quantity
// of the field marked in red, and the field's caption below.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace painter {

struct GuidancePicture {
    QString fileName;
    QImage picture;
};

std::vector<GuidancePicture> guidancePictures();

} // namespace painter
