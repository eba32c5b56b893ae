#include <QTest>

#include "core/design/control_model.h"
#include "core/solving/system_solver.h"
#include "test_data.h"

// lisi1 on the plain model. The solver's own cases write coefficients "a1 b1 c1 / a2 b2 c2".
class TestSystemSolver : public QObject {
    Q_OBJECT

private:
    // The systems of tests/run_cases.json, which the window's and the page's tests run too, after
    // "CHECK!" has emptied the result area; each case is named there by its "case".
    static QJsonArray sharedCases() { return testData(VELMORA_RUN_CASES)["systems"].toArray(); }
    static QStringList boxes(const QJsonValue& row) {
        QStringList texts;
        for (const QJsonValue& box : row["boxes"].toArray())
            texts << box.toString();
        return texts;
    }
    // The shared cases whose lone unknown leaves the determinant boxes as they were.
    static QStringList loneCases() {
        return {"0, 0, 0 / 0, 4, 2", "0, 0, 0 / 5, 0, 10", "0, 3, 6 / 0, 0, 0",
                "4, 0, 2 / 0, 0, 0"};
    }
    // The result area the window shows for a shared case, in resultArea()'s form; a lone case's
    // determinant boxes hold what the run before left, "old".
    static QString shownArea(const QJsonValue& row) {
        QStringList area = shownResultArea(row);
        if (loneCases().contains(row["case"].toString()))
            area[1] = area[2] = area[3] = QStringLiteral("old");
        return area.join('|');
    }
    static bool isFault(const QString& warning) {
        return warning == "Overflow" || warning == "Division by zero";
    }
    // The shared cases that the solver ends, with no warning, and in or out of loneCases().
    static void addSharedOutcomes(bool lone) {
        int found = 0;
        for (const QJsonValue& row : sharedCases()) {
            if (!row["warning"].toString().isEmpty() ||
                loneCases().contains(row["case"].toString()) != lone)
                continue;
            ++found;
            QTest::newRow(qPrintable(row["case"].toString())) << boxes(row) << shownArea(row);
        }
        if (lone && found != loneCases().size())
            qFatal("a lone case is missing from %s", VELMORA_RUN_CASES);
    }
    static QStringList coefficients(const char* written) {
        return QString::fromLatin1(written).remove('/').split(' ', Qt::SkipEmptyParts);
    }

    struct Run {
        ControlModel controls;
        FormVariables vars;
        NumberLocale locale;
    };

    static void solve(Run& run, const char* written) { solve(run, coefficients(written)); }
    static void solve(Run& run, const QStringList& parts) {
        QCOMPARE(parts.size(), 6);
        for (int index = 1; index <= 6; ++index)
            run.controls.setText(index, parts[index - 1].toStdString());
        SolverContext form{run.controls, run.vars, run.locale};
        lisi1(form, readBoxes(run.controls, 6, run.locale));
    }

    // The result area as one line: status | D D1 D2 | caption x | caption y.
    static QString resultArea(const Run& run) {
        auto t = [&](int index) { return QString::fromStdString(run.controls.text(index)); };
        auto l = [&](int index) { return QString::fromStdString(run.controls.caption(index)); };
        return QStringList{l(1), t(7), t(8), t(9), l(7) + t(10), l(8) + t(11)}.join('|');
    }

    static void fillStale(Run& run) {
        for (int index = 7; index <= 11; ++index)
            run.controls.setText(index, "old");
        for (int index : {1, 7, 8})
            run.controls.setCaption(index, "old");
    }

private slots:
    void outcomes_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("expected");
        addSharedOutcomes(false);

