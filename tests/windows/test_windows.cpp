// What scenarios cannot say: the layout as a whole, the real modal windows, the desktop's placement,
// what a screen reader and a screen of twice the density get.
#include "entry/guidance_pictures.h"
#include "ui/application.h"
#include "ui/info_window/form_info.h"
#include "ui/info_window/info_text.h"
#include "windows/player.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kx::setUpApplication(); }
    void layout();
    void startUpAsADesktopDeliversIt();
    void heldArrowStopsBehindTheMessage();
    void informationWindow();
    void longResults_data();
    void longResults();
    void screenReader();
    void pictures();
    void portSketch();
    void styleDrawing();
    void readableInEveryPalette_data();
    void readableInEveryPalette();
};

namespace {

// Runs the action on each modal window of the kind that opens, from inside its own event loop.
template <typename Modal> QTimer* whenModalShows(std::function<void(Modal*)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [action] {
        auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
        if (modal && !modal->property("seen").toBool()) {
            modal->setProperty("seen", true);
            action(modal);
            if (QTest::currentTestFailed()) {
                modal->close(); // a failed check must fail the test, not leave it waiting on the window
            }
        }
    });
    poll->start(10);
    return poll;
}

QPoint centreOf(QWidget* form, const char* name) {
    auto* control = form->findChild<QWidget*>(name);
    return control->mapTo(form, control->rect().center());
}

} // namespace

namespace {

QString alignmentText(Qt::Alignment alignment) {
    const QString horizontal = alignment & Qt::AlignHCenter ? "centre"
                               : alignment & Qt::AlignRight ? "right"
                                                            : "left";
    return horizontal + (alignment & Qt::AlignVCenter ? "" : " top");
}

// One control as the user meets it: place, colours, font, alignment, caption, and what a reader says.
QString described(const QWidget* control) {
    const QRect g = control->geometry();
    const QFont f = control->font();
    const QVariant alignment = control->property("alignment");
    QStringList fields{
        QString("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()),
        control->palette().color(control->backgroundRole()).name() + " on " +
            control->palette().color(control->foregroundRole()).name(),
        QString("%1 %2px%3").arg(f.family()).arg(f.pixelSize()).arg(f.underline() ? " underlined" : ""),
        alignment.isValid() ? alignmentText(alignment.value<Qt::Alignment>()) : "-"};
    for (const char* text : {"text", "title"}) {
        if (control->property(text).isValid()) {
            fields << "'" + control->property(text).toString() + "'";
        }
    }
    if (const auto* frame = qobject_cast<const QFrame*>(control);
        frame && frame->frameShape() != QFrame::NoFrame) {
        fields << QString("frame %1, %2 px").arg(frame->frameShape()).arg(frame->lineWidth());
    }
    if (const QVariant position = control->property("focusPosition"); position.isValid()) {
        fields << "focus " + position.toString();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control); label && label->buddy()) {
        fields << "labels " + label->buddy()->objectName();
    }
    fields << "name '" + control->accessibleName() + "'";
    if (!control->accessibleDescription().isEmpty()) {
        fields << "description '" + control->accessibleDescription() + "'";
    }
    return fields.join(" | ");
}

// Each line of a file that is not a comment, without its line end.
QStringList linesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll())
        .split('\n', Qt::SkipEmptyParts)
        .filter(QRegularExpression("^[^#]"));
}

} // namespace

