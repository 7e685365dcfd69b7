// What scenarios cannot say: the window as a whole and how it looks in each language, the real modal
// windows, what a screen reader gets, every palette a desktop may give, and where the windows open,
// whatever frame the desktop gives them and whenever it tells it, whatever room its panels leave.
#include "ui/application.h"
#include "ui/contrast.h"
#include "ui/info_window/form_info.h"
#include "ui/languages.h"
#include "ui/main_window/modal_dialogs.h"
#include "ui/twips.h"
#include "ui/window_look.h"
#include "windows/player.h"
#ifdef KX_X_SERVER
#include "windows/x_server.h"
#endif

#include <algorithm>

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

// The window's controls by their names, parts of controls left out.
QList<QWidget*> namedControls(const QWidget& form) {
    QList<QWidget*> named = form.findChildren<QWidget*>();
    named.removeIf(
        [](const QWidget* w) { return w->objectName().isEmpty() || w->objectName().startsWith("qt_"); });
    return named;
}

// Where a window of this outer size belongs: centred on the screen along each side it fits, its
// top-left corner inside the screen's free area always. Says how it lies otherwise.
QString misplaced(const QWidget& window, const QRect& outer) {
    const QRect screen = window.screen()->geometry();
    const QPoint offCentre = outer.center() - screen.center();
    const bool across = outer.width() > screen.width() || qAbs(offCentre.x()) <= 1;
    const bool down = outer.height() > screen.height() || qAbs(offCentre.y()) <= 1;
    if (across && down && window.screen()->availableGeometry().contains(outer.topLeft())) {
        return {};
    }
    QString found;
    QDebug(&found) << "outer" << outer << "on a screen of" << screen.size();
    return found;
}

QString misplaced(const QWidget& window, const QMargins& frame) {
    return misplaced(window, window.geometry().marginsAdded(frame));
}

// The children that have a desktop window of their own, or are to get one.
QStringList nativeChildren(const QWidget& window) {
    QStringList names;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isWindow() &&
            (child->internalWinId() || child->windowHandle() || child->testAttribute(Qt::WA_NativeWindow))) {
            names << child->objectName();
        }
    }
    return names;
}

// Where the control lies in its window.
QRect placeOf(const QWidget* control) {
    return {control->mapTo(control->window(), QPoint()), control->size()};
}

// The control a caption stands for: the nearest on its row that takes input (not a button) or shows
// a result, or, with none there, the nearest below it.
const QWidget* captioned(const QLabel* caption) {
    const QRect at = caption->geometry();
    std::pair<int, const QWidget*> nearest{INT_MAX, nullptr};
    for (const QWidget* other : caption->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<const QLabel*>(other);
        const QRect g = other->geometry();
        const bool onRow = g.top() <= at.bottom() && g.bottom() >= at.top();
        const bool below = g.top() > at.bottom() && g.left() <= at.right() && g.right() >= at.left();
        const int distance = onRow ? std::max(g.left() - at.right(), at.left() - g.right())
                                   : (below ? 1000 + g.top() - at.bottom() : INT_MAX);
        if ((label ? label->frameShape() != QFrame::NoFrame
                   : other->focusPolicy() != Qt::NoFocus && !qobject_cast<const QPushButton*>(other)) &&
            distance < nearest.first) {
            nearest = {distance, other};
        }
    }
    return nearest.second;
}

} // namespace

namespace {

// The highest contrast between two pictures of one size, pixel by pixel, from the row given down.
double highestContrast(const QImage& a, const QImage& b, int top = 0) {
    double highest = 1;
    for (int y = top; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            highest = std::max(highest, kx::contrastRatio(a.pixelColor(x, y), b.pixelColor(x, y)));
        }
    }
    return highest;
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
    const auto* button = qobject_cast<QPushButton*>(control);
    return highestContrast(with, without,
                           button && !button->icon().isNull() ? button->iconSize().height() + 6
                                                              : 0); // the caption
}

