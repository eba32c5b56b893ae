#include <cfloat>
#include <clocale>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include <QJsonArray>
#include <QScopeGuard>
#include <QTest>

#include "core/numbers/decimals.h"
#include "core/numbers/exact.h"
#include "core/numbers/number_locale.h"
#include "core/numbers/numbers.h"
#include "locale_table.h"

Q_DECLARE_METATYPE(ArithmeticFault::Kind)
Q_DECLARE_METATYPE(CoefficientReading::Verdict)

// The number conversions, each with the texts the user types or sees written out.
class TestNumbers : public QObject {
    Q_OBJECT

private:
    using Kind = ArithmeticFault::Kind;

    static const NumberLocale& english() {
        static const NumberLocale locale{".", ",", "$"};
        return locale;
    }
    static const NumberLocale& german() {
        static const NumberLocale locale{",", ".", "€"};
        return locale;
    }

    static double infinity() { return std::numeric_limits<double>::infinity(); }

    static void addIsNumericColumns() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
    }

    static void checkIsNumeric(const NumberLocale& locale) {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(IsNumeric(text.toStdString(), locale), numeric);
    }

    static void addFaultColumns() {
        QTest::addColumn<ArithmeticFault::Kind>("kind");
        QTest::addColumn<QString>("message");
    }

    static void checkFault(const std::function<void()>& step) {
        QFETCH(ArithmeticFault::Kind, kind);
        QFETCH(QString, message);
        try {
            step();
        } catch (const ArithmeticFault& fault) {
            QCOMPARE(fault.kind(), kind);
            QCOMPARE(QString::fromUtf8(fault.what()), message);
            return;
        }
        QFAIL("no arithmetic fault");
    }

    // "-1/4" or "12" as an exact value, read by Boost rather than by the code under test.
    static Rational rational(const QString& text) {
        const QStringList parts = text.split('/');
        return Rational::of(BigInt(parts[0].toStdString()),
                            BigInt(parts.size() > 1 ? parts[1].toStdString() : "1"));
    }

    // The first or second root of the equation "a b c".
    static Surd root(const QString& equation, int which) {
        const QStringList k = equation.split(' ');
        const ExactRoots roots = exactRoots(rational(k[0]), rational(k[1]), rational(k[2]));
        return which == 1 ? roots.first : roots.second;
    }