// Centred by its outer size; every control inside its container; no caption cut off; each named
// control as layout.txt gives it; the spin's focus shows.
void TestWindows::layout() {
    kxtest::Player player;
    QWidget& form = player.form;
    QCOMPARE(form.size(), QSize(615, 273));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint) &&
            (form.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!form.windowHandle()->frameMargins().isNull()); // the offscreen desktop's frame
    const QPoint offCentre = form.frameGeometry().center() - form.screen()->geometry().center();
    QVERIFY(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1);
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("net.kxcalc.kx"));
    QMap<QString, QString> expected;
    for (const QString& line : linesOf(QStringLiteral(KX_LAYOUT))) {
        expected.insert(line.section(" | ", 0, 0), line.section(" | ", 1));
    }
    QStringList differences;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) {
            continue; // a part of a control
        }
        const QString wanted = expected.take(name);
        if (const QString found = described(control); found != wanted) {
            differences << QString("%1\n  expected %2\n  found    %3")
                               .arg(name, wanted.isNull() ? "nothing" : wanted, found);
        }
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(name));
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label && !label->text().isEmpty()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(name));
        }
    }
    for (const QString& missing : expected.keys()) {
        differences << missing + ": expected in the window, found nowhere";
    }
    for (const QString& difference : differences) {
        qWarning().noquote() << difference;
    }
    QVERIFY2(differences.isEmpty(),
             qPrintable(QString("%1 controls differ from layout.txt").arg(differences.size())));
    for (const QGroupBox* frame : form.findChildren<QGroupBox*>()) {
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() - 10);
    }
    auto* spin = form.findChild<QScrollBar*>("VSLungcond");
    // Every pixel of the spin is its own, the one line of groove between its arrows included.
    QImage onRed(spin->size(), QImage::Format_RGB32);
    QImage onGreen(spin->size(), QImage::Format_RGB32);
    onRed.fill(Qt::red);
    onGreen.fill(Qt::green);
    spin->render(&onRed, {}, {}, QWidget::RenderFlags());
    spin->render(&onGreen, {}, {}, QWidget::RenderFlags());
    QVERIFY(onRed == onGreen);
    const QImage unfocused = spin->grab().toImage();
    spin->setFocus(Qt::TabFocusReason);
    QVERIFY(spin->grab().toImage() != unfocused);
}

// A desktop maps the window first and activates it later, and the focus arrives with the activation:
// the height is entered all the same, the diameter emptied, its picture shown, its focus order set.
void TestWindows::startUpAsADesktopDeliversIt() {
    kxtest::Player player({"set TXTdia 10"});
    QVERIFY(player.shownInactive);
    QVERIFY(player.active);
    QCOMPARE(player.play({"focus TXTalt", "shows TXTdia=", "picture boxALT", "qtkey Tab", "focus TXTlar"}),
             QString());
}

// The real message, titled "Kx", without icon, one OK. It opens inside the press on the spin's arrow;
// the button comes up while it is open, so modality keeps the release from the spin, as a desktop
// does. The spin must stop all the same.
void TestWindows::heldArrowStopsBehindTheMessage() {
    kx::FORMprinc form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* spin = form.findChild<QScrollBar*>("VSLungcond");
    const QPoint arrow = spin->mapTo(&form, kxtest::arrowCentre(spin, true));
    int messages = 0;
    std::unique_ptr<QTimer> answer(whenModalShows<QMessageBox>([&](QMessageBox* box) {
        QCOMPARE(box->windowTitle() + box->text(),
                 "Kx    Non vi sono dati sufficienti per eseguire il calcolo ...      ");
        QVERIFY(box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1);
        if (++messages == 1) {
            QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, arrow);
        }
        QTimer::singleShot(800, box, &QMessageBox::accept); // long enough for the spin to repeat
    }));
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, arrow);
    QTest::qWait(1200);
    answer.reset();
    QTest::mouseRelease(spin, Qt::LeftButton, {}, kxtest::arrowCentre(spin, true));
    QCOMPARE(messages, 1);
}