// How far the outline of the area stands out from the ground, on a side and the side next to it at
// least, as a 3D bevel shows by its shadow: each side counts by the median of each of its outer rings
// of pixels (two for a bevel, one for a border), corners left out, the higher ring; the outline by the
// weaker of its stronger horizontal and its stronger vertical side.
double outlineContrast(const QImage& window, const QRect& area, const QColor& ground, int rings) {
    double sides[4] = {1, 1, 1, 1}; // top, bottom, left, right
    for (int ring = 0; ring < rings; ++ring) {
        const QRect r = area.adjusted(ring, ring, -ring, -ring);
        const QLine lines[] = {{r.topLeft(), r.topRight()},
                               {r.bottomLeft(), r.bottomRight()},
                               {r.topLeft(), r.bottomLeft()},
                               {r.topRight(), r.bottomRight()}};
        for (int side = 0; side < 4; ++side) {
            const int length = std::max(qAbs(lines[side].dx()), qAbs(lines[side].dy()));
            QList<double> along;
            for (int i = 2; i < length - 1; ++i) {
                const QPoint at = lines[side].p1() + (lines[side].p2() - lines[side].p1()) * i / length;
                along << kx::contrastRatio(window.pixelColor(at), ground);
            }
            std::nth_element(along.begin(), along.begin() + along.size() / 2, along.end());
            sides[side] = std::max(sides[side], along[along.size() / 2]);
        }
    }
    return std::min(std::max(sides[0], sides[1]), std::max(sides[2], sides[3]));
}

