#include "ui/main_window/control_table.h"

#include <vector>

namespace kx {
namespace {

const QColor kLightGrey(224, 224, 224);
const QColor kPaleYellow(255, 255, 192);
const QColor kPeach(255, 224, 192);
const QColor kGreen(128, 255, 128);
const QColor kYellow(255, 255, 128);
const QColor kOrange(255, 192, 128);
const QColor kLavender(192, 192, 255);
const QColor kSolidYellow(255, 255, 0);

const QString kWindow;

ControlRow control(const QString& name, ControlKind kind, const QString& container, Twips place, int focus) {
    ControlRow row;
    row.name = name;
    row.kind = kind;
    row.container = container;
    row.place = place;
    row.focusPosition = focus;
    return row;
}

ControlRow frame(const QString& name, Twips place, int focus, const QString& caption = {}) {
    ControlRow row = control(name, ControlKind::Frame, kWindow, place, focus);
    row.caption = caption;
    return row;
}

ControlRow textField(const QString& name, const QString& container, Twips place, int focus) {
    ControlRow row = control(name, ControlKind::TextField, container, place, focus);
    row.background = kPaleYellow;
    return row;
}

enum class Align { Centred, Left };

ControlRow captionLabel(const QString& name, const QString& container, Twips place, int focus,
                        const QString& caption, Align align = Align::Centred) {
    ControlRow row = control(name, ControlKind::CaptionLabel, container, place, focus);
    row.caption = caption;
    row.background = kLightGrey;
    row.centred = align == Align::Centred;
    return row;
}

ControlRow resultLabel(const QString& name, const QString& container, Twips place, int focus,
                       const QColor& background) {
    ControlRow row = control(name, ControlKind::ResultLabel, container, place, focus);
    row.background = background;
    return row;
}

ControlRow button(const QString& name, ControlKind kind, const QString& container, Twips place, int focus,
                  const QString& caption, std::optional<QColor> background = {},
                  const QString& picture = {}) {
    ControlRow row = control(name, kind, container, place, focus);
    row.caption = caption;
    row.background = background;
    row.picture = picture;
    return row;
}

ControlRow drawn(const QString& name, ControlKind kind, Twips place, std::optional<QColor> fill = {}) {
    ControlRow row = control(name, kind, QStringLiteral("Frame5"), place, -1);
    row.background = fill;
    return row;
}

// What a screen reader says of the control: the caption that names it, and what it is for.
ControlRow spoken(ControlRow row, const QString& namedBy, const QString& description) {
    row.namedBy = namedBy;
    row.description = description;
    return row;
}

// The same, for a control that no caption names.
ControlRow named(ControlRow row, const QString& name, const QString& description) {
    row.spokenName = name;
    row.description = description;
    return row;
}

std::vector<ControlRow> buildTable() {
    using K = ControlKind;
    ControlRow combo = control("CMBcondotti", K::ComboBox, "Frame4", {1920, 180, 1215, 315}, 22);
    combo.background = kPaleYellow;
    ControlRow times = control("Label6", K::RaisedLabel, "Frame5", {1740, 720, 195, 195}, 33);
    times.caption = QStringLiteral("X");

    return {
        frame("Frame6", {60, 0, 2355, 3495}, 37),
        control("Image1", K::Picture, "Frame6", {60, 180, 2235, 3240}, -1),

        frame("Frame3", {2460, 2700, 3255, 795}, 3, "Dimensioni"),
        spoken(textField("TXTvol", "Frame3", {1980, 360, 915, 255}, 0), "Label2",
               "Volume netto della cassa, in decimetri cubi"),
        captionLabel("Label2", "Frame3", {120, 360, 1695, 255}, 4, "Volume box      (dm^3)"),

        frame("Frame5", {2460, 720, 3255, 1935}, 26, "Dimensioni condotto"),
        named(control("VSLungcond", K::ScrollBar, "Frame5", {2940, 1500, 255, 255}, 36),
              "Passo della lunghezza del condotto",
              "Allunga o accorcia il condotto di un centimetro e ricalcola Kx; la prima volta riprende la "
              "lunghezza scritta"),
        spoken(textField("TXTlung", "Frame5", {1980, 1500, 915, 255}, 30), "Label3",
               "Lunghezza del condotto reflex, in centimetri"),
        spoken(textField("TXTlar", "Frame5", {1980, 660, 915, 255}, 29), "Label7(0)",
               "Larghezza del condotto rettangolare, in centimetri; entrandovi si svuota il diametro"),
        spoken(textField("TXTalt", "Frame5", {780, 660, 915, 255}, 28), "Label5(0)",
               "Altezza del condotto rettangolare, in centimetri; entrandovi si svuota il diametro"),
        spoken(textField("TXTdia", "Frame5", {1980, 1140, 915, 255}, 27), "Label9(0)",
               "Diametro del condotto circolare, in centimetri; entrandovi si svuotano altezza e larghezza"),
        drawn("Line2", K::Line, {1920, 1170, 1680, 1350}),
        drawn("Line1", K::Line, {765, 660, 480, 915}),
        drawn("Shape2", K::Circle, {1590, 1170, 435, 195}, kSolidYellow),
        drawn("Shape1", K::Rectangle, {480, 720, 270, 150}, kSolidYellow),
        captionLabel("Label3", "Frame5", {240, 1560, 1695, 255}, 35, "Lunghezza cond.  (cm)"),
        captionLabel("Label7(0)", "Frame5", {1980, 300, 855, 255}, 34, "Larg.  (cm)"),
        times,
        captionLabel("Label5(0)", "Frame5", {780, 300, 855, 255}, 32, "Alt.    (cm)"),
        captionLabel("Label9(0)", "Frame5", {240, 1140, 1395, 255}, 31, "Diam.             (cm)"),

        frame("Frame4", {2460, 0, 3255, 675}, 21),
        spoken(combo, "Label11", "Numero di condotti uguali, da 1 a 4"),
        captionLabel("Label11", "Frame4", {120, 240, 1695, 255}, 23, "Numero  condotti"),

        spoken(button("CMDuscire", K::PushButton, kWindow, {6780, 3600, 2355, 435}, 20, "&Uscire"), {},
               "Chiude il programma"),
        named(button("CMDinfo", K::PushButton, kWindow, {5580, 3600, 1095, 435}, 19, {}, {},
                     ":/pictures/info.png"),
              "Informazioni", "Apre la finestra che spiega le due funzioni del programma"),

        frame("Frame2", {5820, 0, 3315, 1455}, 12, "Ottimizza dimensioni del box"),
        spoken(button("CMDottimizza", K::FlatButton, "Frame2", {2220, 300, 975, 1035}, 2,
                      "&Ottimizza dimensioni", kLavender, ":/pictures/ottimizza.bmp"),
               {}, "Propone altezza, larghezza e profondit\u00E0 della cassa in proporzione aurea"),
        spoken(resultLabel("LBLalt", "Frame2", {1260, 300, 735, 255}, 18, kGreen), "Label5(1)",
               "Altezza proposta della cassa, in centimetri"),
        spoken(resultLabel("LBLlarg", "Frame2", {1260, 660, 735, 255}, 17, kYellow), "label10(1)",
               "Larghezza proposta della cassa, in centimetri"),
        spoken(resultLabel("LBLpro", "Frame2", {1260, 1020, 735, 255}, 16, kOrange), "LBL(2)",
               "Profondit\u00E0 proposta della cassa, in centimetri"),
        captionLabel("Label5(1)", "Frame2", {120, 300, 855, 255}, 15, "Alt.    (cm)"),
        captionLabel("label10(1)", "Frame2", {120, 660, 855, 255}, 14, "Larg.  (cm)"),
        captionLabel("LBL(2)", "Frame2", {120, 1020, 855, 255}, 13, "Prof.  (cm)"),

        frame("Frame1", {5820, 1500, 3315, 1995}, 5, "Calcolo Kx"),
        spoken(button("CMDcalcolaKx", K::FlatButton, "Frame1", {120, 1560, 3075, 315}, 1, "&Calcola Kx ",
                      kPeach),
               {}, "Calcola la frequenza di accordo della cassa con i suoi condotti"),
        spoken(resultLabel("LBLvolcondotto", "Frame1", {2220, 900, 975, 255}, 25, kLightGrey), "Label1",
               "Volume occupato da un condotto, in decimetri cubi"),
        captionLabel("Label1", "Frame1", {120, 900, 1815, 255}, 24, "Volume condotto   (dm^3)", Align::Left),
        spoken(resultLabel("LBLkx", "Frame1", {2220, 1200, 975, 255}, 11, kPeach), "Label4",
               "Frequenza di accordo di cassa e condotti, in hertz"),
        captionLabel("Label4", "Frame1", {120, 1200, 1095, 255}, 10, "Kx  (Hz)"),
        spoken(resultLabel("LBLsezione", "Frame1", {2220, 300, 975, 255}, 9, kLightGrey), "Label8",
               "Sezione di un condotto, in centimetri quadrati"),
        captionLabel("Label8", "Frame1", {120, 300, 1815, 255}, 8, "Sezione condotto (cm^2)", Align::Left),
        captionLabel("Label9(1)", "Frame1", {120, 600, 1815, 255}, 7, "Diametro condotto    (cm)",
                     Align::Left),
        spoken(resultLabel("LBLdia", "Frame1", {2220, 600, 975, 255}, 6, kLightGrey), "Label9(1)",
               "Diametro del condotto circolare di pari sezione, in centimetri"),
    };
}

} // namespace

std::span<const ControlRow> mainWindowControls() {
    static const std::vector<ControlRow> table = buildTable();
    return table;
}

} // namespace kx
