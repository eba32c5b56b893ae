#include <set>

#include <QElapsedTimer>
#include <QTest>

#include "core/practice/exercise_draws.h"
#include "core/practice/sheet_code.h"
#include "core/solving/form_commands.h"
#include "core/working/working_parts.h"

Q_DECLARE_METATYPE(PracticeKind)
Q_DECLARE_METATYPE(PracticeLevel)

// The sheets' exercises, judged by what the main window and the exact arithmetic make of their
// texts, and the sheets' codes as pupils type them.
class TestPracticeSheets : public QObject {
    Q_OBJECT

private:
    // The kind the texts come to: the exact case from a run of the window, which must decide the
    // same case; real roots told apart by whether D is a square and the roots whole. None where
    // the window decides otherwise or the texts are not read as written.
    static std::optional<PracticeKind> kindSolved(const Exercise& exercise) {
        const RunOutcome run = solveTexts(exercise.texts, NumberLocale{});
        const std::optional<ExactCoefficients> exact = exactCoefficients(run);
        if (!exact || exercise.coefficients.size() != exercise.texts.size())
            return std::nullopt;
        for (std::size_t index = 0; index < exercise.texts.size(); ++index)
            if (exact->k[index] != exercise.coefficients[index])
                return std::nullopt;
        if (exercise.texts.size() == 6) {
            using enum SystemFacts::Kind;
            const SystemFacts facts = systemFacts(*exact);
            if (facts.kind == One && run.systemResult == SystemResult::Solution)
                return PracticeKind::OneSolution;
            if (facts.kind == None && run.systemResult == SystemResult::Unsolvable)
                return PracticeKind::NoSolution;
            if (facts.kind == Line && run.systemResult == SystemResult::Undefined)
                return PracticeKind::InfinitelyMany;
            return std::nullopt;
        }
        const EquationFacts facts = equationFacts(*exact);
        if (facts.kind != run.equationCase)
            return std::nullopt;
        switch (facts.kind) {
        case EquationCase::FirstDegree:
            return PracticeKind::FirstDegree;
        case EquationCase::DoubleRoot:
            return PracticeKind::DoubleRoot;
        case EquationCase::ComplexRoots:
            return PracticeKind::ComplexRoots;
        case EquationCase::TwoRealRoots:
            break;
        default:
            return std::nullopt;
        }
        // D = p/q is a square where p*q is a whole number's square, and its root is sqrt(p*q)/q.
        const BigInt product = facts.D.num * facts.D.den;
        const BigInt root = boost::multiprecision::sqrt(product);
        if (root * root != product)
            return PracticeKind::SurdRoots;
        const Rational rootOfD = Rational::of(root, facts.D.den);
        const Rational x1 = (-facts.b + rootOfD) / (facts.a * 2);
        const Rational x2 = (-facts.b - rootOfD) / (facts.a * 2);
        return x1.den == 1 && x2.den == 1 ? PracticeKind::IntegerRoots
                                          : PracticeKind::FractionRoots;
    }

    static bool within(const Rational& k, int largest) {
        return !(Rational(largest) < k) && !(k < Rational(-largest));
    }

    // Whole numbers to 100; whole numbers to 1000, one above 10; at least one decimal.
    static bool ofLevel(const Exercise& exercise, PracticeLevel level) {
        bool whole = true, small = true, large = false;
        for (const Rational& k : exercise.coefficients) {
            whole = whole && k.den == 1;
            small = small && within(k, 100);
            large = large || !within(k, 10);
            if (!within(k, 1000))
                return false;
        }
        if (level == PracticeLevel::SmallIntegers)
            return whole && small;
        if (level == PracticeLevel::LargerNumbers)
            return whole && large;
        return !whole;
    }

    static QString joined(const std::vector<std::string>& texts) {
        QStringList list;
        for (const std::string& text : texts)
            list << QString::fromStdString(text);
        return list.join(' ');
    }