void TestWindows::informationWindow() {
    kx::FORMprinc form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    int calculations = 0;
    connect(form.findChild<QPushButton*>("CMDcalcolaKx"), &QPushButton::clicked, [&] { ++calculations; });
    QList<QRect> places;
    std::unique_ptr<QTimer> reader(whenModalShows<kx::FORMinfo>([&](kx::FORMinfo* info) {
        places << info->frameGeometry();
        const QSize designed = QSize(626, 195).grownBy(info->windowHandle()->frameMargins());
        const QSize screen = info->screen()->geometry().size();
        QCOMPARE(info->frameGeometry().size(), QSize(608, 220)); // its outer size
        QVERIFY(qAbs(info->frameGeometry().x() - (screen.width() - designed.width()) / 2) <= 1);
        QVERIFY(qAbs(info->frameGeometry().y() - (screen.height() - designed.height()) / 2) <= 1);
        QVERIFY(!(info->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // Its lines are drawn one font line each, 100 twips from the left, and told to a reader.
        const QImage drawn = info->grab().toImage();
        const int line = info->fontMetrics().height();
        auto blank = [&](int x, int top, int width, int bottom) {
            QImage empty(width, bottom - top, drawn.format());
            empty.fill(drawn.pixel(drawn.width() - 1, drawn.height() - 1));
            return drawn.copy(x, top, width, bottom - top) == empty;
        };
        const int w = drawn.width();
        QVERIFY(blank(0, 0, w, line) && !blank(0, line, w, 2 * line) && blank(0, 4 * line, w, 5 * line));
        QVERIFY(blank(0, 13 * line, w, 15 * line) && blank(0, 0, 6, drawn.height()));
        // The fifteen lines as information.txt gives them: indent in twips, then the text to its "|".
        const QStringList expected = linesOf(QStringLiteral(KX_INFORMATION));
        const auto lines = kx::informationLines();
        QCOMPARE(qsizetype(lines.size()), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const QString found = QString("%1|%2|").arg(lines[i].leftTwips).arg(lines[i].text);
            QVERIFY2(
                found == expected[i],
                qPrintable(QString("line %1: expected '%2', found '%3'").arg(i + 1).arg(expected[i], found)));
        }
        const QStringList read = info->accessibleDescription().split('\n');
        QVERIFY(read.size() == 12 && read.last().endsWith(", un buon inizio !...")); // lines 2 to 13
        // The main window takes no input meanwhile.
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centreOf(&form, "CMDcalcolaKx"));
        QTest::keyClick(form.windowHandle(), Qt::Key_U, Qt::AltModifier);
        QVERIFY(!form.findChild<QPushButton*>("CMDuscire")->isDown()); // an access key would press it now
        info->close();
    }));
    for (int opening = 0; opening < 2; ++opening) {
        QTest::keyClick(form.findChild<QPushButton*>("CMDinfo"), Qt::Key_Space);
    }
    QCOMPARE(places.size(), 2);
    QCOMPARE(places[0], places[1]);
    QCOMPARE(calculations, 0);
    QVERIFY(form.isVisible());
}

void TestWindows::longResults_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<bool>("cut"); // whether a result fits even the smallest face no more
    QTest::newRow("fits a smaller face") << "99999" << false;
    QTest::newRow("cut with a mark") << "9999999999" << true;
}

// A result shows whole, or its beginning and the mark "…", never wider than its label; the whole value
// is then its tooltip and accessible name. An ordinary result looks as it always did.
void TestWindows::longResults() {
    QFETCH(QString, diameter);
    kxtest::Player player;
    QCOMPARE(player.play({"enter TXTdia " + diameter, "enter TXTvol 50", "enter TXTlung 2000", "qtkey Return"}),
             QString());
    bool cut = false;
    for (const char* name : {"LBLsezione", "LBLvolcondotto", "LBLkx"}) {
        const auto* label = player.form.findChild<QLabel*>(name);
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
        QVERIFY(label->font().pixelSize() >= 8);
        const bool marked = label->text().endsWith(QChar(0x2026));
        cut = cut || marked;
        QCOMPARE(label->toolTip().startsWith(label->text().chopped(1)) &&
                     label->accessibleName() == label->toolTip(),
                 marked);
    }
    QTEST(cut, "cut");
    const auto* portVolume = player.form.findChild<QLabel*>("LBLvolcondotto");
    const auto* kx = player.form.findChild<QLabel*>("LBLkx");
    QVERIFY(portVolume->font().pixelSize() < kx->font().pixelSize());
    QCOMPARE(player.play({"enter TXTdia 10", "qtkey Return", "shows LBLvolcondotto=157.08"}), QString());
    QCOMPARE(portVolume->font(), kx->font());
    QVERIFY(portVolume->toolTip().isEmpty());
}

