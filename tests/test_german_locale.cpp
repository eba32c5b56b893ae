#include <QTest>

#include "window_driver.h"

// Run under LC_ALL=de_DE.UTF-8: the window takes the user's number format at start.
class TestGermanLocale : public QObject {
    Q_OBJECT

private slots:
    void numberFormatFromTheSystem() {
        Form1 form;
        const NumberLocale& locale = form.numberLocale();
        QCOMPARE(QString::fromStdString(locale.decimalSeparator), QString(","));
        QCOMPARE(QString::fromStdString(locale.groupSeparator), QString("."));
        QCOMPARE(QString::fromStdString(locale.currencySymbol), QString("€"));
        QCOMPARE(locale.primaryGroupSize, 3);
        QCOMPARE(locale.secondaryGroupSize, 3);
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
