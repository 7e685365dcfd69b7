#include "entry/field_guidance.h"

#include <QDir>

namespace kx {
namespace picture {
namespace {
QString inProgramFolder(const char* fileName) {
    return QDir::separator() + QLatin1String(fileName);
}
} // namespace

QString volume() {
    return inProgramFolder("boxVOL.jpg");
}
QString circularDiameter() {
    return inProgramFolder("box_circDIAM.jpg");
}
QString height() {
    return inProgramFolder("boxALT.jpg");
}
QString width() {
    return inProgramFolder("boxLARG.jpg");
}
QString circularLength() {
    return inProgramFolder("box_circLUNG.jpg");
}
QString rectangularLength() {
    return inProgramFolder("boxLUNG.jpg");
}
} // namespace picture

namespace {

using Positions = QList<std::pair<QString, int>>;

// Height before width: after entering a port field.
const Positions& heightFirst() {
    static const Positions positions{{"TXTalt", 0},  {"TXTlar", 1},       {"TXTdia", 2},      {"TXTvol", 3},
                                     {"TXTlung", 4}, {"CMDcalcolaKx", 5}, {"CMDottimizza", 6}};
    return positions;
}

// Width before height: after entering the volume or the length.
const Positions& widthFirst() {
    static const Positions positions{{"TXTlar", 0},  {"TXTalt", 1},       {"TXTdia", 2},      {"TXTvol", 3},
                                     {"TXTlung", 4}, {"CMDcalcolaKx", 5}, {"CMDottimizza", 6}};
    return positions;
}

// After entering the width the diameter leaves the head, so Tab goes from the width to the volume.
const Positions& diameterAside() {
    static const Positions positions{{"TXTalt", 0},  {"TXTlar", 1},       {"TXTdia", 25},     {"TXTvol", 2},
                                     {"TXTlung", 3}, {"CMDcalcolaKx", 4}, {"CMDottimizza", 5}};
    return positions;
}

} // namespace

FieldGuidance guidanceFor(NumericField entered, bool diameterHoldsText) {
    switch (entered) {
    case NumericField::Height:
        return {{NumericField::Diameter},
                heightFirst(),
                picture::height(),
                QStringLiteral("altezza del condotto rettangolare, in centimetri")};
    case NumericField::Diameter:
        return {{NumericField::Width, NumericField::Height},
                heightFirst(),
                picture::circularDiameter(),
                QStringLiteral("diametro del condotto circolare, in centimetri")};
    case NumericField::Volume:
        return {{},
                widthFirst(),
                picture::volume(),
                QStringLiteral("volume netto della cassa, in decimetri cubi")};
    case NumericField::Width:
        return {{NumericField::Diameter},
                diameterAside(),
                picture::width(),
                QStringLiteral("larghezza del condotto rettangolare, in centimetri")};
    case NumericField::Length:
        if (diameterHoldsText) {
            return {{},
                    widthFirst(),
                    picture::circularLength(),
                    QStringLiteral("lunghezza del condotto circolare, in centimetri")};
        }
        return {{},
                widthFirst(),
                picture::rectangularLength(),
                QStringLiteral("lunghezza del condotto rettangolare, in centimetri")};
    }
    return {};
}

} // namespace kx
