// The translations as Qt Linguist keeps them: every text of every language translated, nothing left
// unfinished or vanished, each translation with its source's placeholders (%1, %2, %n) and, where its
// source marks an access key, one of its own.
#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void complete_data();
    void complete();
};

void TestTranslations::complete_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("translations"); // a plural form each; none where unfinished
    const QDir folder(QStringLiteral(KX_TRANSLATIONS));
    const QStringList files = folder.entryList({"kx_*.ts"});
    QCOMPARE(files.size(), 5);
    for (const QString& file : files) {
        QFile ts(folder.filePath(file));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        bool numerus = false;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == u"message") {
                numerus = xml.attributes().value("numerus") == u"yes";
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const bool finished = xml.attributes().value("type").isEmpty();
                QStringList translations;
                if (!numerus) {
                    translations << xml.readElementText();
                }
                while (numerus && xml.readNextStartElement()) { // the plural forms
                    translations << xml.readElementText();
                }
                QTest::newRow(qPrintable(file + ": " + source.left(40)))
                    << source << (finished ? translations : QStringList());
            } else if (xml.name() != u"TS" && xml.name() != u"context") {
                xml.skipCurrentElement();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(file + ": " + xml.errorString()));
    }
}

void TestTranslations::complete() {
    QFETCH(QString, source);
    QFETCH(QStringList, translations);
    QVERIFY2(!translations.isEmpty(), "unfinished");
    auto marks = [](const QString& text) {
        QStringList found;
        for (const auto& match : QRegularExpression("%[n1-9]|&(?=\\w)").globalMatch(text)) {
            found << match.captured();
        }
        found.sort();
        return found;
    };
    for (const QString& translation : translations) {
        QVERIFY(!translation.trimmed().isEmpty());
        QCOMPARE(marks(translation), marks(source));
    }
}

QTEST_APPLESS_MAIN(TestTranslations)
#include "test_translations.moc"
