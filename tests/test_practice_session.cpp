#include <algorithm>
#include <string>

#include <QStringList>
#include <QTest>

#include "core/practice/practice_session.h"
#include "core/practice/verdict_word.h"
#include "test_data.h"

// The Practice window's side of a pupil's answers: what counts as right first time and right
// after a hint, where the focus goes, and how a typed code brings its sheet back.
class TestPracticeSession : public QObject {
    Q_OBJECT

private:
    // "right" types the key's answer, "wrong" a number no exercise has as its answer,
    // "unreadable" a sentence, then each checks it; "working", "new" and "kind N" press their
    // controls.
    static void act(PracticeSession& session, const QString& action) {
        const Exercise& exercise = session.exercises()[exerciseIndex(session)];
        if (action == "right" || action == "wrong" || action == "unreadable") {
            session.editAnswer(action == "right"   ? expectedAnswer(exercise, NumberLocale{})
                               : action == "wrong" ? "987654321"
                                                   : "the answer is what?");
            session.checkAnswer();
        } else if (action == "working") {
            session.showWorking();
        } else if (action == "new") {
            session.newExercise();
        } else if (action.startsWith("kind ")) {
            session.chooseKind(action.mid(5).toInt());
        } else {
            qFatal("no action %s", qPrintable(action));
        }
    }

