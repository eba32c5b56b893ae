#include <optional>
#include <string>

#include <QJsonArray>
#include <QLocale>
#include <QTest>

#include "core/numbers/number_locale.h"
#include "core/numbers/numbers.h"
#include "desktop/system_locale.h"
#include "locale_table.h"

// The user's number format as the desktop takes it from the system's locale through Qt, and the
// coefficients read in it.
class TestSystemLocale : public QObject {
    Q_OBJECT

private slots:
    // The user's number format as the desktop takes it from Qt, group sizes included; the
    // currency symbols come from the core's table by region, money's separators where Qt cannot
    // tell from the core's table too.
    void numberLocaleFromQt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("decimalSeparator");
        QTest::addColumn<QString>("groupSeparator");
        QTest::addColumn<QStringList>("currencySymbols");
        QTest::addColumn<int>("primaryGroupSize");
        QTest::addColumn<int>("secondaryGroupSize");
        QTest::addColumn<QString>("money"); // decimal and group separators, where they differ

        // clang-format off
        QTest::newRow("English (US)") << "en_US" << "." << "," << QStringList{"$", "US$"} << 3 << 3 << "";
        QTest::newRow("German") << "de_DE" << "," << "." << QStringList{"€"} << 3 << 3 << "";
        QTest::newRow("Austrian German") << "de_AT" << "," << "\u00A0" << QStringList{"€"} << 3 << 3 << ",.";
        QTest::newRow("Swiss German") << "de_CH" << "." << "\u2019" << QStringList{"CHF"} << 3 << 3 << "";
        QTest::newRow("Swiss French") << "fr_CH" << "," << "\u202F" << QStringList{"CHF"} << 3 << 3 << ".\u202F";
        QTest::newRow("Greek") << "el_GR" << "," << "." << QStringList{"€"} << 3 << 3 << "";
        QTest::newRow("French") << "fr_FR" << "," << "\u202F" << QStringList{"€"} << 3 << 3 << "";
        QTest::newRow("Russian") << "ru_RU" << "," << "\u00A0" << QStringList{"₽"} << 3 << 3 << "";
        QTest::newRow("Indian English") << "en_IN" << "." << "," << QStringList{"₹"} << 3 << 2 << "";
        QTest::newRow("Polish") << "pl_PL" << "," << "\u00A0" << QStringList{"zł"} << 3 << 3 << "";
        QTest::newRow("Spanish, a long first group in Qt") << "es_ES" << "," << "." << QStringList{"€"} << 3 << 3 << "";
        QTest::newRow("Swedish") << "sv_SE" << "," << "\u00A0" << QStringList{"kr"} << 3 << 3 << "";
        QTest::newRow("Croatian, the euro") << "hr_HR" << "," << "." << QStringList{"€"} << 3 << 3 << "";
        QTest::newRow("Ukrainian, both symbols") << "uk_UA" << "," << "\u00A0" << QStringList{"₴", "грн"} << 3 << 3 << "";
        QTest::newRow("C") << "C" << "." << "," << QStringList{} << 3 << 3 << "";
        // clang-format on
    }

    void numberLocaleFromQt() {
        QFETCH(QString, name);
        const NumberLocale locale = numberLocale(QLocale(name));
        QTEST(QString::fromStdString(locale.decimalSeparator), "decimalSeparator");
        QTEST(QString::fromStdString(locale.groupSeparator), "groupSeparator");
        QTEST(symbolsOf(locale), "currencySymbols");
        QTEST(locale.primaryGroupSize, "primaryGroupSize");
        QTEST(locale.secondaryGroupSize, "secondaryGroupSize");
        QTEST(QString::fromStdString(locale.moneyDecimalSeparator + locale.moneyGroupSeparator),
              "money");
    }

    // The shared table of texts as users of forty locales write them, read with the format each
    // front-end makes: from Qt's data, as the desktop does, and from the browser's facts kept in
    // the table, as the page does. Both must read every row as the number meant, or refuse it.
    void localeRows_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<double>("meant");
        const QJsonArray rows = localeTable()["rows"].toArray();
        QVERIFY(rows.size() > 100);
        for (const QJsonValue& value : rows) {
            const QJsonArray row = value.toArray();
            const QString tag = row[0].toString(), text = row[1].toString();
            QTest::addRow("%s %s", qPrintable(tag), qPrintable(text))
                << tag << text << row[2].isString() << row[2].toDouble();
        }
    }

    void localeRows() {
        QFETCH(QString, tag);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QFETCH(double, meant);
        const std::string typed = text.toStdString();
        const std::optional<LocaleFacts> browser = browserFacts(tag);
        QVERIFY2(browser, "the locale is missing from the table's locales");
        for (const NumberLocale& locale : {numberLocale(QLocale(tag)), ::numberLocale(*browser)}) {
            const std::optional<double> read = ::readCoefficient(typed, locale);
            const bool taken = IsNumeric(typed, locale) && read;
            QCOMPARE(!taken, refused);
            if (taken)
                QCOMPARE(*read, meant);
        }
    }

    // The value of a coefficient text: Val's where Val reads all of it, else the locale's
    // reading, which must agree with Qt's own reading of the text without its currency symbol.
    void readCoefficient_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        // "Val", "locale", "ambiguous" (with the locale's reading as the value), or "" where it
        // is no number
        QTest::addColumn<QString>("readBy");
        QTest::addColumn<double>("value");

        // clang-format off
        QTest::newRow("English, a thousand") << "en_US" << "1,000" << "locale" << 1000.0;
        QTest::newRow("English, dollars") << "en_US" << "$5" << "locale" << 5.0;
        QTest::newRow("English, grouped with a fraction") << "en_US" << "-1,234,567.25" << "locale" << -1234567.25;
        QTest::newRow("English, exponent after groups") << "en_US" << "1,000e2" << "locale" << 100000.0;
        QTest::newRow("German, decimal comma") << "de_DE" << "1,5" << "locale" << 1.5;
        QTest::newRow("German, grouped with a fraction") << "de_DE" << "1.234,5" << "locale" << 1234.5;
        QTest::newRow("German, money as Qt writes it") << "de_DE" << "-1.234,50\u00A0€" << "locale" << -1234.5;
        QTest::newRow("German, euro after a blank") << "de_DE" << "5 €" << "locale" << 5.0;
        QTest::newRow("German, euro first") << "de_DE" << "€-0,25" << "locale" << -0.25;
        QTest::newRow("German, comma first") << "de_DE" << ",5" << "locale" << 0.5;
        QTest::newRow("German, exponent") << "de_DE" << "1,5e3" << "locale" << 1500.0;
        QTest::newRow("Greek, decimal comma") << "el_GR" << "1,5" << "locale" << 1.5;
        QTest::newRow("Greek, money as Qt writes it") << "el_GR" << "-1.234,50\u00A0€" << "locale" << -1234.5;
        QTest::newRow("French, -0,5") << "fr_FR" << "-0,5" << "locale" << -0.5;
        QTest::newRow("French, narrow no-break space") << "fr_FR" << "1\u202F234,5" << "locale" << 1234.5;
        QTest::newRow("French, a blank stands for it") << "fr_FR" << "1 234 567,5" << "locale" << 1234567.5;
        QTest::newRow("Russian, -0,5") << "ru_RU" << "-0,5" << "locale" << -0.5;
        QTest::newRow("Russian, no-break space") << "ru_RU" << "1\u00A0234,5" << "locale" << 1234.5;
        QTest::newRow("Russian, a blank stands for it") << "ru_RU" << "1 234,5" << "locale" << 1234.5;
        QTest::newRow("Polish, -0,5") << "pl_PL" << "-0,5" << "locale" << -0.5;
        QTest::newRow("Swedish, -0,5") << "sv_SE" << "-0,5" << "locale" << -0.5;
        QTest::newRow("Swedish, kronor") << "sv_SE" << "12,5 kr" << "locale" << 12.5;
        QTest::newRow("Indian English, ten lakh") << "en_IN" << "10,00,000" << "locale" << 1e6;
        QTest::newRow("Indian English, a crore") << "en_IN" << "1,00,00,000.5" << "locale" << 10000000.5;
        QTest::newRow("Indian English, a thousand") << "en_IN" << "1,000" << "locale" << 1000.0;
        QTest::newRow("Indian English, rupees") << "en_IN" << "₹12,345" << "locale" << 12345.0;
        // Plain digits, as most are typed: up to 15 digits are read at once, more as any text.
        QTest::newRow("English, a tenth") << "en_US" << "0.1" << "locale" << 0.1;
        QTest::newRow("English, 15 fraction digits") << "en_US" << "0.000000000000001" << "locale" << 1e-15;
        QTest::newRow("English, 15 digits") << "en_US" << "-123456789012.345" << "locale" << -123456789012.345;
        QTest::newRow("English, 17 digits") << "en_US" << "1234567890123456.5" << "locale" << 1234567890123456.5;
        QTest::newRow("English, plus sign") << "en_US" << "+7" << "locale" << 7.0;
        QTest::newRow("German, plain digits") << "de_DE" << "-12" << "locale" << -12.0;

        QTest::newRow("English, 1.5") << "en_US" << "1.5" << "Val" << 1.5;
        QTest::newRow("German, 1.5") << "de_DE" << "1.5" << "Val" << 1.5;
        QTest::newRow("German, 0.125") << "de_DE" << "0.125" << "Val" << 0.125;
        QTest::newRow("German, 1.000,5") << "de_DE" << "1.000,5" << "locale" << 1000.5;
        QTest::newRow("German, 1.500 two ways") << "de_DE" << "1.500" << "ambiguous" << 1500.0;
        QTest::newRow("German, 1.000 two ways") << "de_DE" << "1.000" << "ambiguous" << 1000.0;
        QTest::newRow("German, Str's 1.125 two ways") << "de_DE" << " 1.125" << "ambiguous" << 1125.0;
        QTest::newRow("German, 2.469 two ways") << "de_DE" << "2.469" << "ambiguous" << 2469.0;
        QTest::newRow("English, 1.000 one way") << "en_US" << "1.000" << "Val" << 1.0;
        QTest::newRow("French, 1.5") << "fr_FR" << "1.5" << "Val" << 1.5;
        QTest::newRow("German, hexadecimal") << "de_DE" << "&H10" << "Val" << 16.0;
        QTest::newRow("German, exponent") << "de_DE" << "2e1" << "Val" << 20.0;
        QTest::newRow("English, exponent D") << "en_US" << "1D3" << "Val" << 1000.0;
        QTest::newRow("French, blanks removed") << "fr_FR" << " 1 000 " << "Val" << 1000.0;

        QTest::newRow("English, 1,5") << "en_US" << "1,5" << "" << 0.0;
        QTest::newRow("English, a misplaced group separator") << "en_US" << "12,34" << "" << 0.0;
        QTest::newRow("English, a long first group") << "en_US" << "1000,000" << "" << 0.0;
        QTest::newRow("English, grouped dollars misplaced") << "en_US" << "$1,00" << "" << 0.0;
        QTest::newRow("German, 1.2.3") << "de_DE" << "1.2.3" << "" << 0.0;
        QTest::newRow("German, grouped by two") << "de_DE" << "12.34,5" << "" << 0.0;
        QTest::newRow("German, 1.5 with euro") << "de_DE" << "1.5 €" << "" << 0.0;
        QTest::newRow("German, exponent D") << "de_DE" << "1,5D3" << "" << 0.0;
        QTest::newRow("French, a misplaced blank") << "fr_FR" << "1 23,5" << "" << 0.0;
        QTest::newRow("Russian, narrow no-break space") << "ru_RU" << "1\u202F234,5" << "" << 0.0;
        QTest::newRow("Indian English, grouped in thousands") << "en_IN" << "1,000,000" << "" << 0.0;
        QTest::newRow("Indian English, a first group of three") << "en_IN" << "100,000" << "" << 0.0;
        // clang-format on
    }

    void readCoefficient() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, readBy);
        QFETCH(double, value);
        const QLocale qtLocale(name);
        const std::string typed = text.toStdString();
        const CoefficientReading reading = coefficientReading(typed, numberLocale(qtLocale));
        const std::optional<double> read = ::readCoefficient(typed, numberLocale(qtLocale));

        QCOMPARE(read.has_value(), readBy == "Val" || readBy == "locale");
        if (read)
            QCOMPARE(*read, value);
        if (readBy == "Val")
            QCOMPARE(Val(typed), value);
        if (readBy == "ambiguous") {
            // Both readings are told, for a caller to show why the text was refused.
            QCOMPARE(reading.verdict, CoefficientReading::Verdict::Ambiguous);
            QCOMPARE(reading.byVal, std::optional(Val(typed)));
            QCOMPARE(reading.inLocale, std::optional(value));
        }
        if (readBy == "locale" || readBy.isEmpty()) {
            bool ok = false;
            const double qtValue =
                qtLocale.toDouble(QString(text).remove(qtLocale.currencySymbol()), &ok);
            QCOMPARE(ok, read.has_value());
            if (ok)
                QCOMPARE(qtValue, value);
        }
    }
};

QTEST_APPLESS_MAIN(TestSystemLocale)
#include "test_system_locale.moc"
