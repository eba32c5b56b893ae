#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "core/design/practice_window_design.h"
#include "core/practice/practice_session.h"
#include "desktop/practice_window.h"
#include "desktop/scrolled_body.h"
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
QString sessionExercise(const QString& code) {
    PracticeSession session(0, userLocale());
    session.editCode(code.toStdString());
    const PracticeView& view = session.view();
    return QString::fromStdString(view.position + "|" + view.exercise + "|" + view.instruction);
}

void typeInto(QWidget& window, const char* box, const QString& typed) {
    auto* edit = control<QLineEdit>(window, name(box));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
}

// The right answer to the exercise shown, as a pupil writes it.
QString rightAnswer(const PracticeSession& session) {
    for (const Exercise& exercise : session.exercises())
        if (exerciseText(exercise, userLocale()) == session.view().exercise)
            return QString::fromStdString(expectedAnswer(exercise, userLocale()));
    qFatal("the exercise shown is not on its sheet");
}

} // namespace

// The "Practice" window on the desktop, found by its controls' names, driven as a pupil or a
// teacher would.
class TestPracticeWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    // The session behind the window, which the conversation owns.
    const PracticeSession& session() const { return *form->conversation().practice(); }

    // Tools > Practice…, and the window it brings to the front, with the keyboard.
    PracticeWindow& openPractice() {
        control<QAction>(*form, name(practiceItem.name))->trigger();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* practice = qobject_cast<PracticeWindow*>(window);
                practice && QTest::qWaitForWindowActive(practice))
                return *practice;
        qFatal("the Practice window did not open");
    }

