#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include "core/design/control_model.h"
#include "core/numbers/exact.h"
#include "core/solving/equation_solver.h"
#include "core/solving/system_solver.h"
#include "core/working/figure.h"
#include "core/working/notation.h"
#include "core/working/working.h"
#include "method_names.h"
#include "test_data.h"

Q_DECLARE_METATYPE(Formula)

// The rows of tests/working_rows.json, an array kept simple for the page's tests to share.
const QJsonArray workingRows() {
    return testRows(VELMORA_WORKING_ROWS);
}

// The working and its graph, made from real runs of the solvers on the plain model.
class TestWorking : public QObject {
    Q_OBJECT

private:
    static RunOutcome run(const QString& coefficients, const NumberLocale& locale = {}) {
        const QStringList parts = QString(coefficients).remove('/').split(' ', Qt::SkipEmptyParts);
        ControlModel controls;
        FormVariables vars;
        RunOutcome outcome;
        SolverContext form{controls, vars, locale, &outcome};
        for (int index = 0; index < parts.size(); ++index)
            controls.setText(index + 1, parts[index].toStdString());
        try {
            parts.size() == 3 ? lisi(form, readBoxes(controls, 3, locale))
                              : lisi1(form, readBoxes(controls, 6, locale));
        } catch (const ArithmeticFault& fault) {
            recordFault(outcome, fault.kind());
        }
        return outcome;
    }

    static NumberLocale localeNamed(const QString& name) {
        if (name == "de")
            return {",", ".", "€"};
        return {};
    }

    // Texts as the run command reads its boxes.
    static std::vector<BoxReading> readTexts(const std::vector<std::string>& texts,
                                             const NumberLocale& locale) {
        std::vector<BoxReading> boxes;
        for (const std::string& text : texts)
            boxes.push_back({text, coefficientReading(text, locale)});
        return boxes;
    }

    // A row's line: written out, or its start where it ends in "…".
    static bool matches(const QString& line, const QString& expected) {
        return expected.endsWith(QString("…")) ? line.startsWith(expected.chopped(1))
                                               : line == expected;
    }

    // An integer of any length, built from its digits with the exact arithmetic.
    static Rational integer(const QString& digits) {
        Rational value = 0;
        for (QChar digit : digits)
            value = value * Rational(10) + Rational(digit.digitValue());
        return value;
    }

    // An exact root as the working states it, "(3 + √5)/2", "-i/2", "1 + 2i", read back as
    // (p + q·√r)/s, with r = -1 for i; read independently of how the working wrote it.
    struct StatedRoot {
        Rational p = 0, q = 0, r = 1, s = 1;
    };
    static StatedRoot stated(QString form) {
        StatedRoot root;
        const int slash = form.lastIndexOf('/');
        if (slash > 0 && !form.mid(slash + 1).contains(' ')) {
            root.s = integer(form.mid(slash + 1));
            form = form.left(slash);
        }
        if (form.startsWith('('))
            form = form.mid(1, form.size() - 2);
        QString sign = "+";
        for (const QString& piece : form.split(' ')) {
            if (piece == "+" || piece == "-") {
                sign = piece;
                continue;
            }
            QString term = piece;
            Rational value = 1;
            if (term.startsWith('-')) {
                value = -value;
                term = term.mid(1);
            }
            if (sign == "-")
                value = -value;
            const int rootAt = term.indexOf(QChar(0x221A));
            const bool imaginary = term.contains('i');
            if (rootAt < 0 && !imaginary) {
                root.p = value * integer(term);
                continue;
            }
            root.r = rootAt >= 0 ? integer(term.mid(rootAt + 1)) : Rational(1);
            if (imaginary)
                root.r = -root.r;
            const QString factor = term.left(rootAt >= 0 ? rootAt : term.size()).remove('i');
            root.q = factor.isEmpty() ? value : value * integer(factor);
        }
        return root;
    }