private slots:
    void val_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");

        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("integer") << "12" << 12.0;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("minus sign alone") << "-" << 0.0;
        QTest::newRow("plus sign alone") << "+" << 0.0;
        QTest::newRow("two signs") << "--1" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("no digit before the point") << ".5" << 0.5;
        QTest::newRow("negative, no digit before the point") << "-.5" << -0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("second point ends the number") << "1..2" << 1.0;
        QTest::newRow("second point after a fraction") << "1.5.3" << 1.5;
        QTest::newRow("comma ends the number") << "1,5" << 1.0;
        QTest::newRow("letters after the number") << "3x" << 3.0;
        QTest::newRow("letter before the number") << "x3" << 0.0;
        QTest::newRow("blanks, exponent and letters") << "  -2.5e1xyz" << -25.0;
        QTest::newRow("blank between digits") << "1 2" << 12.0;
        QTest::newRow("blank as grouping") << "1 000" << 1000.0;
        QTest::newRow("blank after the sign") << "- 5" << -5.0;
        QTest::newRow("blank inside the exponent") << "1E 2" << 100.0;
        QTest::newRow("tab and line feed between digits") << "\t4\n2 " << 42.0;
        QTest::newRow("carriage return ends the number") << "1\r2" << 1.0;
        QTest::newRow("exponent E with sign") << "1E+2" << 100.0;
        QTest::newRow("exponent D") << "1D3" << 1000.0;
        QTest::newRow("exponent d, negative") << "25d-2" << 0.25;
        QTest::newRow("exponent after a trailing point") << "1.e2" << 100.0;
        QTest::newRow("exponent letter without digits") << "1e" << 1.0;
        QTest::newRow("exponent letter and sign without digits") << "2e-" << 2.0;
        QTest::newRow("second exponent ignored") << "1e2e2" << 100.0;
        QTest::newRow("exponent without mantissa") << "e5" << 0.0;
        QTest::newRow("many digits") << "123456789012345678901234567890" << 1.2345678901234568e29;
        QTest::newRow("beyond the double range") << "1e400" << infinity();
        QTest::newRow("negative beyond the double range") << "-1e400" << -infinity();
        QTest::newRow("huge exponent") << "1e99999999999999999999" << infinity();
        QTest::newRow("huge exponent of zero") << "0e99999999999999999999" << 0.0;
        QTest::newRow("below the double range") << "1e-400" << 0.0;
        QTest::newRow("long mantissa, negative exponent, too large")
            << "1" + QString(400, '0') + "e-50" << infinity();
        QTest::newRow("long fraction, positive exponent, too small")
            << "0." + QString(400, '0') + "1e50" << 0.0;
        QTest::newRow("long mantissa, negative exponent, in range")
            << "1" + QString(400, '0') + "e-398" << 100.0;

        QTest::newRow("hex") << "&H10" << 16.0;
        QTest::newRow("hex, lower case") << "&h1f" << 31.0;
        QTest::newRow("hex, 16 bits all set") << "&HFFFF" << -1.0;
        QTest::newRow("hex, 16-bit sign bit") << "&H8000" << -32768.0;
        QTest::newRow("hex, largest 16-bit") << "&H7FFF" << 32767.0;
        QTest::newRow("hex, five digits are 32 bits") << "&H0FFFF" << 65535.0;
        QTest::newRow("hex, 32 bits all set") << "&HFFFFFFFF" << -1.0;
        QTest::newRow("hex, 32-bit sign bit") << "&H80000000" << -2147483648.0;
        QTest::newRow("hex, nine digits") << "&H100000000" << 4294967296.0;
        QTest::newRow("hex, stops at a non-digit") << "&H1G" << 1.0;
        QTest::newRow("hex, blanks removed") << "&H 1 0" << 16.0;
        QTest::newRow("hex without digits") << "&H" << 0.0;
        QTest::newRow("hex with a non-digit") << "&HG" << 0.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal, 16 bits all set") << "&o177777" << -1.0;
        QTest::newRow("octal, six digits beyond 16 bits") << "&O777777" << 262143.0;
        QTest::newRow("octal, 32 bits all set") << "&O37777777777" << -1.0;
        QTest::newRow("octal, stops at 8") << "&O78" << 7.0;
        QTest::newRow("octal with a non-digit") << "&O8" << 0.0;
        QTest::newRow("unknown prefix") << "&X1" << 0.0;
        QTest::newRow("ampersand and digits") << "&17" << 0.0;
    }

    void val() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text.toStdString()), value);
    }

    void isNumericEnglish_data() {
        addIsNumericColumns();
        QTest::newRow("empty") << "" << false;
        QTest::newRow("single blank") << " " << false;
        QTest::newRow("integer") << "12" << true;
        QTest::newRow("surrounding blanks") << " 12 " << true;
        QTest::newRow("surrounding tabs") << "\t12\t" << true;
        QTest::newRow("line feed is no blank") << "12\n" << false;
        QTest::newRow("trailing letter") << "12a" << false;
        QTest::newRow("blank between digits") << "1 2" << false;
        QTest::newRow("negative, no digit before the point") << "-.5" << true;
        QTest::newRow("plus sign") << "+3" << true;
        QTest::newRow("point alone") << "." << false;
        QTest::newRow("sign alone") << "-" << false;
        QTest::newRow("two signs") << "--1" << false;
        QTest::newRow("trailing sign") << "1-" << false;
        QTest::newRow("blank after the sign") << "- 5" << false;
        QTest::newRow("trailing point") << "5." << true;
        QTest::newRow("two points") << "1.5.3" << false;
        QTest::newRow("grouping, loose") << "1,5" << true;
        QTest::newRow("grouping, uneven") << "1,23,4" << true;
        QTest::newRow("grouping and fraction") << "1,000.5" << true;
        QTest::newRow("separator before the digits") << ",5" << false;
        QTest::newRow("separator after the digits") << "5," << false;
        QTest::newRow("two separators together") << "1,,5" << false;
        QTest::newRow("separator in the fraction") << "1.5,3" << false;
        QTest::newRow("currency first") << "$12" << true;
        QTest::newRow("currency last") << "12$" << true;
        QTest::newRow("currency before the sign") << "$-12" << true;
        QTest::newRow("currency after the sign") << "-$12" << true;
        QTest::newRow("blank after the currency") << "$ 12" << true;
        QTest::newRow("blank before a trailing currency") << "12 $" << true;
        QTest::newRow("currency twice") << "$12$" << false;
        QTest::newRow("currency alone") << "$" << false;
        QTest::newRow("other currency") << "12€" << false;
        QTest::newRow("exponent") << "1e5" << true;
        QTest::newRow("exponent with sign") << "1E+05" << true;
        QTest::newRow("exponent D") << "1d-3" << true;
        QTest::newRow("exponent then currency") << "1E3$" << true;
        QTest::newRow("exponent letter without digits") << "1e" << false;
        QTest::newRow("exponent sign without digits") << "1e+" << false;
        QTest::newRow("exponent without mantissa") << "e5" << false;
        QTest::newRow("largest exponent in range") << "1E308" << true;
        QTest::newRow("beyond the double range") << "1E400" << false;
        QTest::newRow("below the double range") << "1E-400" << true;
        QTest::newRow("hex") << "&H1F" << true;
        QTest::newRow("hex with surrounding blanks") << " &h1f " << true;
        QTest::newRow("hex without digits") << "&H" << false;
        QTest::newRow("hex with a non-digit") << "&HG" << false;
        QTest::newRow("octal") << "&O17" << true;
        QTest::newRow("octal with 8") << "&O18" << false;
        QTest::newRow("ampersand alone") << "&" << false;
    }

    void isNumericEnglish() { checkIsNumeric(english()); }

    void isNumericGerman_data() {
        addIsNumericColumns();
        QTest::newRow("decimal comma") << "1,5" << true;
        QTest::newRow("decimal comma after zero") << "0,5" << true;
        QTest::newRow("decimal comma first") << ",5" << true;
        QTest::newRow("point as grouping") << "1.5" << true;
        QTest::newRow("grouping and fraction") << "1.000,5" << true;
        QTest::newRow("two decimal commas") << "1,5,3" << false;
        QTest::newRow("grouping in the fraction") << "1,5.3" << false;
        QTest::newRow("exponent") << "1,5e3" << true;
        QTest::newRow("currency after a blank") << "1,5 €" << true;
        QTest::newRow("currency last") << "1,5€" << true;
        QTest::newRow("currency first") << "€1,5" << true;
        QTest::newRow("currency, blank, sign") << "€ -1,5" << true;
        QTest::newRow("sign before the currency") << "-€1,5" << true;
        QTest::newRow("other currency") << "1,5 $" << false;
        QTest::newRow("currency twice") << "€1,5€" << false;
        QTest::newRow("currency after a no-break space") << "5\u00A0€" << true;
        QTest::newRow("money as Qt writes it") << "-1.234,50\u00A0€" << true;
        QTest::newRow("currency, no-break space, number") << "€\u00A05" << true;
        QTest::newRow("no-break space without currency") << "5\u00A0" << false;
        QTest::newRow("no-break space between digits") << "1\u00A0234" << false;
        QTest::newRow("the minus sign U+2212") << "\u22121,5" << true;
        QTest::newRow("direction marks around sign and symbol")
            << "\u200F\u200E-1,5\u00A0\u200F€" << true;
        QTest::newRow("Arabic letter mark") << "\u061C-2" << true;
        QTest::newRow("a right quote groups no German number") << "1\u2019000" << false;
    }

    void isNumericGerman() { checkIsNumeric(german()); }

    void isNumericOtherSeparators_data() {
        addIsNumericColumns();
        QTest::newRow("narrow no-break space groups") << "1\u202F000,5" << true;
        QTest::newRow("ordinary blank stands for it") << "1 000,5" << true;
        QTest::newRow("two blanks do not group") << "1  000,5" << false;
        QTest::newRow("no-break space is another separator") << "1\u00A0000,5" << false;
        QTest::newRow("point is no decimal separator") << "1.5" << false;
    }

    void isNumericOtherSeparators() { checkIsNumeric(NumberLocale{",", "\u202F", "€"}); }

    // Austrian money is grouped with the full stop, plain numbers with a no-break space.
    void isNumericMoneyOtherwise_data() {
        addIsNumericColumns();
        QTest::newRow("money's groups") << "€ 1.234,50" << true;
        QTest::newRow("plain groups") << "1\u00A0234,5" << true;
        QTest::newRow("a blank for the no-break space") << "1 234,5" << true;
        QTest::newRow("money's groups without the symbol") << "1.234,5" << true;
        QTest::newRow("plain and money's groups mixed") << "1.234\u00A0567,5" << false;
        QTest::newRow("an apostrophe") << "1'234,5" << false;
    }

    void isNumericMoneyOtherwise() {
        checkIsNumeric(NumberLocale{",", "\u00A0", "€", 3, 3, {}, ",", "."});
    }

    // Swiss German groups with the apostrophe or U+2019, whichever a platform names.
    void isNumericApostrophes_data() {
        addIsNumericColumns();
        QTest::newRow("apostrophe") << "1'234.5" << true;
        QTest::newRow("right quote") << "1\u2019234.5" << true;
        QTest::newRow("left quote") << "1\u2018234.5" << false;
        QTest::newRow("francs first, then the sign") << "CHF-1'234.50" << true;
    }

    void isNumericApostrophes() {
        checkIsNumeric(NumberLocale{".", "\u2019", "CHF"});
        checkIsNumeric(NumberLocale{".", "'", "CHF"});
    }

    void isNumericWithoutGrouping_data() {
        addIsNumericColumns();
        QTest::newRow("comma not accepted") << "1,000" << false;
        QTest::newRow("plain number") << "1000.5" << true;
    }

    void isNumericWithoutGrouping() { checkIsNumeric(NumberLocale{".", "", "$"}); }

    // A megabyte of input must come back at once: both readers go through the text once.
    void longInputs_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("numeric");

        const qsizetype size = 1'000'000;
        QTest::newRow("a million ones") << QByteArray(size, '1') << infinity() << false;
        QTest::newRow("a million zeros and a one") << QByteArray(size, '0') + "1" << 1.0 << true;
        QTest::newRow("tiny fraction") << "0." + QByteArray(size, '0') + "1" << 0.0 << true;
        QTest::newRow("a million blanks") << QByteArray(size, ' ') << 0.0 << false;
        QTest::newRow("blanks around a number")
            << QByteArray(size, ' ') + "5" + QByteArray(size, ' ') << 5.0 << true;
        QTest::newRow("grouped ones")
            << QByteArray(size, '1').replace("11", "1,") + "1" << 1.0 << false;
        QTest::newRow("a million hex digits")
            << "&H" + QByteArray(size, 'F') << infinity() << false;
        QTest::newRow("a huge exponent") << "1e" + QByteArray(size, '9') << infinity() << false;
    }

    void longInputs() {
        QFETCH(QByteArray, text);
        QFETCH(double, value);
        QFETCH(bool, numeric);
        const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
        QCOMPARE(Val(view), value);
        QCOMPARE(IsNumeric(view, english()), numeric);
    }

    // The rule both front-ends share: group sizes from the locale's own writing of a long number,
    // currency symbols by region, money's separators kept only where they differ.
    void numberLocaleFromFacts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("decimalSeparator");
        QTest::addColumn<QString>("groupSeparator");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>(
            "money"); // as the front-end hands it over; "?" where it cannot tell
        QTest::addColumn<QString>("groupRead"); // the group separator kept
        QTest::addColumn<int>("primaryGroupSize");
        QTest::addColumn<int>("secondaryGroupSize");
        QTest::addColumn<QStringList>("currencySymbols");
        QTest::addColumn<QString>("moneyRead");

        // clang-format off
        QTest::newRow("groups of three") << "en" << "US" << "." << "," << "1,234,567,890.5" << ".," << "," << 3 << 3 << QStringList{"$", "US$"} << "";
        QTest::newRow("Indian groups") << "hi" << "IN" << "." << "," << "1,23,45,67,890.5" << ".," << "," << 3 << 2 << QStringList{"₹"} << "";
        QTest::newRow("a long first group") << "es" << "ES" << "," << "." << "1234.567.890,5" << ",." << "." << 3 << 3 << QStringList{"€"} << "";
        QTest::newRow("two groups only") << "xx" << "" << "." << "," << "1234567,890.5" << "" << "," << 3 << 3 << QStringList{} << "";
        QTest::newRow("no groups: no separator") << "en" << "US" << "." << "," << "1234567890.5" << "" << "" << 0 << 0 << QStringList{"$", "US$"} << "";
        QTest::newRow("no groups, no decimals written") << "xx" << "ZZ" << "." << " " << "1234567890" << "" << "" << 0 << 0 << QStringList{} << "";
        QTest::newRow("money otherwise, from the browser") << "de" << "AT" << "," << "\u00A0" << "1\u00A0234\u00A0567\u00A0890,5" << ",." << "\u00A0" << 3 << 3 << QStringList{"€"} << ",.";
        QTest::newRow("money otherwise, from the table") << "de" << "AT" << "," << "\u00A0" << "1\u00A0234\u00A0567\u00A0890,5" << "?" << "\u00A0" << 3 << 3 << QStringList{"€"} << ",.";
        QTest::newRow("the browser's word over the table's") << "de" << "AT" << "," << "\u00A0" << "1\u00A0234\u00A0567\u00A0890,5" << ",\u00A0" << "\u00A0" << 3 << 3 << QStringList{"€"} << "";
        QTest::newRow("German in Austria's neighbour") << "de" << "DE" << "," << "." << "1.234.567.890,5" << "?" << "." << 3 << 3 << QStringList{"€"} << "";
        QTest::newRow("the euro in Croatia") << "hr" << "HR" << "," << "." << "1.234.567.890,5" << ",." << "." << 3 << 3 << QStringList{"€"} << "";
        QTest::newRow("hryvnia both ways") << "uk" << "UA" << "," << "\u00A0" << "1\u00A0234\u00A0567\u00A0890,5" << ",\u00A0" << "\u00A0" << 3 << 3 << QStringList{"₴", "грн"} << "";
        QTest::newRow("an unknown region") << "xx" << "XX" << "." << "," << "1,234,567,890.5" << "" << "," << 3 << 3 << QStringList{} << "";
        // clang-format on
    }

    void numberLocaleFromFacts() {
        QFETCH(QString, language);
        QFETCH(QString, region);
        QFETCH(QString, decimalSeparator);
        QFETCH(QString, groupSeparator);
        QFETCH(QString, written);
        QFETCH(QString, money);
        LocaleFacts facts{.language = language.toStdString(),
                          .region = region.toStdString(),
                          .decimalSeparator = decimalSeparator.toStdString(),
                          .groupSeparator = groupSeparator.toStdString(),
                          .written = written.toStdString(),
                          .money = std::nullopt};
        if (money != "?")
            facts.money =
                LocaleFacts::Money{money.left(1).toStdString(), money.mid(1).toStdString()};
        const NumberLocale locale = ::numberLocale(facts);
        QCOMPARE(QString::fromStdString(locale.decimalSeparator), decimalSeparator);
        QTEST(QString::fromStdString(locale.groupSeparator), "groupRead");
        QTEST(locale.primaryGroupSize, "primaryGroupSize");
        QTEST(locale.secondaryGroupSize, "secondaryGroupSize");
        QTEST(symbolsOf(locale), "currencySymbols");
        QTEST(QString::fromStdString(locale.moneyDecimalSeparator + locale.moneyGroupSeparator),
              "moneyRead");
    }

    void readingVerdicts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<CoefficientReading::Verdict>("verdict");
        QTest::addColumn<bool>("byVal");
        QTest::addColumn<bool>("inLocale");

        using Verdict = CoefficientReading::Verdict;
        QTest::newRow("both agree") << "1000" << Verdict::Number << true << true;
        QTest::newRow("only Val") << "1.5" << Verdict::Number << true << false;
        QTest::newRow("only the locale") << "1,5" << Verdict::Number << false << true;
        QTest::newRow("both, apart") << "1.000" << Verdict::Ambiguous << true << true;
        QTest::newRow("neither") << "1,5,3" << Verdict::NoNumber << false << false;
        QTest::newRow("both, too large") << "1e400" << Verdict::OutOfRange << true << true;
        QTest::newRow("the locale's, too large")
            << "1,5e400" << Verdict::OutOfRange << false << true;
        QTest::newRow("apart, one too large") << "1.797e308" << Verdict::Ambiguous << true << true;
    }

    void readingVerdicts() {
        QFETCH(QString, text);
        const CoefficientReading reading = coefficientReading(text.toStdString(), german());
        QTEST(reading.verdict, "verdict");
        QTEST(reading.byVal.has_value(), "byVal");
        QTEST(reading.inLocale.has_value(), "inLocale");
    }

    // Beyond the double range there is no number to use, however it is written.
    void readCoefficientOutOfRange() {
        const NumberLocale german{",", ".", "€"};
        QCOMPARE(::readCoefficient("1e400", english()), std::nullopt);
        QCOMPARE(::readCoefficient("1,5e400", german), std::nullopt);
        QCOMPARE(::readCoefficient("1e39", english()), std::optional(1e39));
        QCOMPARE(::readCoefficient("1,5e-400", german), std::optional(0.0));
        // A text the run command never lets through reads as Val reads it.
        QCOMPARE(coefficientValue("1,5", english()), 1.0);
        QCOMPARE(coefficientValue("3x", english()), 3.0);
    }

    // The exact value a reading gives the working, in the user's format as in Val's.
    void exactValues_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("exact"); // a fraction, "too long", or "none"

        QTest::newRow("a decimal") << "en-US"
                                   << "0.1"
                                   << "1/10";
        QTest::newRow("an exponent") << "en-US"
                                     << "-2.5E1"
                                     << "-25";
        QTest::newRow("&HFFFF is -1") << "en-US"
                                      << "&HFFFF"
                                      << "-1";
        QTest::newRow("German groups") << "de-DE"
                                       << "1.234,5"
                                       << "2469/2";
        QTest::newRow("Austrian money") << "de-AT"
                                        << "€ -1.234,50"
                                        << "-2469/2";
        QTest::newRow("Swiss typographic apostrophe") << "de-CH"
                                                      << "1’234.5"
                                                      << "2469/2";
        QTest::newRow("Swedish minus sign") << "sv-SE"
                                            << "−1,5"
                                            << "-3/2";
        QTest::newRow("Hebrew direction marks") << "he-IL"
                                                << "\u200F-1.5\u200E"
                                                << "-3/2";
        QTest::newRow("Ukrainian hryvnias") << "uk-UA"
                                            << "-1 234,50 грн"
                                            << "-2469/2";
        QTest::newRow("past 64 bits") << "en-US"
                                      << "1E+20"
                                      << "100000000000000000000";
        QTest::newRow("a small power of ten") << "en-US"
                                              << "-2.5e-30"
                                              << "-1/400000000000000000000000000000";
        QTest::newRow("a power of ten past every double") << "en-US"
                                                          << "1e-401"
                                                          << "too long";
        QTest::newRow("&H past 64 bits") << "en-US"
                                         << "&H7FFFFFFFFFFFFFFFF"
                                         << "147573952589676412927";
        QTest::newRow("40 significant digits") << "en-US"
                                               << "-12345678901234567890.12345678901234567891"
                                               << "-1234567890123456789012345678901234567891/"
                                                  "100000000000000000000";
        QTest::newRow("41 significant digits") << "en-US"
                                               << "1.2345678901234567890123456789012345678901"
                                               << "too long";
        QTest::newRow("zeros at the ends do not count")
            << "en-US"
            << "00.00001234567890123456789012345678901"
               "234567891000"
            << "1234567890123456789012345678901234567891/"
               "100000000000000000000000000000000000000"
               "000000";
        QTest::newRow("German, 41 digits") << "de-DE"
                                           << "1.234.567.890.123.456.789.012.345.678.901.234."
                                              "567.890,1"
                                           << "too long";
        QTest::newRow("no number") << "en-US"
                                   << "1,5"
                                   << "none";
        QTest::newRow("two numbers") << "de-DE"
                                     << "1.000"
                                     << "none";
    }

    void exactValues() {
        QFETCH(QString, tag);
        QFETCH(QString, text);
        const CoefficientReading reading =
            coefficientReading(text.toStdString(), ::numberLocale(*browserFacts(tag)));
        const QString exact = reading.exact          ? QString::fromStdString(reading.exact->text())
                              : reading.exactTooLong ? "too long"
                                                     : "none";
        QTEST(exact, "exact");
    }

    // Exact arithmetic far past 64 bits, and the digits written out by our own code.
    void rationals_data() {
        QTest::addColumn<QString>("p");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("q");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("sum past 64 bits") << "18446744073709551615" << "+" << "1" << "18446744073709551616";
        QTest::newRow("a chunk of digits exactly") << "999999999999999999" << "+" << "1" << "1000000000000000000";
        QTest::newRow("zeros inside the chunks") << "-1000000000000000000000000000000000001" << "+" << "0" << "-1000000000000000000000000000000000001";
        QTest::newRow("product of two 64-bit terms") << "18446744073709551615" << "*" << "-18446744073709551615" << "-340282366920938463426481119284349108225";
        QTest::newRow("product reduces") << "123456789012345678901/10" << "*" << "10/3" << "123456789012345678901/3";
        QTest::newRow("difference to zero") << "-7/340282366920938463463374607431768211456" << "-" << "-7/340282366920938463463374607431768211456" << "0";
        QTest::newRow("a negative denominator") << "1/-4" << "+" << "0" << "-1/4";
        QTest::newRow("quotient") << "-1/4" << "/" << "1/2" << "-1/2";
        QTest::newRow("quotient by a negative") << "3" << "/" << "-100000000000000000000" << "-3/100000000000000000000";
        QTest::newRow("less, far apart") << "-100000000000000000000" << "<" << "1/100000000000000000000" << "true";
        QTest::newRow("less, a hair apart") << "100000000000000000001/100000000000000000000" << "<" << "100000000000000000000/99999999999999999999" << "true";
        QTest::newRow("equal, written otherwise") << "2/4" << "==" << "1/2" << "true";
        QTest::newRow("not equal") << "1/3" << "!=" << "33333333333333333333/100000000000000000000" << "true";
        // clang-format on
    }

    void rationals() {
        QFETCH(QString, p);
        QFETCH(QString, operation);
        QFETCH(QString, q);
        const Rational x = rational(p), y = rational(q);
        QString result;
        if (operation == "<" || operation == "==" || operation == "!=") {
            const bool holds = operation == "<" ? x < y : operation == "==" ? x == y : x != y;
            result = holds ? "true" : "false";
        } else {
            const Rational value = operation == "+"   ? x + y
                                   : operation == "-" ? x - y
                                   : operation == "*" ? x * y
                                                      : x / y;
            result = QString::fromStdString(value.text());
        }
        QTEST(result, "result");
    }

    // The exact value a double or a float holds, and the double nearest to an exact value.
    void exactlyAndNearest_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("exact");
        // clang-format off
        QTest::newRow("0.1") << 0.1 << "3602879701896397/36028797018963968";
        QTest::newRow("0.1 as a Single") << double(0.1f) << "13421773/134217728";
        QTest::newRow("-2.5") << -2.5 << "-5/2";
        QTest::newRow("1E+23") << 1e23 << "99999999999999991611392";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("smallest double") << 5e-324 << "1/202402253307310618352495346718917307049556649764142118356901358027430339567995346891960383701437124495187077864316811911389808737385793476867013399940738509921517424276566361364466907742093216341239767678472745068562007483424692698618103355649159556340810056512358769552333414615230502532186327508646006263307707741093494784";
        // clang-format on
    }

    void exactlyAndNearest() {
        QFETCH(double, value);
        QTEST(QString::fromStdString(exactly(value).text()), "exact");
        QFETCH(QString, exact);
        QVERIFY(::nearestDouble(rational(exact)) == value);
    }

    // Ties and the cut-off remainder: the nearest double in one correct rounding.
    void nearestDouble_data() {
        QTest::addColumn<QString>("exact");
        QTest::addColumn<double>("nearest");
        // clang-format off
        QTest::newRow("1/3") << "1/3" << 1.0 / 3;
        QTest::newRow("-1/10") << "-1/10" << -0.1;
        QTest::newRow("a tie rounds to even, down") << "9007199254740993" << 9007199254740992.0;
        QTest::newRow("a tie rounds to even, up") << "9007199254740995" << 9007199254740996.0;
        QTest::newRow("a hair past a tie") << "9007199254740993" + QString(28, '0') + "1/1" + QString(29, '0') << 9007199254740994.0;
        QTest::newRow("1E+23") << "100000000000000000000000" << 1e23;
        QTest::newRow("beyond every double") << "1" + QString(400, '0') << infinity();
        QTest::newRow("below the normal doubles") << "1/1" + QString(310, '0') << 1e-310;
        // clang-format on
    }

    void nearestDouble() {
        QFETCH(QString, exact);
        QFETCH(double, nearest);
        const double value = ::nearestDouble(rational(exact));
        QVERIFY2(value == nearest, qPrintable(QString::number(value, 'g', 17)));
    }

    // Square factors of numbers of any size: found completely below 2^64, by trial division and
    // as a whole square above it; a larger cofactor stays under the root.
    void squareFactors_data() {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("squareFree");
        // clang-format off
        QTest::newRow("zero") << "0" << "0" << "1";
        QTest::newRow("12") << "12" << "2" << "3";
        QTest::newRow("a square") << "144" << "12" << "1";
        QTest::newRow("largest signed") << "9223372036854775807" << "7" << "188232082384791343";
        QTest::newRow("largest") << "18446744073709551615" << "1" << "18446744073709551615";
        QTest::newRow("square of a large prime") << "9223371994482243049" << "3037000493" << "1";
        QTest::newRow("two large primes") << "18446743979220271189" << "1" << "18446743979220271189";
        QTest::newRow("large prime times a square") << "38654705619" << "3" << "4294967291";
        QTest::newRow("a square the search finds in two parts") << "7682900663963684711" << "2092759" << "1754231";
        QTest::newRow("the larger of three primes squared") << "1929835376277135289" << "1245017" << "1245001";
        QTest::newRow("hardest 64-bit discriminant") << "8345454415162983901" << "1" << "8345454415162983901";
        QTest::newRow("small primes bring it under 64 bits") << "3626777458843887524118528" << "1099511627776" << "3";
        QTest::newRow("square of a 61-bit prime, times 3") << "15950735949418990461010626668081971203" << "2305843009213693951" << "3";
        QTest::newRow("big cofactor stays") << "1208925819660808663073173" << "1" << "1208925819660808663073173";
        QTest::newRow("small squares out of a big cofactor") << "43521329507789111870634228" << "6" << "1208925819660808663073173";
        QTest::newRow("a large square inside a big cofactor") << "2305856844292501820246629245559" << "1000003" << "2305843009213693951";
        // clang-format on
    }

    void squareFactors() {
        QFETCH(QString, n);
        const SquareSplit split = splitSquares(BigInt(n.toStdString()));
        QTEST(QString::fromStdString(decimalText(split.root)), "root");
        QTEST(QString::fromStdString(decimalText(split.squareFree)), "squareFree");
    }

    // Whether a shown decimal is the exact value correctly rounded, for fractions.
    void roundsToFraction_data() {
        QTest::addColumn<QString>("exact");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("precision");
        QTest::addColumn<bool>("agrees");
        // clang-format off
        QTest::newRow("1.5") << "3/2" << "1.5" << 15 << true;
        QTest::newRow("no zero before the point") << "1/2" << ".5" << 7 << true;
        QTest::newRow("Str's blank") << "-1/4" << " -.25" << 7 << true;
        QTest::newRow("the sign counts") << "-3/2" << "1.5" << 15 << false;
        QTest::newRow("a third, seven digits") << "1/3" << ".3333333" << 7 << true;
        QTest::newRow("two thirds rounded up") << "2/3" << "0.666666666666667" << 15 << true;
        QTest::newRow("two thirds cut off") << "2/3" << "0.666666666666666" << 15 << false;
        QTest::newRow("a Single's exponent") << "16785404" << "1.67854E+07" << 7 << true;
        QTest::newRow("off in the seventh digit") << "16785406" << "1.67854E+07" << 7 << false;
        QTest::newRow("the same, as written") << "16785406" << "1.67854E+07" << 0 << true;
        QTest::newRow("dropped zeros stand for digits") << "5000000001/10000000000" << "0.5" << 15 << false;
        QTest::newRow("one digit as written") << "99999998" << "1E+08" << 7 << true;
        QTest::newRow("a tie, down") << "1/8" << "0.12" << 0 << true;
        QTest::newRow("a tie, up") << "1/8" << "0.13" << 0 << true;
        QTest::newRow("past a tie") << "1/8" << "0.11" << 0 << false;
        QTest::newRow("zero") << "0" << "0" << 15 << true;
        QTest::newRow("zero shown for a tiny value") << "1/1000000000000000000000000000000000000000000000" << "0" << 7 << false;
        QTest::newRow("a tiny value shown for zero") << "0" << "1.401298E-45" << 7 << false;
        QTest::newRow("a negative exponent") << "-1/2000000000000000" << "-5E-16" << 15 << true;
        QTest::newRow("no decimal") << "1" << "1+0*i" << 15 << false;
        QTest::newRow("no digits") << "0" << "-." << 15 << false;
        // clang-format on
    }

    void roundsToFraction() {
        QFETCH(QString, exact);
        QFETCH(QString, shown);
        QFETCH(int, precision);
        QTEST(roundsTo(rational(exact), shown.toStdString(), precision), "agrees");
    }

    // The same for the roots of equations, compared by squaring.
    void roundsToRoot_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<int>("root");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("precision");
        QTest::addColumn<bool>("agrees");
        // clang-format off
        QTest::newRow("288 - 17√287") << "1 -576 1" << 2 << "0.00173611634392354" << 15 << true;
        QTest::newRow("288 - 17√287, one off") << "1 -576 1" << 2 << "0.00173611634392355" << 15 << false;
        QTest::newRow("288 + 17√287") << "1 -576 1" << 1 << "575.998263883656" << 15 << true;
        QTest::newRow("a Single's b") << "1 16777217 -1" << 1 << "5.96046447753906E-08" << 15 << false;
        QTest::newRow("the exact root of it") << "1 16777217 -1" << 1 << "5.96046412226769E-08" << 15 << true;
        QTest::newRow("(3 + √5)/2") << "1 -3 1" << 1 << "2.61803398874989" << 15 << true;
        QTest::newRow("(3 - √5)/2") << "1 -3 1" << 2 << "0.381966011250105" << 15 << true;
        QTest::newRow("(3 - √5)/2, one off") << "1 -3 1" << 2 << "0.381966011250106" << 15 << false;
        QTest::newRow("1 - √2") << "1 -2 -1" << 2 << "-0.414213562373095" << 15 << true;
        QTest::newRow("1 - √2, the sign counts") << "1 -2 -1" << 2 << "0.414213562373095" << 15 << false;
        QTest::newRow("a rational root") << "1 -3 2" << 1 << "2" << 15 << true;
        QTest::newRow("a complex root is no real value") << "1 1 1" << 1 << "-0.5" << 15 << false;
        // clang-format on
    }

    void roundsToRoot() {
        QFETCH(QString, equation);
        QFETCH(int, root);
        QFETCH(QString, shown);
        QFETCH(int, precision);
        QTEST(roundsTo(this->root(equation, root), shown.toStdString(), precision), "agrees");
    }

    // Exact values written out in full, where they end, and roots rounded to decimals.
    void decimals_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<int>("root");
        QTest::addColumn<int>("digits"); // 0: the root's own decimal
        QTest::addColumn<QString>("decimal");
        // clang-format off
        QTest::newRow("0.0017") << "10000 0 -289/10000" << 1 << 0 << "0.0017";
        QTest::newRow("-12.5") << "2 25 0" << 2 << 0 << "-12.5";
        QTest::newRow("an integer") << "1 -3 2" << 1 << 0 << "2";
        QTest::newRow("zero") << "1 -3 0" << 2 << 0 << "0";
        QTest::newRow("a third has no end") << "3 -1 0" << 1 << 0 << "none";
        QTest::newRow("a power of two below") << "1024 1 0" << 2 << 0 << "-0.0009765625";
        QTest::newRow("288 - 17√287 to 15 digits") << "1 -576 1" << 2 << 15 << "0.00173611634392354";
        QTest::newRow("288 + 17√287 to 15 digits") << "1 -576 1" << 1 << 15 << "575.998263883656";
        QTest::newRow("a tiny root") << "1 16777217 -1" << 1 << 15 << "0.0000000596046412226769";
        QTest::newRow("(3 + √5)/2 to 3 digits") << "1 -3 1" << 1 << 3 << "2.62";
        QTest::newRow("(3 + √5)/2 to 1 digit") << "1 -3 1" << 1 << 1 << "3";
        QTest::newRow("1 - √2") << "1 -2 -1" << 2 << 15 << "-0.414213562373095";
        QTest::newRow("a large root") << "1 -1000000000000000000000 -1" << 1 << 4 << "1000000000000000000000";
        QTest::newRow("a rational rounded") << "3 -2 0" << 1 << 3 << "0.667";
        QTest::newRow("a tie rounds away from zero") << "8 1 0" << 2 << 2 << "-0.13";
        // clang-format on
    }

    void decimals() {
        QFETCH(QString, equation);
        QFETCH(int, root);
        QFETCH(int, digits);
        const Surd value = this->root(equation, root);
        std::optional<std::string> decimal;
        if (digits > 0)
            decimal = terminatingDecimal(nearestDecimal(value, digits));
        else if (value.rational())
            decimal = terminatingDecimal(Rational::of(value.a, value.c));
        QTEST(QString::fromStdString(decimal.value_or("none")), "decimal");
    }

    // Roots rounded to the bits of a double or a Single, as a correctly rounded computation ends.
    void nearestBinary_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<int>("root");
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("nearest");
        // clang-format off
        QTest::newRow("√2") << "1 0 -2" << 1 << 53 << 1.4142135623730951;
        QTest::newRow("√2 as a Single") << "1 0 -2" << 1 << 24 << double(1.41421353816986083984375f);
        QTest::newRow("1 + √2") << "1 -2 -1" << 1 << 53 << 2.414213562373095;
        QTest::newRow("1 - √2") << "1 -2 -1" << 2 << 53 << -0.41421356237309503;
        QTest::newRow("288 - 17√287") << "1 -576 1" << 2 << 53 << 0.0017361163439235411;
        QTest::newRow("a power of two") << "4 0 -1" << 1 << 53 << 0.5;
        QTest::newRow("a tie rounds away from zero") << "1 -3 0" << 1 << 1 << 4.0;
        // clang-format on
    }

    void nearestBinary() {
        QFETCH(QString, equation);
        QFETCH(int, root);
        QFETCH(int, bits);
        QFETCH(double, nearest);
        const Rational value = ::nearestBinary(this->root(equation, root), bits);
        QCOMPARE(QString::fromStdString(value.text()),
                 QString::fromStdString(exactly(nearest).text()));
    }

    // Qt sets the process locale from the user's; the C library must then still write and read
    // the full stop.
    void conversionsInAGermanProcess() {
        const std::string before = std::setlocale(LC_ALL, nullptr);
        const auto restore = qScopeGuard([&] { std::setlocale(LC_ALL, before.c_str()); });
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"),
                 "the C library's de_DE.UTF-8 locale is missing: LOCPATH names the tests' copy");
        QCOMPARE(std::localeconv()->decimal_point, std::string(","));

        QCOMPARE(QString::fromStdString(Str(0.25f)), QString(" .25"));
        QCOMPARE(QString::fromStdString(Str(-12345678.0f)), QString("-1.234568E+07"));
        QCOMPARE(QString::fromStdString(StrR4(0.5f, english())), QString("0.5"));
        QCOMPARE(QString::fromStdString(StrR8(std::sqrt(2.0), german())),
                 QString("1,4142135623731"));
        QCOMPARE(Val("2.5"), 2.5);
        QCOMPARE(Val("1e400"), infinity());
        QVERIFY(!IsNumeric("1,5e400", german()));
        QCOMPARE(::readCoefficient("1.234,5", german()), std::optional(1234.5));
    }

    void str_data() {
        QTest::addColumn<float>("number");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero") << 0.0f << " 0";
        QTest::newRow("negative zero") << -0.0f << " 0";
        QTest::newRow("one") << 1.0f << " 1";
        QTest::newRow("minus one") << -1.0f << "-1";
        QTest::newRow("sixteen") << 16.0f << " 16";
        QTest::newRow("minus sixteen") << -16.0f << "-16";
        QTest::newRow("hundred") << 100.0f << " 100";
        QTest::newRow("quarter") << 0.25f << " .25";
        QTest::newRow("minus a half") << -0.5f << "-.5";
        QTest::newRow("a third") << 1.0f / 3 << " .3333333";
        QTest::newRow("a tenth as Single") << 0.1f << " .1";
        QTest::newRow("0.09 as Single") << 0.09f << " .09";
        QTest::newRow("smallest plain fraction") << 0.0001f << " .0001";
        QTest::newRow("fraction with integer part") << -2.75f << "-2.75";
        QTest::newRow("seven digits") << 1234567.0f << " 1234567";
        QTest::newRow("eight digits") << 12345678.0f << " 1.234568E+07";
        QTest::newRow("rounds up to 1E+08") << 99999998.0f << " 1E+08";
        QTest::newRow("just below 1E+08") << 99999992.0f << " 9.999999E+07";
        QTest::newRow("small") << 1E-05f << " 1E-05";
        QTest::newRow("small negative") << -1E-05f << "-1E-05";
        QTest::newRow("largest Single") << FLT_MAX << " 3.402823E+38";
    }

    void str() {
        QFETCH(float, number);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(Str(number)), text);
    }

    void strR4_data() {
        QTest::addColumn<float>("number");
        QTest::addColumn<QString>("decimalSeparator");
        QTest::addColumn<QString>("text");

        QTest::newRow("half") << 0.5f << "."
                              << "0.5";
        QTest::newRow("minus a quarter") << -0.25f << "."
                                         << "-0.25";
        QTest::newRow("a third") << 1.0f / 3 << "."
                                 << "0.3333333";
        QTest::newRow("a tenth as Single") << 0.1f << "."
                                           << "0.1";
        QTest::newRow("minus two") << -2.0f << "."
                                   << "-2";
        QTest::newRow("zero") << 0.0f << "."
                              << "0";
        QTest::newRow("negative zero") << -0.0f << "."
                                       << "0";
        QTest::newRow("hundred") << 100.0f << "."
                                 << "100";
        QTest::newRow("seven digits") << 9999999.0f << "."
                                      << "9999999";
        QTest::newRow("eight digits") << 12345678.0f << "."
                                      << "1.234568E+07";
        QTest::newRow("ten million") << 1E+07f << "."
                                     << "1E+07";
        QTest::newRow("smallest plain fraction") << 0.0001f << "."
                                                 << "0.0001";
        QTest::newRow("small") << 5E-05f << "."
                               << "5E-05";
        QTest::newRow("German half") << 0.5f << ","
                                     << "0,5";
        QTest::newRow("German exponent form") << 12345678.0f << ","
                                              << "1,234568E+07";
        QTest::newRow("German, never grouped") << 1234567.0f << ","
                                               << "1234567";
        QTest::newRow("German whole number") << -2.0f << ","
                                             << "-2";
        QTest::newRow("multi-byte separator") << 0.5f << "\u066B"
                                              << "0\u066B5";
    }

    void strR4() {
        QFETCH(float, number);
        QFETCH(QString, decimalSeparator);
        QFETCH(QString, text);
        const NumberLocale locale{decimalSeparator.toStdString(), ",", "$"};
        QCOMPARE(QString::fromStdString(StrR4(number, locale)), text);
    }

    void strR8_data() {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("decimalSeparator");
        QTest::addColumn<QString>("text");

        QTest::newRow("square root of 2") << std::sqrt(2.0) << "."
                                          << "1.4142135623731";
        QTest::newRow("one plus root 2") << 1 + std::sqrt(2.0) << "."
                                         << "2.41421356237309";
        QTest::newRow("one minus root 2") << 1 - std::sqrt(2.0) << "."
                                          << "-0.414213562373095";
        QTest::newRow("half root 3") << std::sqrt(3.0) / 2 << "."
                                     << "0.866025403784439";
        QTest::newRow("a tenth as Single") << double(0.1f) << "."
                                           << "0.100000001490116";
        QTest::newRow("small negative") << -5E-05 << "."
                                        << "-5E-05";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "."
                                        << "123456789012345";
        QTest::newRow("sixteen digits") << 1234567890123456.0 << "."
                                        << "1.23456789012346E+15";
        QTest::newRow("negative zero") << -0.0 << "."
                                       << "0";
        QTest::newRow("German root 2") << std::sqrt(2.0) << ","
                                       << "1,4142135623731";
    }

    void strR8() {
        QFETCH(double, number);
        QFETCH(QString, decimalSeparator);
        QFETCH(QString, text);
        const NumberLocale locale{decimalSeparator.toStdString(), ",", "$"};
        QCOMPARE(QString::fromStdString(StrR8(number, locale)), text);
    }

    void fpR4_data() {
        QTest::addColumn<double>("intermediate");
        QTest::addColumn<float>("single");

        QTest::newRow("a tenth") << 0.1 << 0.1f;
        QTest::newRow("exact") << -2.5 << -2.5f;
        QTest::newRow("largest Single") << double(FLT_MAX) << FLT_MAX;
        QTest::newRow("rounds down to the largest Single") << 3.4028235e38 << FLT_MAX;
        QTest::newRow("underflow to zero") << 1e-50 << 0.0f;
        QTest::newRow("denormal") << 1e-40 << 1e-40f;
    }

    void fpR4() {
        QFETCH(double, intermediate);
        QFETCH(float, single);
        QCOMPARE(FpR4(intermediate), single);
    }

    void fpR4Faults_data() {
        QTest::addColumn<double>("intermediate");
        addFaultColumns();

        QTest::newRow("beyond the Single range") << 3.5e38 << Kind::Overflow << "Overflow";
        QTest::newRow("negative beyond") << -3.5e38 << Kind::Overflow << "Overflow";
        QTest::newRow("halfway above the largest Single")
            << 0x1.ffffffp127 << Kind::Overflow << "Overflow";
        QTest::newRow("infinity") << infinity() << Kind::Overflow << "Overflow";
        QTest::newRow("NaN") << std::nan("") << Kind::InvalidOperation << "Overflow";
    }

    void fpR4Faults() {
        QFETCH(double, intermediate);
        checkFault([=] { FpR4(intermediate); });
    }

    void divide_data() {
        QTest::addColumn<double>("numerator");
        QTest::addColumn<double>("denominator");
        QTest::addColumn<double>("quotient");

        QTest::newRow("quarter") << 1.0 << 4.0 << 0.25;
        QTest::newRow("negative") << -3.0 << 2.0 << -1.5;
        QTest::newRow("underflow is no fault") << 1e-300 << 1e300 << 0.0;
    }

    void divide() {
        QFETCH(double, numerator);
        QFETCH(double, denominator);
        QFETCH(double, quotient);
        QCOMPARE(::divide(numerator, denominator), quotient);
    }

    void divideFaults_data() {
        QTest::addColumn<double>("numerator");
        QTest::addColumn<double>("denominator");
        addFaultColumns();

        const QString byZero = "Division by zero";
        QTest::newRow("one by zero") << 1.0 << 0.0 << Kind::DivisionByZero << byZero;
        QTest::newRow("by negative zero") << -1.0 << -0.0 << Kind::DivisionByZero << byZero;
        QTest::newRow("zero by zero") << 0.0 << 0.0 << Kind::InvalidOperation << "Overflow";
        QTest::newRow("zero by negative zero")
            << 0.0 << -0.0 << Kind::InvalidOperation << "Overflow";
        QTest::newRow("quotient too large") << 1e300 << 1e-300 << Kind::Overflow << "Overflow";
        QTest::newRow("infinity by infinity")
            << infinity() << infinity() << Kind::InvalidOperation << "Overflow";
    }

    void divideFaults() {
        QFETCH(double, numerator);
        QFETCH(double, denominator);
        checkFault([=] { ::divide(numerator, denominator); });
    }

    void sqr_data() {
        QTest::addColumn<double>("number");
        QTest::addColumn<double>("root");

        QTest::newRow("four") << 4.0 << 2.0;
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("two") << 2.0 << 1.4142135623730951;
    }

    void sqr() {
        QFETCH(double, number);
        QFETCH(double, root);
        QCOMPARE(Sqr(number), root);
    }

    void sqrFaults_data() {
        QTest::addColumn<double>("number");
        addFaultColumns();

        QTest::newRow("minus one") << -1.0 << Kind::InvalidOperation << "Overflow";
        QTest::newRow("tiny negative") << -1e-300 << Kind::InvalidOperation << "Overflow";
    }

    void sqrFaults() {
        QFETCH(double, number);
        checkFault([=] { Sqr(number); });
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
