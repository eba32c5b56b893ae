#include <QTest>

#include "test_data.h"
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

    // The cases stand in tests/run_cases.json, which the page's tests run too: one row for each,
    // named by its case, with the coefficients in type()'s form and the result area in
    // resultArea()'s.
    void addRows(const char* section, const QString& option) {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("expected");
        const QJsonArray cases = testData(VELMORA_RUN_CASES)[QLatin1String(section)].toArray();
        if (cases.isEmpty())
            qFatal("no %s in %s", section, VELMORA_RUN_CASES);
        for (const QJsonValue& row : cases) {
            QStringList boxes;
            for (const QJsonValue& box : row["boxes"].toArray())
                boxes << (box.toString().isEmpty() ? QStringLiteral("_") : box.toString());
            QTest::newRow(qPrintable(row["case"].toString()))
                << option << boxes.join('|') << row["warning"].toString()
                << shownResultArea(row).join('|');
        }
    }

private slots:
    void init() { form = startedForm(); }
    void cleanup() { form.reset(); }

    void equations_data() { addRows("equations", "Option1"); }

    void equations() { solveThroughTheWindow(); }

    void systems_data() { addRows("systems", "Option2"); }

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
