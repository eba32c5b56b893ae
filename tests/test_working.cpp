#include <chrono>
#include <cmath>

#include <QTest>

#include "core/design/control_model.h"
#include "core/solving/equation_solver.h"
#include "core/solving/system_solver.h"
#include "core/working/figure.h"
#include "core/working/working.h"

// The working and its graph, made from real runs of the solvers on the plain model.
class TestWorking : public QObject {
    Q_OBJECT

private:
    static RunOutcome run(const QString& coefficients) {
        const QStringList parts = QString(coefficients).remove('/').split(' ', Qt::SkipEmptyParts);
        ControlModel controls;
        FormVariables vars;
        NumberLocale locale;
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

    // Texts as the run command reads its boxes.
    static std::vector<BoxReading> readTexts(const std::vector<std::string>& texts,
                                             const NumberLocale& locale) {
        std::vector<BoxReading> boxes;
        for (const std::string& text : texts)
            boxes.push_back({text, coefficientReading(text, locale)});
        return boxes;
    }

    static QString exactForms(const Working& working) {
        QStringList forms;
        for (const ExactResult& result : working.exact)
            forms << QString::fromStdString(result.name + "=" + result.exact);
        return forms.join('|');
    }

    // The value of an exact form such as "(1 + 2i√3)/4", read independently of how it was made.
    static std::pair<long double, long double> evaluate(QString form) {
        long double divisor = 1;
        const int slash = form.lastIndexOf('/');
        if (slash > 0 && !form.mid(slash + 1).contains(' ')) {
            divisor = std::strtold(form.mid(slash + 1).toLatin1().constData(), nullptr);
            form = form.left(slash);
        }
        if (form.startsWith('('))
            form = form.mid(1, form.size() - 2);
        long double real = 0, imaginary = 0;
        QString sign = "+";
        for (const QString& piece : form.split(' ')) {
            if (piece == "+" || piece == "-") {
                sign = piece;
                continue;
            }
            QString term = piece;
            long double value = 1;
            if (term.startsWith('-')) {
                value = -1;
                term = term.mid(1);
            }
            const int root = term.indexOf(QChar(0x221A));
            if (root >= 0) {
                value *=
                    std::sqrt(std::strtold(term.mid(root + 1).toLatin1().constData(), nullptr));
                term = term.left(root);
            }
            const bool isImaginary = term.endsWith('i');
            if (isImaginary)
                term.chop(1);
            if (!term.isEmpty())
                value *= std::strtold(term.toLatin1().constData(), nullptr);
            if (sign == "-")
                value = -value;
            (isImaginary ? imaginary : real) += value;
        }
        return {real / divisor, imaginary / divisor};
    }

    // A shown value "0.5" or "-0.5+0.866025403784439*i".
    static std::pair<long double, long double> shownValue(const std::string& text) {
        std::size_t split = std::string::npos;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if ((text[i] == '+' || text[i] == '-') && text[i - 1] != 'E')
                split = i;
        }
        if (split == std::string::npos || text.find('i') == std::string::npos)
            return {std::strtold(text.c_str(), nullptr), 0};
        return {std::strtold(text.substr(0, split).c_str(), nullptr),
                std::strtold(text.substr(split).c_str(), nullptr)};
    }

    static bool close(long double shown, long double exact, long double precision) {
        return std::fabs(shown - exact) <= precision * std::max(std::fabs(exact), 1e-30L) ||
               (exact == 0 && std::fabs(shown) < 1e-30L);
    }

    // Every exact form is the shown value within the precision the program computed it in,
    // except where the row says the Singles make them differ; `agrees` says the same.
    static void checkExactAgainstShown(const Working& working, bool differs) {
        bool anyDiffers = false;
        for (const ExactResult& result : working.exact) {
            const auto [real, imaginary] = evaluate(QString::fromStdString(result.exact));
            const auto [shownReal, shownImaginary] = shownValue(result.shown);
            // A Single shows 7 digits; the 15 digits of a double are at most half a unit off.
            const long double single = 1e-6L, twice = 1e-13L;
            const bool complex = result.shown.find('i') != std::string::npos;
            const bool same =
                complex ? close(shownReal, real, single) && close(shownImaginary, imaginary, twice)
                        : close(shownReal, real, result.single ? single : twice);
            QVERIFY2(same == result.agrees,
                     (result.name + ": " + result.shown + " against " + result.exact).c_str());
            if (result.name != "D" && result.name != "D1" && result.name != "D2")
                anyDiffers = anyDiffers || !same;
        }
        QCOMPARE(anyDiffers, differs);
    }

