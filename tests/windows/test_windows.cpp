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
    return form.findChildren<QWidget*>(QRegularExpression("^(?!qt_)."));
}

// Where a window of this outer size belongs: centred on the screen along each side it fits, its
// top-left corner inside the screen's free area always. Says how it lies otherwise. (On X11 only.)
[[maybe_unused]] QString misplaced(const QWidget& window, const QRect& outer) {
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

// What the window showed a screen reader as a notification.
QStringList told;

void hear(QAccessibleEvent* event) {
    if (event->type() == QAccessible::ObjectShow &&
        event->accessibleInterface()->role() == QAccessible::Notification) {
        told << event->accessibleInterface()->text(QAccessible::Name);
    }
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

QPalette paletteOf(QColor text, QColor ground, QColor button, QColor field, QColor buttonText = {},
                   QColor shadow = Qt::black) {
    QPalette palette(text, button, button.lighter(150), button.darker(200), button.darker(150), text,
                     Qt::white, field, ground);
    palette.setColor(QPalette::Shadow, shadow);
    palette.setColor(QPalette::ButtonText, buttonText.isValid() ? buttonText : text);
    palette.setColor(QPalette::Text,
                     kx::contrastRatio(field, text) < 4.5 ? QColor(Qt::black) : text); // on light fields
    palette.setColor(QPalette::Highlight,
                     ground == Qt::black ? QColor(Qt::yellow) : palette.color(QPalette::Highlight));
    return palette;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    // Each run names the language its window speaks: the first asked for that has a translation, in the
    // order asked; Italian where none has one, and in the C locale, whatever LANGUAGE asks for.
    // Qt's own texts, a field's menu among them, speak it too, but in English, Qt's own language.
    void initTestCase() {
        kx::setUpApplication();
        const QString language = kx::windowLanguage(kx::userLanguages());
        QCOMPARE(language, qEnvironmentVariable("KX_WINDOW_LANGUAGE", "it"));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo") == "&Undo", language == "en");
    }
    // A desktop maps the window first and activates it later, and the focus arrives with the activation:
    // the height is entered all the same, the diameter emptied, its picture shown, its focus order set.
    // Each named control in the window's face, inside its container; every caption whole, a button's
    // under its picture, and standing for the control it names; every button's access key its own; the
    // spin whole.
    void layout() {
        kxtest::Player player({"set TXTdia 10"});
        QVERIFY(player.shownInactive && player.active);
        KX_PLAY(player, {"focus TXTalt", "shows TXTdia=", "picture boxALT", "qtkey Tab", "focus TXTlar"});
        QWidget& form = player.form;
        // Half a pixel to centre by rounds up, as the single-precision placement always rounded it.
        const QRect screen = form.screen()->geometry();
        QCOMPARE(kx::centredCorner(&form, screen.size() - QSize(3, 5)), screen.topLeft() + QPoint(2, 3));
        QStringList accessKeys;
        for (const QWidget* control : namedControls(form)) {
            const auto* label = qobject_cast<const QLabel*>(control);
            const auto* frame = qobject_cast<const QGroupBox*>(control);
            const auto* button = qobject_cast<const QPushButton*>(control);
            const QFontMetrics metrics = control->fontMetrics();
            bool fits =
                control->parentWidget()->rect().contains(control->geometry()) &&
                (!label || metrics.horizontalAdvance(label->text()) <= label->contentsRect().width()) &&
                (!frame || metrics.horizontalAdvance(frame->title()) < frame->width() - 10);
            if (button && !button->text().isEmpty()) { // its caption under its picture, wrapped
                accessKeys << QKeySequence::mnemonic(button->text()).toString();
                const int top = button->icon().isNull() ? 0 : button->iconSize().height() + 6;
                const QRect room = button->rect().adjusted(3, top, -3, 0);
                const QRect caption =
                    metrics.boundingRect(room, Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
                fits &= caption.width() <= room.width() && caption.height() <= room.height();
            }
            const QString name = control->objectName();
            QVERIFY2(fits, qPrintable(name + " does not fit"));
            QVERIFY2(QFontInfo(control->font()).family() == QFontInfo(kx::windowFont()).family() &&
                         control->font().pixelSize() == kx::windowFont().pixelSize(),
                     qPrintable(name + " is not in the window's face"));
            QVERIFY2(!label || !label->buddy() || captioned(label) == label->buddy(),
                     qPrintable(name + " labels a control it does not stand by"));
        }
        QVERIFY2(!accessKeys.contains("") &&
                     QSet(accessKeys.begin(), accessKeys.end()).size() == accessKeys.size(),
                 qPrintable("access keys " + accessKeys.join(" ")));
        // The guidance pictures drawn in the window's language; the Italian ones, grey here, where those are
        // missing.
        const QString language = kx::windowLanguage(kx::userLanguages());
        QDir(player.pictureFolder() + "/" + language).removeRecursively();
        KX_PLAY(player, {"click TXTvol", language == "it" ? "picture boxVOL" : "picture another"});
        // Every pixel of the spin is its own, the one line of groove between its arrows included.
        auto* spin = form.findChild<QWidget*>("VSLungcond");
        auto drawnOn = [&](QColor ground) {
            QImage image(spin->size(), QImage::Format_RGB32);
            image.fill(ground);
            spin->render(&image, {}, {}, QWidget::RenderFlags());
            return image;
        };
        QVERIFY(drawnOn(Qt::red) == drawnOn(Qt::green));
        const QImage unfocused = spin->grab().toImage();
        spin->setFocus(Qt::TabFocusReason);
        QVERIFY(spin->grab().toImage() != unfocused);
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

    // Drawn line by line, every line whole inside the window and told to a screen reader, a line of text
    // of its own where a line is drawn; a dialog of the main window; modal; the same at each opening. The
    // main window's children stay plain widgets: one with a desktop window of its own is a subsurface on
    // Wayland, whose damage Qt reports at the wrong place, and the results it shows are no longer drawn.
    void informationWindow() {
        kx::FORMprinc form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        int calculations = 0;
        connect(form.findChild<QPushButton*>("CMDcalcolaKx"), &QPushButton::clicked, [&] { ++calculations; });
        std::unique_ptr<QTimer> reader(whenModalShows<kx::FORMinfo>([&](kx::FORMinfo* info) {
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
            for (const QWidget* child : form.findChildren<QWidget*>()) {
                QVERIFY2(child->isWindow() || !child->internalWinId(),
                         qPrintable(child->objectName() + " has a desktop window"));
            }
        }
        QCOMPARE(calculations, 0);
    }

    // A result shows whole, in a smaller face if need be, or its beginning and the mark "…", never wider
    // than its label; a value not shown whole is the label's tooltip and accessible name. An ordinary
    // result looks as it always did.
    void longResults() {
        kxtest::Player player;
        auto* volume = player.form.findChild<QLabel*>("LBLvolcondotto");
        auto* section = player.form.findChild<QLabel*>("LBLsezione");
        auto fit = [](const QLabel* label) {
            return label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width() &&
                   label->font().pixelSize() >= 8;
        };
        KX_PLAY(player, {"enter TXTdia 99999", "enter TXTvol 50", "enter TXTlung 2000", "qtkey Return"});
        QVERIFY(fit(volume) && volume->font().pixelSize() < kx::windowFont().pixelSize() &&
                volume->toolTip().isEmpty());
        KX_PLAY(player, {"enter TXTdia 9999999999", "qtkey Return"});
        const QString whole = QAccessible::queryAccessibleInterface(section)->text(QAccessible::Name);
        QVERIFY(fit(section) && section->text().endsWith(QChar(0x2026)) &&
                section->toolTip().startsWith(section->text().chopped(1)) && whole == section->toolTip());
        KX_PLAY(player, {"enter TXTdia 10", "qtkey Return", "shows LBLvolcondotto=157.08"});
        QVERIFY(volume->font() == kx::windowFont() && section->toolTip().isEmpty());
    }

    // What the window tells a screen reader: the main window as a window; a field's text is one run that
    // covers it all, read a range at a time, each character where it is drawn on the screen, its
    // selection and caret set as asked, and the selection Tab made kept once the focus has left; a result
    // reads as its value, labelled by its caption, empty as empty; the ports as the item shown; the spin as a
    // spin button of the length the field shows, set like one; the picture as what it shows; the last result
    // in the status bar, its sizes in order; drawings as nothing; and keys reach it first.
    void screenReader() {
        kxtest::Player player;
        // What is spoken, which Qt tells only where a screen reader's bridge runs: on X11 with an
        // accessibility bus (on_virtual_screen.sh).
        const bool spoken = QGuiApplication::platformName() == "xcb";
        QTRY_VERIFY(QAccessible::isActive() || !spoken);
        told.clear();
        QAccessible::installUpdateHandler(hear);
        const auto deaf = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });
        auto accessible = [&](const char* name) {
            return QAccessible::queryAccessibleInterface(player.form.findChild<QWidget*>(name));
        };
        auto field = [&](const char* name) {
            return player.form.findChild<QLineEdit*>(name);
        };
        // A field's text as a screen reader gets it: the whole, a range, its run, its selection, its caret.
        auto read = [&](const char* name) {
            QAccessibleTextInterface* text = accessible(name)->textInterface();
            int run[2], selected[2] = {-1, -1};
            text->attributes(1, &run[0], &run[1]);
            text->selection(0, &selected[0], &selected[1]);
            return QList<QVariant>{accessible(name)->text(QAccessible::Value),
                                   text->text(1, 2),
                                   run[0],
                                   run[1],
                                   text->selectionCount(),
                                   selected[0],
                                   selected[1],
                                   text->cursorPosition()};
        };
        QAccessibleValueInterface* spin = accessible("VSLungcond")->valueInterface();
        QCOMPARE(QAccessible::queryAccessibleInterface(&player.form)->role(), QAccessible::Window);
        QVERIFY(accessible("VSLungcond")->role() == QAccessible::SpinBox && spin->currentValue() == 1.0);
        for (const char* drawing : {"Line1", "Line2", "Shape1", "Shape2"}) {
            QVERIFY(accessible(drawing)->state().invisible);
        }
        const QString heightPicture = accessible("Image1")->text(QAccessible::Name);
        KX_PLAY(player, {"enter TXTdia 10", "enter TXTvol 50", "enter TXTlung 20", "qtkey Shift+Tab",
                         "qtkey Tab", "accesskey CMDcalcolaKx"});
        QVERIFY(!heightPicture.isEmpty() && accessible("Image1")->text(QAccessible::Name) != heightPicture &&
                accessible("TXTvol")->state().editable);
        QCOMPARE(read("TXTvol"), QList<QVariant>({"50", "0", 0, 2, 1, 0, 2, 2})); // the selection Tab made
        field("TXTvol")->clear(); // while the focus is elsewhere: none of it can stay selected
        QCOMPARE(read("TXTvol"), QList<QVariant>({"", "", 0, 0, 0, 0, 0, 0}));
        field("TXTvol")->setText("50");
        QCOMPARE(read("TXTdia"), QList<QVariant>({"10", "0", 0, 2, 0, -1, -1, 2}));
        // Each character on the screen where its ink is drawn, and found again at each of its points.
        QLineEdit* length = field("TXTlung");
        QAccessibleTextInterface* lengthText = accessible("TXTlung")->textInterface();
        const QImage drawn = length->grab().toImage();
        QImage blank(1, length->height() - 4, drawn.format());
        blank.fill(drawn.pixel(drawn.width() - 3, drawn.height() / 2));
        for (int i = 0; i < 2; ++i) {
            const QRect character = lengthText->characterRect(i).translated(-length->mapToGlobal(QPoint()));
            const QImage ink = drawn.copy(character.center().x(), 2, 1, length->height() - 4); // its middle
            QVERIFY2(length->rect().contains(character) && character.width() > 1 && ink != blank &&
                         lengthText->offsetAtPoint(length->mapToGlobal(character.topRight())) == i,
                     qPrintable(QString("character %1 at %2").arg(i).arg(QDebug::toString(character))));
        }
        QVERIFY(lengthText->characterRect(2).isNull());
        // Its selection and its caret set by a screen reader; a text longer than the field, shown from its
        // end, scrolled to its start.
        QLineEdit* diameterField = field("TXTdia");
        QAccessibleTextInterface* diameter = accessible("TXTdia")->textInterface();
        diameterField->setText("1234567890123456789012345");
        diameter->scrollToSubstring(0, 1);
        diameterField->repaint();
        QVERIFY(QRect(diameterField->mapToGlobal(QPoint()), diameterField->size())
                    .contains(diameter->characterRect(0)));
        diameterField->setText("123");
        QStringList set;
        diameter->setSelection(0, 1, 2);
        set << diameterField->selectedText();
        diameter->removeSelection(0);
        diameter->addSelection(0, 2);
        set << diameterField->selectedText();
        diameter->removeSelection(0);
        set << diameterField->selectedText();
        diameter->setCursorPosition(1);
        set << QString::number(diameterField->cursorPosition());
        QCOMPARE(set, QStringList({"2", "12", "", "1"}));
        QVERIFY(accessible("LBLkx")->role() == QAccessible::StaticText && spin->currentValue() == 20.0);
        QCOMPARE(accessible("LBLkx")->text(QAccessible::Name), kxtest::localised("41.56"));
        QCOMPARE(accessible("LBLdia")->text(QAccessible::Name), QString()); // not its caption
        KX_PLAY(player, {"accesskey CMDottimizza", "ports 3"});
        // The status bar, a label only a screen reader knows of: the box's height, width and depth, in order.
        const QStringList sizes{player.form.findChild<QLabel*>("LBLalt")->text(),
                                player.form.findChild<QLabel*>("LBLlarg")->text(),
                                player.form.findChild<QLabel*>("LBLpro")->text()};
        int statusBars = 0;
        for (QLabel* label : player.form.findChildren<QLabel*>(QRegularExpression("^$"))) {
            statusBars += QAccessible::queryAccessibleInterface(label)->role() == QAccessible::StatusBar &&
                          label->text().contains(QRegularExpression(sizes.join(".*")));
        }
        QCOMPARE(statusBars, 1);
        QAccessibleInterface* ports = accessible("CMBcondotti");
        QAccessibleTextInterface* portsText = ports->textInterface();
        QCOMPARE(QStringList({ports->text(QAccessible::Name), portsText->text(0, portsText->characterCount()),
                              portsText->text(0, 0)}),
                 QStringList({"3", "3", ""}));
        KX_PLAY(player, {"enter TXTlung ."});
        QCOMPARE(spin->currentValue().toDouble(), 250.0); // its own
        spin->setCurrentValue(30);
        KX_PLAY(player, {"spin 30"});
        // A screen reader sees each key before the control with the focus, and may keep it: Orca takes
        // keypad Enter for "where am I", which must then press no button.
        struct ScreenReader : QObject {
            bool eventFilter(QObject*, QEvent* event) override {
                return event->type() == QEvent::KeyPress &&
                       static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter;
            }
        } orca;
        KX_PLAY(player, {"enter TXTlung 20", "arrow up", "click TXTlung", "qtkey Tab", "focus CMDcalcolaKx",
                         "ports 2"});
        const QString shown = player.form.findChild<QLabel*>("LBLkx")->text();
        qApp->installEventFilter(&orca);
        QTest::keyClick(player.form.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
        qApp->removeEventFilter(&orca);
        QCOMPARE(player.form.findChild<QLabel*>("LBLkx")->text(), shown);
        // Spoken as a notification, once for each result shown, wherever the focus is, once too for a spin
        // step that shows Kx twice, nested; nothing for a calculation that lacked data. A count of one port
        // in the form one takes, another for more.
        KX_PLAY(player, {"ports 1", "enter TXTvol", "click CMDcalcolaKx", "messages 1"});
        if (spoken) {
            QCOMPARE(told.size(), 7);
            QVERIFY2(told[0].contains(kxtest::localised("41.56")) && told[1].contains(sizes.last()) &&
                         told[2] == QString(told[5]).replace('2', '3') && told[6].contains('1') &&
                         told[6] != QString(told[5]).replace('2', '1'),
                     qPrintable(told.join(" | ")));
        }
    }

    // The contrast ratio of WCAG 2.1 at the values it is known by; either colour first.
    void contrast() {
        const std::tuple<QColor, QColor, double> known[] = {
            {Qt::black, Qt::white, 21},  {Qt::white, Qt::black, 21}, {0x777777, 0x777777, 1},
            {0x777777, Qt::white, 4.48}, {Qt::red, Qt::white, 4},    {Qt::green, Qt::black, 15.3},
            {Qt::blue, Qt::white, 8.59}, {0x0a0a0a, Qt::black, 1.06}};
        for (const auto& [a, b, ratio] : known) {
            QVERIFY2(qAbs(kx::contrastRatio(a, b) - ratio) < 0.01, qPrintable(a.name() + " on " + b.name()));
        }
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
            {"dark window, light buttons and fields",
             paletteOf(Qt::white, QColor(40, 40, 40), QColor(220, 220, 220), QColor(240, 240, 240),
                       Qt::black)},
            {"grey, its shadow at 2.5:1", paletteOf(Qt::black, QColor(120, 120, 120), QColor(120, 120, 120),
                                                    Qt::white, {}, QColor(60, 60, 60))}};
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
        KX_PLAY(player, {"enter TXTalt 5", "enter TXTlar 10", "enter TXTvol 50", "accesskey CMDcalcolaKx",
                         "accesskey CMDottimizza", "shows LBLdia=7.98 LBLpro=36.84"});
        QApplication::setPalette(palette);
        QTRY_COMPARE(player.form.palette().color(QPalette::Window), palette.color(QPalette::Window));
        QApplication::focusWidget()->clearFocus(); // a field's caret is no text of its own
        const QImage window = player.form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // In the desktop's light colours, the Italian window's classic look, its numbers written with a
        // point, to the pixel, as light_look.png holds it. A difference names the controls it lies in, and
        // leaves the window as found in the temporary folder, to take the picture's place where the change is
        // meant.
        const bool look = QTest::currentDataTag() == QLatin1String("light from the start") &&
                          kx::windowLanguage(kx::userLanguages()) == "it" &&
                          QLocale::system().decimalPoint() == ".";
        const QImage expected = QImage(QStringLiteral(KX_LOOK)).convertToFormat(QImage::Format_RGB32);
        QStringList faint;
        auto atLeast = [&](double ratio, double least, const QString& what) {
            if (ratio < least) {
                faint << QString("%1 at %2:1").arg(what).arg(ratio, 0, 'f', 2);
            }
        };
        for (QWidget* control : namedControls(player.form)) {
            const QString name = control->objectName();
            if (look && window.copy(placeOf(control)) != expected.copy(placeOf(control))) {
                faint << name + " looks otherwise";
            }
            const QVariant text = control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text");
            if (!text.toString().isEmpty() || qobject_cast<QComboBox*>(control)) {
                atLeast(textContrast(control), 4.5, name + "'s text");
            }
            const auto* label = qobject_cast<QLabel*>(control);
            const bool frame = qobject_cast<QGroupBox*>(control);
            const QWidget* around = control->parentWidget();
            if (label ? label->frameShape() != QFrame::NoFrame
                      : frame || control->focusPolicy() != Qt::NoFocus) {
                atLeast(outlineContrast(window, placeOf(control),
                                        around->palette().color(around->backgroundRole()), label ? 1 : 2),
                        frame ? 2 : 3, name + "'s outline");
            }
        }
        const QString found = QDir::temp().filePath("kx_light_look_found.png");
        if (look && window != expected && window.save(found)) {
            faint << "the window looks otherwise, found: " + found;
        }
        // The X between the port fields stands on a button face; the information text reads on its window.
        const auto* times = player.form.findChild<QWidget*>("Label6");
        QCOMPARE(window.pixelColor(placeOf(times).topLeft() + QPoint(1, 1)),
                 times->palette().color(QPalette::Button));
        const QImage information = kx::FORMinfo().grab().toImage();
        QImage blank(information.size(), information.format());
        blank.fill(information.pixel(0, 0));
        atLeast(highestContrast(information, blank), 4.5, "the information text");
        auto* spin = player.form.findChild<QScrollBar*>("VSLungcond");
        for (const bool upper : {true, false}) {
            atLeast(kx::contrastRatio(
                        window.pixelColor(spin->mapTo(&player.form, kxtest::arrowCentre(spin, upper))),
                        spin->palette().color(QPalette::Button)),
                    3, "the spin's arrow on its face");
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
            auto frameOf = [](const QWidget& window,
                              const QMargins& frame) { // as _NET_FRAME_EXTENTS lists it
                kxtest::setXProperty(window.windowHandle(), "_NET_FRAME_EXTENTS",
                                     {frame.left(), frame.right(), frame.top(), frame.bottom()});
            };
            kxtest::setXProperty(nullptr, "_NET_SUPPORTED", {"_NET_FRAME_EXTENTS", "_NET_WORKAREA"});
            const QMargins frame(4, 30, 4, 4), another(0, 37, 0, 0);
            for (const QRect free : {QRect(100, 30, 1180, 994), QRect(300, 400, 500, 200)}) {
                kxtest::setXProperty(nullptr, "_NET_WORKAREA",
                                     {free.x(), free.y(), free.width(), free.height()});
                QTRY_COMPARE(QGuiApplication::primaryScreen()->availableGeometry(), free);
                kxtest::CountingDialogs dialogs;
                kx::FORMprinc form(&dialogs);
                kx::FORMinfo info;
                for (QWidget* window : {static_cast<QWidget*>(&info), static_cast<QWidget*>(&form)}) {
                    window->show();
                    QVERIFY(QTest::qWaitForWindowExposed(window));
                }
                const QPoint unframed = form.geometry().topLeft();
                frameOf(form, frame);
                frameOf(info, frame);
                auto outer = [&](const QWidget& window) {
                    return window.geometry().marginsAdded(frame);
                };
                if (free.width() < 1000) {
                    QTRY_COMPARE(outer(form).topLeft(), free.topLeft());
                    QTRY_COMPARE(outer(info).topLeft(), free.topLeft());
                    continue;
                }
                QTRY_COMPARE(misplaced(form, outer(form)), QString());
                QTRY_COMPARE(outer(info).size(), kx::toPixels(kx::FORMinfo::kOuterSize));
                QCOMPARE(misplaced(info, QRect(outer(info).topLeft(),
                                               kx::toPixels(kx::FORMinfo::kDesignedSize).grownBy(frame))),
                         QString());
                // A move the desktop tells late, from where the window was before its frame came, is no
                // user's.
                QMoveEvent late(unframed, form.geometry().topLeft());
                QCoreApplication::sendEvent(form.windowHandle(), &late);
                frameOf(form, another);
                QTRY_COMPARE(misplaced(form, form.geometry().marginsAdded(another)), QString());
                const QPoint aside = form.geometry().topLeft() + QPoint(60, 40);
                form.windowHandle()->setPosition(aside);
                QTRY_COMPARE(form.geometry().topLeft(), aside);
                frameOf(form, frame);
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
