#include <QTest>

#include "window_driver.h"

// "run" end to end through the real window: typed coefficients, the click, the boxes and
// captions the user then reads, and the warning box when there is one.
class TestRunWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    // Clears every box, then types the coefficients ("_" stands for an empty box).
    void type(const QString& coefficients) {
        const QStringList parts = coefficients.split('|');
        for (int index = 1; index <= 6; ++index)
            textBox(*form, index)->clear();
        for (int index = 1; index <= parts.size(); ++index)
            if (parts[index - 1] != "_")
                QTest::keyClicks(textBox(*form, index), parts[index - 1]);
    }

    // Clicks "run"; returns the text of the warning box it showed, or an empty text.
    QString clickRun() {
        BoxAnswer answer(QMessageBox::Ok);
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        if (!answer.seen)
            return {};
        if (answer.title != "Warning" || answer.icon != QMessageBox::Warning ||
            answer.buttons != QMessageBox::Ok)
            return "unexpected box: " + answer.title;
        return answer.text;
    }

    // status | D | D1 | D2 | caption and x1 (or x) | caption and x2 (or y)
    QString resultArea() const {
        auto t = [&](int index) { return textBox(*form, index)->text(); };
        auto l = [&](int index) { return label(*form, index)->text(); };
        return QStringList{l(1), t(7), t(8), t(9), l(7) + t(10), l(8) + t(11)}.join('|');
    }

    void addColumns() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("expected");
    }