    static void checkFigure(const Figure& figure) {
        for (const FigureMark& mark : figure.marks) {
            // Every mark lies on a drawn curve, within a pixel.
            double nearest = 1e300;
            for (const FigureCurve& curve : figure.curves) {
                for (std::size_t i = 0; i + 1 < curve.points.size(); ++i) {
                    const FigurePoint p = curve.points[i], q = curve.points[i + 1];
                    const double dx = q.x - p.x, dy = q.y - p.y;
                    const double length = dx * dx + dy * dy;
                    const double t =
                        length == 0
                            ? 0
                            : std::clamp(((mark.at.x - p.x) * dx + (mark.at.y - p.y) * dy) / length,
                                         0.0, 1.0);
                    nearest = std::min(
                        nearest, std::hypot(p.x + t * dx - mark.at.x, p.y + t * dy - mark.at.y));
                }
            }
            QVERIFY2(nearest <= 1, qPrintable(QString("mark %1 px off").arg(nearest)));
            QVERIFY(mark.at.x >= 0 && mark.at.x <= figure.width);
            QVERIFY(mark.at.y >= 0 && mark.at.y <= figure.height);
        }
        for (std::size_t i = 0; i < figure.labels.size(); ++i) {
            const FigureLabel& p = figure.labels[i];
            QVERIFY(p.left >= 0 && p.top >= 0 && p.left + p.width <= figure.width &&
                    p.top + p.height <= figure.height);
            for (std::size_t j = i + 1; j < figure.labels.size(); ++j) {
                const FigureLabel& q = figure.labels[j];
                QVERIFY2(!(p.left < q.left + q.width && q.left < p.left + p.width &&
                           p.top < q.top + q.height && q.top < p.top + p.height),
                         (p.text + " collides with " + q.text).c_str());
            }
        }
    }

private slots:
    void outcomes_data() {
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<QString>("exact");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("differs");
        // clang-format off
        QTest::newRow("two real roots") << "1 -3 2" << "D=1|x1=2|x2=1" << "D = b² - 4·a·c = (-3)² - 4·1·2 = 1; exactly D = 1" << false;
        QTest::newRow("surd over 2") << "1 -3 1" << "D=5|x1=(3 + √5)/2|x2=(3 - √5)/2" << "x1 = (-b + √D)/(2·a) = (3 + √5)/(2·1) = 2.61803398874989; exactly x1 = (3 + √5)/2" << false;
        QTest::newRow("surd, no denominator") << "1 -2 -1" << "D=8|x1=1 + √2|x2=1 - √2" << "x2 comes from 2·c/(-b + √D), the same number as (-b - √D)/(2·a): with b < 0 the textbook form subtracts" << false;
        QTest::newRow("√12 is 2√3") << "3 0 -1" << "D=12|x1=√3/3|x2=-√3/3" << "D = 12 > 0, so the parabola crosses the x-axis twice: two real roots." << false;
        QTest::newRow("negative surd alone") << "-3 0 4" << "D=48|x1=-2√3/3|x2=2√3/3" << "x1 = (-b + √D)/(2·a) = (0 + √48)/(2·(-3))" << false;
        QTest::newRow("√(1/4)") << "1 0 -0.25" << "D=1|x1=1/2|x2=-1/2" << "c = -0.25" << false;
        QTest::newRow("surd with factor") << "16 -8 -11" << "D=768|x1=(1 + 2√3)/4|x2=(1 - 2√3)/4" << "x2 = 2·c/(-b + √D) = 2·(-11)/(8 + √768)" << false;
        QTest::newRow("complex") << "1 1 1" << "D=-3|x1=(-1 + i√3)/2|x2=(-1 - i√3)/2" << "D = -3 < 0, so the parabola does not reach the x-axis: two complex roots." << false;
        QTest::newRow("complex, integers") << "1 -2 5" << "D=-16|x1=1 + 2i|x2=1 - 2i" << "x1 = 1+2*i; exactly x1 = 1 + 2i" << false;
        QTest::newRow("complex, a negative") << "-1 2 -5" << "D=-16|x1=1 + 2i|x2=1 - 2i" << "|√16/(2·(-1))| = 2" << false;
        QTest::newRow("imaginary alone") << "4 0 1" << "D=-16|x1=i/2|x2=-i/2" << "x2 = 0-0.5*i; exactly x2 = -i/2" << false;
        QTest::newRow("complex surd with factor") << "16 -8 13" << "D=-768|x1=(1 + 2i√3)/4|x2=(1 - 2i√3)/4" << "two complex roots" << false;
        QTest::newRow("double root") << "1 2 1" << "D=0|x1=-1" << "D = 0, so the parabola touches the x-axis at its vertex: a double root." << false;
        QTest::newRow("double root, fraction") << "4 4 1" << "D=0|x1=-1/2" << "x1 = -b/(2·a) = -4/(2·4) = -0.5; exactly x1 = -1/2" << false;
        QTest::newRow("first degree") << "0 3 1" << "x1=-1/3" << "a = 0 and b = 3 is not 0: the equation is of the first degree: one root." << false;
        QTest::newRow("first degree, D not needed") << "0 2 -4" << "x1=2" << "the box for D is left empty" << false;
        QTest::newRow("unsolvable") << "0 0 5" << "" << "a = 0 and b = 0, but c = 5 is not 0: the equation reads 5 = 0, which no x satisfies: Unsolvable Equation." << false;
        QTest::newRow("undefined") << "0 0 0" << "" << "a = b = c = 0: the equation reads 0 = 0, which every x satisfies: Undefined Equation." << false;
        QTest::newRow("1e-3 and &H10") << "&H10 1e-3 -2.5E1" << "D=1600000001/1000000|x1=(-1 + √1600000001)/32000|x2=(-1 - √1600000001)/32000" << "a = 16 (typed \"&H10\"), b = 0.001 (typed \"1e-3\") and c = -25 (typed \"-2.5E1\")" << true;
        QTest::newRow("Singles show in the later digits") << "0.1 0.1 -0.2" << "D=9/100|x1=1|x2=-2" << "The window shows x1 = 0.99999999627471 and x2 = -2.00000000745058, where exactly they are 1 and -2: the program keeps each coefficient as a Single, and a = 1/10 is kept as 0.100000001490116" << true;
        QTest::newRow("D kept as a Single") << "1 10000 0.5" << "D=99999998|x1=(-10000 + √99999998)/2|x2=(-10000 - √99999998)/2" << "the program keeps D as a Single: 99999998 is kept as 1E+08." << true;
        QTest::newRow("coefficient past 64 bits") << "1E+20 1 1" << "D=-399999999999999999999|x1=(-1 + i√399999999999999999999)/200000000000000000000|x2=(-1 - i√399999999999999999999)/200000000000000000000" << "x1 = -5E-21+9.99999989979561E-11*i; exactly x1 = (-1 + i√399999999999999999999)/200000000000000000000" << true;
        QTest::newRow("D past 64 bits") << "0.1234567891 0.9876543211 0.5555555551" << "D=70111263799024538757/100000000000000000000|x1=(-9876543211 + √70111263799024538757)/2469135782|x2=(-9876543211 - √70111263799024538757)/2469135782" << "exactly D = 70111263799024538757/100000000000000000000" << true;
        QTest::newRow("coefficient too long") << "1.2345678901234567890123456789012345678901 1 -1" << "" << "is too long to write out exactly, so the decimals stand." << false;
        QTest::newRow("fault") << "1 2E+19 1" << "" << "The run stopped with an overflow (a number beyond the Single range, about 3.402823E+38) while computing D = b² - 4·a·c; nothing is shown." << false;

        QTest::newRow("system, general") << "1 1 3 / 1 -1 1" << "D=-2|D1=-4|D2=-2|x=2|y=1" << "x = D1/D = -4/(-2) = 2; exactly x = 2" << false;
        QTest::newRow("system, fractions") << "2 1 2 / 1 1 1.5" << "D=1|D1=1/2|D2=1|x=1/2|y=1" << "D1 = c1·b2 - c2·b1 = 2·1 - 1.5·1 = .5; exactly D1 = 1/2" << false;
        QTest::newRow("system, all zero") << "0 0 0 / 0 0 0" << "D=0|D1=0|D2=0" << "Every coefficient is 0: both equations read 0 = 0, which every point satisfies: Undefined System!" << false;
        QTest::newRow("system, no unknowns") << "0 0 5 / 0 0 0" << "D=0|D1=0|D2=0" << "a1 = b1 = a2 = b2 = 0, and c1 = 5, c2 = 0 are not both 0" << false;
        QTest::newRow("system, no x, equal ratios") << "0 2 4 / 0 3 6" << "D=0|D1=0|D2=0" << "c1/c2 = 4/6 = 0.6666667 is compared with b1/b2 = 2/3 = 0.6666667 as Singles: equal" << false;
        QTest::newRow("system, no y, unequal ratios") << "2 0 4 / 3 0 5" << "D=0|D1=0|D2=-2" << "c1/c2 = 4/5 = 0.8 is compared with a1/a2 = 2/3 = 0.6666667 as Singles: not equal, so the lines are parallel, no point lies on both: Unsolvable System!" << false;
        QTest::newRow("system, ratios one Single step apart") << "0 0.1 1 / 0 0.3 3" << "D=0|D1=0|D2=0" << "With the exact numbers the case is another: a1 = a2 = 0" << false;
        QTest::newRow("system, first impossible") << "0 0 1 / 1 1 1" << "D=0|D1=1|D2=-1" << "a1 = b1 = 0 and c1 = 1 is not 0: the first equation reads 1 = 0, which no point satisfies: Unsolvable System!" << false;
        QTest::newRow("system, first void") << "0 0 0 / 1 1 1" << "D=0|D1=0|D2=0" << "every point of the second line solves the system: Undefined System!" << false;
        QTest::newRow("system, lone y") << "0 0 0 / 0 4 2" << "D=0|D1=0|D2=0|y=1/2" << "y = c2/b2 = 2/4 = 0.5; exactly y = 1/2" << false;
        QTest::newRow("system, lone x") << "0 0 0 / 5 0 10" << "D=0|D1=0|D2=0|x=2" << "the second has no y, so it gives x alone" << false;
        QTest::newRow("system, second impossible") << "1 1 1 / 0 0 2" << "D=0|D1=-2|D2=2" << "the second equation reads 2 = 0" << false;
        QTest::newRow("system, second void") << "1 2 3 / 0 0 0" << "D=0|D1=0|D2=0" << "every point of the first line solves the system" << false;
        QTest::newRow("system, second void, lone y") << "0 3 6 / 0 0 0" << "D=0|D1=0|D2=0|y=2" << "y = c1/b1 = 6/3 = 2; exactly y = 2" << false;
        QTest::newRow("system, second void, lone x") << "4 0 2 / 0 0 0" << "D=0|D1=0|D2=0|x=1/2" << "x = c1/a1 = 2/4 = 0.5; exactly x = 1/2" << false;
        QTest::newRow("system, D = 0, both c zero") << "1 1 0 / 2 2 0" << "D=0|D1=0|D2=0" << "c1 = c2 = 0, so both pass through the origin: they are the same line: Undefined System!" << false;
        QTest::newRow("system, D = 0, one c zero") << "1 1 0 / 2 2 3" << "D=0|D1=-3|D2=3" << "of c1 = 0 and c2 = 3 one is 0" << false;
        QTest::newRow("system, D = 0, equal ratios") << "1 1 2 / 2 2 4" << "D=0|D1=0|D2=0" << "c1/c2 = 2/4 = 0.5 is compared with b1/b2 = 1/2 = 0.5 as Singles: equal" << false;
        QTest::newRow("system, D = 0, unequal ratios") << "1 1 2 / 2 2 5" << "D=0|D1=-1|D2=1" << "The window does not show D, D1 and D2 in this case: their boxes are emptied." << false;
        QTest::newRow("system, D = 0 only on paper") << "0.1 0.3 1 / 0.3 0.9 3" << "D=0|D1=0|D2=0" << "With the exact numbers the case is another: D = 0, so the lines have the same direction. c1/c2 = 1/3 = 1/3 is compared with b1/b2 = (3/10)/(9/10) = 1/3: equal" << false;
        QTest::newRow("system, fault") << "1E-20 0 1E+30 / 0 1E-20 0" << "" << "The run stopped with an overflow (a number beyond the Single range, about 3.402823E+38) while computing x = D1/D; nothing is shown." << false;
        // clang-format on
    }

