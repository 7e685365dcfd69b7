// Every caption and every result must fit its control in the window's font: nothing is clipped.
#include "ui/application.h"
#include "ui/window_fixture.h"

#include <QGroupBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

using namespace kxtest;

class TestCaptionFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(localeFollowsEnvironment());
        kx::setUpApplication();
    }
    void labelsFit();
    void framesFit();
    void buttonsFit();
    void resultsFit_data();
    void resultsFit();
};

namespace {

QString withoutAccessKey(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

int widthOf(const QWidget* control, const QString& text) {
    return QFontMetrics(control->font()).horizontalAdvance(text);
}

} // namespace

void TestCaptionFit::labelsFit() {
    Window w;
    int measured = 0;
    for (const QLabel* label : w.form.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        const QRect room = label->contentsRect();
        QVERIFY2(widthOf(label, label->text()) <= room.width(), qPrintable(label->objectName()));
        QVERIFY2(QFontMetrics(label->font()).height() <= room.height(), qPrintable(label->objectName()));
        ++measured;
    }
    QCOMPARE(measured, 14);
}

void TestCaptionFit::framesFit() {
    Window w;
    int measured = 0;
    for (const QGroupBox* frame : w.form.findChildren<QGroupBox*>()) {
        if (frame->title().isEmpty()) {
            continue;
        }
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        QVERIFY2(widthOf(frame, frame->title()) <= title.width(), qPrintable(frame->objectName()));
        QVERIFY2(frame->rect().contains(title), qPrintable(frame->objectName()));
        ++measured;
    }
    QCOMPARE(measured, 4);
}

void TestCaptionFit::buttonsFit() {
    Window w;
    for (const char* name : {"CMDcalcolaKx", "CMDuscire"}) {
        auto* button = w.find<QPushButton>(name);
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY2(widthOf(button, withoutAccessKey(button->text())) <= room.width(), name);
    }
    // The optimiser's caption wraps below its picture: each word fits on its line, and both lines fit
    // under the picture.
    auto* optimiser = w.find<QPushButton>("CMDottimizza");
    const QStringList words = withoutAccessKey(optimiser->text()).split(QLatin1Char(' '));
    QCOMPARE(words.size(), 2);
    for (const QString& word : words) {
        QVERIFY2(widthOf(optimiser, word) + 4 <= optimiser->width(), qPrintable(word));
    }
    const int lines = 2 * QFontMetrics(optimiser->font()).height();
    QVERIFY(4 + optimiser->iconSize().height() + 2 + lines <= optimiser->height());
}

void TestCaptionFit::resultsFit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("result");
    // The longest results of ordinary boxes: up to a few cubic metres and ports of a metre.
    QTest::newRow("section") << "LBLsezione"
                             << "12345.67";
    QTest::newRow("diameter") << "LBLdia"
                              << "1234.56";
    QTest::newRow("port volume") << "LBLvolcondotto"
                                 << "12345.67";
    QTest::newRow("Kx") << "LBLkx"
                        << "12345.67";
    QTest::newRow("height") << "LBLalt"
                            << "1234.56";
    QTest::newRow("width") << "LBLlarg"
                           << "1234.56";
    QTest::newRow("depth") << "LBLpro"
                           << "1234.56";
}

void TestCaptionFit::resultsFit() {
    QFETCH(QString, name);
    QFETCH(QString, result);
    Window w;
    auto* label = w.find<QLabel>(qPrintable(name));
    QVERIFY(widthOf(label, localised(result)) <= label->contentsRect().width());
}

QTEST_MAIN(TestCaptionFit)
#include "test_caption_fit.moc"
