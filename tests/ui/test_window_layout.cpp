// The main window as it opens: its controls, their places and looks, and the state start-up leaves.
#include "ui/application.h"
#include "ui/main_window/drawn_shape.h"
#include "ui/main_window/stored_picture.h"
#include "ui/window_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

using namespace kxtest;

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(localeFollowsEnvironment());
        kx::setUpApplication();
    }
    void everyControlInItsPlace_data();
    void everyControlInItsPlace();
    void captionsKeepTheirBlanks_data();
    void captionsKeepTheirBlanks();
    void colours_data();
    void colours();
    void portSketch();
    void windowFrame();
    void startUpState();
    void startUpFocusOrder();
    void lengthSliderRange();
    void carriedPictures();
    void screenReaderNames_data();
    void screenReaderNames();
    void screenReaderSeesTheWindow();
};

void TestWindowLayout::everyControlInItsPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");
    auto row = [](const char* name, const char* cls, const char* container, int x, int y, int w, int h) {
        QTest::newRow(name) << name << cls << container << QRect(x, y, w, h);
    };
    row("Frame6", "QGroupBox", "FORMprinc", 4, 0, 157, 233);
    row("Image1", "QLabel", "Frame6", 4, 12, 149, 216);
    row("Frame3", "QGroupBox", "FORMprinc", 164, 180, 217, 53);
    row("TXTvol", "QLineEdit", "Frame3", 132, 24, 61, 17);
    row("Label2", "QLabel", "Frame3", 8, 24, 113, 17);
    row("Frame5", "QGroupBox", "FORMprinc", 164, 48, 217, 129);
    row("VSLungcond", "QScrollBar", "Frame5", 196, 100, 17, 17);
    row("TXTlung", "QLineEdit", "Frame5", 132, 100, 61, 17);
    row("TXTlar", "QLineEdit", "Frame5", 132, 44, 61, 17);
    row("TXTalt", "QLineEdit", "Frame5", 52, 44, 61, 17);
    row("TXTdia", "QLineEdit", "Frame5", 132, 76, 61, 17);
    row("Label3", "QLabel", "Frame5", 16, 104, 113, 17);
    row("Label7(0)", "QLabel", "Frame5", 132, 20, 57, 17);
    row("Label6", "QLabel", "Frame5", 116, 48, 13, 13);
    row("Label5(0)", "QLabel", "Frame5", 52, 20, 57, 17);
    row("Label9(0)", "QLabel", "Frame5", 16, 76, 93, 17);
    row("Frame4", "QGroupBox", "FORMprinc", 164, 0, 217, 45);
    row("CMBcondotti", "QComboBox", "Frame4", 128, 12, 81, 21);
    row("Label11", "QLabel", "Frame4", 8, 16, 113, 17);
    row("CMDuscire", "QPushButton", "FORMprinc", 452, 240, 157, 29);
    row("CMDinfo", "QPushButton", "FORMprinc", 372, 240, 73, 29);
    row("Frame2", "QGroupBox", "FORMprinc", 388, 0, 221, 97);
    row("CMDottimizza", "QPushButton", "Frame2", 148, 20, 65, 69);
    row("LBLalt", "QLabel", "Frame2", 84, 20, 49, 17);
    row("LBLlarg", "QLabel", "Frame2", 84, 44, 49, 17);
    row("LBLpro", "QLabel", "Frame2", 84, 68, 49, 17);
    row("Label5(1)", "QLabel", "Frame2", 8, 20, 57, 17);
    row("label10(1)", "QLabel", "Frame2", 8, 44, 57, 17);
    row("LBL(2)", "QLabel", "Frame2", 8, 68, 57, 17);
    row("Frame1", "QGroupBox", "FORMprinc", 388, 100, 221, 133);
    row("CMDcalcolaKx", "QPushButton", "Frame1", 8, 104, 205, 21);
    row("LBLvolcondotto", "QLabel", "Frame1", 148, 60, 65, 17);
    row("Label1", "QLabel", "Frame1", 8, 60, 121, 17);
    row("LBLkx", "QLabel", "Frame1", 148, 80, 65, 17);
    row("Label4", "QLabel", "Frame1", 8, 80, 73, 17);
    row("LBLsezione", "QLabel", "Frame1", 148, 20, 65, 17);
    row("Label8", "QLabel", "Frame1", 8, 20, 121, 17);
    row("Label9(1)", "QLabel", "Frame1", 8, 40, 121, 17);
    row("LBLdia", "QLabel", "Frame1", 148, 40, 65, 17);
}

void TestWindowLayout::everyControlInItsPlace() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    Window w;
    const QWidget* control = w.form.findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), pixels);
}