QPalette paletteOf(QColor text, QColor ground, QColor button, QColor field, QColor buttonText = {}) {
    QPalette palette(text, button, button.lighter(150), button.darker(200), button.darker(150), text,
                     Qt::white, field, ground);
    palette.setColor(QPalette::ButtonText, buttonText.isValid() ? buttonText : text);
    palette.setColor(QPalette::Highlight,
                     ground == Qt::black ? QColor(Qt::yellow) : palette.color(QPalette::Highlight));
    return palette;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kx::setUpApplication(); }
    // A desktop maps the window first and activates it later, and the focus arrives with the activation:
    // the height is entered all the same, the diameter emptied, its picture shown, its focus order set.
    // Each named control in the window's face, inside its container; every caption whole, a button's
    // under its picture, and standing for the control it names; every button's access key its own; the
    // spin whole. It opens where it belongs with the frame it has.
    void layout() {
        kxtest::Player player({"set TXTdia 10"});
        QVERIFY(player.shownInactive && player.active);
        QCOMPARE(
            player.play({"focus TXTalt", "shows TXTdia=", "picture boxALT", "qtkey Tab", "focus TXTlar"}),
            QString());
        QWidget& form = player.form;
        QTRY_COMPARE(misplaced(form, form.windowHandle()->frameMargins()), QString());
        QVERIFY(form.minimumSize() == form.maximumSize());
        // Half a pixel to centre by rounds up, as the single-precision placement always rounded it.
        const QRect screen = form.screen()->geometry();
        QCOMPARE(kx::centredCorner(&form, screen.size() - QSize(3, 5)), screen.topLeft() + QPoint(2, 3));
        QStringList accessKeys;
        for (const QWidget* control : namedControls(form)) {
            const QString name = control->objectName();
            const auto* label = qobject_cast<const QLabel*>(control);
            const auto* frame = qobject_cast<const QGroupBox*>(control);
            const auto* button = qobject_cast<const QPushButton*>(control);
            bool captionFits = true;
            if (button && !button->text().isEmpty()) {
                const QString key = QKeySequence::mnemonic(button->text()).toString();
                QVERIFY2(!key.isEmpty() && !accessKeys.contains(key),
                         qPrintable(name + " has no access key of its own"));
                accessKeys << key;
                const QRect room = button->rect().adjusted(
                    3, button->icon().isNull() ? 0 : button->iconSize().height() + 6, -3, 0);
                const QRect caption = control->fontMetrics().boundingRect(
                    room, Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
                captionFits = caption.width() <= room.width() && caption.height() <= room.height();
            }
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()) &&
                         (!label || control->fontMetrics().horizontalAdvance(label->text()) <=
                                        label->contentsRect().width()) &&
                         (!frame ||
                          control->fontMetrics().horizontalAdvance(frame->title()) < frame->width() - 10) &&
                         captionFits,
                     qPrintable(name + " does not fit"));
            QVERIFY2(QFontInfo(control->font()).family() == QFontInfo(kx::windowFont()).family() &&
                         control->font().pixelSize() == kx::windowFont().pixelSize(),
                     qPrintable(name + " is not in the window's face"));
            QVERIFY2(!label || !label->buddy() || captioned(label) == label->buddy(),
                     qPrintable(name + " labels a control it does not stand by"));
        }
        // The guidance pictures drawn in the window's language; the Italian ones, grey here, where those are
        // missing.
        const QString language = kx::windowLanguage(kx::userLanguages());
        QDir(player.pictureFolder() + "/" + language).removeRecursively();
        QCOMPARE(player.play({"click TXTvol", language == "it" ? "picture boxVOL" : "picture another"}),
                 QString());
        // Every pixel of the spin is its own, the one line of groove between its arrows included.
        auto* spin = form.findChild<QWidget*>("VSLungcond");
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

    // The classic look in the desktop's light colours, to the pixel, as light_look.png holds it: the
    // window at start-up with nothing focused. A difference names the controls it lies in and leaves the
    // window as found in the temporary folder, to take its place where the change is meant.
    void lightLook() {
        if (kx::windowLanguage(kx::userLanguages()) != "it") {
            QSKIP("the look of the Italian window");
        }
        kxtest::Player player;
        QApplication::focusWidget()->clearFocus();
        const QImage found = player.form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected = QImage(QStringLiteral(KX_LOOK)).convertToFormat(QImage::Format_RGB32);
        QStringList differ;
        for (const QWidget* control : namedControls(player.form)) {
            if (found.copy(placeOf(control)) != expected.copy(placeOf(control))) {
                differ << control->objectName();
            }
        }
        const QString path = QDir::temp().filePath("kx_light_look_found.png");
        QVERIFY2(found == expected || (found.save(path) && false),
                 qPrintable(QString("it looks otherwise in %1; found: %2").arg(differ.join(", "), path)));
    }

    // The window's language: the first the user asks for that has a translation, in the order asked;
    // Italian where none has one.
    void windowLanguage_data() {
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("shown");
        QTest::newRow("French before German")
            << QStringList{"fr", "fr-Latn-FR", "fr-FR", "de", "de-DE"} << "fr";
        QTest::newRow("one without a translation passed over") << QStringList{"pt-BR", "pt", "de-AT"} << "de";
        QTest::newRow("Italian before German") << QStringList{"it-IT", "de"} << "it";
        QTest::newRow("any English") << QStringList{"en-GB", "en"} << "en";
        QTest::newRow("any Spanish") << QStringList{"es-MX"} << "es";
        QTest::newRow("C") << QStringList{"C"} << "it";
        QTest::newRow("none") << QStringList{} << "it";
    }

    void windowLanguage() {
        QFETCH(QStringList, asked);
        QTEST(kx::windowLanguage(asked), "shown");
    }

    // A field's own menu, Qt's, speaks the window's language: Qt's texts translated, but in an English
    // window.
    void fieldMenu() {
        QLineEdit field;
        const std::unique_ptr<QMenu> shown(field.createStandardContextMenu());
        const QList<QTranslator*> translations = qApp->findChildren<QTranslator*>();
        for (QTranslator* translation : translations) {
            QCoreApplication::removeTranslator(translation);
        }
        const std::unique_ptr<QMenu> english(field.createStandardContextMenu());
        for (QTranslator* translation : translations) {
            QCoreApplication::installTranslator(translation);
        }
        int translated = 0; // of Undo, Redo, Cut, Copy, Paste, Delete and Select All
        for (int i = 0; i < shown->actions().size(); ++i) {
            translated += shown->actions()[i]->text() != english->actions()[i]->text();
        }
        QCOMPARE(translated, kx::windowLanguage(kx::userLanguages()) == "en" ? 0 : 7);
    }

    // The real message, titled as the window is, without icon, one OK. It opens inside the press on the
    // spin's arrow; the button comes up while it is open, so modality keeps the release from the spin, as a
    // desktop does. The spin must stop all the same. Held with complete data, the arrow first shows how long
    // it takes to repeat here; the message then stays open, and is watched after, twice that long.
    void heldArrowStopsBehindTheMessage() {
        kx::FORMprinc form; // with the real message
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* spin = form.findChild<QScrollBar*>("VSLungcond");
        const QPoint arrow = spin->mapTo(&form, kxtest::arrowCentre(spin, true));
        form.findChild<QLineEdit*>("TXTdia")->setText("10");
        form.findChild<QLineEdit*>("TXTvol")->setText("50");
        QElapsedTimer repeating;
        repeating.start();
        QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, arrow);
        QTRY_VERIFY_WITH_TIMEOUT(spin->value() <= -3, 10000); // the first press only takes the field over
        const int repeat = int(repeating.elapsed());
        QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, arrow);

        form.findChild<QLineEdit*>("TXTvol")->clear();
        int messages = 0;
        std::unique_ptr<QTimer> answer(whenModalShows<QMessageBox>([&](QMessageBox* box) {
            QVERIFY(box->windowTitle() == form.windowTitle() && !box->text().trimmed().isEmpty() &&
                    box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1);
            if (++messages == 1) {
                QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, arrow);
                QTimer::singleShot(2 * repeat, box, &QMessageBox::accept);
            } else { // the spin steps behind the message: stopped here, so that the test ends
                QTest::mouseRelease(spin, Qt::LeftButton, {}, kxtest::arrowCentre(spin, true));
                box->accept();
            }
        }));
        QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, arrow);
        QTRY_COMPARE(messages, 1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTest::qWait(2 * repeat);
        QCOMPARE(messages, 1);
    }

    // Placed as designed, drawn line by line, every line whole inside the window and told to a screen
    // reader, a line of text of its own where a line is drawn; modal, the same at each opening. The main
    // window's children stay plain widgets: one with a desktop window of its own is a subsurface on
    // Wayland, whose damage Qt reports at the wrong place, and the results it shows are no longer drawn.
    void informationWindow() {
        kx::FORMprinc form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        int calculations = 0;
        connect(form.findChild<QPushButton*>("CMDcalcolaKx"), &QPushButton::clicked, [&] { ++calculations; });
        QList<QRect> places;
        std::unique_ptr<QTimer> reader(whenModalShows<kx::FORMinfo>([&](kx::FORMinfo* info) {
            places << info->frameGeometry();
            // Each line a reader gets lies whole in the window, where ink is drawn, and no ink lies outside
            // them, 100 twips from the left edge at least.
            QImage drawn = info->grab().toImage();
            QImage blank(drawn.size(), drawn.format());
            blank.fill(drawn.pixel(drawn.width() - 1, drawn.height() - 1));
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(info);
            for (int i = 0; i < window->childCount(); ++i) {
                QAccessibleInterface* read = window->child(i);
                const QRect line = read->rect().translated(-info->mapToGlobal(QPoint()));
                QVERIFY2(info->rect().contains(line) && line.left() >= 6 &&
                             drawn.copy(line) != blank.copy(line),
                         qPrintable(read->text(QAccessible::Name) + ": cut off, or not drawn there"));
                // A line of text of the dialog, which holds it, read once: its text the one drawn there.
                QVERIFY2(read->role() == QAccessible::StaticText && read->parent() == window &&
                             window->indexOfChild(read) == i && read->window() == info->windowHandle() &&
                             read->state().readOnly && read->text(QAccessible::Description).isEmpty() &&
                             line.width() ==
                                 info->fontMetrics().horizontalAdvance(read->text(QAccessible::Name)),
                         qPrintable(read->text(QAccessible::Name) + ": not read as a line of the window"));
                QPainter(&drawn).drawImage(line, blank, line);
            }
            QVERIFY2(drawn == blank, "a line is drawn that no reader gets");
            // A dialog of the main window's title and icon, with no button to make it smaller or larger.
            QVERIFY(window->role() == QAccessible::Dialog && info->windowTitle() == form.windowTitle() &&
                    info->windowIcon().pixmap(32).toImage() == form.windowIcon().pixmap(32).toImage() &&
                    !(info->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            // The main window takes no input meanwhile.
            const auto* calculate = form.findChild<QWidget*>("CMDcalcolaKx");
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, placeOf(calculate).center());
            auto* exit = form.findChild<QPushButton*>("CMDuscire");
            QTest::keySequence(form.windowHandle(), QKeySequence::mnemonic(exit->text()));
            QVERIFY(!exit->isDown()); // an access key would press it now
            info->close();
        }));
        for (int opening = 0; opening < 2; ++opening) {
            QTest::keyClick(form.findChild<QPushButton*>("CMDinfo"), Qt::Key_Space);
            QCOMPARE(nativeChildren(form), QStringList());
        }
        QCOMPARE(places.size(), 2);
        QCOMPARE(places[0], places[1]);
        QCOMPARE(calculations, 0);
    }

    // A result shows whole, in a smaller face if need be, or its beginning and the mark "…", never wider
    // than its label; a value not shown whole is the label's tooltip and accessible name. An ordinary
    // result looks as it always did.
    void longResults() {
        kxtest::Player player;
        const auto* volume = player.form.findChild<QLabel*>("LBLvolcondotto");
        const auto* section = player.form.findChild<QLabel*>("LBLsezione");
        auto fit = [](const QLabel* label) {
            return label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width() &&
                   label->font().pixelSize() >= 8;
        };
        QCOMPARE(player.play({"enter TXTdia 99999", "enter TXTvol 50", "enter TXTlung 2000", "qtkey Return"}),
                 QString());
        QVERIFY(fit(volume) && volume->font().pixelSize() < kx::windowFont().pixelSize() &&
                volume->toolTip().isEmpty());
        QCOMPARE(player.play({"enter TXTdia 9999999999", "qtkey Return"}), QString());
        QVERIFY(fit(section) && section->text().endsWith(QChar(0x2026)));
        QVERIFY(
            section->toolTip().startsWith(section->text().chopped(1)) &&
            QAccessible::queryAccessibleInterface(const_cast<QLabel*>(section))->text(QAccessible::Name) ==
                section->toolTip());
        QCOMPARE(player.play({"enter TXTdia 10", "qtkey Return", "shows LBLvolcondotto=157.08"}), QString());
        QVERIFY(volume->font() == kx::windowFont() && section->toolTip().isEmpty());
    }

    // What the window tells a screen reader: the main window as a window; a field's text is one run that
    // covers it all, read and edited a range at a time, each character where it is drawn on the screen,
    // and the selection Tab made kept once the focus has left; a result reads as its value, labelled by
    // its caption, empty as empty; the ports as the item shown; the spin as a spin button of the length
    // the field shows, set like one; the picture as what it shows; the last result in the status bar,
    // its sizes in order; drawings as nothing; and keys reach it first.
    void screenReader() {
        kxtest::Player player;
        auto accessible = [&](const char* name) {
            return QAccessible::queryAccessibleInterface(player.form.findChild<QWidget*>(name));
        };
        auto field = [&](const char* name) {
            return player.form.findChild<QLineEdit*>(name);
        };
        // A field's text as a screen reader gets it: the whole, a range, its run, the selection, the caret.
        auto read = [&](const char* name) {
            QAccessibleTextInterface* text = accessible(name)->textInterface();
            int run[2] = {-1, -1}, selected[2] = {-1, -1};
            text->attributes(1, &run[0], &run[1]);
            text->selection(0, &selected[0], &selected[1]);
            return QString("%1 [1,2)=%2 run %3-%4, %5 selected %6-%7, caret %8")
                .arg(accessible(name)->text(QAccessible::Value), text->text(1, 2))
                .arg(run[0])
                .arg(run[1])
                .arg(text->selectionCount())
                .arg(selected[0])
                .arg(selected[1])
                .arg(text->cursorPosition());
        };
        QAccessibleValueInterface* spin = accessible("VSLungcond")->valueInterface();
        auto spun = [&] {
            return QVariantList(
                {spin->currentValue(), spin->minimumValue(), spin->maximumValue(), spin->minimumStepSize()});
        };
        QCOMPARE(QAccessible::queryAccessibleInterface(&player.form)->role(), QAccessible::Window);
        QCOMPARE(accessible("VSLungcond")->role(), QAccessible::SpinBox);
        QCOMPARE(spun(), QVariantList({1.0, 1, 500, 1}));
        for (const char* drawing : {"Line1", "Line2", "Shape1", "Shape2"}) {
            QVERIFY(accessible(drawing)->text(QAccessible::Name).isEmpty() &&
                    accessible(drawing)->state().invisible);
        }
        const QString heightPicture = accessible("Image1")->text(QAccessible::Name);
        QCOMPARE(player.play({"enter TXTdia 10", "enter TXTvol 50", "enter TXTlung 20", "qtkey Shift+Tab",
                              "qtkey Tab", "accesskey CMDcalcolaKx"}),
                 QString());
        QVERIFY(!heightPicture.isEmpty() && accessible("Image1")->text(QAccessible::Name) != heightPicture);
        QCOMPARE(read("TXTvol"), "50 [1,2)=0 run 0-2, 1 selected 0-2, caret 2"); // the selection Tab made
        QCOMPARE(read("TXTdia"), "10 [1,2)=0 run 0-2, 0 selected -1--1, caret 2");
        QVERIFY(accessible("TXTvol")->state().editable);
        // Each character on the screen where its ink is drawn, and found again at each of its points.
        QLineEdit* length = field("TXTlung");
        QAccessibleTextInterface* lengthText = accessible("TXTlung")->textInterface();
        const QImage drawn = length->grab().toImage();
        QImage blank(1, length->height() - 4, drawn.format());
        blank.fill(drawn.pixel(drawn.width() - 3, drawn.height() / 2));
        for (int i = 0; i < 2; ++i) {
            const QRect character = lengthText->characterRect(i).translated(-length->mapToGlobal(QPoint()));
            // Its middle, inside the field's two-pixel border.
            const QImage ink = drawn.copy(character.center().x(), 2, 1, length->height() - 4);
            QVERIFY2(length->rect().contains(character) && character.width() > 1 && ink != blank &&
                         lengthText->offsetAtPoint(length->mapToGlobal(character.topRight())) == i,
                     qPrintable(QString("character %1 at %2").arg(i).arg(QDebug::toString(character))));
        }
        QVERIFY(lengthText->characterRect(2).isNull());
        // Edited a range at a time, as a screen reader or an on-screen keyboard edits it.
        QAccessibleEditableTextInterface* diameter = accessible("TXTdia")->editableTextInterface();
        QAccessibleTextInterface* diameterText = accessible("TXTdia")->textInterface();
        QStringList edited;
        diameter->insertText(1, "2");
        diameter->replaceText(0, 1, "3");
        diameterText->setSelection(0, 1, 2);
        edited << field("TXTdia")->text() << field("TXTdia")->selectedText();
        diameterText->removeSelection(0);
        edited << field("TXTdia")->selectedText();
        diameterText->addSelection(0, 2);
        edited << field("TXTdia")->selectedText();
        diameterText->setCursorPosition(1);
        edited << QString::number(field("TXTdia")->cursorPosition());
        diameter->deleteText(1, 2);
        accessible("TXTvol")->setText(QAccessible::Value, "40");
        edited << field("TXTdia")->text() << field("TXTvol")->text();
        QCOMPARE(edited, QStringList({"320", "2", "", "32", "1", "30", "40"}));
        QCOMPARE(player.play({"set TXTdia 10", "set TXTvol 50", "accesskey CMDcalcolaKx"}), QString());
        QCOMPARE(accessible("LBLkx")->role(), QAccessible::StaticText);
        QCOMPARE(accessible("LBLkx")->text(QAccessible::Name), kxtest::localised("41.56"));
        QCOMPARE(accessible("LBLdia")->text(QAccessible::Name), QString()); // not its caption
        QCOMPARE(spin->currentValue().toDouble(), 20.0);
        QCOMPARE(player.play({"accesskey CMDottimizza", "ports 3"}), QString());
        // The status bar, a label only a screen reader knows of: the box's height, width and depth, in order.
        for (QLabel* label : player.form.findChildren<QLabel*>(QRegularExpression("^$"))) {
            if (QAccessible::queryAccessibleInterface(label)->role() == QAccessible::StatusBar) {
                const QStringList sizes{player.form.findChild<QLabel*>("LBLalt")->text(),
                                        player.form.findChild<QLabel*>("LBLlarg")->text(),
                                        player.form.findChild<QLabel*>("LBLpro")->text()};
                QVERIFY2(QRegularExpression(sizes.join(".*")).match(label->text()).hasMatch(),
                         qPrintable(label->text()));
            }
        }
        QAccessibleInterface* ports = accessible("CMBcondotti");
        QAccessibleTextInterface* portsText = ports->textInterface();
        QCOMPARE(QStringList({ports->text(QAccessible::Name), portsText->text(0, portsText->characterCount()),
                              portsText->text(0, 0)}),
                 QStringList({"3", "3", ""}));
        QCOMPARE(player.play({"enter TXTlung ."}), QString());
        QCOMPARE(spin->currentValue().toDouble(), 250.0); // its own
        spin->setCurrentValue(30);
        QCOMPARE(player.play({"spin 30"}), QString());
        // A screen reader sees each key before the control with the focus, and may keep it: Orca takes
        // keypad Enter for "where am I", which must then press no button.
        struct ScreenReader : QObject {
            bool eventFilter(QObject*, QEvent* event) override {
                return event->type() == QEvent::KeyPress &&
                       static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter;
            }
        } orca;
        QCOMPARE(player.play({"enter TXTlung 20", "qtkey Tab", "focus CMDcalcolaKx", "ports 2"}), QString());
        const QString shown = player.form.findChild<QLabel*>("LBLkx")->text();
        qApp->installEventFilter(&orca);
        QTest::keyClick(player.form.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
        qApp->removeEventFilter(&orca);
        QCOMPARE(player.form.findChild<QLabel*>("LBLkx")->text(), shown);
    }

    // The contrast ratio of WCAG 2.1 at the values it is known by; either colour first.
    void contrast_data() {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("the same grey") << QColor(0x777777) << QColor(0x777777) << 1.0;
        QTest::newRow("#777777 on white") << QColor(0x777777) << QColor(Qt::white) << 4.48;
        QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
        QTest::newRow("green on black") << QColor(Qt::green) << QColor(Qt::black) << 15.3;
        QTest::newRow("blue on white") << QColor(Qt::blue) << QColor(Qt::white) << 8.59;
        QTest::newRow("#0a0a0a on black") << QColor(0x0a0a0a) << QColor(Qt::black) << 1.06;
    }

    void contrast() {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(kx::contrastRatio(a, b) - ratio) < 0.01,
                 qPrintable(QString::number(kx::contrastRatio(a, b))));
    }

    void everyPalette_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("live"); // switched to while Kx runs, or the desktop's from the start
        const std::pair<const char*, QPalette> palettes[] = {
            {"light", QPalette()},
            {"dark",
             paletteOf(QColor(238, 238, 236), QColor(53, 53, 53), QColor(60, 60, 60), QColor(45, 45, 45))},
            {"high contrast", paletteOf(Qt::black, Qt::white, Qt::white, Qt::white)},
            {"black high contrast", paletteOf(Qt::white, Qt::black, Qt::black, Qt::black)},
            {"dark window, light buttons",
             paletteOf(Qt::white, QColor(40, 40, 40), QColor(220, 220, 220), QColor(30, 30, 30), Qt::black)}};
        for (const auto& [name, palette] : palettes) {
            QTest::newRow(qPrintable(QString("%1 from the start").arg(name))) << palette << false;
            QTest::newRow(qPrintable(QString("%1, switched to").arg(name))) << palette << true;
        }
    }

    // In the desktop's palette, the one it starts with or one it switches to while Kx runs, every text of
    // the window, results and typed values included, reads at 4.5:1 or more; the outline of every control
    // and result shows at 3:1 against what surrounds it, on a side and the side next to it at least, as a
    // 3D bevel shows by its shadow; a frame's line at 2:1; the spin's arrows at 3:1 on their faces.
    void everyPalette() {
        QFETCH(QPalette, palette);
        QFETCH(bool, live);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        if (!live) {
            QApplication::setPalette(palette);
        }
        kxtest::Player player;
        QCOMPARE(
            player.play({"enter TXTalt 5", "enter TXTlar 10", "enter TXTvol 50", "accesskey CMDcalcolaKx",
                         "accesskey CMDottimizza", "shows LBLdia=7.98 LBLpro=36.84"}),
            QString());
        QApplication::setPalette(palette);
        QTRY_COMPARE(player.form.palette().color(QPalette::Window), palette.color(QPalette::Window));
        QApplication::focusWidget()->clearFocus(); // a field's caret is no text of its own
        const QImage window = player.form.grab().toImage();
        QStringList faint;
        for (QWidget* control : namedControls(player.form)) {
            const QVariant text = control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text");
            if (!text.toString().isEmpty() || qobject_cast<QComboBox*>(control)) {
                if (const double ratio = textContrast(control); ratio < 4.5) {
                    faint << QString("%1's text at %2:1").arg(control->objectName()).arg(ratio, 0, 'f', 2);
                }
            }
            const auto* label = qobject_cast<QLabel*>(control);
            const bool frame = qobject_cast<QGroupBox*>(control);
            const QWidget* container = control->parentWidget();
            if (label ? label->frameShape() != QFrame::NoFrame
                      : frame || control->focusPolicy() != Qt::NoFocus) {
                const double ratio =
                    outlineContrast(window, placeOf(control),
                                    container->palette().color(container->backgroundRole()), label ? 1 : 2);
                if (ratio < (frame ? 2 : 3)) {
                    faint << QString("%1's outline at %2:1").arg(control->objectName()).arg(ratio, 0, 'f', 2);
                }
            }
        }
        // The X between the port fields stands on a button face; the information text reads on its window.
        const auto* times = player.form.findChild<QWidget*>("Label6");
        if (window.pixelColor(placeOf(times).topLeft() + QPoint(1, 1)) !=
            times->palette().color(QPalette::Button)) {
            faint << "the X off its button face";
        }
        const QImage information = kx::FORMinfo().grab().toImage();
        QImage blank(information.size(), information.format());
        blank.fill(information.pixel(0, 0));
        if (const double ink = highestContrast(information, blank); ink < 4.5) {
            faint << QString("the information text at %1:1").arg(ink, 0, 'f', 2);
        }
        auto* spin = player.form.findChild<QWidget*>("VSLungcond");
        double arrows = 1;
        for (const QPoint at : {kxtest::arrowCentre(qobject_cast<QScrollBar*>(spin), true),
                                kxtest::arrowCentre(qobject_cast<QScrollBar*>(spin), false)}) {
            arrows = std::max(arrows, kx::contrastRatio(window.pixelColor(spin->mapTo(&player.form, at)),
                                                        spin->palette().color(QPalette::Button)));
        }
        if (arrows < 3) {
            faint << "the spin's arrows on their faces";
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join("; ")));
    }

    // Where the windows open on X11, told as a desktop tells them: a panel takes the screen's left and top
    // edges (_NET_WORKAREA), and the frame comes once a window is mapped, as a property of the window alone
    // (_NET_FRAME_EXTENTS), and again when the window manager frames it anew. Both windows open centred on
    // the whole screen, the information window at the corner of its designed size; where the free area is
    // too small for them, at its top-left corner. A window the user has moved stays where it was moved.
    void placedOnTheDesktop() {
#ifdef KX_X_SERVER
        if (QGuiApplication::platformName() == "xcb") {
            auto tell = [](const QWindow* window, const char* property, std::initializer_list<int> values) {
                kxtest::setXProperty(window, property, QList<quint32>(values.begin(), values.end()));
            };
            kxtest::setXProperty(nullptr, "_NET_SUPPORTED",
                                 QList<const char*>{"_NET_FRAME_EXTENTS", "_NET_WORKAREA"});
            const QMargins frame(4, 30, 4, 4), another(0, 37, 0, 0); // left, top, right, bottom
            for (const QRect free : {QRect(100, 30, 1180, 994), QRect(300, 400, 500, 200)}) {
                tell(nullptr, "_NET_WORKAREA", {free.x(), free.y(), free.width(), free.height()});
                QTRY_COMPARE(QGuiApplication::primaryScreen()->availableGeometry(), free);
                kxtest::CountingDialogs dialogs;
                kx::FORMprinc form(&dialogs);
                kx::FORMinfo info;
                QPoint unframed;
                for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&info)}) {
                    window->show();
                    QVERIFY(QTest::qWaitForWindowExposed(window));
                    unframed = window == &form ? form.geometry().topLeft() : unframed;
                    tell(window->windowHandle(), "_NET_FRAME_EXTENTS",
                         {frame.left(), frame.right(), frame.top(), frame.bottom()});
                }
                auto outer = [&](const QWidget& window) {
                    return window.geometry().marginsAdded(frame);
                };
                if (free.width() < 1000) {
                    QTRY_COMPARE(outer(form).topLeft(), free.topLeft());
                    QTRY_COMPARE(outer(info).topLeft(), free.topLeft());
                    continue;
                }
                QTRY_COMPARE(misplaced(form, frame), QString());
                QTRY_COMPARE(outer(info).size(), kx::toPixels(kx::FORMinfo::kOuterSize));
                QCOMPARE(misplaced(info, QRect(outer(info).topLeft(),
                                               kx::toPixels(kx::FORMinfo::kDesignedSize).grownBy(frame))),
                         QString());
                // A move the desktop tells late, from where the window was before its frame came, is no
                // user's.
                QMoveEvent late(unframed, form.geometry().topLeft());
                QCoreApplication::sendEvent(form.windowHandle(), &late);
                tell(form.windowHandle(), "_NET_FRAME_EXTENTS",
                     {another.left(), another.right(), another.top(), another.bottom()});
                QTRY_COMPARE(misplaced(form, another), QString());
                const QPoint aside = form.geometry().topLeft() + QPoint(60, 40);
                form.windowHandle()->setPosition(aside);
                QTRY_COMPARE(form.geometry().topLeft(), aside);
                tell(form.windowHandle(), "_NET_FRAME_EXTENTS",
                     {frame.left(), frame.right(), frame.top(), frame.bottom()});
                QTRY_COMPARE(form.windowHandle()->frameMargins(), frame); // told, and then
                QCoreApplication::processEvents();
                QCOMPARE(form.geometry().topLeft(), aside);
            }
            return;
        }
#endif
        QSKIP("a desktop's properties: on X11 only");
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