private slots:
    void init() { form = startedForm(); }
    void cleanup() { form.reset(); }

    // Each control by its name, whole inside the window, the window on the screen and beside the
    // main window where the screen has room for both.
    void everyControlIsThere_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("PracticeKind") << "QComboBox";
        QTest::newRow("PracticeLevel") << "QComboBox";
        QTest::newRow("PracticeMethod") << "QComboBox";
        QTest::newRow("NewExercise") << "QPushButton";
        QTest::newRow("SheetCode") << "QLineEdit";
        QTest::newRow("PracticeExercise") << "QWidget";
        QTest::newRow("PracticeAnswer") << "QLineEdit";
        QTest::newRow("CheckAnswer") << "QPushButton";
        QTest::newRow("PracticeVerdict") << "QLabel";
        QTest::newRow("PracticeWorking") << "QPushButton";
        QTest::newRow("PracticeWorkingText") << "QPlainTextEdit";
        QTest::newRow("PracticeCount") << "QLabel";
        QTest::newRow("SheetLength") << "QSpinBox";
        QTest::newRow("PrintWorking") << "QCheckBox";
        QTest::newRow("PrintSheet") << "QPushButton";
    }

    void everyControlIsThere() {
        QFETCH(QString, type);
        PracticeWindow& window = openPractice();
        QCOMPARE(window.windowTitle(), QStringLiteral("Practice"));
        QTest::mouseClick(control(window, name(design.workingName)), Qt::LeftButton);
        QWidget* found = control(window, QTest::currentDataTag());
        QVERIFY2(found->inherits(type.toLatin1()) && found->isVisible(), QTest::currentDataTag());
        // Scrolled to where the window is smaller than its content: whole where the window has
        // room for it (a screen of 400 x 300 at twice the pixels has not), else in part.
        window.findChild<ScrolledBody*>()->ensureWidgetVisible(found, 0, 0);
        const QRect shown(found->mapTo(&window, QPoint(0, 0)), found->size());
        if (found->width() <= window.width() && found->height() <= window.height())
            QVERIFY(window.rect().contains(shown));
        else
            QVERIFY(window.rect().intersects(shown));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(screen.contains(window.frameGeometry()));
        if (screen.width() >= form->frameGeometry().width() + window.frameGeometry().width())
            QVERIFY(!window.frameGeometry().intersects(form->frameGeometry()));
    }

    // Each control of the design table: its access key underlined in its caption or its label's,
    // and Tab from it reaches the next in the table's order.
    void builtFromTheDesignTable_data() {
        QTest::addColumn<QString>("next"); // empty after the last
        QTest::addColumn<QString>("accessKey");
        std::vector<const PracticeControlDesign*> focused;
        for (const PracticeControlDesign& row : practiceControls)
            if (row.takesFocus())
                focused.push_back(&row);
        for (std::size_t at = 0; at < focused.size(); ++at)
            QTest::newRow(focused[at]->name)
                << (at + 1 < focused.size() ? name(focused[at + 1]->name) : QString())
                << (focused[at]->accessKey ? QString(QChar::fromLatin1(focused[at]->accessKey))
                                           : QString());
    }

    void builtFromTheDesignTable() {
        QFETCH(QString, next);
        QFETCH(QString, accessKey);
        PracticeWindow& window = openPractice();
        QTest::mouseClick(control(window, name(design.workingName)), Qt::LeftButton);
        QWidget* found = control(window, QTest::currentDataTag());
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(found))
            caption = button->text();
        for (const QLabel* label : window.findChildren<QLabel*>())
            if (label->buddy() == found)
                caption = label->text();
        QVERIFY2(accessKey.isEmpty() || caption.contains('&' + accessKey), qPrintable(caption));
        if (next.isEmpty())
            return;
        found->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* reached = control(window, next);
        QVERIFY2(QApplication::focusWidget() == reached ||
                     reached->isAncestorOf(QApplication::focusWidget()),
                 qPrintable(QApplication::focusWidget()->objectName()));
    }

    // A new kind or new numbers draw a new sheet: its code and its first exercise.
    void choosingDrawsANewSheet_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("index");
        QTest::newRow("first degree") << name(design.kindName) << 0;
        QTest::newRow("a system with one solution") << name(design.kindName) << 6;
        QTest::newRow("larger numbers") << name(design.levelName) << 1;
        QTest::newRow("fractions and decimals") << name(design.levelName) << 2;
    }

    void choosingDrawsANewSheet() {
        QFETCH(QString, list);
        QFETCH(int, index);
        PracticeWindow& window = openPractice();
        auto* code = control<QLineEdit>(window, name(design.codeName));
        const QString codeBefore = code->text();
        const QString exerciseBefore = shownExercise(window);
        auto* choices = control<QComboBox>(window, list);
        // As the list's popup reports a choice.
        choices->setCurrentIndex(index);
        emit choices->activated(index);
        const std::optional<SheetCode> drawn = readCode(code->text().toStdString());
        QVERIFY(code->text() != codeBefore && drawn);
        if (list == name(design.kindName))
            QCOMPARE(drawn->kind, practiceKinds.at(std::size_t(index)));
        else
            QCOMPARE(drawn->level, practiceLevels.at(std::size_t(index)));
        QCOMPARE(shownExercise(window), sessionExercise(code->text()));
        // Another kind reads differently, not only in its numbers.
        QVERIFY(list == name(design.levelName) || shownExercise(window) != exerciseBefore);
    }

    // A code typed brings back its sheet; one mistyped says so under the box and to a screen
    // reader, and keeps the sheet.
    void typedCodeBringsBackItsSheet_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("count");
        QTest::addColumn<uint>("seed");
        QTest::newRow("first degree, small numbers") << 0 << 0 << 10 << 12345u;
        QTest::newRow("system, fractions, a long sheet") << 6 << 2 << 30 << 4000000000u;
        QTest::newRow("infinitely many, one exercise") << 8 << 0 << 1 << 1u;
    }

    void typedCodeBringsBackItsSheet() {
        QFETCH(int, kind);
        QFETCH(int, level);
        QFETCH(int, count);
        QFETCH(uint, seed);
        const QString typed = QString::fromStdString(
            codeText({SheetCode::currentVersion, practiceKinds.at(std::size_t(kind)),
                      practiceLevels.at(std::size_t(level)), count, seed}));
        PracticeWindow& window = openPractice();
        typeInto(window, design.codeName, typed);
        auto* code = control<QLineEdit>(window, name(design.codeName));
        QCOMPARE(code->text(), typed);
        QCOMPARE(shownExercise(window), sessionExercise(typed));
        QCOMPARE(control<QComboBox>(window, name(design.kindName))->currentIndex(), kind);
        QCOMPARE(control<QComboBox>(window, name(design.levelName))->currentIndex(), level);
        QVERIFY(code->accessibleDescription().isEmpty());
        code->selectAll();
        code->insert(typed.chopped(1) + "!"); // pasted whole
        QVERIFY(!code->accessibleDescription().isEmpty());
        QCOMPARE(shownExercise(window), sessionExercise(typed));
    }

    // The count tells answers right first time from those right after a wrong one; closing the
    // window, by its close box or Escape, only hides it with its count.
    void answersAreCounted_data() {
        QTest::addColumn<QString>("first"); // before the right answer; none where empty
        QTest::addColumn<QString>("firstWord");
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<QString>("count");
        QTest::newRow("right at once")
            << ""
            << "" << false << "This session: 1 right first time, 0 right after a hint";
        QTest::newRow("wrong, then right")
            << "1000, 1001"
            << "Not right" << true << "This session: 0 right first time, 1 right after a hint";
        QTest::newRow("unreadable, then right")
            << "what?"
            << "Not understood" << false
            << "This session: 1 right first time, 0 right after a hint";
    }

    void answersAreCounted() {
        QFETCH(QString, first);
        QFETCH(QString, firstWord);
        QFETCH(bool, byEscape);
        PracticeWindow& window = openPractice();
        auto* verdict = control<QLabel>(window, name(design.verdictName));
        if (!first.isEmpty()) {
            typeInto(window, design.answerName, first);
            QTest::mouseClick(control(window, name(design.checkName)), Qt::LeftButton);
            QVERIFY2(verdict->text().contains("<b>" + firstWord + "</b>. "),
                     qPrintable(verdict->text()));
        }
        typeInto(window, design.answerName, rightAnswer(session()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The word once, where the message begins with it.
        QVERIFY2(verdict->text().contains("<b>Right</b>.") && verdict->text().count("Right") == 1,
                 qPrintable(verdict->text()));
        const QString exercise = shownExercise(window);
        if (byEscape)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(&openPractice(), &window);
        QCOMPARE(shownExercise(window), exercise);
        QTEST(control<QLabel>(window, name(design.countName))->text(), "count");
    }

    // After each action the keyboard is where the session says, whatever had it before, and
    // what is new is spoken as the main window speaks, through the verdict's description.
    void focusFollowsTheSession_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("kind chosen") << name(design.kindName);
        QTest::newRow("numbers chosen") << name(design.levelName);
        QTest::newRow("new exercise") << name(design.newName);
        QTest::newRow("code typed") << name(design.codeName);
        QTest::newRow("answer checked") << name(design.checkName);
        QTest::newRow("working shown") << name(design.workingName);
    }

    void focusFollowsTheSession() {
        QFETCH(QString, control);
        PracticeWindow& window = openPractice();
        ::control(window, name(design.printName))->setFocus();
        QWidget* used = ::control(window, control);
        if (auto* list = qobject_cast<QComboBox*>(used))
            emit list->activated(list->currentIndex() == 0 ? 1 : 0);
        else if (auto* box = qobject_cast<QLineEdit*>(used))
            emit box->textEdited("abc");
        else
            QTest::mouseClick(used, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(),
                     QString::fromStdString(session().focus()));
        QVERIFY(session().focus() != design.printName);
        if (!session().announcement().empty())
            QCOMPARE(::control(window, name(design.verdictName))->accessibleDescription(),
                     QString::fromStdString(session().announcement()));
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
        openPractice();
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("sheet.pdf"));
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        printSheet(printer, session().printed(withWorking));
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QString content = QString::fromLatin1(pdf.readAll());
        const auto pages = content.count(QRegularExpression("/Type\\s*/Page(?![a-zA-Z])"));
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        const QRegularExpression mediaBox(
            "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]");
        int boxes = 0;
        for (const QRegularExpressionMatch& box : mediaBox.globalMatch(content)) {
            ++boxes;
            QVERIFY(qAbs(box.captured(3).toDouble() - box.captured(1).toDouble() - width) < 1);
            QVERIFY(qAbs(box.captured(4).toDouble() - box.captured(2).toDouble() - height) < 1);
        }
        QCOMPARE(boxes, pages);
    }
};

QTEST_MAIN(TestPracticeWindow)
#include "test_practice_window.moc"