void TestWindowLayout::captionsKeepTheirBlanks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    auto row = [](const char* name, const char* caption) {
        QTest::newRow(name) << name << caption;
    };
    row("Label2", "Volume box      (dm^3)");
    row("Label3", "Lunghezza cond.  (cm)");
    row("Label7(0)", "Larg.  (cm)");
    row("Label6", "X");
    row("Label5(0)", "Alt.    (cm)");
    row("Label9(0)", "Diam.             (cm)");
    row("Label11", "Numero  condotti");
    row("Label5(1)", "Alt.    (cm)");
    row("label10(1)", "Larg.  (cm)");
    row("LBL(2)", "Prof.  (cm)");
    row("Label1", "Volume condotto   (dm^3)");
    row("Label4", "Kx  (Hz)");
    row("Label8", "Sezione condotto (cm^2)");
    row("Label9(1)", "Diametro condotto    (cm)");
    row("Frame3", "Dimensioni");
    row("Frame5", "Dimensioni condotto");
    row("Frame2", "Ottimizza dimensioni del box");
    row("Frame1", "Calcolo Kx");
    row("Frame6", "");
    row("Frame4", "");
    row("CMDcalcolaKx", "&Calcola Kx ");
    row("CMDottimizza", "&Ottimizza dimensioni");
    row("CMDuscire", "&Uscire");
    row("CMDinfo", "");
}

void TestWindowLayout::captionsKeepTheirBlanks() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Window w;
    QWidget* control = w.find(qPrintable(name));
    QVERIFY(control);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QCOMPARE(frame->title(), caption);
        if (!caption.isEmpty()) {
            QVERIFY(frame->font().underline());
        }
    } else {
        QCOMPARE(qobject_cast<QPushButton*>(control)->text(), caption);
    }
}

void TestWindowLayout::colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    const QColor lightGrey(224, 224, 224), paleYellow(255, 255, 192), peach(255, 224, 192);
    for (const char* name : {"TXTvol", "TXTdia", "TXTlar", "TXTalt", "TXTlung", "CMBcondotti"}) {
        QTest::newRow(name) << name << paleYellow;
    }
    for (const char* name :
         {"Label2", "Label3", "Label11", "Label1", "Label8", "LBLsezione", "LBLdia", "LBLvolcondotto"}) {
        QTest::newRow(name) << name << lightGrey;
    }
    QTest::newRow("LBLkx") << "LBLkx" << peach;
    QTest::newRow("LBLalt") << "LBLalt" << QColor(128, 255, 128);
    QTest::newRow("LBLlarg") << "LBLlarg" << QColor(255, 255, 128);
    QTest::newRow("LBLpro") << "LBLpro" << QColor(255, 192, 128);
    QTest::newRow("CMDcalcolaKx") << "CMDcalcolaKx" << peach;
    QTest::newRow("CMDottimizza") << "CMDottimizza" << QColor(192, 192, 255);
}

void TestWindowLayout::colours() {
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    Window w;
    QWidget* control = w.find(qPrintable(name));
    QVERIFY(control);
    const QPalette& palette = control->palette();
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)) {
        QCOMPARE(palette.color(QPalette::Base), colour);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        QVERIFY(button->isFlat());
        QCOMPARE(palette.color(QPalette::Button), colour);
    } else {
        QVERIFY(control->autoFillBackground());
        QCOMPARE(palette.color(QPalette::Window), colour);
    }
    // Drawn into a picture of the window, the colour is really there.
    const QImage picture = control->grab().toImage();
    QCOMPARE(QColor(picture.pixel(3, 3)), colour);
}