    void outcomes() {
        QFETCH(QString, coefficients);
        QFETCH(QString, line);
        QFETCH(bool, differs);
        const Working working = makeWorking(run(coefficients));
        QTEST(exactForms(working), "exact");
        const QString text = QString::fromStdString(working.text());
        QVERIFY2(text.contains(line), qPrintable(text));
        checkExactAgainstShown(working, differs);
        const Figure figure = makeFigure(run(coefficients));
        checkFigure(figure);
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

    void locale() {
        ControlModel controls;
        FormVariables vars;
        const NumberLocale german{",", ".", "€"};
        RunOutcome outcome;
        SolverContext form{controls, vars, german, &outcome};
        for (int box = 1; box <= 3; ++box)
            controls.setText(box, std::vector<std::string>{"2", "-1,5", "0,25"}[box - 1]);
        lisi(form, readBoxes(controls, 3, german));
        const Working working = makeWorking(outcome);
        QCOMPARE(exactForms(working), QString("D=1/4|x1=1/2|x2=1/4"));
        // Lines are pasted into boxes, where "." reads the same in every locale.
        QVERIFY(QString::fromStdString(working.text())
                    .contains("x1 = (-b + √D)/(2·a) = (1.5 + √0.25)/(2·2) = 0.5"));
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
        QTest::addColumn<int>("curves");
        QTest::addColumn<int>("marks");
        QTest::addColumn<QString>("alternative");
        // clang-format off
        QTest::newRow("two roots") << "1 -3 2" << 1 << 3 << "Graph of y = x² - 3·x + 2: a parabola opening upwards, crossing the x-axis at 2 and 1, vertex at (1.5, -0.25).";
        QTest::newRow("roots far apart") << "1 10000 0.5" << 1 << 3 << "crossing the x-axis at -5E-05 and -10000";
        QTest::newRow("double root") << "-1 2 -1" << 1 << 1 << "a parabola opening downwards, touching the x-axis at its vertex (1, 0)";
        QTest::newRow("complex") << "1 2 5" << 1 << 1 << "clear of the x-axis, so no real roots, vertex at (-1, 4)";
        QTest::newRow("line") << "0 2 -4" << 1 << 1 << "Graph of y = 2·x - 4: a straight line crossing the x-axis at 2.";
        QTest::newRow("horizontal") << "0 0 5" << 1 << 0 << "Graph of y = 5: a horizontal line that never meets the x-axis";
        QTest::newRow("crossing") << "1 1 3 / 1 -1 1" << 2 << 1 << "Graph of the lines x + y = 3 and x - y = 1, crossing at (2, 1).";
        QTest::newRow("vertical") << "2 0 4 / 1 1 5" << 2 << 1 << "crossing at (2, 3)";
        QTest::newRow("crossing on paper only") << "0.1 0.3 1 / 0.3 0.9 3" << 2 << 1 << "crossing at (7.272727, 0.9090909)";
        QTest::newRow("parallel") << "1 1 2 / 2 2 5" << 2 << 0 << "parallel, never meeting";
        QTest::newRow("same line") << "1 1 2 / 2 2 4" << 1 << 0 << "Graph of the line x + y = 2, which both equations describe.";
        QTest::newRow("one equation without unknowns") << "0 0 0 / 0 4 2" << 1 << 0 << "Graph of the line 4·y = 2 alone; y = 0.5.";
        QTest::newRow("no line") << "0 0 5 / 0 0 0" << 0 << 0 << "No graph: neither equation has an unknown, so neither is a line.";
        // clang-format on
    }

    void figures() {
        QFETCH(QString, coefficients);
        const Figure figure = makeFigure(run(coefficients));
        QTEST(int(figure.curves.size()), "curves");
        QTEST(int(figure.marks.size()), "marks");
        QFETCH(QString, alternative);
        QVERIFY2(QString::fromStdString(figure.alternative).contains(alternative),
                 figure.alternative.c_str());
        checkFigure(figure);
    }
};

QTEST_APPLESS_MAIN(TestWorking)
#include "test_working.moc"