private slots:
    void init() { form = startedForm(); }
    void cleanup() { form.reset(); }

    void equations_data() {
        addColumns();
        const QString two = "Two real roots.| ";
        // clang-format off
        QTest::newRow("1, -3, 2")        << "Option1" << "1|-3|2"       << "" << two + "1|||x1=2|x2=1";
        QTest::newRow("2, 1, -1")        << "Option1" << "2|1|-1"       << "" << two + "9|||x1=0.5|x2=-1";
        QTest::newRow("1, 0, -2")        << "Option1" << "1|0|-2"       << "" << two + "8|||x1=1.4142135623731|x2=-1.4142135623731";
        QTest::newRow("1, -2, -1")       << "Option1" << "1|-2|-1"      << "" << two + "8|||x1=2.41421356237309|x2=-0.414213562373095";
        QTest::newRow("1, 10000, 0.5")   << "Option1" << "1|10000|0.5"  << "" << two + "1E+08|||x1=-5E-05|x2=-10000";
        QTest::newRow("0.1, 0.1, -0.2")  << "Option1" << "0.1|0.1|-0.2" << "" << two + ".09|||x1=0.99999999627471|x2=-2.00000000745058";
        QTest::newRow("1, 2, 1")         << "Option1" << "1|2|1"        << "" << "Double root.| 0|||x1=-1|";
        QTest::newRow("4, 4, 1")         << "Option1" << "4|4|1"        << "" << "Double root.| 0|||x1=-0.5|";
        QTest::newRow("1, 0, 0")         << "Option1" << "1|0|0"        << "" << "Double root.| 0|||x1=0|";
        QTest::newRow("1, 2, 5")         << "Option1" << "1|2|5"        << "" << "No real roots. Comlpex roots:|-16|||x1=-1+2*i |x2=-1-2*i ";
        QTest::newRow("-1, 2, -5")       << "Option1" << "-1|2|-5"      << "" << "No real roots. Comlpex roots:|-16|||x1=1+2*i |x2=1-2*i ";
        QTest::newRow("1, 1, 1")         << "Option1" << "1|1|1"        << "" << "No real roots. Comlpex roots:|-3|||x1=-0.5+0.866025403784439*i |x2=-0.5-0.866025403784439*i ";
        QTest::newRow("1, 0, 4")         << "Option1" << "1|0|4"        << "" << "No real roots. Comlpex roots:|-16|||x1=0+2*i |x2=0-2*i ";
        QTest::newRow("0, 2, -4")        << "Option1" << "0|2|-4"       << "" << "||||x1=2|";
        QTest::newRow("0, 3, 1")         << "Option1" << "0|3|1"        << "" << "||||x1=-0.3333333|";
        QTest::newRow("0, 5, 0")         << "Option1" << "0|5|0"        << "" << "||||x1=0|";
        QTest::newRow("0, 0, 5")         << "Option1" << "0|0|5"        << "" << "Unsolvable Equation|||||";
        QTest::newRow("0, 0, 0")         << "Option1" << "0|0|0"        << "" << "Undefined Equation|||||";
        QTest::newRow("empty box first") << "Option1" << "1|_|x"        << "Fill in a,b,c!" << "|||||";
        QTest::newRow("non-numeric")     << "Option1" << "1|2|abc"      << "Check again! No numeric values!" << "|||||";
        QTest::newRow("a single blank")  << "Option1" << "1| |2"        << "Check again! No numeric values!" << "|||||";
        QTest::newRow("D overflow")      << "Option1" << "1|2E+19|1"    << "Overflow" << "|||||";
        QTest::newRow("root overflow")   << "Option1" << "0|1E-10|1E+30" << "Overflow" << "|||||";
        QTest::newRow("first degree, D beyond a Single") << "Option1" << "0|2E+19|1" << "" << "||||x1=-5E-20|";
        // clang-format on
    }

    void equations() { solveThroughTheWindow(); }

    void systems_data() {
        addColumns();
        const QString undefined = "Undefined System!|||||";
        const QString unsolvable = "Unsolvable System!|||||";
        // clang-format off
        QTest::newRow("x + y = 3, x - y = 1") << "Option2" << "1|1|3|1|-1|1"     << "" << "|-2|-4|-2|x=2|y=1";
        QTest::newRow("2, 1, 2 / 1, 1, 1.5")  << "Option2" << "2|1|2|1|1|1.5"    << "" << "| 1| .5| 1|x=0.5|y=1";
        QTest::newRow("3, 2, 7 / 1, -4, 0")   << "Option2" << "3|2|7|1|-4|0"     << "" << "|-14|-28|-7|x=2|y=0.5";
        QTest::newRow("proportional on paper") << "Option2" << "0.1|0.3|1|0.3|0.9|3" << "" << "|-8.195639E-09|-5.960464E-08|-7.450581E-09|x=7.272727|y=0.9090909";
        QTest::newRow("all zero")             << "Option2" << "0|0|0|0|0|0"      << "" << undefined;
        QTest::newRow("0, 0, 5 / 0, 0, 0")    << "Option2" << "0|0|5|0|0|0"      << "" << unsolvable;
        QTest::newRow("0, 2, 4 / 0, 3, 6")    << "Option2" << "0|2|4|0|3|6"      << "" << undefined;
        QTest::newRow("0, 2, 4 / 0, 3, 5")    << "Option2" << "0|2|4|0|3|5"      << "" << unsolvable;
        QTest::newRow("2, 0, 4 / 3, 0, 6")    << "Option2" << "2|0|4|3|0|6"      << "" << undefined;
        QTest::newRow("2, 0, 4 / 3, 0, 5")    << "Option2" << "2|0|4|3|0|5"      << "" << unsolvable;
        QTest::newRow("0, 0.1, 1 / 0, 0.3, 3") << "Option2" << "0|0.1|1|0|0.3|3" << "" << unsolvable;
        QTest::newRow("0, 0.2, 0.6 / 0, 0.7, 2.1") << "Option2" << "0|0.2|0.6|0|0.7|2.1" << "" << undefined;
        QTest::newRow("0, 0, 1 / 1, 1, 1")    << "Option2" << "0|0|1|1|1|1"      << "" << unsolvable;
        QTest::newRow("0, 0, 0 / 1, 1, 1")    << "Option2" << "0|0|0|1|1|1"      << "" << undefined;
        QTest::newRow("0, 0, 0 / 0, 4, 2")    << "Option2" << "0|0|0|0|4|2"      << "" << "|||||y=0.5";
        QTest::newRow("0, 0, 0 / 0, 4, 0")    << "Option2" << "0|0|0|0|4|0"      << "" << undefined;
        QTest::newRow("0, 0, 0 / 5, 0, 10")   << "Option2" << "0|0|0|5|0|10"     << "" << "||||x=2|";
        QTest::newRow("0, 3, 6 / 0, 0, 0")    << "Option2" << "0|3|6|0|0|0"      << "" << "|||||y=2";
        QTest::newRow("4, 0, 2 / 0, 0, 0")    << "Option2" << "4|0|2|0|0|0"      << "" << "||||x=0.5|";
        QTest::newRow("0, 3, 0 / 0, 0, 0")    << "Option2" << "0|3|0|0|0|0"      << "" << undefined;
        QTest::newRow("3, 0, 0 / 0, 0, 0")    << "Option2" << "3|0|0|0|0|0"      << "" << undefined;
        QTest::newRow("1, 1, 2 / 2, 2, 4")    << "Option2" << "1|1|2|2|2|4"      << "" << undefined;
        QTest::newRow("1, 1, 2 / 2, 2, 5")    << "Option2" << "1|1|2|2|2|5"      << "" << unsolvable;
        QTest::newRow("1, 1, 0 / 2, 2, 3")    << "Option2" << "1|1|0|2|2|3"      << "" << unsolvable;
        QTest::newRow("1, 1, 0 / 2, 2, 0")    << "Option2" << "1|1|0|2|2|0"      << "" << undefined;
        QTest::newRow("empty a2")             << "Option2" << "1|2|3|_|5|6"      << "Fill in a1,a2,...,c2!" << "|||||";
        QTest::newRow("non-numeric c2")       << "Option2" << "1|2|3|4|5|x"      << "Check again! No numeric values!" << "|||||";
        QTest::newRow("D overflow")           << "Option2" << "1E+20|0|0|0|1E+20|0" << "Overflow" << "|||||";
        QTest::newRow("singular system, b2 = 0")<< "Option2" << "1|1E-23|1|1E-23|0|1" << "Division by zero" << "|||||";
        // clang-format on
    }

    void systems() { solveThroughTheWindow(); }

    void statusAfterGeneralSolutionEmptiesDeterminants() {
        pressCheck(*form, "Option2");
        type("1|1|3|1|-1|1");
        QCOMPARE(clickRun(), QString());
        type("0|0|0|0|4|2");
        QCOMPARE(clickRun(), QString());
        QCOMPARE(resultArea(), QString("|-2|-4|-2||y=0.5"));
        type("0|0|5|0|0|0");
        QCOMPARE(clickRun(), QString());
        QCOMPARE(resultArea(), QString("Unsolvable System!|||||"));
    }

    void warningsKeepOrEmptyEarlierResults() {
        pressCheck(*form, "Option1");
        type("1|-3|2");
        clickRun();
        type("1|_|x");
        QCOMPARE(clickRun(), QString("Fill in a,b,c!"));
        QCOMPARE(resultArea(), QString("Two real roots.| 1|||x1=2|x2=1"));
        type("1|2|abc");
        QCOMPARE(clickRun(), QString("Check again! No numeric values!"));
        QCOMPARE(resultArea(), QString("Two real roots.||||x1=|x2="));
    }

    void firstDegreeAfterTwoRootsLeavesNoTrace() {
        pressCheck(*form, "Option1");
        type("1|-3|2");
        clickRun();
        type("0|2|-4");
        clickRun();
        QCOMPARE(resultArea(), QString("||||x1=2|"));
    }

    void runFollowsTheOptionChosenSinceCheck() {
        pressCheck(*form, "Option2");
        type("1|1|3|1|-1|1");
        clickRun();
        QTest::mouseClick(control(*form, "Option1"), Qt::LeftButton);
        QCOMPARE(clickRun(), QString());
        QCOMPARE(resultArea(),
                 QString("No real roots. Comlpex roots:|-11|-4|-2|x1=-0.5+1.6583123951777*i "
                         "|x2=-0.5-1.6583123951777*i "));

        pressCheck(*form, "Option1");
        type("1|2|3");
        QTest::mouseClick(control(*form, "Option2"), Qt::LeftButton);
        QCOMPARE(clickRun(), QString("Fill in a1,a2,...,c2!"));
    }

    void noOptionDoesNothing() {
        pressCheck(*form, "");
        QCOMPARE(clickRun(), QString());
        QCOMPARE(resultArea(), QString("|||||"));
    }

private:
    void solveThroughTheWindow() {
        QFETCH(QString, option);
        QFETCH(QString, coefficients);
        pressCheck(*form, option);
        type(coefficients);
        const QString typed = [&] {
            QStringList boxes;
            for (int index = 1; index <= 6; ++index)
                boxes << textBox(*form, index)->text();
            return boxes.join('|');
        }();

        QTEST(clickRun(), "warning");
        QTEST(resultArea(), "expected");
        for (int index = 1; index <= 6; ++index)
            QCOMPARE(textBox(*form, index)->text(), typed.split('|')[index - 1]);
    }
};

QTEST_MAIN(TestRunWindow)
#include "test_run_window.moc"
