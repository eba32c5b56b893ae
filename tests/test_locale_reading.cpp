#include <algorithm>
#include <clocale>
#include <cmath>
#include <vector>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QTest>

#include "window_driver.h"

// Coefficients typed into the real window in the user's number format. CTest runs this once in
// each locale of the tables, named by LC_ALL: the one below and the one shared with the page's
// tests; the rows of the other locales are left out.
class TestLocaleReading : public QObject {
    Q_OBJECT

private:
    struct Row {
        const char* locale;
        const char* name;
        QStringList boxes; // a, b, c of an equation, or the six coefficients of a system
        const char* warning;
        QStringList shown; // Text(7) to Text(11)
    };

    static const std::vector<Row>& table() {
        const char* noNumber = "Check again! No numeric values!";
        // clang-format off
        static const std::vector<Row> rows{
            {"en_US", "a thousand grouped", {"0", "1,000", "-1"}, "", {"", "", "", "0.001", ""}},
            {"en_US", "dollars", {"0", "1", "$5"}, "", {"", "", "", "-5", ""}},
            {"en_US", "1.5 as always", {"0", "1", "1.5"}, "", {"", "", "", "-1.5", ""}},
            {"en_US", "1,5 is no number", {"0", "2", "1,5"}, noNumber, {"", "", "", "", ""}},
            {"en_US", "a system with grouped thousands", {"1,000", "0", "2,000", "0", "1", "1"}, "",
             {" 1000", " 2000", " 1000", "2", "1"}},

            {"de_DE", "decimal comma", {"0", "1", "1,5"}, "", {"", "", "", "-1,5", ""}},
            {"de_DE", "grouped with a fraction", {"0", "1", "1.234,5"}, "", {"", "", "", "-1234,5", ""}},
            {"de_DE", "money as Qt writes it", {"0", "1", "-1.234,50\u00A0€"}, "", {"", "", "", "1234,5", ""}},
            {"de_DE", "1.500 has two readings", {"0", "1", "1.500"}, noNumber, {"", "", "", "", ""}},
            {"de_DE", "1.000,5 is a thousand and a half", {"0", "1", "1.000,5"}, "", {"", "", "", "-1000,5", ""}},
            {"de_DE", "a full stop read as ever", {"1", "1", "0.0625"}, "",
             {" .75", "", "", "-0,0669872981077807", "-0,933012701892219"}},
            {"de_DE", "1.2.3 is no number", {"1.2.3", "1", "1"}, noNumber, {"", "", "", "", ""}},
            {"de_DE", "a system with decimal commas", {"1,5", "0", "3", "0", "2", "1"}, "",
             {" 3", " 6", " 1.5", "2", "0,5"}},

            {"el_GR", "decimal comma", {"0", "1", "1,5"}, "", {"", "", "", "-1,5", ""}},
            {"el_GR", "money as Qt writes it", {"0", "1", "-1.234,50\u00A0€"}, "", {"", "", "", "1234,5", ""}},

            {"fr_FR", "c = -0,5", {"2", "1", "-0,5"}, "",
             {" 5", "", "", "0,309016994374947", "-0,809016994374947"}},
            {"fr_FR", "a blank for the narrow no-break space", {"0", "1", "1 234,5"}, "",
             {"", "", "", "-1234,5", ""}},
            {"fr_FR", "0.5 is no number here", {"1", "1", "0.5"}, noNumber, {"", "", "", "", ""}},

            {"ru_RU", "c = -0,5", {"2", "1", "-0,5"}, "",
             {" 5", "", "", "0,309016994374947", "-0,809016994374947"}},
            {"ru_RU", "roubles", {"0", "2", "1\u00A0234,5\u00A0₽"}, "", {"", "", "", "-617,25", ""}},

            {"en_IN", "ten lakh", {"0", "10,00,000", "-1"}, "", {"", "", "", "1E-06", ""}},
            {"en_IN", "grouped in thousands is no number", {"1", "1,000,000", "1"}, noNumber,
             {"", "", "", "", ""}},
        };
        // clang-format on
        return rows;
    }

