// The six pictures that explain the numeric fields: JPEG files in the program's folder, drawn at
// build time by the picture program and read by the window each time a field is entered.
#pragma once

#include <array>

namespace kx {

enum class GuidancePicture { Volume, Diameter, Height, Width, RoundPortLength, SlotLength };

inline constexpr std::array kGuidancePictures{GuidancePicture::Volume,          GuidancePicture::Diameter,
                                              GuidancePicture::Height,          GuidancePicture::Width,
                                              GuidancePicture::RoundPortLength, GuidancePicture::SlotLength};

// The picture's file name in the program's folder.
constexpr const char* fileName(GuidancePicture picture) {
    switch (picture) {
    case GuidancePicture::Volume:
        return "boxVOL.jpg";
    case GuidancePicture::Diameter:
        return "box_circDIAM.jpg";
    case GuidancePicture::Height:
        return "boxALT.jpg";
    case GuidancePicture::Width:
        return "boxLARG.jpg";
    case GuidancePicture::RoundPortLength:
        return "box_circLUNG.jpg";
    case GuidancePicture::SlotLength:
        return "boxLUNG.jpg";
    }
    return "";
}

} // namespace kx