void TestWindowLayout::portSketch() {
    Window w;
    using kx::DrawnShape;
    auto* rectangle = w.find<DrawnShape>("Shape1");
    auto* circle = w.find<DrawnShape>("Shape2");
    QVERIFY(rectangle && circle);
    QCOMPARE(rectangle->form(), DrawnShape::Form::Rectangle);
    QCOMPARE(rectangle->geometry(), QRect(32, 48, 18, 10));
    QCOMPARE(circle->form(), DrawnShape::Form::Circle);
    QCOMPARE(circle->geometry(), QRect(114, 78, 13, 13)); // 13 across, centred in 106, 78, 29, 13
    for (const char* name : {"Shape1", "Shape2", "Line1", "Line2"}) {
        auto* shape = w.find<DrawnShape>(name);
        QVERIFY2(shape, name);
        QCOMPARE(shape->outline(), QColor(0, 0, 255));
        QCOMPARE(shape->parentWidget()->objectName(), QStringLiteral("Frame5"));
        QCOMPARE(shape->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(rectangle->fill(), QColor(255, 255, 0));
    QCOMPARE(w.find<DrawnShape>("Line1")->geometry(), QRect(32, 44, 20, 18));  // (51, 44) to (32, 61)
    QCOMPARE(w.find<DrawnShape>("Line2")->geometry(), QRect(112, 78, 17, 13)); // (128, 78) to (112, 90)
}

void TestWindowLayout::windowFrame() {
    Window w;
    QCOMPARE(w.form.objectName(), QStringLiteral("FORMprinc"));
    QCOMPARE(w.form.windowTitle(), QStringLiteral("Kx"));
    QCOMPARE(w.form.minimumSize(), QSize(615, 273));
    QCOMPARE(w.form.maximumSize(), QSize(615, 273));
    const Qt::WindowFlags flags = w.form.windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!w.form.windowIcon().isNull());
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("net.kxcalc.kx")); // as its launcher
    // Centred by its outer size, frame and title bar included.
    QVERIFY(w.showActive());
    QVERIFY(!w.form.windowHandle()->frameMargins().isNull());
    const QPoint offCentre = w.form.frameGeometry().center() - w.form.screen()->geometry().center();
    QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
             qPrintable(QString("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void TestWindowLayout::startUpState() {
    Window w;
    QVERIFY(w.showActive());
    // Centred with the outer size the window has when it is created, before the desktop gives it a
    // frame: off by at most half the frame.
    const QRect screen = w.form.screen()->geometry();
    const QRect outer = w.form.frameGeometry();
    const QPoint offCentre = outer.center() - screen.center();
    QVERIFY(qAbs(offCentre.x()) <= (outer.width() - w.form.width()) / 2 + 1);
    QVERIFY(qAbs(offCentre.y()) <= (outer.height() - w.form.height()) / 2 + 1);

    QCOMPARE(w.field("TXTlung")->text(), QStringLiteral("1"));
    for (const char* name : {"TXTvol", "TXTdia", "TXTlar", "TXTalt"}) {
        QVERIFY2(w.field(name)->text().isEmpty(), name);
    }
    for (const char* name :
         {"LBLsezione", "LBLdia", "LBLvolcondotto", "LBLkx", "LBLalt", "LBLlarg", "LBLpro"}) {
        QVERIFY2(w.label(name).isEmpty(), name);
    }
    auto* combo = w.find<QComboBox>("CMBcondotti");
    QCOMPARE(combo->currentText(), QStringLiteral("1"));
    QCOMPARE(combo->count(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(combo->itemText(i), QString::number(i + 1));
    }
    QVERIFY(!combo->isEditable());
    QCOMPARE(QApplication::focusWidget(), w.field("TXTalt"));
}

void TestWindowLayout::startUpFocusOrder() {
    Window w; // not shown: no field has been entered yet
    QCOMPARE(tabChain(&w.form, "TXTvol"),
             (QStringList{"TXTvol", "CMDcalcolaKx", "CMDottimizza", "CMDinfo", "CMDuscire", "CMBcondotti",
                          "TXTdia", "TXTalt", "TXTlar", "TXTlung", "VSLungcond"}));
}

void TestWindowLayout::lengthSliderRange() {
    Window w;
    auto* slider = w.find<QScrollBar>("VSLungcond");
    QCOMPARE(slider->orientation(), Qt::Vertical);
    // Negated lengths, the longest port at the top.
    QCOMPARE(slider->minimum(), -500);
    QCOMPARE(slider->maximum(), -1);
    QCOMPARE(slider->value(), -250);
    QCOMPARE(slider->singleStep(), 1);
    QCOMPARE(slider->pageStep(), 1);
}

namespace {
int bmpBitsPerPixel(const QByteArray& file) {
    return quint8(file.at(28)) | quint8(file.at(29)) << 8;
}
int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return int(colours.size());
}
} // namespace

void TestWindowLayout::carriedPictures() {
    const QImage icon(":/pictures/kx_icon.png");
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.colorCount() <= 16 && icon.hasAlphaChannel());
    const QImage info(":/pictures/info.png");
    QCOMPARE(info.size(), QSize(32, 32));
    QVERIFY(info.colorCount() <= 16);
    QCOMPARE(qAlpha(info.pixel(0, 0)), 0);                   // transparent around the disc
    QCOMPARE(QColor(info.pixel(16, 20)), QColor(0, 0, 255)); // the blue "i"
    QFile optimiser(":/pictures/ottimizza.bmp");
    QVERIFY(optimiser.open(QIODevice::ReadOnly));
    QCOMPARE(bmpBitsPerPixel(optimiser.readAll()), 8);
    QCOMPARE(QImage(":/pictures/ottimizza.bmp").pixel(0, 0), qRgb(0, 0, 0)); // on a black square
    QFile startUp(":/pictures/image1_startup.bmp");
    QVERIFY(startUp.open(QIODevice::ReadOnly));
    QCOMPARE(startUp.size(), 565712);
    QCOMPARE(bmpBitsPerPixel(startUp.readAll()), 24);
    const QImage startUpPicture(":/pictures/image1_startup.bmp");
    // Read in place, it is the picture Qt's own reader makes of the file.
    QCOMPARE(
        kx::storedPicture(":/pictures/image1_startup.bmp").toImage().convertToFormat(QImage::Format_RGB32),
        startUpPicture.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(kx::storedPicture(":/pictures/info.png").toImage(), QPixmap(":/pictures/info.png").toImage());
    QCOMPARE(startUpPicture.size(), QSize(363, 518));
    QCOMPARE(startUpPicture.pixel(0, 0), qRgb(0, 0, 0));
    for (const QImage& picture : {icon, info, startUpPicture}) {
        QVERIFY2(distinctColours(picture) >= 5, "a picture, not a blank");
    }
    // Twice the size, under the names Qt takes on a screen of twice the density, at the same depth.
    for (const char* doubled :
         {":/pictures/kx_icon@2x.png", ":/pictures/info@2x.png", ":/pictures/ottimizza@2x.bmp"}) {
        const QImage picture(QString::fromLatin1(doubled));
        QCOMPARE(picture.size(), QSize(64, 64));
        QVERIFY(picture.colorCount() <= (QByteArray(doubled).endsWith(".bmp") ? 256 : 16));
    }
    Window w;
    QVERIFY(!w.find<QPushButton>("CMDottimizza")->icon().isNull());
    QVERIFY(!w.find<QPushButton>("CMDinfo")->icon().isNull());
    QCOMPARE(w.find<QLabel>("Image1")->pixmap().size(), QSize(363, 518));
    QVERIFY(w.find<QLabel>("Image1")->hasScaledContents());
}

void TestWindowLayout::screenReaderNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    auto row = [](const char* name, const QString& spoken) {
        QTest::newRow(name) << name << spoken;
    };
    row("TXTvol", QString::fromUtf8("Volume box (dm\u00B3)"));
    row("TXTalt", "Alt. (cm)");
    row("TXTlar", "Larg. (cm)");
    row("TXTdia", "Diam. (cm)");
    row("TXTlung", "Lunghezza cond. (cm)");
    row("VSLungcond", "Passo della lunghezza del condotto");
    row("CMBcondotti", "Numero condotti");
    row("CMDcalcolaKx", "Calcola Kx");
    row("CMDottimizza", "Ottimizza dimensioni");
    row("CMDuscire", "Uscire");
    row("CMDinfo", "Informazioni");
}

void TestWindowLayout::screenReaderNames() {
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    Window w;
    QWidget* control = w.find(qPrintable(name));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (!qobject_cast<QComboBox*>(control)) { // on Linux a combo box's name is its value
        QCOMPARE(accessible->text(QAccessible::Name), spoken);
    }
    const QString description = accessible->text(QAccessible::Description);
    QVERIFY(!description.isEmpty() && description != spoken);
    // A field that empties the other port shape's fields says so.
    QCOMPARE(description.contains("svuot"), name == "TXTalt" || name == "TXTlar" || name == "TXTdia");
    // The caption beside an input is its label.
    if (!name.startsWith("CMD") && name != "VSLungcond") {
        const auto labels = accessible->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        QCOMPARE(
            labels.first().first->object()->property("text").toString().simplified().replace("^3", "\u00B3"),
            spoken);
    }
}

void TestWindowLayout::screenReaderSeesTheWindow() {
    Window w;
    QVERIFY(w.showActive());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w.form);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Kx"));
    for (const char* drawing : {"Line1", "Line2", "Shape1", "Shape2"}) {
        QAccessibleInterface* silent = QAccessible::queryAccessibleInterface(w.find(drawing));
        QVERIFY(silent->text(QAccessible::Name).isEmpty());
        QVERIFY(silent->state().invisible);
    }
    // The spin reads as a length, from 1 to 500.
    QAccessibleValueInterface* spin =
        QAccessible::queryAccessibleInterface(w.find("VSLungcond"))->valueInterface();
    QCOMPARE(spin->currentValue().toInt(), 250);
    QCOMPARE(spin->minimumValue().toInt(), 1);
    QCOMPARE(spin->maximumValue().toInt(), 500);
    // The picture says what it shows: at start-up, the port's height.
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(w.find("Image1"));
    QCOMPARE(picture->text(QAccessible::Name),
             QStringLiteral("Figura: altezza del condotto rettangolare, in centimetri"));
}

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
