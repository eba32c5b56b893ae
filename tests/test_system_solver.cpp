#include <QTest>

#include "core/control_model.h"
#include "core/system_solver.h"

// lisi1 on the plain model. Coefficients are written "a1 b1 c1 / a2 b2 c2".
class TestSystemSolver : public QObject {
    Q_OBJECT

private:
    struct Run {
        ControlModel controls;
        FormVariables vars;
        NumberLocale locale;
    };

    static void solve(Run& run, const QString& coefficients) {
        const QStringList parts = QString(coefficients).remove('/').split(' ', Qt::SkipEmptyParts);
        QCOMPARE(parts.size(), 6);
        for (int index = 1; index <= 6; ++index)
            run.controls.setText(index, parts[index - 1].toStdString());
        SolverContext form{run.controls, run.vars, run.locale};
        lisi1(form);
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
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<QString>("expected");

        // clang-format off
        QTest::newRow("general: x + y = 3, x - y = 1") << "1 1 3 / 1 -1 1" << "|-2|-4|-2|x=2|y=1";
        QTest::newRow("general: determinants below one") << "2 1 2 / 1 1 1.5" << "| 1| .5| 1|x=0.5|y=1";
        QTest::newRow("general although c2 = 0") << "3 2 7 / 1 -4 0" << "|-14|-28|-7|x=2|y=0.5";
        QTest::newRow("general: rows proportional only on paper") << "0.1 0.3 1 / 0.3 0.9 3" << "|-8.195639E-09|-5.960464E-08|-7.450581E-09|x=7.272727|y=0.9090909";
        QTest::newRow("general: zero solutions, no minus sign") << "-1 0 0 / 0 2 0" << "|-2| 0| 0|x=0|y=0";
        // clang-format on

        const QString undefined = "Undefined System!|||||";
        const QString unsolvable = "Unsolvable System!|||||";
        // clang-format off
        QTest::newRow("all coefficients zero") << "0 0 0 / 0 0 0" << undefined;
        QTest::newRow("no unknowns, c1 not zero") << "0 0 5 / 0 0 0" << unsolvable;
        QTest::newRow("no unknowns, c2 not zero") << "0 0 0 / 0 0 -1" << unsolvable;
        QTest::newRow("no x, equal ratios c1/c2 and b1/b2") << "0 2 4 / 0 3 6" << undefined;
        QTest::newRow("no x, unequal ratios") << "0 2 4 / 0 3 5" << unsolvable;
        QTest::newRow("no x, ratios one Single step apart") << "0 0.1 1 / 0 0.3 3" << unsolvable;
        QTest::newRow("no x, ratios agree as Singles") << "0 0.2 0.6 / 0 0.7 2.1" << undefined;
        QTest::newRow("no y, equal ratios c1/c2 and a1/a2") << "2 0 4 / 3 0 6" << undefined;
        QTest::newRow("no y, unequal ratios") << "2 0 4 / 3 0 5" << unsolvable;
        QTest::newRow("first equation without unknowns") << "0 0 1 / 1 1 1" << unsolvable;
        QTest::newRow("first equation all zero") << "0 0 0 / 1 1 1" << undefined;
        QTest::newRow("second equation without unknowns") << "1 1 1 / 0 0 2" << unsolvable;
        QTest::newRow("second equation all zero") << "1 2 3 / 0 0 0" << undefined;
        QTest::newRow("first all zero, second a y alone with c2 zero") << "0 0 0 / 0 4 0" << undefined;
        QTest::newRow("second all zero, first a y alone with c1 zero") << "0 3 0 / 0 0 0" << undefined;
        QTest::newRow("second all zero, first an x alone with c1 zero") << "3 0 0 / 0 0 0" << undefined;
        QTest::newRow("D = 0, both c zero") << "1 1 0 / 2 2 0" << undefined;
        QTest::newRow("D = 0, c1 zero") << "1 1 0 / 2 2 3" << unsolvable;
        QTest::newRow("D = 0, c2 zero") << "1 1 3 / 2 2 0" << unsolvable;
        QTest::newRow("D = 0, equal ratios") << "1 1 2 / 2 2 4" << undefined;
        QTest::newRow("D = 0, unequal ratios") << "1 1 2 / 2 2 5" << unsolvable;
        // clang-format on
    }

    void outcomes() {
        QFETCH(QString, coefficients);
        Run run;
        fillStale(run);
        solve(run, coefficients);
        QTEST(resultArea(run), "expected");
    }

    // A lone unknown leaves the determinant boxes as the previous command left them.
    void loneOutcomes_data() {
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("first all zero, lone y = c2/b2") << "0 0 0 / 0 4 2" << "|old|old|old||y=0.5";
        QTest::newRow("first all zero, lone x = c2/a2") << "0 0 0 / 5 0 10" << "|old|old|old|x=2|";
        QTest::newRow("second all zero, lone y = c1/b1") << "0 3 6 / 0 0 0" << "|old|old|old||y=2";
        QTest::newRow("second all zero, lone x = c1/a1") << "4 0 2 / 0 0 0" << "|old|old|old|x=0.5|";
        // clang-format on
    }

    void loneOutcomes() {
        QFETCH(QString, coefficients);
        Run run;
        fillStale(run);
        solve(run, coefficients);
        QTEST(resultArea(run), "expected");
    }

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
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<int>("kind");
        const int overflow = int(ArithmeticFault::Kind::Overflow);
        // clang-format off
        QTest::newRow("D beyond a Single") << "1E+20 0 0 / 0 1E+20 0" << overflow;
        QTest::newRow("D2 beyond a Single") << "1E+20 1 0 / 0 1 1E+20" << overflow;
        QTest::newRow("coefficient beyond a Single") << "1 1 1 / 1 1 1E+39" << overflow;
        QTest::newRow("ratio beyond a Single") << "0 1 1E+30 / 0 1 1E-30" << overflow;
        QTest::newRow("lone y beyond a Single") << "0 0 0 / 0 1E-30 1E+30" << overflow;
        QTest::newRow("general solution beyond a Single") << "1E-20 0 1E+30 / 0 1E-20 0" << overflow;
        QTest::newRow("D loses a tiny product, b2 = 0")
            << "1 1E-23 1 / 1E-23 0 1" << int(ArithmeticFault::Kind::DivisionByZero);
        // clang-format on
    }

    void faults() {
        QFETCH(QString, coefficients);
        QFETCH(int, kind);
        Run run;
        try {
            solve(run, coefficients);
            QFAIL("no fault raised");
        } catch (const ArithmeticFault& fault) {
            QCOMPARE(int(fault.kind()), kind);
        }
    }
};

QTEST_APPLESS_MAIN(TestSystemSolver)
#include "test_system_solver.moc"
