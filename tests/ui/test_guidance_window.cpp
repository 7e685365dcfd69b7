// Entering a numeric field: the fields of the other port shape emptied, the focus order rearranged,
// and the field's guidance picture shown.
#include "entry/field_guidance.h"
#include "ui/application.h"
#include "ui/main_window/modal_dialogs.h"
#include "ui/window_fixture.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace kxtest;

class TestGuidanceWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startUp();
    void enteringAField_data();
    void enteringAField();
    void lengthPictureWithoutDiameter();
    void tabWalks_data();
    void tabWalks();
    void reactivationIsNoFocusEntry();
    void clickIntoAnInactiveWindowIsAnEntry();
    void closingTheMessageIsNoFocusEntry();
    void pictureThatCannotBeShown_data();
    void pictureThatCannotBeShown();
    void replacedPictureShowsAtTheNextEntry();
    void folderWithTrailingSeparator();
    void builtPicturesBesideTheProgram();

private:
    QTemporaryDir pictures;
};

namespace {

// Each test picture is one colour, so the picture on show tells which file was read.
const QList<std::pair<QString, QColor>> kTestPictures{
    {"/boxVOL.jpg", Qt::red},     {"/box_circDIAM.jpg", Qt::green}, {"/boxALT.jpg", Qt::blue},
    {"/boxLARG.jpg", Qt::yellow}, {"/box_circLUNG.jpg", Qt::cyan},  {"/boxLUNG.jpg", Qt::magenta}};

void writePicture(const QString& path, const QColor& colour) {
    QImage picture(40, 60, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(path, "JPEG"));
}

QColor colourOf(const QString& fileName) {
    for (const auto& [name, colour] : kTestPictures) {
        if (name == fileName) {
            return colour;
        }
    }
    return {};
}

// The colour in the middle of the picture on show; invalid when none is.
QColor shown(const Window& w) {
    const QPixmap picture = w.find<QLabel>("Image1")->pixmap();
    return picture.isNull() ? QColor()
                            : QColor(picture.toImage().pixel(picture.width() / 2, picture.height() / 2));
}

bool near(const QColor& a, const QColor& b) {
    return a.isValid() && b.isValid() && qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

const QStringList kHeightFirst{"TXTalt",    "TXTlar",       "TXTdia",       "TXTvol",
                               "TXTlung",   "CMDcalcolaKx", "CMDottimizza", "CMDinfo",
                               "CMDuscire", "CMBcondotti",  "VSLungcond"};
const QStringList kWidthFirst{"TXTlar",    "TXTalt",       "TXTdia",       "TXTvol",
                              "TXTlung",   "CMDcalcolaKx", "CMDottimizza", "CMDinfo",
                              "CMDuscire", "CMBcondotti",  "VSLungcond"};
const QStringList kDiameterAside{"TXTalt",       "TXTlar",       "TXTvol",    "TXTlung",
                                 "CMDcalcolaKx", "CMDottimizza", "CMDinfo",   "CMDuscire",
                                 "TXTdia",       "CMBcondotti",  "VSLungcond"};

void fillAll(Window& w) {
    for (const char* name : {"TXTvol", "TXTdia", "TXTlar", "TXTalt", "TXTlung"}) {
        w.field(name)->setText("5");
    }
}

} // namespace

void TestGuidanceWindow::initTestCase() {
    QVERIFY(localeFollowsEnvironment());
    kx::setUpApplication();
    QVERIFY(pictures.isValid());
    for (const auto& [name, colour] : kTestPictures) {
        writePicture(pictures.path() + name, colour);
    }
}

void TestGuidanceWindow::startUp() {
    Window w;
    w.form.setPictureFolder(pictures.path());
    w.field("TXTdia")->setText("10");
    QVERIFY(w.showActive());
    QCOMPARE(QApplication::focusWidget(), w.field("TXTalt"));
    QCOMPARE(w.field("TXTdia")->text(), QString());
    QVERIFY(near(shown(w), Qt::blue));
    QCOMPARE(tabChain(&w.form, "TXTalt"), kHeightFirst);
}

void TestGuidanceWindow::enteringAField_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("picture");
    QTest::newRow("height") << "TXTalt" << QStringList{"TXTdia"} << kHeightFirst << "/boxALT.jpg";
    QTest::newRow("diameter") << "TXTdia" << QStringList{"TXTlar", "TXTalt"} << kHeightFirst
                              << "/box_circDIAM.jpg";
    QTest::newRow("volume") << "TXTvol" << QStringList{} << kWidthFirst << "/boxVOL.jpg";
    QTest::newRow("width") << "TXTlar" << QStringList{"TXTdia"} << kDiameterAside << "/boxLARG.jpg";
    QTest::newRow("length, diameter given")
        << "TXTlung" << QStringList{} << kWidthFirst << "/box_circLUNG.jpg";
}