    static int exerciseIndex(const PracticeSession& session) {
        const std::string& position = session.view().position; // "Exercise 3 of 10"
        return std::stoi(position.substr(position.find(' ') + 1)) - 1;
    }

private slots:
    void answers_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("focus");
        const QString none = "This session: 0 right first time, 0 right after a hint";
        const QString first = "This session: 1 right first time, 0 right after a hint";
        const QString hinted = "This session: 0 right first time, 1 right after a hint";
        QTest::newRow("right") << QStringList{"right"} << first << "NewExercise";
        QTest::newRow("wrong") << QStringList{"wrong"} << none << "PracticeAnswer";
        QTest::newRow("wrong, then right")
            << QStringList{"wrong", "right"} << hinted << "NewExercise";
        QTest::newRow("unreadable is no hint")
            << QStringList{"unreadable", "right"} << first << "NewExercise";
        QTest::newRow("right twice counts once")
            << QStringList{"right", "right"} << first << "NewExercise";
        QTest::newRow("after the working, nothing counts")
            << QStringList{"working", "right"} << none << "NewExercise";
        QTest::newRow("a new exercise starts afresh")
            << QStringList{"wrong", "new", "right"} << first << "NewExercise";
        QTest::newRow("a system") << QStringList{"kind 6", "wrong", "right", "new", "right"}
                                  << "This session: 1 right first time, 1 right after a hint"
                                  << "NewExercise";
        QTest::newRow("first degree, new exercise")
            << QStringList{"kind 0", "right", "new"} << first << "PracticeAnswer";
    }
    void answers() {
        QFETCH(QStringList, actions);
        QFETCH(QString, count);
        QFETCH(QString, focus);
        PracticeSession session(7, NumberLocale{});
        for (const QString& action : actions)
            act(session, action);
        QCOMPARE(QString::fromStdString(session.view().count), count);
        QCOMPARE(QString::fromStdString(session.focus()), focus);
    }

    // A code typed brings back its sheet; one mistyped leaves the sheet and says so.
    void codes_data() {
        QTest::addColumn<bool>("mistyped");
        QTest::newRow("as shown") << false;
        QTest::newRow("one character changed") << true;
    }
    void codes() {
        QFETCH(bool, mistyped);
        PracticeSession shown(1, NumberLocale{});
        PracticeSession typing(2, NumberLocale{});
        const std::vector<Exercise> before = typing.exercises();
        std::string code = shown.view().code;
        if (mistyped)
            code[0] = code[0] == 'X' ? 'Y' : 'X';
        typing.editCode(code);
        QCOMPARE(typing.exercises() == shown.exercises(), !mistyped);
        QCOMPARE(typing.exercises() == before, mistyped);
        QCOMPARE(typing.view().codeMessage.empty(), !mistyped);
        QCOMPARE(typing.view().code, code); // as typed
    }

    void answerMarked_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("mark"); // before, marked, after; none where read
        QTest::newRow("a sign no answer has") << "2 & 3" << QStringList{"2 ", "&", " 3"};
        QTest::newRow("a bracket not closed") << "(2, 3" << QStringList{"", "(", "2, 3"};
        QTest::newRow("a word") << "x = two" << QStringList{"x = ", "two", ""};
        QTest::newRow("an invisible character")
            << "2\u200B, 3" << QStringList{"2", "U+200B", ", 3"};
        QTest::newRow("read") << "987654321" << QStringList{};
    }

    // An answer that cannot be read is quoted with the place where reading stopped marked.
    void answerMarked() {
        QFETCH(QString, answer);
        QFETCH(QStringList, mark);
        PracticeSession session(1, NumberLocale{});
        session.editAnswer(answer.toStdString());
        session.checkAnswer();
        const MarkedPlace& shown = session.view().answerMark;
        const QStringList found = shown.marked.empty()
                                      ? QStringList{}
                                      : QStringList{QString::fromStdString(shown.before),
                                                    QString::fromStdString(shown.marked),
                                                    QString::fromStdString(shown.after)};
        QCOMPARE(found, mark);
    }

    void pastedCode_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QString>("says");
        for (const PastedText& pasted : pastedTexts(VELMORA_PASTED_TEXTS, "code"))
            QTest::addRow("%s", qPrintable(pasted.name))
                << QByteArray::fromStdString(pasted.text) << pasted.says;
    }

    // A pasted page in the code's box is refused in words, the sheet kept; a code then read.
    void pastedCode() {
        QFETCH(QByteArray, code);
        PracticeSession shown(1, NumberLocale{});
        PracticeSession typing(2, NumberLocale{});
        const std::vector<Exercise> before = typing.exercises();
        typing.editCode(code.toStdString());
        QTEST(QString::fromStdString(typing.view().codeMessage), "says");
        QVERIFY(typing.exercises() == before);
        typing.editCode(shown.view().code);
        QVERIFY(typing.view().codeMessage.empty());
        QVERIFY(typing.exercises() == shown.exercises());
    }

    // A longer sheet begins with the shorter one's exercises; its code carries its length.
    void sheetLength_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("shown");
        QTest::newRow("longer") << 25 << 25;
        QTest::newRow("shorter") << 3 << 3;
        QTest::newRow("past the largest") << 99 << SheetCode::largestCount;
        QTest::newRow("none") << 0 << 1;
    }
    void sheetLength() {
        QFETCH(int, length);
        QFETCH(int, shown);
        PracticeSession session(5, NumberLocale{});
        const std::vector<Exercise> before = session.exercises();
        session.chooseSheetLength(length);
        QCOMPARE(session.view().sheetLength, shown);
        QCOMPARE(int(session.exercises().size()), shown);
        const std::size_t common = std::min(before.size(), session.exercises().size());
        QVERIFY(std::equal(before.begin(), before.begin() + common, session.exercises().begin()));
        QCOMPARE(readCode(session.view().code)->count, shown);
        QCOMPARE(QString::fromStdString(session.focus()), "SheetLength");
    }

    // The verdict's word stands once before its message: taken from the message where it begins
    // with it, else put before it.
    void verdictWordOnce_data() {
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown"); // the word in brackets
        const int right = int(AnswerCheck::Verdict::Right),
                  wrong = int(AnswerCheck::Verdict::Wrong);
        QTest::newRow("the word alone") << right << "Right."
                                        << "[Right].";
        QTest::newRow("the word and more") << right << "Right, to 2 decimal places."
                                           << "[Right], to 2 decimal places.";
        QTest::newRow("two words") << wrong << "Not right: look again."
                                   << "[Not right]: look again.";
        QTest::newRow("no word") << wrong << "3 is not a root."
                                 << "[Not right]. 3 is not a root.";
        QTest::newRow("the word inside a longer one") << right << "Rightly so."
                                                      << "[Right]. Rightly so.";
        QTest::newRow("no message") << int(AnswerCheck::Verdict::Unreadable) << ""
                                    << "[Not understood].";
    }
    void verdictWordOnce() {
        QFETCH(int, verdict);
        QFETCH(QString, message);
        const ShownVerdict shown =
            shownVerdict(AnswerCheck::Verdict(verdict), message.toStdString());
        QTEST(QString("[%1]%2").arg(shown.word, QString::fromStdString(shown.rest)), "shown");
    }

    // Past the sheet's last exercise comes a new sheet of the same kind and level.
    void newSheet() {
        PracticeSession session(3, NumberLocale{});
        session.chooseKind(4);
        const std::string code = session.view().code;
        for (int index = 1; index < session.sheet().count; ++index)
            session.newExercise();
        QCOMPARE(session.view().code, code);
        session.newExercise();
        QVERIFY(session.view().code != code);
        QCOMPARE(session.sheet().kind, PracticeKind::DoubleRoot);
        QCOMPARE(QString::fromStdString(session.view().position), "Exercise 1 of 10");
    }
};

QTEST_APPLESS_MAIN(TestPracticeSession)
#include "test_practice_session.moc"
