#include <memory>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/design/practice_window_design.h"
#include "core/practice/answer_check.h"
#include "core/practice/practice_session.h"
#include "desktop/practice_window.h"
#include "desktop/sheet_printing.h"
#include "desktop/system_locale.h"
#include "window_driver.h"

namespace {

constexpr const PracticeWindowDesign& design = practiceWindowDesign;

QString name(const char* objectName) {
    return QString::fromLatin1(objectName);
}

NumberLocale userLocale() {
    return numberLocale(QLocale::system());
}

// The exercise as the window shows it: its place, the exercise and how to answer.
QString shownExercise(const QWidget& window) {
    QStringList lines;
    for (const QLabel* line : control(window, name(design.exerciseName))->findChildren<QLabel*>())
        lines << line->text();
    return lines.join('|');
}

// The same as a session shows it for the sheet of a code.
QString sessionExercise(const std::string& code) {
    PracticeSession session(0, userLocale());
    session.editCode(code);
    const PracticeView& view = session.view();
    return QStringList{QString::fromStdString(view.position), QString::fromStdString(view.exercise),
                       QString::fromStdString(view.instruction)}
        .join('|');
}

} // namespace

// The "Practice" window on the desktop, found by its controls' names, driven as a pupil or a
// teacher would.
class TestPracticeWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    // Tools > Practice…, and the window it brings to the front, with the keyboard.
    PracticeWindow* openPractice() {
        control<QAction>(*form, name(practiceItem.name))->trigger();
        PracticeWindow* found = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == name(design.name))
                found = qobject_cast<PracticeWindow*>(window);
        if (!found || !QTest::qWaitForWindowActive(found))
            qFatal("the Practice window did not open");
        return found;
    }

    static void typeInto(QLineEdit* box, const QString& typed) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, typed);
    }

    static void answer(PracticeWindow* window, const QString& typed, bool byButton) {
        auto* box = control<QLineEdit>(*window, name(design.answerName));
        typeInto(box, typed);
        if (byButton)
            QTest::mouseClick(control(*window, name(design.checkName)), Qt::LeftButton);
        else
            QTest::keyClick(box, Qt::Key_Return);
    }

    // The right answer to the exercise shown, as a pupil writes it.
    static QString rightAnswer(const PracticeWindow* window) {
        const PracticeSession& session = window->session();
        for (const Exercise& exercise : session.exercises())
            if (exerciseText(exercise, userLocale()) == session.view().exercise)
                return QString::fromStdString(expectedAnswer(exercise, userLocale()));
        qFatal("the exercise shown is not on its sheet");
    }

