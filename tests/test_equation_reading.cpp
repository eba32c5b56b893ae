#include <string>

#include <QJsonArray>
#include <QStringList>
#include <QTest>

#include "core/numbers/number_locale.h"
#include "core/numbers/numbers.h"
#include "core/typing/equation_reading.h"
#include "locale_table.h"
#include "test_data.h"

// Equations typed as pupils write them (tests/typed_equations.json), in the number format of a
// locale of tests/locale_rows.json: what is read into the boxes and the working's first lines, or
// what is refused and where.
class TestEquationReading : public QObject {
    Q_OBJECT

private:
    static const QJsonObject& table() {
        static const QJsonObject rows = testData(VELMORA_TYPED_EQUATIONS);
        return rows;
    }

    static NumberLocale localeOf(const QString& tag) {
        const std::optional<LocaleFacts> facts = browserFacts(tag);
        if (!facts)
            qFatal("no locale %s in the locale rows", qPrintable(tag));
        return numberLocale(*facts);
    }

    static QStringList texts(const QJsonValue& array) {
        QStringList list;
        for (const QJsonValue& value : array.toArray())
            list << value.toString();
        return list;
    }

    static QStringList texts(const std::vector<std::string>& strings) {
        QStringList list;
        for (const std::string& text : strings)
            list << QString::fromStdString(text);
        return list;
    }

private slots:
    void accepted_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("steps");
        for (const QJsonValue& value : table()["accepted"].toArray()) {
            const QJsonArray row = value.toArray();
            QTest::addRow("%s %s", qPrintable(row[0].toString()), qPrintable(row[1].toString()))
                << row[0].toString() << row[1].toString() << row[2].toString() << texts(row[3])
                << texts(row[4]);
        }
    }

    // The boxes read their texts back as the exact coefficients, and the working starts with the
    // lines given (a row may leave the later ones out).
    void accepted() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, steps);
        const NumberLocale format = localeOf(locale);
        const EquationReading reading = readEquation(text.toStdString(), format);
        QCOMPARE(QString::fromStdString(reading.message), message);
        QVERIFY(reading.accepted);
        QCOMPARE(reading.system, boxes.size() == 6);
        QCOMPARE(texts(reading.boxes), boxes);
        for (const std::string& box : reading.boxes)
            QVERIFY2(coefficientReading(box, format).accepted(), box.c_str());
        QCOMPARE(texts(reading.steps).mid(0, int(steps.size())), steps);
    }

    void refused_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("length");
        for (const QJsonValue& value : table()["refused"].toArray()) {
            const QJsonArray row = value.toArray();
            QTest::addRow("%s %s", qPrintable(row[0].toString()), qPrintable(row[1].toString()))
                << row[0].toString() << row[1].toString() << row[2].toString() << row[3].toInt()
                << row[4].toInt();
        }
    }

    // A refusal says why in plain words and marks its place in the text, in bytes.
    void refused() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(int, place);
        QFETCH(int, length);
        const std::string typed = text.toStdString();
        const EquationReading reading = readEquation(typed, localeOf(locale));
        QVERIFY(!reading.accepted);
        QCOMPARE(QString::fromStdString(reading.message), message);
        QCOMPARE(int(reading.place), place);
        QCOMPARE(int(reading.length), length);
        QVERIFY(reading.boxes.empty());
        QVERIFY(reading.place + reading.length <= typed.size());
    }

    void pasted_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("says");
        QTest::addColumn<int>("place");
        for (const PastedText& pasted : pastedTexts(VELMORA_PASTED_TEXTS, "equation"))
            QTest::addRow("%s", qPrintable(pasted.name))
                << pasted.locale << QByteArray::fromStdString(pasted.text) << pasted.says
                << pasted.place;
    }

    // Long, deep or invisible texts are read or refused in words, marking where reading stopped.
    void pasted() {
        QFETCH(QString, locale);
        QFETCH(QByteArray, text);
        QFETCH(int, place);
        const EquationReading reading = readEquation(text.toStdString(), localeOf(locale));
        QTEST(QString::fromStdString(reading.message), "says");
        QCOMPARE(reading.accepted, place < 0);
        if (place >= 0)
            QCOMPARE(int(reading.place), place);
    }
};

QTEST_GUILESS_MAIN(TestEquationReading)
#include "test_equation_reading.moc"