    // Types a text key by key, as a keyboard of the locale would, "€" and the no-break space too.
    static void type(QLineEdit* box, const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(box, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // The shared rows of this locale: [locale, text, the number meant or "refused"].
    static QList<QJsonArray> sharedRows(const QString& locale) {
        QFile file(VELMORA_LOCALE_ROWS);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", VELMORA_LOCALE_ROWS);
        QList<QJsonArray> rows;
        const QString tag = QString(locale).replace('_', '-');
        for (const QJsonValue& row : QJsonDocument::fromJson(file.readAll())["rows"].toArray())
            if (row[0].toString() == tag)
                rows << row.toArray();
        return rows;
    }

    static bool hasRows(const QString& locale) {
        return std::ranges::any_of(table(), [&](const Row& row) { return locale == row.locale; }) ||
               !sharedRows(locale).isEmpty();
    }

private slots:
    // Without rows, or with the C library in another locale, this run would test nothing new.
    void runsInALocaleOfTheTable() {
        const QString locale = QLocale::system().name();
        QVERIFY2(hasRows(locale), qPrintable("no rows for the locale " + locale));
        QVERIFY2(QString(std::setlocale(LC_NUMERIC, nullptr)).startsWith(locale),
                 "the C library's locale is missing: LOCPATH names the tests' copy");
    }

    void typedInTheUsersFormat_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QStringList>("shown");
        const QString locale = QLocale::system().name();
        for (const Row& row : table())
            if (locale == row.locale)
                QTest::newRow(row.name) << row.boxes << row.warning << row.shown;
        if (std::ranges::none_of(table(), [&](const Row& row) { return locale == row.locale; }))
            QSKIP("whole equations only in some locales; the shared rows cover this one");
    }

    void typedInTheUsersFormat() {
        QFETCH(QStringList, boxes);
        auto form = startedForm();
        pressCheck(*form, boxes.size() == 3 ? "Option1" : "Option2");
        for (int index = 1; index <= boxes.size(); ++index)
            type(textBox(*form, index), boxes[index - 1]);
        for (int index = 1; index <= boxes.size(); ++index)
            QCOMPARE(textBox(*form, index)->text(), boxes[index - 1]);

        BoxAnswer warning(QMessageBox::Ok);
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        QTEST(warning.text, "warning");
        QStringList shown;
        for (int index = 7; index <= 11; ++index)
            shown << textBox(*form, index)->text();
        QTEST(shown, "shown");
    }

    // Each text as c of 0x² - x + c = 0, so that the root shown is c, rounded to a Single.
    void sharedRows_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<double>("meant");
        const QList<QJsonArray> rows = sharedRows(QLocale::system().name());
        for (const QJsonArray& row : rows)
            QTest::addRow("%s", qPrintable(row[1].toString()))
                << row[1].toString() << row[2].isString() << row[2].toDouble();
        if (rows.isEmpty())
            QSKIP("no shared rows for this locale");
    }

    void sharedRows() {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QFETCH(double, meant);
        auto form = startedForm();
        pressCheck(*form, "Option1");
        type(textBox(*form, 1), "0");
        type(textBox(*form, 2), "-1");
        type(textBox(*form, 3), text);
        QCOMPARE(textBox(*form, 3)->text(), text);

        BoxAnswer warning(QMessageBox::Ok);
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        const QString root = textBox(*form, 10)->text();
        if (refused) {
            QCOMPARE(warning.text, QString("Check again! No numeric values!"));
            QCOMPARE(root, QString());
            return;
        }
        QCOMPARE(warning.text, QString());
        // The root is written with the locale's decimal separator, a comma or a full stop here.
        bool ok = false;
        const double shown = QString(root).replace(',', '.').toDouble(&ok);
        QVERIFY2(ok, qPrintable(root));
        QVERIFY2(std::fabs(shown - meant) <= 5e-7 * std::fabs(meant),
                 qPrintable(QString("%1 shown for %2").arg(root).arg(meant)));
    }
};

QTEST_MAIN(TestLocaleReading)
#include "test_locale_reading.moc"
