#include "entry/field_guidance.h"
#include "entry/focus_order.h"

#include <QTest>

using namespace kx;

class TestFieldGuidance : public QObject {
    Q_OBJECT
private slots:
    void enteringAField_data();
    void enteringAField();
    void lengthPictureFollowsTheDiameter();
    void fileNamesOpenWithTheSeparator();
};

namespace {

// The window's focus order at start-up, position 0 first.
QStringList startUpOrder() {
    return {"TXTvol",     "CMDcalcolaKx",   "CMDottimizza", "Frame3",     "Label2",      "Frame1",
            "LBLdia",     "Label9(1)",      "Label8",       "LBLsezione", "Label4",      "LBLkx",
            "Frame2",     "LBL(2)",         "label10(1)",   "Label5(1)",  "LBLpro",      "LBLlarg",
            "LBLalt",     "CMDinfo",        "CMDuscire",    "Frame4",     "CMBcondotti", "Label11",
            "Label1",     "LBLvolcondotto", "Frame5",       "TXTdia",     "TXTalt",      "TXTlar",
            "TXTlung",    "Label9(0)",      "Label5(0)",    "Label6",     "Label7(0)",   "Label3",
            "VSLungcond", "Frame6"};
}

} // namespace

void TestFieldGuidance::enteringAField_data() {
    QTest::addColumn<NumericField>("entered");
    QTest::addColumn<QList<NumericField>>("emptied");
    QTest::addColumn<QStringList>("head");
    QTest::addColumn<QString>("picture");
    const QStringList heightFirst{"TXTalt",  "TXTlar",       "TXTdia",      "TXTvol",
                                  "TXTlung", "CMDcalcolaKx", "CMDottimizza"};
    const QStringList widthFirst{"TXTlar",  "TXTalt",       "TXTdia",      "TXTvol",
                                 "TXTlung", "CMDcalcolaKx", "CMDottimizza"};
    using F = NumericField;
    QTest::newRow("height") << F::Height << QList<F>{F::Diameter} << heightFirst << "/boxALT.jpg";
    QTest::newRow("diameter") << F::Diameter << QList<F>{F::Width, F::Height} << heightFirst
                              << "/box_circDIAM.jpg";
    QTest::newRow("volume") << F::Volume << QList<F>{} << widthFirst << "/boxVOL.jpg";
    QTest::newRow("width") << F::Width << QList<F>{F::Diameter}
                           << QStringList{"TXTalt",       "TXTlar",       "TXTvol", "TXTlung",
                                          "CMDcalcolaKx", "CMDottimizza", "Frame3"}
                           << "/boxLARG.jpg";
    QTest::newRow("length") << F::Length << QList<F>{} << widthFirst << "/boxLUNG.jpg";
}

void TestFieldGuidance::enteringAField() {
    QFETCH(NumericField, entered);
    QFETCH(QStringList, head);
    const FieldGuidance guidance = guidanceFor(entered, false);
    QTEST(guidance.emptied, "emptied");
    QTEST(guidance.picture, "picture");
    // The window's activation always enters the height first.
    FocusOrder order(startUpOrder());
    for (const FieldGuidance& step : {guidanceFor(NumericField::Height, false), guidance}) {
        for (const auto& [name, position] : step.positions) {
            order.setPosition(name, position);
        }
    }
    QCOMPARE(order.names().first(head.size()), head);
    QCOMPARE(order.names().size(), 38);
    if (entered == NumericField::Width) {
        QCOMPARE(order.position("TXTdia"), 25); // out of the head: between Frame4 and CMBcondotti
        QCOMPARE(order.names().mid(24, 3), (QStringList{"Frame4", "TXTdia", "CMBcondotti"}));
    }
}

void TestFieldGuidance::lengthPictureFollowsTheDiameter() {
    QCOMPARE(guidanceFor(NumericField::Length, true).picture, QStringLiteral("/box_circLUNG.jpg"));
    QCOMPARE(guidanceFor(NumericField::Length, false).picture, QStringLiteral("/boxLUNG.jpg"));
    // Only the length looks at the diameter.
    QCOMPARE(guidanceFor(NumericField::Volume, true).picture, QStringLiteral("/boxVOL.jpg"));
}

void TestFieldGuidance::fileNamesOpenWithTheSeparator() {
    for (const QString& name : {picture::volume(), picture::circularDiameter(), picture::height(),
                                picture::width(), picture::circularLength(), picture::rectangularLength()}) {
        QVERIFY(name.startsWith(QLatin1Char('/')));
        QVERIFY(name.endsWith(QLatin1String(".jpg")));
    }
}

QTEST_APPLESS_MAIN(TestFieldGuidance)
#include "test_field_guidance.moc"