    static void addKindsAndLevels() {
        QTest::addColumn<PracticeKind>("kind");
        QTest::addColumn<PracticeLevel>("level");
        for (PracticeKind kind : practiceKinds)
            for (PracticeLevel level : practiceLevels)
                QTest::addRow("%s, %s", kindCaption(kind), levelCaption(level)) << kind << level;
    }

private slots:
    void everySeedGivesItsKind_data() { addKindsAndLevels(); }
    void everySeedGivesItsKind() {
        QFETCH(PracticeKind, kind);
        QFETCH(PracticeLevel, level);
        QElapsedTimer timer;
        timer.start();
        constexpr int seeds = 1000;
        for (std::uint32_t seed = 0; seed < seeds; ++seed) {
            const std::vector<Exercise> sheet = makeSheet({1, kind, level, 1, seed * 7919u});
            QCOMPARE(sheet.size(), std::size_t(1));
            const Exercise& exercise = sheet.front();
            const QByteArray where =
                "seed " + QByteArray::number(seed * 7919u) + ": " + joined(exercise.texts).toUtf8();
            QVERIFY2(kindSolved(exercise) == kind, where);
            QVERIFY2(ofLevel(exercise, level), where);
            QVERIFY2(exercise.kind == kind && exercise.level == level, where);
            QCOMPARE(exercise.decimalPlaces, kind == PracticeKind::SurdRoots ? 2 : 0);
        }
        qInfo("%d exercises made and checked per second",
              int(seeds * 1000 / (timer.elapsed() + 1)));
    }

    void stockExercisesAreOfTheirKind_data() { addKindsAndLevels(); }
    void stockExercisesAreOfTheirKind() {
        QFETCH(PracticeKind, kind);
        QFETCH(PracticeLevel, level);
        std::set<std::vector<std::string>> seen;
        for (int index = 0; index <= SheetCode::largestCount; ++index) {
            const Exercise exercise = stockExercise(kind, level, index);
            QVERIFY2(kindSolved(exercise) == kind, qPrintable(joined(exercise.texts)));
            QVERIFY2(seen.insert(exercise.texts).second, qPrintable(joined(exercise.texts)));
        }
    }

    void noRepeatsInASheet_data() { addKindsAndLevels(); }
    void noRepeatsInASheet() {
        QFETCH(PracticeKind, kind);
        QFETCH(PracticeLevel, level);
        for (std::uint32_t seed : {1u, 2u, 3u, 4000000000u}) {
            const std::vector<Exercise> sheet =
                makeSheet({1, kind, level, SheetCode::largestCount, seed});
            QCOMPARE(sheet.size(), std::size_t(SheetCode::largestCount));
            std::set<std::vector<std::string>> seen;
            for (const Exercise& exercise : sheet)
                QVERIFY2(seen.insert(exercise.texts).second, qPrintable(joined(exercise.texts)));
        }
    }

