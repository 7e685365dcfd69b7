#include "windows/player.h"

#include "entry/guidance_pictures.h"
#include "ui/languages.h"

#include <algorithm>

namespace kxtest {
namespace {

// Each guidance picture a colour of its own, its hue a step of 60 degrees.
QColor colourOf(kx::GuidancePicture picture) {
    return QColor::fromHsv(int(picture) * 60, 255, 255);
}

// The name of the picture whose colour Image1 shows, its file's without ".jpg"; "none" or "another".
QString pictureShown(const QLabel* image) {
    const QImage shown = image->pixmap().toImage();
    const QColor centre = shown.isNull() ? QColor() : shown.pixelColor(shown.rect().center());
    const int step = (centre.hue() + 10) / 60;
    if (centre.hsvSaturation() < 200 || qAbs(centre.hue() - step * 60) >= 10 ||
        step >= int(kx::kGuidancePictures.size())) {
        return shown.isNull() ? "none" : "another"; // grey has no hue
    }
    return QString::fromLatin1(kx::fileName(kx::kGuidancePictures[step])).chopped(4);
}

bool anyButtonDown(const QWidget& form) {
    const auto buttons = form.findChildren<QAbstractButton*>();
    return std::any_of(buttons.begin(), buttons.end(), [](const QAbstractButton* b) { return b->isDown(); });
}

} // namespace

QPoint arrowCentre(const QScrollBar* spin, bool upper) {
    return {spin->width() / 2, spin->height() * (upper ? 1 : 3) / 4};
}

QString localised(QString text) {
    return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

Player::Player(const QStringList& beforeShown) {
    // Italian's pictures stand in the folder; another language's in a folder of its own, where those in
    // the folder are grey.
    const QString language = kx::windowLanguage(kx::userLanguages());
    const QString own = language == "it" ? QString() : language + "/";
    QDir().mkpath(pictures.filePath(own));
    for (const kx::GuidancePicture which : kx::kGuidancePictures) {
        QImage picture(30, 40, QImage::Format_RGB32);
        picture.fill(colourOf(which));
        picture.save(pictures.filePath(own + QString::fromLatin1(kx::fileName(which))), "JPEG");
        if (!own.isEmpty()) {
            picture.fill(Qt::gray);
            picture.save(pictures.filePath(QString::fromLatin1(kx::fileName(which))), "JPEG");
        }
    }
    form.setPictureFolder(pictures.path());
    play(beforeShown);
    form.show();
    shownInactive = !form.isActiveWindow();
    form.activateWindow(); // as a window manager would, where there is none
    active = QTest::qWaitForWindowActive(&form);
}

QString Player::play(const QStringList& steps) {
    for (const QString& step : steps) {
        if (const QString found = play(step.section(' ', 0, 0), step.section(' ', 1)); !found.isEmpty()) {
            return step + ": " + found;
        }
    }
    return {};
}

QString Player::play(const QString& verb, const QString& words) {
    QWindow* window = form.windowHandle();
    auto* control = form.findChild<QWidget*>(words.section(' ', 0, 0));
    auto* spin = form.findChild<QScrollBar*>("VSLungcond");
    auto differs = [](const QString& found, const QString& expected) {
        return found == expected ? QString() : "expected " + expected + ", found " + found;
    };
    if (verb == "click" || verb == "enter") {
        QTest::mouseClick(window, Qt::LeftButton, {}, control->mapTo(&form, control->rect().center()));
        if (verb == "enter") {
            play({"qtkey Ctrl+A", "qtkey Backspace", "qttype " + words.section(' ', 1)});
        }
    } else if (verb == "qttype") {
        for (const QChar c : words) {
            QTest::keyClick(window, c.toLatin1());
        }
    } else if (verb == "qtkey") {
        const QKeySequence keys = QKeySequence::fromString(words);
        if (keys.isEmpty() || keys[0].key() == Qt::Key_unknown) {
            return "a key, found no such key";
        }
        QTest::keySequence(window, keys);
        // An access key presses its button after a short animation.
        if (!QTest::qWaitFor([&] { return !anyButtonDown(form); })) {
            return "the button's click, found it still pressed";
        }
    } else if (verb == "accesskey") { // Alt and the letter the button's caption marks
        return play("qtkey",
                    QKeySequence::mnemonic(qobject_cast<QAbstractButton*>(control)->text()).toString());
    } else if (verb == "qtkeytext") { // one key whose text is all of the words: a pair of UTF-16 units, say
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, words, Qt::NoModifier);
    } else if (verb == "paste") {
        QApplication::clipboard()->setText(localised(words));
        QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
#ifdef KX_X_SERVER
    } else if (verb == "xlayout") {
        return setXLayout(words);
    } else if (verb == "xkey") {
        return typeThroughX(window, words);
#endif
    } else if (verb == "commit") {
        QInputMethodEvent commit;
        commit.setCommitString(words);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
    } else if (verb == "arrow") {
        const QPoint arrow = spin->mapTo(&form, arrowCentre(spin, words == "up"));
        QTest::mousePress(window, Qt::LeftButton, {}, arrow);
        QTest::mouseRelease(window, Qt::LeftButton, {}, arrow);
    } else if (verb == "wheel") { // one notch over the spin
        const QPointF at = spin->mapTo(&form, spin->rect().center());
        QWheelEvent notch(at, form.mapToGlobal(at), {}, {0, words == "up" ? 120 : -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window, &notch);
    } else if (verb == "set") {
        qobject_cast<QLineEdit*>(control)->setText(localised(words.section(' ', 1)));
    } else if (verb == "ports") {
        form.findChild<QComboBox*>("CMBcondotti")->setCurrentText(words);
    } else if (verb == "shows") {
        QStringList found;
        for (const QString& pair : words.split(' ')) {
            const QWidget* target = form.findChild<QWidget*>(pair.section('=', 0, 0));
            const QString shown =
                target->property(qobject_cast<const QComboBox*>(target) ? "currentText" : "text").toString();
            if (const QString expected = localised(pair.section('=', 1)); shown != expected) {
                found
                    << QString("%1 expected '%2', found '%3'").arg(pair.section('=', 0, 0), expected, shown);
            }
        }
        return found.join("; ");
    } else if (verb == "focus") {
        return differs(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none",
                       words);
    } else if (verb == "picture") {
        return differs(pictureShown(form.findChild<QLabel*>("Image1")), words);
    } else if (verb == "messages" || verb == "infos") {
        return differs(QString::number(verb == "messages" ? dialogs.messages : dialogs.infos), words);
    } else if (verb == "spin") {
        return differs(QString::number(-spin->value()), words);
    } else if (verb == "caret") {
        return differs(QString::number(qobject_cast<QLineEdit*>(control)->cursorPosition()),
                       words.section(' ', 1));
    } else if (verb == "leave" || verb == "return") {
        QWidget& active = verb == "leave" ? elsewhere : form;
        active.show();
        active.activateWindow();
        if (!QTest::qWaitForWindowActive(&active)) {
            return "another window active, found it not";
        }
    } else if (verb == "only") {
        return qEnvironmentVariable("LC_ALL") == words ? QString() : kOnlyElsewhere;
    } else if (verb == "window") {
        return differs(form.isVisible() ? "open" : "closed", words);
    } else {
        return "a step, found no such verb";
    }
    return {};
}

} // namespace kxtest