namespace {

// The unnamed label of the window that a screen reader knows in the role given.
QAccessibleInterface* labelInRole(const QWidget& form, QAccessible::Role role) {
    for (QLabel* label : form.findChildren<QLabel*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        if (label->objectName().isEmpty() && accessible->role() == role) {
            return accessible;
        }
    }
    return nullptr;
}

} // namespace

// What the window tells a screen reader: each input named by its caption's words; each result by its
// value, labelled by its caption, empty as empty; the ports by the item shown; the spin by the length
// the field shows; and the last result in a notification and in the status bar.
void TestWindows::screenReader() {
    kxtest::Player player;
    auto accessible = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(player.form.findChild<QWidget*>(name));
    };
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&player.form);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Kx"));
    for (const char* drawing : {"Line1", "Line2", "Shape1", "Shape2"}) {
        QVERIFY(accessible(drawing)->text(QAccessible::Name).isEmpty() &&
                accessible(drawing)->state().invisible);
    }
    QCOMPARE(accessible("VSLungcond")->valueInterface()->currentValue().toDouble(), 1.0);
    QCOMPARE(accessible("TXTvol")->text(QAccessible::Name), QStringLiteral("Volume box in decimetri cubi"));
    QCOMPARE(accessible("Image1")->text(QAccessible::Name),
             QStringLiteral("Figura, altezza del condotto rettangolare, in centimetri"));
    QCOMPARE(player.play({"enter TXTdia 10", "enter TXTvol 50", "enter TXTlung 20", "qtkey Alt+C"}), QString());
    QCOMPARE(accessible("LBLkx")->role(), QAccessible::StaticText);
    QCOMPARE(accessible("LBLkx")->text(QAccessible::Name), kxtest::localised("41.56"));
    QCOMPARE(accessible("LBLkx")->relations(QAccessible::Label).first().first->object()->objectName(),
             "Label4");
    QCOMPARE(accessible("LBLdia")->text(QAccessible::Name), QString()); // not its caption
    QCOMPARE(accessible("Label9(1)")->text(QAccessible::Name),
             QStringLiteral("Diametro condotto in centimetri"));
    QCOMPARE(accessible("VSLungcond")->valueInterface()->currentValue().toDouble(), 20.0);
    QAccessibleInterface* notification = labelInRole(player.form, QAccessible::Notification);
    QAccessibleInterface* statusBar = labelInRole(player.form, QAccessible::StatusBar);
    QVERIFY(notification && statusBar);
    QCOMPARE(notification->text(QAccessible::Name), kxtest::localised("Kx 41.56 hertz"));
    QCOMPARE(player.play({"qtkey Alt+O", "ports 3"}), QString());
    QCOMPARE(notification->text(QAccessible::Name), QStringLiteral("3 condotti"));
    QCOMPARE(statusBar->text(QAccessible::Name),
             kxtest::localised("Altezza 59.60, larghezza 22.76, profondit") + QStringLiteral("\u00E0 ") +
                 kxtest::localised("36.84 centimetri"));
    QCOMPARE(accessible("CMBcondotti")->role(), QAccessible::ComboBox);
    QCOMPARE(accessible("CMBcondotti")->text(QAccessible::Name), QStringLiteral("3"));
    QCOMPARE(accessible("CMBcondotti")->textInterface()->text(0, 1), QStringLiteral("3"));
    QCOMPARE(player.play({"enter TXTlung ."}), QString());
    QCOMPARE(accessible("VSLungcond")->valueInterface()->currentValue().toDouble(), 250.0); // its own
}