    void codesReadBack_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("count");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<QString>("text");
        QTest::newRow("first kind and level, seed 0") << 0 << 0 << 10 << 0u << "";
        QTest::newRow("last kind and level, largest seed") << 8 << 2 << 30 << 4294967295u << "";
        QTest::newRow("one exercise") << 3 << 1 << 1 << 123456789u << "";
        QTest::newRow("complex roots, decimals") << 5 << 2 << 12 << 2026u << "";
    }
    void codesReadBack() {
        QFETCH(int, kind);
        QFETCH(int, level);
        QFETCH(int, count);
        QFETCH(uint, seed);
        const SheetCode code{1, PracticeKind(kind), PracticeLevel(level), count, seed};
        const QString text = QString::fromStdString(codeText(code));
        QCOMPARE(text.size(), 11);
        QVERIFY(readCode(text.toStdString()) == code);
        // As a pupil may type it: small letters, no dash, blanks, I and L for 1, O for 0.
        QString typed = text.toLower().remove('-');
        QVERIFY(readCode(typed.toStdString()) == code);
        typed.insert(3, ' ').insert(7, "- ");
        QVERIFY(readCode(typed.toStdString()) == code);
        QVERIFY(readCode(QString(text).replace('1', 'l').replace('0', 'O').toStdString()) == code);
        QVERIFY(readCode(QString(text).replace('1', 'I').replace('0', 'o').toStdString()) == code);
    }

    void mistypedCodesAreRefused_data() {
        QTest::addColumn<QString>("text");
        for (const char* code : {"43R0K-AAARJ", "6KSJ9-ET0CD"}) {
            const QString text = code;
            for (int at = 0; at < text.size(); ++at) {
                if (text[at] == '-')
                    continue;
                for (QChar other : QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ"))
                    if (other != text[at])
                        QTest::addRow("%s, %c at %d", code, other.toLatin1(), at)
                            << QString(text).replace(at, 1, other);
                const int next = at + 1 < text.size() && text[at + 1] == '-' ? at + 2 : at + 1;
                if (next < text.size() && text[next] != text[at]) {
                    QString swapped = text;
                    std::swap(swapped[at], swapped[next]);
                    QTest::addRow("%s, swapped at %d", code, at) << swapped;
                }
            }
        }
        QTest::newRow("empty") << "";
        QTest::newRow("a character short") << "43R0K-AAAR";
        QTest::newRow("a character more") << "43R0K-AAARJQ";
        QTest::newRow("a U") << "43R0K-AAARU";
        QTest::newRow("a sign other than a dash") << "43R0K+AAARJ";
        QTest::newRow("the first version's old form") << "0-0-10-0";
    }
    void mistypedCodesAreRefused() {
        QFETCH(QString, text);
        QVERIFY(!readCode(text.toStdString()));
    }

    // Codes of other versions, counts or kinds are refused, even with a right check character.
    void codesOutOfRangeAreRefused_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        QTest::newRow("version 2") << 2 << 0 << 10;
        QTest::newRow("version 0") << 0 << 0 << 10;
        QTest::newRow("no exercises") << 1 << 0 << 0;
        QTest::newRow("31 exercises") << 1 << 0 << 31;
        QTest::newRow("a kind past the last") << 1 << 9 << 10;
    }
    void codesOutOfRangeAreRefused() {
        QFETCH(int, version);
        QFETCH(int, kind);
        QFETCH(int, count);
        const SheetCode code{version, PracticeKind(kind), PracticeLevel::SmallIntegers, count, 77};
        QVERIFY(!readCode(codeText(code)));
    }

    // A change to the generator changes these sheets, and the codes already handed out with them.
    void pinnedSheets_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("first");
        QTest::newRow("first degree, small") << 0 << 0 << 20261208u << "43R0K-AAARJ"
                                             << "0 -1 8";
        QTest::newRow("whole roots, larger") << 1 << 1 << 337852796u << "4KRA2-6EBWH"
                                             << "1 -10 -551";
        QTest::newRow("fractions as roots, decimals") << 2 << 2 << 4195341472u << "53VX0-ZN50E"
                                                      << "5 -7.5 0";
        QTest::newRow("square roots, small") << 3 << 0 << 3469845153u << "57V7D-38N1M"
                                             << "-1 0 2";
        QTest::newRow("double root, larger") << 4 << 1 << 3201451397u << "5QTZD-4HC5X"
                                             << "-2 -80 -800";
        QTest::newRow("complex roots, decimals") << 5 << 2 << 3624174441u << "67VC0-90V9J"
                                                 << "-0.2 -1.1 -4.8";
        QTest::newRow("one solution, small") << 6 << 0 << 2261417114u << "6BT3C-MZ4TW"
                                             << "4 3 -34 -1 1 5";
        QTest::newRow("no solution, larger") << 7 << 1 << 3511121470u << "6VV8M-EXHYF"
                                             << "26 10 71 390 150 -130";
        QTest::newRow("infinitely many, decimals") << 8 << 2 << 2926320354u << "7BTQ6-R6Q20"
                                                   << "-0.25 -0.5 0.25 -3 -6 3";
    }
    void pinnedSheets() {
        QFETCH(int, kind);
        QFETCH(int, level);
        QFETCH(uint, seed);
        QFETCH(QString, code);
        QFETCH(QString, first);
        const SheetCode sheet{1, PracticeKind(kind), PracticeLevel(level), 30, seed};
        QCOMPARE(QString::fromStdString(codeText(sheet)), code);
        QVERIFY(readCode(code.toStdString()) == sheet);
        QCOMPARE(joined(makeSheet(sheet).front().texts), first);
    }
};

QTEST_GUILESS_MAIN(TestPracticeSheets)
#include "test_practice_sheets.moc"
