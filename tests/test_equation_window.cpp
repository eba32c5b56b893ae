#include <memory>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/design/equation_window_design.h"
#include "test_data.h"
#include "window_driver.h"

// The "Equation" box on the desktop, found by its controls' names: what a pupil types, the
// keys and buttons that leave it, and the main window it fills.
class TestEquationWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    QWidget* box() const {
        return form->findChild<QWidget*>(QString::fromLatin1(equationWindowDesign.name));
    }
    QPlainTextEdit* text() const {
        return control<QPlainTextEdit>(*form, QString::fromLatin1(equationWindowDesign.textName));
    }
    QLabel* reading() const {
        return control<QLabel>(*form, QString::fromLatin1(equationWindowDesign.readingName));
    }
    QPushButton* button(const char* name) const {
        return control<QPushButton>(*form, QString::fromLatin1(name));
    }

    // Tools > Type an equation…, then the text typed key by key; "|" stands for Shift+Enter.
    void typeEquation(const QString& typed) {
        control<QAction>(*form, QStringLiteral("TypeEquation"))->trigger();
        QVERIFY(box() && box()->isVisible());
        // A window that shares its activation with the main window reads as active at once:
        // wait for the keyboard itself.
        QTRY_COMPARE(QApplication::focusWidget(), text());
        text()->selectAll();
        QTest::keyClick(text(), Qt::Key_Delete);
        for (const QString& line : typed.split('|')) {
            if (line != typed.section('|', 0, 0))
                QTest::keyClick(text(), Qt::Key_Return, Qt::ShiftModifier);
            // QTest types ASCII keys only: "−" and "²" come as a key's text, as an input method
            // sends them.
            for (const QChar character : line) {
                if (character.unicode() < 0x80)
                    QTest::keyClick(text(), character.toLatin1());
                else
                    QTest::sendKeyEvent(QTest::Click, text(), Qt::Key_unknown, QString(character),
                                        Qt::NoModifier);
            }
        }
    }

    // The main window's boxes and status line, for comparing before and after.
    QString mainWindow() const {
        QStringList seen;
        for (int index = 1; index <= 11; ++index)
            seen << (textBox(*form, index)->isVisible() ? textBox(*form, index)->text() : "-");
        seen << label(*form, 1)->text();
        seen << (control<QRadioButton>(*form, "Option1")->isChecked() ? "Equation" : "")
             << (control<QRadioButton>(*form, "Option2")->isChecked() ? "System" : "");
        return seen.join('|');
    }