    // The point of the plane a place in the view stands for, by the view's corners.
    static std::pair<double, double> inPlane(const Figure& figure, FigurePoint at) {
        const FigurePoint low = figure.toView(figure.xMin, figure.yMin);
        const FigurePoint high = figure.toView(figure.xMax, figure.yMax);
        return {figure.xMin + (at.x - low.x) / (high.x - low.x) * (figure.xMax - figure.xMin),
                figure.yMin + (at.y - low.y) / (high.y - low.y) * (figure.yMax - figure.yMin)};
    }

    // How far, in pixels, a place in the view stands from the parabola (or line)
    // y = a·x² + b·x + c, upright.
    static double offParabola(const Figure& figure, FigurePoint at, double a, double b, double c) {
        const double x = inPlane(figure, at).first;
        return std::abs(figure.toView(x, (a * x + b) * x + c).y - at.y);
    }

    // How far, in pixels, a place in the view stands from the line a·x + b·y = c.
    static double offLine(const Figure& figure, FigurePoint at, double a, double b, double c) {
        const FigurePoint p = b != 0 ? figure.toView(figure.xMin, (c - a * figure.xMin) / b)
                                     : figure.toView(c / a, figure.yMin);
        const FigurePoint q = b != 0 ? figure.toView(figure.xMax, (c - a * figure.xMax) / b)
                                     : figure.toView(c / a, figure.yMax);
        const double dx = q.x - p.x, dy = q.y - p.y;
        return std::abs(dx * (at.y - p.y) - dy * (at.x - p.x)) / std::hypot(dx, dy);
    }

    static bool inBox(const FigureLabel& label, double x, double y) {
        return x > label.left && x < label.left + label.width && y > label.top &&
               y < label.top + label.height;
    }

    // Whether a segment passes through a label's box, walked in steps of a quarter pixel.
    static bool throughBox(const FigureLabel& label, FigurePoint p, FigurePoint q) {
        const int steps = int(std::ceil(std::hypot(q.x - p.x, q.y - p.y) * 4)) + 1;
        for (int step = 0; step <= steps; ++step) {
            const double t = double(step) / steps;
            if (inBox(label, p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)))
                return true;
        }
        return false;
    }

    static void checkFigure(const Figure& figure, const RunOutcome& outcome) {
        for (const std::string& text : {figure.alternative, figure.note})
            QVERIFY2(text.find("INF") == std::string::npos && text.find("NaN") == std::string::npos,
                     text.c_str());
        const auto& k = outcome.coefficients;
        for (const FigureMark& mark : figure.marks) {
            // A crossing lies on both lines, a root or a vertex on its parabola or line, within a
            // pixel, by their equations.
            std::vector<double> off;
            if (mark.kind == FigureMark::Kind::Intersection)
                off = {offLine(figure, mark.at, k[0], k[1], k[2]),
                       offLine(figure, mark.at, k[3], k[4], k[5])};
            else
                off = {offParabola(figure, mark.at, k[0], k[1], k[2])};
            for (double one : off)
                QVERIFY2(one <= 1, qPrintable(QString("mark %1 px off").arg(one)));
            QVERIFY(mark.at.x >= 0 && mark.at.x <= figure.width);
            QVERIFY(mark.at.y >= 0 && mark.at.y <= figure.height);
        }
        for (std::size_t i = 0; i < figure.labels.size(); ++i) {
            const FigureLabel& p = figure.labels[i];
            QVERIFY2(p.text.find("INF") == std::string::npos &&
                         p.text.find("NaN") == std::string::npos,
                     p.text.c_str());
            QVERIFY(p.left >= 0 && p.top >= 0 && p.left + p.width <= figure.width &&
                    p.top + p.height <= figure.height);
            for (std::size_t j = i + 1; j < figure.labels.size(); ++j) {
                const FigureLabel& q = figure.labels[j];
                QVERIFY2(!(p.left < q.left + q.width && q.left < p.left + p.width &&
                           p.top < q.top + q.height && q.top < p.top + p.height),
                         (p.text + " collides with " + q.text).c_str());
            }
            // Clear of the axes, which cross the whole view, of every curve and of every mark.
            QVERIFY2(!(figure.xAxisAt > p.top && figure.xAxisAt < p.top + p.height),
                     (p.text + " sits on the x-axis").c_str());
            QVERIFY2(!(figure.yAxisAt > p.left && figure.yAxisAt < p.left + p.width),
                     (p.text + " sits on the y-axis").c_str());
            for (const FigureCurve& curve : figure.curves)
                for (std::size_t k = 0; k + 1 < curve.points.size(); ++k)
                    QVERIFY2(!throughBox(p, curve.points[k], curve.points[k + 1]),
                             (p.text + " sits on a curve").c_str());
            for (const FigureMark& mark : figure.marks) {
                const double dx = mark.at.x - std::clamp(mark.at.x, p.left, p.left + p.width);
                const double dy = mark.at.y - std::clamp(mark.at.y, p.top, p.top + p.height);
                QVERIFY2(std::hypot(dx, dy) > Figure::markRadius,
                         (p.text + " covers a mark").c_str());
            }
        }
    }