void TestWindows::pictures() {
    for (const char* doubled :
         {":/pictures/kx_icon@2x.png", ":/pictures/info@2x.png", ":/pictures/ottimizza@2x.bmp"}) {
        QCOMPARE(QImage(QString::fromLatin1(doubled)).size(), QSize(64, 64));
    }
    for (const kx::GuidancePicture picture : kx::kGuidancePictures) {
        const QString path = QStringLiteral(KX_PROGRAM_DIR "/") + QString::fromLatin1(kx::fileName(picture));
        QVERIFY2(QImage(path).size() == QSize(298, 432), qPrintable(path));
    }
    kxtest::Player player; // a picture that cannot be shown leaves none, the field's other effects done
    QTemporaryDir empty;
    player.form.setPictureFolder(empty.path());
    QCOMPARE(player.play({"enter TXTalt 5", "click TXTdia", "shows TXTalt=", "picture none"}), QString());
}

// The sketch beside the port fields: a filled rectangle and a filled circle, centred in its place, each
// crossed by a line that rises to the right.
void TestWindows::portSketch() {
    kx::FORMprinc form;
    auto drawn = [&](const char* name) {
        QWidget* shape = form.findChild<QWidget*>(name);
        QImage image(shape->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        shape->render(&image, {}, {}, QWidget::RenderFlags());
        return image;
    };
    auto painted = [](const QImage& image, int x, int y) {
        return qAlpha(image.pixel(x, y)) > 0;
    };
    for (const char* line : {"Line1", "Line2"}) {
        const QImage image = drawn(line);
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        QVERIFY2(painted(image, right, 0) && painted(image, 0, bottom) && !painted(image, 0, 0), line);
    }
    const QImage rectangle = drawn("Shape1");
    QCOMPARE(rectangle.pixelColor(rectangle.rect().center()), QColor(255, 255, 0));
    QCOMPARE(rectangle.pixelColor(0, 0), QColor(0, 0, 255));
    const QImage circle = drawn("Shape2");
    QCOMPARE(circle.pixelColor(circle.rect().center()), QColor(255, 255, 0));
    int left = circle.width();
    int right = 0;
    for (int x = 0; x < circle.width(); ++x) {
        if (painted(circle, x, circle.height() / 2)) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    QVERIFY(qAbs(left - (circle.width() - 1 - right)) <= 1);
}

// What the program's style draws its own way: the thin dark border of the flat buttons and of the
// fields, and the spin's small arrows, the top one pointing up and the other down.
void TestWindows::styleDrawing() {
    kx::FORMprinc form;
    for (const char* name : {"CMDcalcolaKx", "CMDottimizza", "TXTvol"}) {
        const QImage image = form.findChild<QWidget*>(name)->grab().toImage();
        QVERIFY2(image.pixelColor(0, image.height() / 2) == Qt::black &&
                     image.pixelColor(image.width() / 2, 0) == Qt::black,
                 name);
    }
    auto* spin = form.findChild<QScrollBar*>("VSLungcond");
    const QImage image = spin->grab().toImage();
    // The dark pixels of the first and of the last row of an arrow's glyph: the narrower is its tip.
    auto ends = [&](bool upper) {
        const QPoint centre = kxtest::arrowCentre(spin, upper);
        QList<int> widths;
        for (int y = std::max(0, centre.y() - 4); y <= std::min(image.height() - 1, centre.y() + 4); ++y) {
            int width = 0;
            for (int x = 2; x < image.width() - 2; ++x) {
                width += qGray(image.pixel(x, y)) < 80;
            }
            if (width > 0) {
                widths << width;
            }
        }
        return std::pair(widths.first(), widths.last());
    };
    const auto [upTop, upBottom] = ends(true);
    const auto [downTop, downBottom] = ends(false);
    QVERIFY(upTop < upBottom && downTop > downBottom);
}

namespace {

double luminance(QRgb rgb) {
    auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What the control paints of its text: each pixel its text changes, against what the control paints
// there without it. The highest contrast of them is its text's full colour on its ground.
double textContrast(QWidget* control) {
    const char* property = qobject_cast<QGroupBox*>(control)   ? "title"
                           : qobject_cast<QComboBox*>(control) ? "currentIndex"
                                                               : "text";
    const QSignalBlocker quiet(control);
    const QVariant text = control->property(property);
    const QImage with = control->grab().toImage();
    control->setProperty(property, text.typeId() == QMetaType::Int ? QVariant(-1) : QVariant(QString()));
    const QImage without = control->grab().toImage();
    control->setProperty(property, text);
    QRect area = with.rect();
    if (const auto* button = qobject_cast<QPushButton*>(control); button && !button->icon().isNull()) {
        area.setTop(button->iconSize().height() + 6); // the caption only, below the picture
    }
    double highest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            highest = std::max(highest, contrast(with.pixel(x, y), without.pixel(x, y)));
        }
    }
    return highest;
}

QPalette paletteOf(QColor text, QColor ground, QColor button, QColor field, QColor buttonText = {}) {
    QPalette palette(text, button, button.lighter(150), button.darker(200), button.darker(150), text,
                     Qt::white, field, ground);
    palette.setColor(QPalette::ButtonText, buttonText.isValid() ? buttonText : text);
    return palette;
}

} // namespace

void TestWindows::readableInEveryPalette_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("live"); // switched to while Kx runs, or the desktop's from the start
    const std::pair<const char*, QPalette> palettes[] = {
        {"light", QPalette()},
        {"dark",
         paletteOf(QColor(238, 238, 236), QColor(53, 53, 53), QColor(60, 60, 60), QColor(45, 45, 45))},
        {"high contrast", paletteOf(Qt::white, Qt::black, Qt::black, Qt::black)},
        {"dark window, light buttons",
         paletteOf(Qt::white, QColor(40, 40, 40), QColor(220, 220, 220), QColor(30, 30, 30), Qt::black)}};
    for (const auto& [name, palette] : palettes) {
        QTest::newRow(qPrintable(QString("%1 from the start").arg(name))) << palette << false;
        QTest::newRow(qPrintable(QString("%1, switched to").arg(name))) << palette << true;
    }
}