void TestGuidanceWindow::enteringAField() {
    QFETCH(QString, entered);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, order);
    QFETCH(QString, picture);
    Window w;
    w.form.setPictureFolder(pictures.path());
    QVERIFY(w.showActive());
    QTest::mouseClick(w.find<QWidget>("CMDottimizza"), Qt::LeftButton); // the focus leaves the fields
    fillAll(w);
    QTest::mouseClick(w.field(qPrintable(entered)), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.field(qPrintable(entered)));
    for (const char* name : {"TXTvol", "TXTdia", "TXTlar", "TXTalt", "TXTlung"}) {
        QCOMPARE(w.field(name)->text().isEmpty(), emptied.contains(name));
    }
    QCOMPARE(tabChain(&w.form, order.first()), order);
    QVERIFY(near(shown(w), colourOf(picture)));
}

void TestGuidanceWindow::lengthPictureWithoutDiameter() {
    Window w;
    w.form.setPictureFolder(pictures.path());
    QVERIFY(w.showActive());
    QTest::mouseClick(w.field("TXTlung"), Qt::LeftButton);
    QVERIFY(near(shown(w), Qt::magenta));                         // boxLUNG.jpg
    w.field("TXTdia")->setText(QLocale::system().decimalPoint()); // any text at all
    QTest::mouseClick(w.field("TXTvol"), Qt::LeftButton);
    QTest::mouseClick(w.field("TXTlung"), Qt::LeftButton);
    QVERIFY(near(shown(w), Qt::cyan)); // box_circLUNG.jpg
}

void TestGuidanceWindow::tabWalks_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("keys"); // ">" Tab, "<" Shift+Tab
    QTest::addColumn<QStringList>("visited");
    QTest::newRow("from the height, round and back")
        << "TXTalt"
        << ">>>>>>>>>>>"
        << QStringList{"TXTlar",    "TXTvol",      "TXTlung",    "CMDcalcolaKx", "CMDottimizza", "CMDinfo",
                       "CMDuscire", "CMBcondotti", "VSLungcond", "TXTlar",       "TXTvol"};
    QTest::newRow("from the diameter") << "TXTdia"
                                       << ">>" << QStringList{"TXTvol", "TXTlung"};
    QTest::newRow("back from the volume") << "TXTvol"
                                          << "<<<" << QStringList{"TXTdia", "TXTlar", "TXTalt"};
    QTest::newRow("from the width") << "TXTlar"
                                    << ">>" << QStringList{"TXTvol", "TXTlung"};
    QTest::newRow("back from the height wraps") << "TXTalt"
                                                << "<" << QStringList{"VSLungcond"};
}

void TestGuidanceWindow::tabWalks() {
    QFETCH(QString, from);
    QFETCH(QString, keys);
    Window w;
    w.form.setPictureFolder(pictures.path());
    QVERIFY(w.showActive());
    QTest::mouseClick(w.field(qPrintable(from)), Qt::LeftButton);
    QStringList visited;
    for (const QChar key : keys) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        key == '<' ? Qt::ShiftModifier : Qt::NoModifier);
        visited << QApplication::focusWidget()->objectName();
    }
    QTEST(visited, "visited");
}

void TestGuidanceWindow::reactivationIsNoFocusEntry() {
    Window w;
    w.form.setPictureFolder(pictures.path());
    QVERIFY(w.showActive());
    w.field("TXTdia")->setText("10");
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QCOMPARE(QApplication::focusWidget(), w.field("TXTalt"));
    QCOMPARE(w.field("TXTdia")->text(), QStringLiteral("10"));
}