private slots:
    // The rows of tests/working_rows.json: the lines a working must hold, in order, among its
    // others. The note that the window differs from the exact result stands first, and only in
    // the rows that expect it; no working writes an infinity or a NaN.
    void rows_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("lines");
        for (const QJsonValue row : workingRows()) {
            QStringList lines;
            for (const QJsonValue line : row["lines"].toArray())
                lines << line.toString();
            const QString name = row["method"].toString() + ": " + row["coefficients"].toString() +
                                 " (" + row["locale"].toString() + ")";
            QTest::newRow(qPrintable(name))
                << row["method"].toString() << row["coefficients"].toString()
                << row["locale"].toString() << lines;
        }
    }

    void rows() {
        QFETCH(QString, method);
        QFETCH(QString, coefficients);
        QFETCH(QString, locale);
        QFETCH(QStringList, lines);
        const NumberLocale numbers = localeNamed(locale);
        const RunOutcome outcome = run(coefficients, numbers);
        const Working working = makeWorking(outcome, numbers, methodNamed(method));
        const QString text = QString::fromStdString(working.text());
        qsizetype found = 0;
        for (const WorkingLine& line : working.lines) {
            if (found < lines.size() && matches(QString::fromStdString(line.text), lines[found]))
                ++found;
        }
        QVERIFY2(found == lines.size(),
                 qPrintable("missing \"" + lines.value(found) + "\" in:\n" + text));
        const auto isNote = [](const WorkingLine& line) {
            return line.text.starts_with("The window shows");
        };
        const bool expectsNote = lines.front().startsWith("The window shows");
        QCOMPARE(std::ranges::count_if(working.lines, isNote), expectsNote ? 1 : 0);
        if (expectsNote)
            QVERIFY(isNote(working.lines.front()));
        // Every line built as a formula is true, checked exactly from its tree.
        for (const WorkingLine& line : working.lines) {
            if (!line.formula)
                continue;
            const LineCheck check = checkLine(*line.formula);
            QVERIFY2(check.fault.empty(), (line.text + ": " + check.fault).c_str());
        }
        static const QRegularExpression notANumber("\\b(INF|inf|NaN|nan)\\b");
        QVERIFY2(!text.contains(notANumber), qPrintable(text));
        checkFigure(makeFigure(outcome), outcome);
    }

    // Trees and their plain text: brackets from precedence and sign, "≈" beside a rounded
    // side, a side that reads as the one before left out, the list separator of the form.
    void renders_data() {
        using namespace math;
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        const Formula x = name("x"), two = number(2);
        const Surd rootOf2{0, 1, 1, 2};
        // clang-format off
        QTest::newRow("negative factor") << product({number(0), number(Rational::of(-2, 5))}) << "en" << "0·(-0.4)";
        QTest::newRow("negative number put in a sum") << sum({number(4), product({number(-3), two}), number(-4)}) << "en" << "4 + (-3)·2 + (-4)";
        QTest::newRow("negated term") << sum({number(9), negated(number(8))}) << "en" << "9 - 8";
        QTest::newRow("negated sum") << negated(sum({x, number(1)})) << "en" << "-(x + 1)";
        QTest::newRow("power-of-ten radicand") << root(number(Rational(16) * Rational::of(powerOfTen(50), 1))) << "de" << "√(1,6×10⁵¹)";
        QTest::newRow("decimal radicand") << root(number(Rational::of(1, 4))) << "de" << "√(0,25)";
        QTest::newRow("power of a negative number") << power(number(-3), 2) << "en" << "(-3)²";
        QTest::newRow("power of a fraction") << power(number(Rational::of(4, 9)), 2) << "en" << "(4/9)²";
        QTest::newRow("sum over a product") << quotient(plusMinus(number(3), root(number(5))), product({two, name("a")})) << "en" << "(3 ± √5)/(2a)";
        QTest::newRow("negative below") << quotient(number(-4), number(-2)) << "en" << "-4/(-2)";
        QTest::newRow("power of ten before a name") << product({number(Rational::of(powerOfTen(19), 1)), x}) << "en" << "1×10¹⁹·x";
        QTest::newRow("names of one letter") << product({number(4), name("a"), name("c")}) << "en" << "4ac";
        QTest::newRow("names of two letters") << product({name("x1"), name("x2")}) << "en" << "x1·x2";
        QTest::newRow("a surd") << surd(Surd{3, 1, 2, 5}) << "en" << "(3 + √5)/2";
        QTest::newRow("an imaginary surd") << surd(Surd{0, -1, 2, -3}) << "en" << "-i√3/2";
        QTest::newRow("± alone") << plusMinus(number(0), product({two, name("i")})) << "en" << "±2i";
        QTest::newRow("rounded side") << equal({name("x1"), surd(Surd{0, 1, 1, 2}), rounded(rootOf2)}) << "en" << "x1 = √2 ≈ 1.4142135623731";
        QTest::newRow("rounded past 15 digits") << rounded(Surd{BigInt(2) * powerOfTen(18), 1, 1, 2}) << "en" << "2×10¹⁸";
        QTest::newRow("a side that says nothing new") << equal({x, number(2), number(2)}) << "en" << "x = 2";
        QTest::newRow("a fraction worked out") << equal({fraction(Rational::of(9, 8)), number(Rational::of(9, 8))}) << "de" << "9/8 = 1,125";
        QTest::newRow("list with a decimal comma") << list({equal({x, number(Rational::of(1, 2))}), equal({name("y"), two})}) << "de" << "x = 0,5; y = 2";
        QTest::newRow("list with a decimal point") << list({equal({x, number(Rational::of(1, 2))}), equal({name("y"), two})}) << "en" << "x = 0.5, y = 2";
        QTest::newRow("sum with a negative part") << sum({surd(Surd{0, 1, 3, 3}), surd(Surd{0, -1, 3, 3})}) << "en" << "√3/3 - √3/3";
        // clang-format on
    }

    void renders() {
        QFETCH(Formula, formula);
        QFETCH(QString, locale);
        QTEST(QString::fromStdString(formula.plain(Notation(localeNamed(locale)))), "text");
    }

    // The exact check finds a false line: a wrong sum, a wrong root, a "≠" between equal sides.
    void falseLines_data() {
        using namespace math;
        using Relation = Formula::Relation;
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<bool>("holds");
        const Surd i{0, 1, 1, -1};
        // clang-format off
        QTest::newRow("9 - 8 = 1") << equal({sum({number(9), negated(number(8))}), number(1)}) << true;
        QTest::newRow("9 - 8 = 2") << equal({sum({number(9), negated(number(8))}), number(2)}) << false;
        QTest::newRow("√12 = 2√3") << equal({root(number(12)), surd(Surd{0, 2, 1, 3})}) << true;
        QTest::newRow("√12 = 3√2") << equal({root(number(12)), surd(Surd{0, 3, 1, 2})}) << false;
        QTest::newRow("√(-3) = i√3") << equal({root(number(-3)), surd(Surd{0, 1, 1, -3})}) << true;
        QTest::newRow("(3 ± 1)/2 = 2 ± 1/2") << equal({quotient(plusMinus(number(3), number(1)), number(2)), plusMinus(number(2), number(Rational::of(1, 2)))}) << false;
        QTest::newRow("a rounded side") << equal({surd(Surd{0, 1, 1, 2}), rounded(Surd{0, 1, 1, 2})}) << true;
        QTest::newRow("i² = -1") << equal({power(name("i", i), 2), number(-1)}) << true;
        QTest::newRow("1 ≠ 1") << chain(number(1), {{Relation::NotEqual, number(1)}}) << false;
        QTest::newRow("-3 > 0") << chain(number(-3), {{Relation::Greater, number(0)}}) << false;
        QTest::newRow("an equation is not an identity") << chain(name("x"), {{Relation::Equation, number(2)}}) << true;
        // clang-format on
    }

    void falseLines() {
        QFETCH(Formula, formula);
        QFETCH(bool, holds);
        const LineCheck check = checkLine(formula);
        QVERIFY(check.checked > 0 || formula.relations.front() == Formula::Relation::Equation);
        QCOMPARE(check.fault.empty(), holds);
    }

    // The typed steps end at the equation and its coefficients, which the working does not
    // write again.
    void typedStepsOnce() {
        const std::vector<std::string> typed{
            "Typed: 3(x − 1) = x²", "Expanding: 3x - 3 = x²",
            "Multiplying by -1 to make the first term positive: x² - 3x + 3 = 0",
            "a = 1, b = -3, c = 3"};
        const Working working = makeWorking(run("1 -3 3"), {}, WorkingMethod::Formula, typed);
        QStringList lines;
        for (const WorkingLine& line : working.lines)
            lines << QString::fromStdString(line.text);
        QCOMPARE(lines.mid(0, 5), QStringList({"Typed: 3(x − 1) = x²", "Expanding: 3x - 3 = x²",
                                               "Multiplying by -1 to make the first term "
                                               "positive: x² - 3x + 3 = 0",
                                               "a = 1, b = -3, c = 3",
                                               "D = b² - 4ac = (-3)² - 4·1·3 = 9 - 12 = -3"}));
    }

    void methods_data() {
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<QStringList>("methods");
        // clang-format off
        QTest::newRow("rational roots") << "1 -3 2" << QStringList{"The formula", "Factoring", "Completing the square"};
        QTest::newRow("a double root") << "4 4 1" << QStringList{"The formula", "Factoring", "Completing the square"};
        QTest::newRow("roots with a root sign") << "1 -3 1" << QStringList{"The formula", "Factoring: The roots are not fractions: D = 5 is no square of a fraction.", "Completing the square"};
        QTest::newRow("complex roots") << "1 1 1" << QStringList{"The formula", "Factoring: The roots are not real numbers.", "Completing the square"};
        QTest::newRow("first degree") << "0 2 -4" << QStringList{"Rearranging"};
        QTest::newRow("no unknown") << "0 0 5" << QStringList{"Rearranging"};
        QTest::newRow("system") << "1 1 3 / 1 -1 1" << QStringList{"Cramer's rule", "Elimination", "Substitution"};
        // clang-format on
    }

    void methods() {
        QFETCH(QString, coefficients);
        QStringList methods;
        for (const MethodChoice& choice : workingMethods(run(coefficients, {})))
            methods << QString::fromStdString(choice.applies ? choice.name
                                                             : choice.name + ": " + choice.reason);
        QTEST(methods, "methods");
    }

    // Every exact root a working states solves the typed equation exactly, over integers,
    // decimals, 19-digit integers and powers of ten up to 1e±30.
    void statedRootsSolve_data() {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {1, 2, 3, 4})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }

    void statedRootsSolve() {
        QFETCH(quint64, seed);
        std::mt19937_64 random(seed);
        const auto coefficient = [&]() -> QString {
            const auto pick = [&](int n) { return int(random() % std::uint64_t(n)); };
            const QString sign = pick(2) ? "-" : "";
            switch (pick(5)) {
            case 0:
                return sign + QString::number(pick(200));
            case 1:
                return sign + QString::number(pick(10000)) + "." + QString::number(pick(100));
            case 2:
                return sign + QString::number(1000000000 + pick(900000000)) +
                       QString::number(1000000000 + pick(900000000)).mid(1);
            case 3:
                return sign + QString::number(1 + pick(9)) + "e" + (pick(2) ? "-" : "") + "30";
            default:
                return sign + QString::number(1 + pick(9));
            }
        };
        int checked = 0;
        for (int round = 0; round < 300; ++round) {
            const QString texts = coefficient() + " " + coefficient() + " " + coefficient();
            const RunOutcome outcome = run(texts, {});
            if (!outcome.readings[0].exact || !outcome.readings[1].exact ||
                !outcome.readings[2].exact)
                continue;
            const Rational a = *outcome.readings[0].exact, b = *outcome.readings[1].exact,
                           c = *outcome.readings[2].exact;
            for (const ExactResult& result : makeWorking(outcome).exact) {
                if (result.name != "x1" && result.name != "x2")
                    continue;
                const StatedRoot x = stated(QString::fromStdString(result.exact));
                // a·x² + b·x + c times s², with x = (p + q·√r)/s: its rational part and the
                // factor of √r are both 0.
                const Rational rationalPart =
                    a * (x.p * x.p + x.q * x.q * x.r) + b * x.p * x.s + c * x.s * x.s;
                const Rational rootPart = Rational(2) * a * x.p * x.q + b * x.q * x.s;
                QVERIFY2(rationalPart == Rational(0) && rootPart == Rational(0),
                         qPrintable(texts + ": " + QString::fromStdString(result.exact)));
                ++checked;
            }
        }
        QVERIFY(checked > 0);
    }

    // Every D = 4p²q with primes p and q from 10⁶ to 10⁹ is split into (2p)² and q, whatever
    // the size, and nothing is left that the search could not split.
    void squareFactorsOfAnySize_data() {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {1, 2, 3, 4})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }

    void squareFactorsOfAnySize() {
        QFETCH(quint64, seed);
        std::mt19937_64 random(seed);
        const auto prime = [&] {
            for (;;) {
                const std::uint64_t n = 1000000 + random() % 999000000;
                bool composite = n % 2 == 0;
                for (std::uint64_t d = 3; d * d <= n && !composite; d += 2)
                    composite = n % d == 0;
                if (!composite)
                    return n;
            }
        };
        for (int round = 0; round < 50; ++round) {
            const BigInt p = prime(), q = prime();
            const SquareSplit split = splitSquares(4 * p * p * q);
            QVERIFY2(p == q || (split.root == 2 * p && split.squareFree == q && split.unsplit == 1),
                     qPrintable(QString::fromStdString(decimalText(p) + "² " + decimalText(q))));
        }
    }

    void warnings_data() {
        QTest::addColumn<bool>("system");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("empty boxes") << false << QStringList{"1", "", ""} << "Nothing was solved: the boxes for b and c are empty. Type 0 for a term the equation does not have.";
        QTest::newRow("empty before no number") << true << QStringList{"x", "1", "1", "1", "", "1"} << "Nothing was solved: the box for b2 is empty. Type 0 for a term the equation does not have.";
        QTest::newRow("no number") << false << QStringList{"1", "3x", "2"} << "Nothing was solved: the box for b holds no number.\nb = \"3x\": only its start \"3\" is a number; \"x\" is not part of one.";
        QTest::newRow("blanks") << false << QStringList{"1", " ", "2"} << "Nothing was solved: the box for b holds no number.\nb = \" \": it holds only blanks.";
        // A pasted page is answered at once, and quoted by its start.
        QTest::newRow("a pasted megabyte") << false << QStringList{"1" + QString(1 << 20, 'x'), "1", "2"} << "Nothing was solved: the box for a holds no number.\na = \"1xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…\": only its start \"1\" is a number; \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…\" is not part of one.";
        QTest::newRow("a misplaced separator") << false << QStringList{"1,5", "1", "2"} << "Nothing was solved: the box for a holds no number.\na = \"1,5\": its separators are not where your number format puts them.";
        // clang-format on
    }

    void warnings() {
        QFETCH(bool, system);
        QFETCH(QStringList, texts);
        std::vector<std::string> boxes;
        for (const QString& text : texts)
            boxes.push_back(text.toStdString());
        const RunOutcome outcome =
            warningOutcome(system ? RunOutcome::Mode::System : RunOutcome::Mode::Equation,
                           readTexts(boxes, NumberLocale{}), NumberLocale{});
        QTEST(QString::fromStdString(makeWorking(outcome).text()), "expected");
        QVERIFY(!makeFigure(outcome).drawn);
    }

    void nothingSolvedYet() {
        const RunOutcome none;
        QCOMPARE(QString::fromStdString(makeWorking(none).text()),
                 QString("Nothing is solved yet: type the coefficients and press \"run\"."));
        QVERIFY(!makeFigure(none).drawn);
    }

    // The exact forms beside the window's texts, for the checks that compare them, whatever the
    // user's number form.
    void exactForms() {
        const NumberLocale german{",", ".", "€"};
        const Working working = makeWorking(run("2 -1,5 0,25", german), german);
        QStringList forms;
        for (const ExactResult& result : working.exact)
            forms << QString::fromStdString(result.name + "=" + result.exact + " shown " +
                                            result.shown + (result.agrees ? "" : " differs"));
        QCOMPARE(forms, QStringList({"D=1/4 shown .25", "x1=1/2 shown 0.5", "x2=1/4 shown 0.25"}));
    }

    // A German "1.000" is refused, and the working shows both numbers it could mean.
    void twoReadings() {
        const NumberLocale german{",", ".", "€"};
        const RunOutcome outcome = warningOutcome(RunOutcome::Mode::Equation,
                                                  readTexts({"1.000", "1", "2"}, german), german);
        const QString text = QString::fromStdString(makeWorking(outcome).text());
        QVERIFY2(text.contains("reads as two different numbers") && text.contains("1000") &&
                     text.contains("can be read as 1000 and 1"),
                 qPrintable(text));
    }

    void figures_data() {
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("curves");
        QTest::addColumn<int>("marks");
        QTest::addColumn<QString>("alternative");
        QTest::addColumn<QString>("markLabels"); // each among the labels
        // clang-format off
        QTest::newRow("two roots") << "1 -3 2" << "en" << 1 << 3 << "Graph of y = x² - 3·x + 2: a parabola opening upwards, crossing the x-axis at 2 and 1, vertex at (1.5, -0.25)." << "2|1|(1.5, -0.25)";
        QTest::newRow("roots far apart") << "1 10000 0.5" << "en" << 1 << 3 << "crossing the x-axis at -5E-05 and -10000" << "-5E-05|-10000|(-5000, -2.5E+07)";
        QTest::newRow("double root") << "-1 2 -1" << "en" << 1 << 1 << "a parabola opening downwards, touching the x-axis at its vertex (1, 0)" << "x1 = 1";
        QTest::newRow("complex") << "1 2 5" << "en" << 1 << 1 << "clear of the x-axis, so no real roots, vertex at (-1, 4)" << "(-1, 4)";
        QTest::newRow("line") << "0 2 -4" << "en" << 1 << 1 << "Graph of y = 2·x - 4: a straight line crossing the x-axis at 2." << "2";
        QTest::newRow("horizontal") << "0 0 5" << "en" << 1 << 0 << "Graph of y = 5: a horizontal line that never meets the x-axis" << "";
        QTest::newRow("crossing") << "1 1 3 / 1 -1 1" << "en" << 2 << 1 << "Graph of the lines x + y = 3 and x - y = 1, crossing at (2, 1)." << "(2, 1)";
        QTest::newRow("nearly vertical") << "1 1E-17 1 / 1 1 3" << "en" << 2 << 1 << "crossing at (1, 2)" << "(1, 2)";
        QTest::newRow("vertical") << "2 0 4 / 1 1 5" << "en" << 2 << 1 << "crossing at (2, 3)" << "(2, 3)";
        QTest::newRow("crossing on paper only") << "0.1 0.3 1 / 0.3 0.9 3" << "en" << 2 << 1 << "crossing at (7.272727, 0.9090909)" << "(7.272727, 0.9090909)";
        QTest::newRow("parallel") << "1 1 2 / 2 2 5" << "en" << 2 << 0 << "parallel, never meeting" << "";
        QTest::newRow("same line") << "1 1 2 / 2 2 4" << "en" << 1 << 0 << "Graph of the line x + y = 2, which both equations describe." << "";
        QTest::newRow("one equation without unknowns") << "0 0 0 / 0 4 2" << "en" << 1 << 0 << "Graph of the line 4·y = 2 alone; y = 0.5." << "";
        QTest::newRow("no line") << "0 0 5 / 0 0 0" << "en" << 0 << 0 << "No graph: neither equation has an unknown, so neither is a line." << "";
        QTest::newRow("a root beyond the Single range") << "1e-30 1e10 1" << "en" << 1 << 3 << "Graph of y = 1E-30·x² + 1E+10·x + 1: a parabola opening upwards, crossing the x-axis at -1E-10 and -1E+40, vertex at (-5E+39, -2.5E+49)." << "-1E-10|-1E+40|(-5E+39, -2.5E+49)";
        QTest::newRow("a root near zero on a steep line") << "0 1e30 1" << "en" << 1 << 1 << "Graph of y = 1E+30·x + 1: a straight line crossing the x-axis at -1E-30." << "-1E-30";
        QTest::newRow("the smallest Single as a") << "1e-45 1 1" << "en" << 1 << 3 << "Graph of y = 1.401298E-45·x² + x + 1: a parabola opening upwards, crossing the x-axis at -1 and -7.136238E+44" << "-1|-7.136238E+44";
        QTest::newRow("labels beside a narrow parabola") << "2 -4 -6" << "en" << 1 << 3 << "crossing the x-axis at 3 and -1, vertex at (1, -8)" << "3|-1|(1, -8)";
        QTest::newRow("labels beside a wide parabola") << "-0.01 0 100" << "en" << 1 << 3 << "Graph of y = -0.01·x² + 100: a parabola opening downwards, crossing the x-axis at -100 and 100, vertex at (0, 100)." << "-100|100|(0, 100)";
        QTest::newRow("decimal comma") << "2 -1,5 0,25" << "de" << 1 << 3 << "Graph of y = 2·x² - 1,5·x + 0,25: a parabola opening upwards, crossing the x-axis at 0,5 and 0,25, vertex at (0,375; -0,03125)." << "0,5|0,25|(0,375; -0,03125)";
        QTest::newRow("decimal comma, double root") << "4 4 1" << "de" << 1 << 1 << "touching the x-axis at its vertex (-0,5; 0)" << "x1 = -0,5";
        QTest::newRow("decimal comma, crossing") << "8 0 9 / 0 1 1" << "de" << 2 << 1 << "Graph of the lines 8·x = 9 and y = 1, crossing at (1,125; 1)." << "(1,125; 1)";
        QTest::newRow("decimal comma, lone y") << "0 0 0 / 0 4 2" << "de" << 1 << 0 << "Graph of the line 4·y = 2 alone; y = 0,5." << "";
        // clang-format on
    }

    void figures() {
        QFETCH(QString, coefficients);
        QFETCH(QString, locale);
        const RunOutcome outcome = run(coefficients, localeNamed(locale));
        const Figure figure = makeFigure(outcome, localeNamed(locale));
        QTEST(int(figure.curves.size()), "curves");
        QTEST(int(figure.marks.size()), "marks");
        QFETCH(QString, alternative);
        QVERIFY2(QString::fromStdString(figure.alternative).contains(alternative),
                 figure.alternative.c_str());
        QFETCH(QString, markLabels);
        QStringList texts;
        for (const FigureLabel& label : figure.labels)
            texts << QString::fromStdString(label.text);
        for (const QString& text : markLabels.split('|', Qt::SkipEmptyParts))
            QVERIFY2(texts.contains(text), qPrintable(text + " not among " + texts.join(" | ")));
        checkFigure(figure, outcome);
    }
};

QTEST_APPLESS_MAIN(TestWorking)
#include "test_working.moc"
