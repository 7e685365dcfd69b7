#include "entry/field_guidance.h"

#include "entry/guidance_pictures.h"

#include <QDir>

namespace kx {

namespace {

using Positions = QList<std::pair<FocusControl, int>>;

enum class Head { HeightFirst, WidthFirst, DiameterAside };

// The port fields, the volume, the length and the two calculation buttons at the head of the focus
// order, height before width after a port field was entered, width before height after the volume
// or the length. Entering the width takes the diameter out of the head (to position 25), so Tab
// goes from the width straight to the volume.
Positions focusHead(Head head) {
    using C = FocusControl;
    QList<C> controls{C::Height, C::Width,           C::Diameter,      C::Volume,
                      C::Length, C::CalculateButton, C::OptimiseButton};
    if (head == Head::WidthFirst) {
        controls.swapItemsAt(0, 1);
    }
    constexpr int kDiameterAside = 25;
    Positions positions;
    int next = 0;
    for (const C control : controls) {
        const bool aside = head == Head::DiameterAside && control == C::Diameter;
        positions.append({control, aside ? kDiameterAside : next++});
    }
    return positions;
}

// A picture's file name, after the program's folder: it opens with the platform's separator.
QString inProgramFolder(GuidancePicture picture) {
    return QDir::separator() + QLatin1String(fileName(picture));
}

} // namespace

FieldGuidance guidanceFor(NumericField entered, bool diameterHoldsText) {
    switch (entered) {
    case NumericField::Height:
        return {{NumericField::Diameter},
                focusHead(Head::HeightFirst),
                inProgramFolder(GuidancePicture::Height),
                QT_TRANSLATE_NOOP("kx::FieldGuidance", "altezza del condotto rettangolare, in centimetri")};
    case NumericField::Diameter:
        return {{NumericField::Width, NumericField::Height},
                focusHead(Head::HeightFirst),
                inProgramFolder(GuidancePicture::Diameter),
                QT_TRANSLATE_NOOP("kx::FieldGuidance", "diametro del condotto circolare, in centimetri")};
    case NumericField::Volume:
        return {{},
                focusHead(Head::WidthFirst),
                inProgramFolder(GuidancePicture::Volume),
                QT_TRANSLATE_NOOP("kx::FieldGuidance", "volume netto della cassa, in decimetri cubi")};
    case NumericField::Width:
        return {{NumericField::Diameter},
                focusHead(Head::DiameterAside),
                inProgramFolder(GuidancePicture::Width),
                QT_TRANSLATE_NOOP("kx::FieldGuidance", "larghezza del condotto rettangolare, in centimetri")};
    case NumericField::Length:
        if (diameterHoldsText) {
            return {
                {},
                focusHead(Head::WidthFirst),
                inProgramFolder(GuidancePicture::RoundPortLength),
                QT_TRANSLATE_NOOP("kx::FieldGuidance", "lunghezza del condotto circolare, in centimetri")};
        }
        return {{},
                focusHead(Head::WidthFirst),
                inProgramFolder(GuidancePicture::SlotLength),
                QT_TRANSLATE_NOOP("kx::FieldGuidance", "lunghezza del condotto rettangolare, in centimetri")};
    }
    return {};
}

} // namespace kx