        // Cases of the solver alone.
        const QString undefined = "Undefined System!|||||";
        const QString unsolvable = "Unsolvable System!|||||";
        // clang-format off
        QTest::newRow("general: zero solutions, no minus sign") << coefficients("-1 0 0 / 0 2 0") << "|-2| 0| 0|x=0|y=0";
        QTest::newRow("no unknowns, c2 not zero") << coefficients("0 0 0 / 0 0 -1") << unsolvable;
        QTest::newRow("second equation without unknowns") << coefficients("1 1 1 / 0 0 2") << unsolvable;
        QTest::newRow("second equation all zero") << coefficients("1 2 3 / 0 0 0") << undefined;
        QTest::newRow("D = 0, c2 zero") << coefficients("1 1 3 / 2 2 0") << unsolvable;
        // clang-format on
    }

    void outcomes() {
        QFETCH(QStringList, boxes);
        Run run;
        fillStale(run);
        solve(run, boxes);
        QTEST(resultArea(run), "expected");
    }

    // A lone unknown leaves the determinant boxes as the previous command left them.
    void loneOutcomes_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("expected");
        addSharedOutcomes(true);
    }

    void loneOutcomes() { outcomes(); }

    void sequenceOfRuns() {
        Run run;
        solve(run, "1 1 3 / 1 -1 1");
        solve(run, "0 0 0 / 0 4 2");
        QCOMPARE(resultArea(run), QString("|-2|-4|-2||y=0.5"));
        // x and y keep the general solution through a lone outcome.
        QCOMPARE(run.vars.x, std::optional<float>(2.0f));
        QCOMPARE(run.vars.y, 1.0f);
        solve(run, "0 0 5 / 0 0 0");
        QCOMPARE(resultArea(run), QString("Unsolvable System!|||||"));
        QCOMPARE(run.vars.i, std::int16_t(12));
    }

    void variables() {
        Run run;
        QVERIFY(!run.vars.x.has_value());
        solve(run, "0 0 0 / 0 0 0");
        QVERIFY(!run.vars.x.has_value());
        // Every determinant is computed before the cases are told apart, whatever the outcome.
        solve(run, "2 0 4 / 3 0 6");
        QCOMPARE(run.vars.D, 0.0f);
        QCOMPARE(run.vars.D1, 0.0f);
        QCOMPARE(run.vars.D2, 0.0f);
        solve(run, "0 0 5 / 1 2 3");
        QCOMPARE(run.vars.D, 0.0f);
        QCOMPARE(run.vars.D1, 10.0f);
        QCOMPARE(run.vars.D2, -5.0f);
        QCOMPARE(run.vars.c1, 5.0f);
    }

    void locale() {
        Run run;
        run.locale = NumberLocale{",", ".", "€"};
        solve(run, "2 1 2 / 1 1 1.5");
        QCOMPARE(resultArea(run), QString("| 1| .5| 1|x=0,5|y=1"));
    }

    void faults_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("warning");
        for (const QJsonValue& row : sharedCases())
            if (isFault(row["warning"].toString()))
                QTest::newRow(qPrintable(row["case"].toString()))
                    << boxes(row) << row["warning"].toString();

        // Cases of the solver alone.
        const QString overflow = "Overflow";
        // clang-format off
        QTest::newRow("D2 beyond a Single") << coefficients("1E+20 1 0 / 0 1 1E+20") << overflow;
        QTest::newRow("coefficient beyond a Single") << coefficients("1 1 1 / 1 1 1E+39") << overflow;
        QTest::newRow("ratio beyond a Single") << coefficients("0 1 1E+30 / 0 1 1E-30") << overflow;
        QTest::newRow("lone y beyond a Single") << coefficients("0 0 0 / 0 1E-30 1E+30") << overflow;
        QTest::newRow("general solution beyond a Single") << coefficients("1E-20 0 1E+30 / 0 1E-20 0") << overflow;
        // clang-format on
    }

    void faults() {
        QFETCH(QStringList, boxes);
        Run run;
        try {
            solve(run, boxes);
            QFAIL("no fault raised");
        } catch (const ArithmeticFault& fault) {
            // What the warning box then says.
            QTEST(QString::fromUtf8(fault.what()), "warning");
        }
    }
};

QTEST_APPLESS_MAIN(TestSystemSolver)
#include "test_system_solver.moc"
