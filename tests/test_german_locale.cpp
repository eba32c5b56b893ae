#include <QLocale>
#include <QTest>

#include "desktop/system_locale.h"
#include "window_driver.h"

// Run under LC_ALL=de_DE.UTF-8: the window takes the user's number format at start.
class TestGermanLocale : public QObject {
    Q_OBJECT

private slots:
    void numberFormatFromTheSystem() {
        const NumberLocale locale = numberLocale(QLocale::system());
        QCOMPARE(QString::fromStdString(locale.decimalSeparator), QString(","));
        QCOMPARE(QString::fromStdString(locale.groupSeparator), QString("."));
        QCOMPARE(QString::fromStdString(locale.currencySymbol), QString("€"));
        QCOMPARE(locale.primaryGroupSize, 3);
        QCOMPARE(locale.secondaryGroupSize, 3);
    }

    // A thousand written the German way and Val's reading of the same text are far apart: the
    // window asks again rather than guess; where only one reading takes the text, it is solved.
    void twoReadingsAskAgain_data() {
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("root");
        const QString noNumber = "Check again! No numeric values!";
        QTest::newRow("1.000") << "1.000" << noNumber << "";
        QTest::newRow("1.500") << "1.500" << noNumber << "";
        QTest::newRow("2.469") << "2.469" << noNumber << "";
        QTest::newRow("Str's own 1.125") << " 1.125" << noNumber << "";
        QTest::newRow("1.000,5") << "1.000,5"
                                 << ""
                                 << "1000,5";
        QTest::newRow("1.5") << "1.5"
                             << ""
                             << "1,5";
        QTest::newRow("0.125") << "0.125"
                               << ""
                               << "0,125";
    }

    void twoReadingsAskAgain() {
        QFETCH(QString, c);
        auto form = startedForm();
        pressCheck(*form, "Option1");
        for (const auto& [index, typed] : {std::pair{1, QString("0")}, {2, QString("-1")}, {3, c}})
            textBox(*form, index)->setText(typed);
        BoxAnswer warning(QMessageBox::Ok);
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        QTEST(warning.text, "warning");
        QTEST(textBox(*form, 10)->text(), "root");
    }

    void resultsWithADecimalComma() {
        auto form = startedForm();
        pressCheck(*form, "Option1");
        for (const auto& [index, typed] : {std::pair{1, "2"}, {2, "1"}, {3, "-1"}})
            QTest::keyClicks(textBox(*form, index), typed);
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        QCOMPARE(textBox(*form, 7)->text(), QString(" 9"));
        QCOMPARE(textBox(*form, 10)->text(), QString("0,5"));

        // "-1,5" is minus one and a half, as the user wrote it: 2x^2 + x - 1.5 = 0.
        textBox(*form, 3)->setText("-1,5");
        BoxAnswer noWarning(QMessageBox::Ok);
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        QVERIFY(!noWarning.seen);
        QCOMPARE(textBox(*form, 7)->text(), QString(" 13"));
        QCOMPARE(textBox(*form, 10)->text(), QString("0,651387818865997"));
        QCOMPARE(textBox(*form, 11)->text(), QString("-1,151387818866"));
    }
};

QTEST_MAIN(TestGermanLocale)
#include "test_german_locale.moc"
