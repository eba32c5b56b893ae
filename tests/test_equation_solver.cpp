#include <QTest>

#include "core/design/control_model.h"
#include "core/solving/equation_solver.h"
#include "test_data.h"

// lisi on the plain model: coefficients as typed, texts as they must appear.
class TestEquationSolver : public QObject {
    Q_OBJECT

private:
    // The equations of tests/run_cases.json, which the window's and the page's tests run too,
    // that reach the solver: those with no warning, or with the warning of a fault it raises.
    // The others stop at the check of the boxes before it.
    static QJsonArray sharedCases() { return testData(VELMORA_RUN_CASES)["equations"].toArray(); }
    static bool isFault(const QString& warning) {
        return warning == "Overflow" || warning == "Division by zero";
    }

    struct Run {
        ControlModel controls;
        FormVariables vars;
        NumberLocale locale;
    };

    static void solve(Run& run, const QString& a, const QString& b, const QString& c) {
        run.controls.setText(1, a.toStdString());
        run.controls.setText(2, b.toStdString());
        run.controls.setText(3, c.toStdString());
        SolverContext form{run.controls, run.vars, run.locale};
        lisi(form, readBoxes(run.controls, 3, run.locale));
    }

    static QString text(const Run& run, int index) {
        return QString::fromStdString(run.controls.text(index));
    }
    static QString caption(const Run& run, int index) {
        return QString::fromStdString(run.controls.caption(index));
    }

private slots:
    void outcomes_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("discriminant");
        QTest::addColumn<QString>("caption1");
        QTest::addColumn<QString>("root1");
        QTest::addColumn<QString>("caption2");
        QTest::addColumn<QString>("root2");

        for (const QJsonValue& row : sharedCases()) {
            if (!row["warning"].toString().isEmpty())
                continue;
            const QJsonArray boxes = row["boxes"].toArray();
            const auto shown = [&](const char* name) { return row["shown"][name].toString(); };
            QTest::newRow(qPrintable(row["case"].toString()))
                << boxes[0].toString() << boxes[1].toString() << boxes[2].toString()
                << shown("Label(1)") << shown("Text(7)") << shown("Label(7)") << shown("Text(10)")
                << shown("Label(8)") << shown("Text(11)");
        }

        // Cases of the solver alone.
        const QString two = "Two real roots.";
        const QString twice = "Double root.";
        const QString complex = "No real roots. Comlpex roots:";
        // clang-format off
        QTest::newRow("two roots, b = 0 and a negative") << "-1" << "0" << "4" << two << " 16" << "x1=" << "-2" << "x2=" << "2";
        QTest::newRow("small root beside a large one, b < 0") << "1" << "-10000" << "0.5" << two << " 1E+08" << "x1=" << "10000" << "x2=" << "5E-05";
        QTest::newRow("double root 0, no minus sign") << "-1" << "0" << "0" << twice << " 0" << "x1=" << "0" << "" << "";
        QTest::newRow("complex, zero real part") << "-1" << "0" << "-4" << complex << "-16" << "x1=" << "0+2*i " << "x2=" << "0-2*i ";
        QTest::newRow("first degree, zero root of negative b") << "0" << "-5" << "0" << "" << "" << "x1=" << "0" << "" << "";
        QTest::newRow("Val reads the leading number") << "1x" << "-3 " << "2,9" << two << " 1" << "x1=" << "2" << "x2=" << "1";
        // clang-format on
    }

    void outcomes() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        Run run;
        // Leftovers of an earlier run must all be overwritten.
        for (int index : {7, 10, 11})
            run.controls.setText(index, "stale");
        for (int index : {1, 7, 8})
            run.controls.setCaption(index, "stale");

        solve(run, a, b, c);

        QTEST(caption(run, 1), "status");
        QTEST(text(run, 7), "discriminant");
        QTEST(caption(run, 7), "caption1");
        QTEST(text(run, 10), "root1");
        QTEST(caption(run, 8), "caption2");
        QTEST(text(run, 11), "root2");
    }

    void variablesHoldTheSingles() {
        Run run;
        solve(run, "0.1", "0", "3");
        QCOMPARE(run.vars.a, 0.1f);
        QCOMPARE(run.vars.b, 0.0f);
        QCOMPARE(run.vars.c, 3.0f);
        // D is computed also for the first degree.
        solve(run, "0", "3", "1");
        QCOMPARE(run.vars.D, 9.0f);
        QCOMPARE(run.vars.a, 0.0f);
    }

    void touchesOnlyItsOutputs() {
        Run run;
        for (int index : {4, 5, 6, 8, 9})
            run.controls.setText(index, "kept");
        solve(run, "1", "-3", "2");
        for (int index : {4, 5, 6, 8, 9})
            QCOMPARE(run.controls.text(index), std::string("kept"));
        QCOMPARE(run.controls.caption(5), std::string("D="));
    }

    void locale() {
        Run run;
        run.locale = NumberLocale{",", ".", "€"};
        solve(run, "2", "1", "-1");
        QCOMPARE(text(run, 10), QString("0,5"));
        QCOMPARE(text(run, 7), QString(" 9")); // the discriminant ignores the locale
        solve(run, "1", "1", "1");
        QCOMPARE(text(run, 10), QString("-0,5+0,866025403784439*i "));
    }

    void faults_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("warning");
        for (const QJsonValue& row : sharedCases()) {
            if (!isFault(row["warning"].toString()))
                continue;
            const QJsonArray boxes = row["boxes"].toArray();
            QTest::newRow(qPrintable(row["case"].toString()))
                << boxes[0].toString() << boxes[1].toString() << boxes[2].toString()
                << row["warning"].toString();
        }

        // Cases of the solver alone.
        const QString overflow = "Overflow";
        // clang-format off
        QTest::newRow("a and c of 1E+20") << "1E+20" << "0" << "1E+20" << overflow;
        QTest::newRow("coefficient beyond a Single") << "1E+39" << "1" << "1" << overflow;
        QTest::newRow("coefficient beyond a double") << "1" << "1E+400" << "1" << overflow;
        QTest::newRow("real part beyond a Single") << "1E-44" << "1E-5" << "1E+35" << overflow;
        // clang-format on
    }

    void faults() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        Run run;
        try {
            solve(run, a, b, c);
            QFAIL("no fault raised");
        } catch (const ArithmeticFault& fault) {
            // What the warning box then says.
            QTEST(QString::fromUtf8(fault.what()), "warning");
        }
    }
};

QTEST_APPLESS_MAIN(TestEquationSolver)
#include "test_equation_solver.moc"