void TestGuidanceWindow::clickIntoAnInactiveWindowIsAnEntry() {
    Window w;
    w.form.setPictureFolder(pictures.path());
    QVERIFY(w.showActive());
    w.field("TXTalt")->setText("5");
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    // The click moves the focus before the window is active; it arrives with the activation.
    QTest::mouseClick(w.field("TXTdia"), Qt::LeftButton);
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QCOMPARE(QApplication::focusWidget(), w.field("TXTdia"));
    QCOMPARE(w.field("TXTalt")->text(), QString());
    QVERIFY(near(shown(w), Qt::green));
}

void TestGuidanceWindow::closingTheMessageIsNoFocusEntry() {
    kx::FORMprinc form; // with the real message box
    form.setPictureFolder(pictures.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* height = form.findChild<QLineEdit*>("TXTalt");
    QCOMPARE(QApplication::focusWidget(), height);
    form.findChild<QLineEdit*>("TXTlar")->setText("10");
    form.findChild<QLineEdit*>("TXTvol")->setText("0"); // filled, but no volume to compute with
    form.findChild<QLineEdit*>("TXTdia")->setText("3");
    bool answered = false;
    whenModalShows<QMessageBox>([&](QMessageBox* box) {
        answered = true;
        box->accept();
    });
    QTest::keyClick(height, Qt::Key_Return);
    QVERIFY(answered);
    form.activateWindow(); // the main window is active again, as the desktop makes it
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), height);
    QCOMPARE(form.findChild<QLineEdit*>("TXTdia")->text(), QStringLiteral("3"));
}

void TestGuidanceWindow::pictureThatCannotBeShown_data() {
    QTest::addColumn<QByteArray>("content"); // empty name: no file at all
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("corrupt") << QByteArray("\xFF\xD8\xFF\xE0 this is not a picture") << true;
    QImage png(10, 10, QImage::Format_RGB32);
    png.fill(Qt::green);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");
    QTest::newRow("not a JPEG") << pngBytes << true;
}

void TestGuidanceWindow::pictureThatCannotBeShown() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QTemporaryDir folder;
    writePicture(folder.path() + kx::picture::height(), Qt::blue);
    if (exists) {
        QFile file(folder.path() + kx::picture::circularDiameter());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    Window w;
    w.form.setPictureFolder(folder.path());
    QVERIFY(w.showActive());
    QVERIFY(near(shown(w), Qt::blue));
    w.field("TXTalt")->setText("5");
    w.field("TXTlar")->setText("5");
    QTest::mouseClick(w.field("TXTdia"), Qt::LeftButton);
    QVERIFY(!shown(w).isValid()); // no picture, not the one before
    QCOMPARE(w.field("TXTalt")->text(), QString());
    QCOMPARE(w.field("TXTlar")->text(), QString());
    QCOMPARE(tabChain(&w.form, "TXTalt"), kHeightFirst);
}

void TestGuidanceWindow::replacedPictureShowsAtTheNextEntry() {
    QTemporaryDir folder;
    writePicture(folder.path() + kx::picture::volume(), Qt::red);
    Window w;
    w.form.setPictureFolder(folder.path());
    QVERIFY(w.showActive());
    QTest::mouseClick(w.field("TXTvol"), Qt::LeftButton);
    QVERIFY(near(shown(w), Qt::red));
    writePicture(folder.path() + kx::picture::volume(), Qt::darkGreen);
    QTest::mouseClick(w.field("TXTalt"), Qt::LeftButton);
    QTest::mouseClick(w.field("TXTvol"), Qt::LeftButton);
    QVERIFY(near(shown(w), Qt::darkGreen));
}

void TestGuidanceWindow::folderWithTrailingSeparator() {
    Window w;
    w.form.setPictureFolder(pictures.path() + QDir::separator()); // joined as it is: two separators
    QVERIFY(w.showActive());
    QVERIFY(near(shown(w), Qt::blue));
}

void TestGuidanceWindow::builtPicturesBesideTheProgram() {
    QSet<QByteArray> contents;
    for (const QString& name :
         {kx::picture::volume(), kx::picture::circularDiameter(), kx::picture::height(), kx::picture::width(),
          kx::picture::circularLength(), kx::picture::rectangularLength()}) {
        const QString path = QStringLiteral(KX_PROGRAM_DIR) + name;
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(path));
        QCOMPARE(picture.size(), QSize(298, 432)); // twice the control, sharp at a scale of 2
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        contents.insert(file.readAll());
    }
    QCOMPARE(contents.size(), 6); // six different pictures
}

QTEST_MAIN(TestGuidanceWindow)
#include "test_guidance_window.moc"