private slots:
    void init() { form = startedForm(); }
    void cleanup() { form.reset(); }

    void opensFromTheToolsMenu() {
        PracticeWindow* window = openPractice();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Practice"));
        // On the screen, and beside the main window where the screen has room for both.
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(screen.contains(window->frameGeometry().topLeft()));
        if (screen.width() >= form->frameGeometry().width() + window->frameGeometry().width())
            QVERIFY(!window->frameGeometry().intersects(form->frameGeometry()));
    }

    void everyControlIsThere_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("type");
        QTest::newRow("kind") << name(design.kindName) << "QComboBox";
        QTest::newRow("numbers") << name(design.levelName) << "QComboBox";
        QTest::newRow("method") << name(design.methodName) << "QComboBox";
        QTest::newRow("new exercise") << name(design.newName) << "QPushButton";
        QTest::newRow("sheet code") << name(design.codeName) << "QLineEdit";
        QTest::newRow("exercise") << name(design.exerciseName) << "QWidget";
        QTest::newRow("answer") << name(design.answerName) << "QLineEdit";
        QTest::newRow("check") << name(design.checkName) << "QPushButton";
        QTest::newRow("verdict") << name(design.verdictName) << "QLabel";
        QTest::newRow("show the working") << name(design.workingName) << "QPushButton";
        QTest::newRow("working text") << name(design.workingTextName) << "QPlainTextEdit";
        QTest::newRow("count") << name(design.countName) << "QLabel";
        QTest::newRow("key with the working") << name(design.printWorkingName) << "QCheckBox";
        QTest::newRow("print sheet") << name(design.printName) << "QPushButton";
    }

    void everyControlIsThere() {
        QFETCH(QString, control);
        QFETCH(QString, type);
        PracticeWindow* window = openPractice();
        QTest::mouseClick(::control(*window, name(design.workingName)), Qt::LeftButton);
        QWidget* found = window->findChild<QWidget*>(control);
        QVERIFY(found);
        QVERIFY2(found->inherits(type.toLatin1()), found->metaObject()->className());
        QVERIFY(found->isVisible());
        // Whole inside the window, whatever the scale and the fonts.
        const QRect place(found->mapTo(window, QPoint(0, 0)), found->size());
        QVERIFY2(window->rect().contains(place), qPrintable(control));
        QVERIFY(window->width() >= window->minimumSizeHint().width());
        QVERIFY(window->height() >= window->minimumSizeHint().height());
    }

    // Tab goes down the window as it reads, the working's text only once it is shown.
    void tabGoesDownTheWindow_data() {
        QTest::addColumn<bool>("workingShown");
        QTest::addColumn<QString>("order");
        QTest::newRow("working hidden")
            << false
            << "PracticeKind PracticeLevel PracticeMethod SheetCode NewExercise PracticeAnswer "
               "CheckAnswer PracticeWorking PrintWorking PrintSheet PracticeKind";
        QTest::newRow("working shown")
            << true
            << "PracticeKind PracticeLevel PracticeMethod SheetCode NewExercise PracticeAnswer "
               "CheckAnswer PracticeWorking PracticeWorkingText PrintWorking PrintSheet "
               "PracticeKind";
    }

    void tabGoesDownTheWindow() {
        QFETCH(bool, workingShown);
        QFETCH(QString, order);
        PracticeWindow* window = openPractice();
        if (workingShown)
            QTest::mouseClick(control(*window, name(design.workingName)), Qt::LeftButton);
        control(*window, name(design.kindName))->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype step = 1; step < order.split(' ').size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(' '), order);
    }

    // A new kind or new numbers draw a new sheet: its code and its first exercise.
    void choosingDrawsANewSheet_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("otherForm"); // the exercise reads differently, not only in numbers
        QTest::newRow("first degree") << name(design.kindName) << 0 << true;
        QTest::newRow("a system with one solution") << name(design.kindName) << 6 << true;
        QTest::newRow("complex roots") << name(design.kindName) << 5 << true;
        QTest::newRow("larger numbers") << name(design.levelName) << 1 << false;
        QTest::newRow("fractions and decimals") << name(design.levelName) << 2 << false;
    }

    void choosingDrawsANewSheet() {
        QFETCH(QString, list);
        QFETCH(int, index);
        QFETCH(bool, otherForm);
        PracticeWindow* window = openPractice();
        auto* code = control<QLineEdit>(*window, name(design.codeName));
        const QString codeBefore = code->text();
        const QString exerciseBefore = shownExercise(*window);
        auto* choices = control<QComboBox>(*window, list);
        QVERIFY(index != choices->currentIndex());
        // As the list's popup reports a choice.
        choices->setCurrentIndex(index);
        emit choices->activated(index);
        QVERIFY(code->text() != codeBefore);
        const std::optional<SheetCode> drawn = readCode(code->text().toStdString());
        QVERIFY(drawn);
        if (list == name(design.kindName))
            QCOMPARE(int(drawn->kind), int(practiceKinds.at(std::size_t(index))));
        else
            QCOMPARE(int(drawn->level), int(practiceLevels.at(std::size_t(index))));
        QCOMPARE(shownExercise(*window), sessionExercise(code->text().toStdString()));
        if (otherForm)
            QVERIFY(shownExercise(*window) != exerciseBefore);
    }

    // A code typed brings back its sheet; one that does not read says so and keeps the sheet.
    void typedCodeBringsBackItsSheet_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("count");
        QTest::addColumn<uint>("seed");
        QTest::newRow("first degree, small numbers") << 0 << 0 << 10 << 12345u;
        QTest::newRow("double root, larger numbers") << 4 << 1 << 5 << 77u;
        QTest::newRow("system, fractions, a long sheet") << 6 << 2 << 30 << 4000000000u;
        QTest::newRow("infinitely many, one exercise") << 8 << 0 << 1 << 1u;
    }

    void typedCodeBringsBackItsSheet() {
        QFETCH(int, kind);
        QFETCH(int, level);
        QFETCH(int, count);
        QFETCH(uint, seed);
        SheetCode sheet;
        sheet.kind = practiceKinds.at(std::size_t(kind));
        sheet.level = practiceLevels.at(std::size_t(level));
        sheet.count = count;
        sheet.seed = seed;
        const QString typed = QString::fromStdString(codeText(sheet));
        PracticeWindow* window = openPractice();
        auto* code = control<QLineEdit>(*window, name(design.codeName));
        typeInto(code, typed);
        QCOMPARE(code->text(), typed);
        QVERIFY(code->accessibleDescription().isEmpty());
        QCOMPARE(shownExercise(*window), sessionExercise(typed.toStdString()));
        QCOMPARE(control<QComboBox>(*window, name(design.kindName))->currentIndex(), kind);
        QCOMPARE(control<QComboBox>(*window, name(design.levelName))->currentIndex(), level);

        // Mistyped, pasted whole: no sheet, said under the box and to a screen reader.
        const QString before = shownExercise(*window);
        code->selectAll();
        code->insert(typed.chopped(1) + "!");
        QVERIFY(!code->accessibleDescription().isEmpty());
        QCOMPARE(shownExercise(*window), before);
    }

    // The count tells answers right first time from those right after a wrong one.
    void answersAreCounted_data() {
        QTest::addColumn<QString>("first"); // before the right answer; none where empty
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<QString>("firstWord");
        QTest::addColumn<QString>("count");
        QTest::newRow("right at once, Enter")
            << "" << false << ""
            << "This session: 1 right first time, 0 right after a hint";
        QTest::newRow("wrong, then right, Check")
            << "1000, 1001" << true << "Not right"
            << "This session: 0 right first time, 1 right after a hint";
        QTest::newRow("unreadable, then right, Enter")
            << "what?" << false << "Not understood"
            << "This session: 1 right first time, 0 right after a hint";
    }

    void answersAreCounted() {
        QFETCH(QString, first);
        QFETCH(bool, byButton);
        QFETCH(QString, firstWord);
        PracticeWindow* window = openPractice();
        auto* verdict = control<QLabel>(*window, name(design.verdictName));
        if (!first.isEmpty()) {
            answer(window, first, byButton);
            QVERIFY2(verdict->text().contains("<b>" + firstWord + ".</b>"),
                     qPrintable(verdict->text()));
        }
        answer(window, rightAnswer(window), byButton);
        QVERIFY2(verdict->text().contains("<b>Right.</b>"), qPrintable(verdict->text()));
        QTEST(control<QLabel>(*window, name(design.countName))->text(), "count");
    }

    // The working shown after an answer marks the step the verdict points at, and only it.
    void workingMarksTheStep_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("far off") << "1000, 1001";
        QTest::newRow("unreadable") << "what?";
    }

    void workingMarksTheStep() {
        QFETCH(QString, typed);
        PracticeWindow* window = openPractice();
        answer(window, typed, false);
        QTest::mouseClick(control(*window, name(design.workingName)), Qt::LeftButton);
        auto* text = control<QPlainTextEdit>(*window, name(design.workingTextName));
        QVERIFY(text->isVisible());
        QCOMPARE(text->toPlainText().count('\n') + 1, int(window->session().view().working.size()));
        const int step = window->session().view().markedStep;
        const QList<QTextEdit::ExtraSelection> marks = text->extraSelections();
        QCOMPARE(marks.size(), step >= 0 ? 1 : 0);
        if (step >= 0)
            QCOMPARE(marks.front().cursor.blockNumber(), step);
    }

    // After each action the keyboard is where the session says, whatever had it before, and
    // what the session has to say is spoken.
    void focusFollowsTheSession_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("kind chosen") << "kind";
        QTest::newRow("numbers chosen") << "level";
        QTest::newRow("new exercise") << "new";
        QTest::newRow("code typed") << "code";
        QTest::newRow("answer checked") << "check";
        QTest::newRow("working shown") << "working";
    }

    void focusFollowsTheSession() {
        QFETCH(QString, action);
        PracticeWindow* window = openPractice();
        control(*window, name(design.printName))->setFocus();
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), name(design.printName));
        if (action == "kind" || action == "level") {
            auto* list = control<QComboBox>(
                *window, name(action == "kind" ? design.kindName : design.levelName));
            const int index = list->currentIndex() == 0 ? 1 : 0;
            emit list->activated(index);
        } else if (action == "new") {
            QTest::mouseClick(control(*window, name(design.newName)), Qt::LeftButton);
        } else if (action == "code") {
            emit control<QLineEdit>(*window, name(design.codeName))->textEdited("abc");
        } else if (action == "check") {
            QTest::mouseClick(control(*window, name(design.checkName)), Qt::LeftButton);
        } else {
            QTest::mouseClick(control(*window, name(design.workingName)), Qt::LeftButton);
        }
        QTRY_COMPARE(QApplication::focusWidget()->objectName(),
                     QString::fromStdString(window->session().view().focus));
        QVERIFY(QApplication::focusWidget()->objectName() != name(design.printName));
        // What is new is spoken as the main window speaks, through the verdict's description.
        const std::string& spoken = window->session().view().announcement;
        if (!spoken.empty())
            QCOMPARE(control(*window, name(design.verdictName))->accessibleDescription(),
                     QString::fromStdString(spoken));
    }

    // The window only hides: reopened, it shows the same sheet, exercise and count.
    void closingKeepsTheSession_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close box") << false;
        QTest::newRow("Escape") << true;
    }

    void closingKeepsTheSession() {
        QFETCH(bool, byEscape);
        PracticeWindow* window = openPractice();
        QTest::mouseClick(control(*window, name(design.newName)), Qt::LeftButton);
        answer(window, rightAnswer(window), false);
        const QString count = control<QLabel>(*window, name(design.countName))->text();
        const QString exercise = shownExercise(*window);
        const QString code = control<QLineEdit>(*window, name(design.codeName))->text();
        if (byEscape)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            window->close();
        QVERIFY(!window->isVisible());
        QCOMPARE(openPractice(), window);
        QCOMPARE(control<QLabel>(*window, name(design.countName))->text(), count);
        QCOMPARE(shownExercise(*window), exercise);
        QCOMPARE(control<QLineEdit>(*window, name(design.codeName))->text(), code);
        QCOMPARE(count, QStringLiteral("This session: 1 right first time, 0 right after a hint"));
    }

    // "Print sheet…" asks for the printer first; cancelled, nothing is printed.
    void printAsksForThePrinter() {
        PracticeWindow* window = openPractice();
        QString asked;
        QTimer::singleShot(0, window, [&asked] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                asked = dialog->metaObject()->className();
                dialog->reject();
            }
        });
        QTest::mouseClick(control(*window, name(design.printName)), Qt::LeftButton);
        QVERIFY2(!asked.isEmpty(), "no print dialog");
        QVERIFY(window->isVisible());
    }

    // The sheet on the paper asked for, the key on a page of its own.
    void printsTheSheet_data() {
        QTest::addColumn<int>("paper"); // a QPageSize::PageSizeId
        QTest::addColumn<bool>("withWorking");
        QTest::addColumn<double>("width"); // in points
        QTest::addColumn<double>("height");
        QTest::newRow("A4") << int(QPageSize::A4) << false << 595.28 << 841.89;
        QTest::newRow("A4, key with the working") << int(QPageSize::A4) << true << 595.28 << 841.89;
        QTest::newRow("Letter") << int(QPageSize::Letter) << false << 612.0 << 792.0;
        QTest::newRow("Letter, key with the working")
            << int(QPageSize::Letter) << true << 612.0 << 792.0;
    }

    void printsTheSheet() {
        QFETCH(int, paper);
        QFETCH(bool, withWorking);
        QFETCH(double, width);
        QFETCH(double, height);
        PracticeWindow* window = openPractice();
        QTemporaryDir folder;
        const QString file = folder.filePath("sheet.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        printSheet(printer, window->session().sheet(), window->session().exercises(), userLocale(),
                   withWorking);
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QString content = QString::fromLatin1(pdf.readAll());
        int pages = 0;
        for (const QRegularExpressionMatch& page :
             QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))
                 .globalMatch(content)) {
            Q_UNUSED(page);
            ++pages;
        }
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        int boxes = 0;
        const QRegularExpression mediaBox(QStringLiteral(
            "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
        for (const QRegularExpressionMatch& box : mediaBox.globalMatch(content)) {
            ++boxes;
            QVERIFY(qAbs(box.captured(3).toDouble() - box.captured(1).toDouble() - width) < 1);
            QVERIFY(qAbs(box.captured(4).toDouble() - box.captured(2).toDouble() - height) < 1);
        }
        QVERIFY(boxes >= 1);
    }
};

QTEST_MAIN(TestPracticeWindow)
#include "test_practice_window.moc"