// Every text of the window, results and typed values included, reads at 4.5:1 or more in the desktop's
// palette, the one it starts with or one it switches to while Kx runs.
void TestWindows::readableInEveryPalette() {
    QFETCH(QPalette, palette);
    QFETCH(bool, live);
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
    if (!live) {
        QApplication::setPalette(palette);
    }
    kxtest::Player player;
    QCOMPARE(player.play({"enter TXTalt 5", "enter TXTlar 10", "enter TXTvol 50", "qtkey Alt+C", "qtkey Alt+O",
                          "shows LBLdia=7.98 LBLpro=36.84"}),
             QString());
    QApplication::setPalette(palette);
    QTRY_COMPARE(player.form.palette().color(QPalette::Window), palette.color(QPalette::Window));
    QApplication::focusWidget()->clearFocus(); // a field's caret is no text of its own
    QStringList unreadable;
    for (QWidget* control : player.form.findChildren<QWidget*>()) {
        const QVariant text = control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text");
        const bool hasText = !text.toString().isEmpty() || qobject_cast<QComboBox*>(control);
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_") || !hasText) {
            continue;
        }
        if (const double ratio = textContrast(control); ratio < 4.5) {
            unreadable << QString("%1 reads at %2:1").arg(control->objectName()).arg(ratio, 0, 'f', 2);
        }
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join("; ")));
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