private slots:
    void init() { form = startedForm(); }
    void cleanup() { form.reset(); }

    void pasted_data() {
        QTest::addColumn<QByteArray>("pasted");
        QTest::addColumn<QString>("says");
        for (const PastedText& row : pastedTexts(VELMORA_PASTED_TEXTS, "equation"))
            if (row.locale == "en-US" && row.place >= 0 && !row.bytes)
                QTest::addRow("%s", qPrintable(row.name))
                    << QByteArray::fromStdString(row.text) << row.says;
    }

    // A pasted page is refused in words under the box, and the program goes on: the next
    // equation is solved. The time to the refusal is printed, to be seen, not judged.
    void pasted() {
        QFETCH(QByteArray, pasted);
        control<QAction>(*form, QStringLiteral("TypeEquation"))->trigger();
        QElapsedTimer timer;
        timer.start();
        text()->setPlainText(QString::fromUtf8(pasted));
        QCoreApplication::processEvents();
        qInfo("refused in %lld ms", timer.elapsed());
        QFETCH(QString, says);
        QVERIFY2(reading()->text().contains(says.toHtmlEscaped()),
                 qPrintable(reading()->text().left(300)));
        text()->setPlainText("x^2 - 3x + 2 = 0");
        QTest::keyClick(text(), Qt::Key_Return);
        QCOMPARE(textBox(*form, 10)->text(), QString("2"));
    }

    // Solved by Enter or by Solve, as though the pupil had chosen the mode, pressed CHECK!,
    // typed the coefficients and pressed run.
    void solvesInTheMainWindow_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("results"); // Text(10) and Text(11)
        // clang-format off
        QTest::newRow("second degree, Enter") << "x^2 - 3x + 2 = 0" << false << "Option1" << "1|-3|2" << "2|1";
        QTest::newRow("first degree, Solve")  << "2x = 4" << true << "Option1" << "0|2|-4" << "2|";
        QTest::newRow("system on two lines, Enter") << "x + y = 3|x - y = 1" << false << "Option2" << "1|1|3|1|-1|1" << "2|1";
        QTest::newRow("system on one line, Solve") << "x + y = 3; x - y = 1" << true << "Option2" << "1|1|3|1|-1|1" << "2|1";
        QTest::newRow("brackets on the left, a square on the right") << "3(x − 1) = x²" << true << "Option1" << "1|-3|3" << "1.5+0.866025403784439*i |1.5-0.866025403784439*i ";
        QTest::newRow("fractions cleared") << "x/2 + 1/3 = 0" << false << "Option1" << "0|3|2" << "-0.6666667|";
        QTest::newRow("a product of brackets") << "(x − 1)(x + 2) = 4" << true << "Option1" << "1|1|-6" << "2|-3";
        QTest::newRow("the exercise book's system") << "2x + 3y = 8; x − y = 1" << false << "Option2" << "2|3|8|1|-1|1" << "2.2|1.2";
        // clang-format on
    }

    void solvesInTheMainWindow() {
        QFETCH(QString, typed);
        QFETCH(bool, byButton);
        QFETCH(QString, option);
        QFETCH(QString, boxes);
        typeEquation(typed);
        QCOMPARE(text()->toPlainText(), QString(typed).replace('|', '\n'));
        if (byButton)
            QTest::mouseClick(button(equationWindowDesign.solveName), Qt::LeftButton);
        else
            QTest::keyClick(text(), Qt::Key_Return);
        QVERIFY(!box()->isVisible());
        QVERIFY(control<QRadioButton>(*form, option)->isChecked());
        const QStringList parts = boxes.split('|');
        for (int index = 1; index <= parts.size(); ++index)
            QCOMPARE(textBox(*form, index)->text(), parts[index - 1]);
        QTEST(textBox(*form, 10)->text() + "|" + textBox(*form, 11)->text(), "results");
        QTRY_COMPARE(QApplication::focusWidget(), command(*form, 1));
    }

    // What cannot be read stays in the box, the place marked in the text and in the reading.
    void refusedStaysInTheBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("marked"); // the text under the mark
        QTest::newRow("a third degree") << "x^3 + 1 = 0"
                                        << "x^3";
        QTest::newRow("two equals signs") << "x = 1 = 2"
                                          << "=";
        QTest::newRow("a letter in the second line") << "x + y = 3|x - z = 1"
                                                     << "z";
    }

    void refusedStaysInTheBox() {
        QFETCH(QString, typed);
        QFETCH(QString, marked);
        QTest::mouseClick(control(*form, "Option2"), Qt::LeftButton);
        const QString before = mainWindow();
        typeEquation(typed);
        // Typed, it is described, not yet marked invalid nor said.
        const QString message = text()->accessibleDescription();
        QVERIFY(!message.isEmpty());
        QVERIFY(reading()->accessibleDescription().isEmpty());
        QTest::keyClick(text(), Qt::Key_Return);
        QVERIFY(box()->isVisible());
        QCOMPARE(QApplication::focusWidget(), text());
        QCOMPARE(mainWindow(), before);
        // Refused: said once, and the text marked invalid in its description.
        QCOMPARE(reading()->accessibleDescription(), message);
        QCOMPARE(text()->accessibleDescription(), "Invalid entry. " + message);
        // The reading marks the place in a quote of its line.
        QVERIFY2(reading()->text().startsWith(message.toHtmlEscaped()),
                 qPrintable(reading()->text()));
        QVERIFY2(reading()->text().contains("<u"), qPrintable(reading()->text()));
        const QList<QTextEdit::ExtraSelection> marks = text()->extraSelections();
        QCOMPARE(marks.size(), 1);
        QVERIFY2(marks.front().cursor.selectedText().contains(marked),
                 qPrintable(marks.front().cursor.selectedText()));
        // Mended, it reads, and the mark goes.
        text()->selectAll();
        QTest::keyClicks(text(), "x + 1 = 0");
        QCOMPARE(text()->extraSelections().size(), 0);
        QVERIFY(!reading()->text().contains("<u"));
        QVERIFY(!text()->accessibleDescription().startsWith("Invalid"));
    }

    // Cancel, Escape and the close box leave everything as it was; reopened, the box shows the
    // text it had.
    void leftUnused_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Escape in the text") << "Escape";
        QTest::newRow("Escape on Solve") << "Escape on Solve";
        QTest::newRow("the close box") << "close";
    }

    void leftUnused() {
        QFETCH(QString, how);
        pressCheck(*form, "Option1");
        QTest::keyClicks(textBox(*form, 1), "1");
        const QString before = mainWindow();
        typeEquation("x^2 = 4");
        if (how == "Cancel") {
            QTest::mouseClick(button(equationWindowDesign.cancelName), Qt::LeftButton);
        } else if (how == "Escape") {
            QTest::keyClick(text(), Qt::Key_Escape);
        } else if (how == "Escape on Solve") {
            button(equationWindowDesign.solveName)->setFocus();
            QTest::keyClick(button(equationWindowDesign.solveName), Qt::Key_Escape);
        } else {
            box()->close();
        }
        QVERIFY(!box()->isVisible());
        QCOMPARE(mainWindow(), before);
        control<QAction>(*form, QStringLiteral("TypeEquation"))->trigger();
        QVERIFY(box()->isVisible());
        QCOMPARE(text()->toPlainText(), QString("x^2 = 4"));
    }

    // Tab goes from the text to Solve to Cancel; the text takes no tab character.
    void tabOrder() {
        typeEquation("x = 1");
        QTest::keyClick(text(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(equationWindowDesign.solveName));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(equationWindowDesign.cancelName));
        QCOMPARE(text()->toPlainText(), QString("x = 1"));
    }

    // Beside the main window, not over it, where the screen has room; titled apart from it.
    void opensBesideTheMainWindow() {
        typeEquation("x = 1");
        QVERIFY(!box()->frameGeometry().intersects(form->frameGeometry()));
        QCOMPARE(box()->windowTitle(), QStringLiteral("Type an equation"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Equation"));
    }
};

QTEST_MAIN(TestEquationWindow)
#include "test_equation_window.moc"
