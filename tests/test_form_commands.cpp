#include <algorithm>
#include <vector>

#include <QTest>

#include "core/conversation/conversation.h"
#include "core/conversation/overloaded.h"
#include "core/conversation/reading_shown.h"
#include "core/practice/printed_sheet.h"
#include "core/typing/equation_reading.h"
#include "test_data.h"

// The window's commands on the plain model: layouts, input warnings and what they empty.
class TestFormCommands : public QObject {
    Q_OBJECT

private:
    // The window as a front-end drives it: events into the conversation, every reply rendered,
    // every box answered with OK (or as told).
    struct Window {
        Conversation conversation;
        std::vector<std::string> warnings;
        std::vector<Reply> replies; // the replies of the last command, the box's answer last

        Window() { play(conversation.handle(event::Load{})); }

        void play(Reply reply, BoxButton button = BoxButton::Ok) {
            replies.clear();
            for (;;) {
                replies.push_back(reply);
                if (reply.empty() || !std::holds_alternative<show::Box>(reply.back()))
                    return;
                const auto& box = std::get<show::Box>(reply.back());
                if (box.title == "Warning")
                    warnings.push_back(box.text);
                reply = conversation.handle(event::Answer{button});
            }
        }
        void command(Command command, std::string origin = {}) {
            play(conversation.handle(event::Command{command, std::move(origin)}));
        }
        void run() { command(Command::Run); }
        // The "Equation" box: opened, its text typed, and how the user leaves it.
        void typeEquation(const QString& text, std::string origin = {}) {
            command(Command::TypeEquation, std::move(origin));
            play(conversation.handle(event::EquationEdit{text.toStdString()}));
        }
        void send(const Event& event) { play(conversation.handle(event)); }
        void choose(int option) { conversation.handle(event::Choose{option}); }
        void type(const QStringList& texts) {
            for (int index = 1; index <= texts.size(); ++index)
                conversation.handle(event::Edit{index, texts[index - 1].toStdString()});
        }
        const WindowModel& controls() const { return conversation.window(); }
        QString lastWarning() const {
            return warnings.empty() ? QString() : QString::fromStdString(warnings.back());
        }
        QString text(int index) const { return QString::fromStdString(controls().text(index)); }
        QString caption(int index) const {
            return QString::fromStdString(controls().caption(index));
        }
        // Visible boxes and labels as "T1 T2 ... L1 ...", for comparing layouts at a glance.
        QString visible() const {
            QStringList shown;
            for (int index = 1; index <= 11; ++index)
                if (controls().textVisible(index))
                    shown << QString("T%1").arg(index);
            for (int index = 1; index <= 13; ++index)
                if (controls().labelVisible(index))
                    shown << QString("L%1").arg(index);
            return shown.join(' ');
        }
    };

    // A Practice event as a row names it: "answer right" types the key's answer to the exercise
    // shown.
    static Event practiceEvent(const QString& action, const PracticeSession& session) {
        const QString word = action.section(' ', 0, 0), rest = action.section(' ', 1);
        const int number = rest.toInt();
        if (word == "answer") {
            const std::string& position = session.view().position; // "Exercise 3 of 10"
            const Exercise& shown = session.exercises().at(
                std::size_t(std::stoi(position.substr(position.find(' ') + 1)) - 1));
            return event::AnswerEdit{rest == "right" ? expectedAnswer(shown, NumberLocale{})
                                                     : rest.toStdString()};
        }
        if (word == "check")
            return event::CheckAnswer{};
        if (word == "working")
            return event::ShowPracticeWorking{};
        if (word == "kind")
            return event::PracticeKindChosen{number};
        if (word == "level")
            return event::PracticeLevelChosen{number};
        if (word == "method")
            return event::PracticeMethodChosen{WorkingMethod(number)};
        if (word == "length")
            return event::SheetLengthChosen{number};
        if (word == "code")
            return event::SheetCodeEdit{rest.toStdString()};
        if (word == "closed")
            return event::PracticeClosed{};
        return event::NewExercise{};
    }

    // The same event given to a session of its own.
    static void sendAlone(PracticeSession& session, const Event& event) {
        const overloaded act{
            [&](const event::PracticeKindChosen& e) { session.chooseKind(e.index); },
            [&](const event::PracticeLevelChosen& e) { session.chooseLevel(e.index); },
            [&](const event::PracticeMethodChosen& e) { session.chooseMethod(e.method); },
            [&](const event::SheetLengthChosen& e) { session.chooseSheetLength(e.count); },
            [&](const event::SheetCodeEdit& e) { session.editCode(e.text); },
            [&](const event::NewExercise&) { session.newExercise(); },
            [&](const event::AnswerEdit& e) { session.editAnswer(e.text); },
            [&](const event::CheckAnswer&) { session.checkAnswer(); },
            [&](const event::ShowPracticeWorking&) { session.showWorking(); },
            [](const auto&) {},
        };
        std::visit(act, event);
    }

    static void start(Window& w, int option) {
        w.choose(option);
        w.command(Command::Check);
    }

    // Lays out the mode over a result area that every earlier result has filled (a system solved,
    // then an equation with complex roots without "CHECK!"), types the coefficients and clicks
    // "run".
    static void runAfterEarlierResults(Window& w, bool system, const QStringList& typed) {
        start(w, 2);
        w.type({"1", "1", "3", "1", "-1", "1"});
        w.run();
        w.choose(1);
        w.type({"1", "2", "5"});
        w.run();
        for (int index = 7; index <= 11; ++index)
            QVERIFY(!w.text(index).isEmpty());
        for (int index : {1, 7, 8})
            QVERIFY(!w.caption(index).isEmpty());
        w.choose(system ? 2 : 1);
        w.type(typed);
        w.run();
    }

private slots:
    void load() {
        Window w;
        QCOMPARE(w.visible(), QString());
        for (int command = 1; command <= 3; ++command)
            QVERIFY(!w.controls().commandEnabled(command));
        QCOMPARE(w.conversation.variables().i, std::int16_t(12));
        QVERIFY(w.controls().windowShown());
        QCOMPARE(w.controls().focus(), std::string("Option1"));
    }

    void checkWithoutOption() {
        Window w;
        w.command(Command::Check);
        for (int command = 1; command <= 3; ++command)
            QVERIFY(w.controls().commandEnabled(command));
        QCOMPARE(w.visible(), QString());
        QCOMPARE(w.controls().focus(), std::string("Option1")); // no box to type in
        // and "run" then does nothing at all
        w.run();
        QVERIFY(w.warnings.empty());
        QVERIFY(w.replies.front().empty());
    }

    // The number format is asked for once, by the first run, and that run already reads by it.
    void numberFormatLearntAtTheFirstRun() {
        Window w;
        int asked = 0;
        w.conversation.setNumberLocale([&asked] {
            ++asked;
            NumberLocale german;
            german.decimalSeparator = ",";
            german.groupSeparator = ".";
            return german;
        });
        start(w, 1);
        w.type({"2", "-1,5", "0"});
        QCOMPARE(asked, 0);
        w.run();
        QCOMPARE(asked, 1);
        QVERIFY(w.warnings.empty());
        w.run();
        w.conversation.readNumberLocale();
        QCOMPARE(asked, 1);
    }

    void layouts() {
        Window w;
        start(w, 2);
        QCOMPARE(w.visible(), QString("T1 T2 T3 T4 T5 T6 T7 T8 T9 T10 T11 L1 L2 L3 L4 L5 L6 L7 L8 "
                                      "L9 L10 L11 L12 L13"));
        QCOMPARE(w.caption(6), QString("a1*x+b1*y=c1\r\na2*x+b2*y=c2"));
        QStringList captions;
        for (int index : {2, 3, 4, 9, 10, 11, 5, 12, 13})
            captions << w.caption(index);
        QCOMPARE(captions.join(' '), QString("a1= b1= c1= a2= b2= c2= D= D1= D2="));
        QCOMPARE(w.controls().focus(), std::string("Text(1)"));
        // Their captions empty until a run, the result boxes are named by the layout.
        QCOMPARE(w.caption(7) + w.caption(8), QString());
        QCOMPARE(w.controls().boxName(10) + " " + w.controls().boxName(11), std::string("x= y="));

        w.type({"1", "1", "3", "1", "-1", "1"});
        w.run();
        w.choose(1);
        w.type({"1", "2", "5"});
        w.run();
        w.command(Command::Check);
        QCOMPARE(w.visible(), QString("T1 T2 T3 T7 T10 T11 L1 L2 L3 L4 L5 L6 L7 L8"));
        QCOMPARE(w.caption(6), QString("a*x^2+b*x+c=0"));
        QCOMPARE(w.caption(2) + w.caption(3) + w.caption(4), QString("a=b=c="));
        for (int index = 1; index <= 11; ++index)
            QCOMPARE(w.text(index), QString()); // hidden boxes emptied too
        QCOMPARE(w.caption(1) + w.caption(7) + w.caption(8), QString());
        QCOMPARE(w.controls().focus(), std::string("Text(1)"));
        QCOMPARE(w.controls().boxName(10) + " " + w.controls().boxName(11), std::string("x1= x2="));
        w.type({"1", "2", "1"});
        w.run();
        QCOMPARE(w.caption(1) + w.caption(8), QString("Double root."));
        QCOMPARE(w.controls().boxName(11), std::string("x2="));
    }

    void warnings_data() {
        QTest::addColumn<bool>("system");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("emptied");
        // What the live region holds after the box: the earlier run's sentence while its results
        // stand.
        QTest::addColumn<QString>("heard");
        const QString earlier("No real roots. Comlpex roots: D= -16, D1= -4, D2= -2, x1= -1+2*i, "
                              "x2= -1-2*i");

        // clang-format off
        QTest::newRow("equation, empty before non-numeric")
            << false << QStringList{"1", "", "x"} << "Fill in a,b,c!" << "" << earlier;
        QTest::newRow("equation, non-numeric")
            << false << QStringList{"1", "2", "abc"} << "Check again! No numeric values!" << "T7 T10 T11" << "";
        QTest::newRow("equation, a single blank is not empty")
            << false << QStringList{"1", " ", "2"} << "Check again! No numeric values!" << "T7 T10 T11" << "";
        QTest::newRow("system, empty box")
            << true << QStringList{"1", "2", "3", "", "5", "6"} << "Fill in a1,a2,...,c2!" << "L1" << "";
        QTest::newRow("system, non-numeric box")
            << true << QStringList{"1", "2", "3", "4", "5", "six"} << "Check again! No numeric values!"
            << "T7 T8 T9 T10 T11 L1" << "";
        QTest::newRow("equation, a thousands separator that groups nothing")
            << false << QStringList{"1", "2", "1,5"} << "Check again! No numeric values!" << "T7 T10 T11" << "";
        QTest::newRow("system, a thousands separator that groups nothing")
            << true << QStringList{"1", "2", "3", "12,34", "5", "6"} << "Check again! No numeric values!"
            << "T7 T8 T9 T10 T11 L1" << "";
        // clang-format on
    }

    void warnings() {
        QFETCH(bool, system);
        QFETCH(QStringList, typed);
        Window w;
        runAfterEarlierResults(w, system, typed);

        QCOMPARE(int(w.warnings.size()), 1);
        QTEST(w.lastWarning(), "warning");
        // The box comes first, and what the command empties is shown once it is answered.
        QCOMPARE(int(w.replies.size()), 2);
        QCOMPARE(int(w.replies[0].size()), 1);
        // After the box the focus goes back to "run", and nothing more is announced.
        QCOMPARE(w.controls().focus(), std::string("Command1"));
        QVERIFY(!std::holds_alternative<show::Announcement>(w.replies[1].back()));
        QStringList emptied;
        for (int index = 7; index <= 11; ++index)
            if (w.text(index).isEmpty())
                emptied << QString("T%1").arg(index);
        for (int index : {1, 7, 8})
            if (w.caption(index).isEmpty())
                emptied << QString("L%1").arg(index);
        QTEST(emptied.join(' '), "emptied");
        QTEST(QString::fromStdString(w.controls().lastAnnouncement()), "heard");
        for (int index = 1; index <= typed.size(); ++index)
            QCOMPARE(w.text(index), typed[index - 1]); // the input is never changed
    }

    void runFollowsTheSelectedOption() {
        Window w;
        start(w, 2);
        w.type({"1", "1", "3", "1", "-1", "1"});
        w.run();
        QCOMPARE(w.text(8), QString("-4"));
        // Equation chosen without "CHECK!": only a, b, c are checked and solved.
        w.choose(1);
        w.run();
        QVERIFY(w.warnings.empty());
        QCOMPARE(w.caption(1), QString("No real roots. Comlpex roots:"));
        QCOMPARE(w.text(7), QString("-11"));
        QCOMPARE(w.text(8), QString("-4"));
        QCOMPARE(w.text(9), QString("-2"));

        Window e;
        start(e, 1);
        e.type({"1", "2", "3"});
        e.choose(2);
        e.run();
        QCOMPARE(e.lastWarning(), QString("Fill in a1,a2,...,c2!"));
    }

    void faults_data() {
        QTest::addColumn<bool>("system");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("warning");
        // clang-format off
        QTest::newRow("equation, discriminant overflow")
            << false << QStringList{"1", "2E+19", "1"} << "Overflow";
        QTest::newRow("equation, root overflow")
            << false << QStringList{"0", "1E-10", "1E+30"} << "Overflow";
        QTest::newRow("system, general solution overflow")
            << true << QStringList{"1E-20", "0", "1E+30", "0", "1E-20", "0"} << "Overflow";
        QTest::newRow("system, division by zero")
            << true << QStringList{"1", "1E-23", "1", "1E-23", "0", "1"} << "Division by zero";
        // clang-format on
    }

    // A fault stops the command and leaves no stale or half-written result on screen.
    void faults() {
        QFETCH(bool, system);
        QFETCH(QStringList, typed);
        Window w;
        runAfterEarlierResults(w, system, typed);

        QCOMPARE(int(w.warnings.size()), 1);
        QTEST(w.lastWarning(), "warning");
        // The results are emptied first, then the box says why.
        QCOMPARE(int(w.replies.size()), 2);
        QVERIFY(w.replies[0].size() > 1);
        QCOMPARE(w.replies[1], Reply{show::Focus{"Command1"}});
        for (int index = 7; index <= 11; ++index)
            QCOMPARE(w.text(index), QString());
        for (int index : {1, 7, 8})
            QCOMPARE(w.caption(index), QString());
        // and the program goes on: the next run solves
        w.type({"1", "-3", "2", "1", "1", "1"});
        w.run();
        QCOMPARE(int(w.warnings.size()), 1);
        QVERIFY(!w.text(10).isEmpty());
    }

    // What a screen reader hears after a run: the status line and the results, once.
    void announcements_data() {
        QTest::addColumn<bool>("system");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("sentence");
        // clang-format off
        QTest::newRow("two real roots")
            << false << QStringList{"1", "-3", "2"} << "Two real roots. D= 1, x1= 2, x2= 1";
        QTest::newRow("first degree")
            << false << QStringList{"0", "2", "-4"} << "x1= 2";
        QTest::newRow("complex roots")
            << false << QStringList{"1", "2", "5"} << "No real roots. Comlpex roots: D= -16, x1= -1+2*i, x2= -1-2*i";
        QTest::newRow("unsolvable equation")
            << false << QStringList{"0", "0", "5"} << "Unsolvable Equation";
        QTest::newRow("system solved")
            << true << QStringList{"1", "1", "3", "1", "-1", "1"} << "D= -2, D1= -4, D2= -2, x= 2, y= 1";
        QTest::newRow("undefined system")
            << true << QStringList{"0", "0", "0", "0", "0", "0"} << "Undefined System!";
        // clang-format on
    }

    void announcements() {
        QFETCH(bool, system);
        QFETCH(QStringList, typed);
        Window w;
        start(w, system ? 2 : 1);
        w.type(typed);
        w.run();
        const Reply& reply = w.replies.front();
        QCOMPARE(int(std::ranges::count_if(reply,
                                           [](const Effect& effect) {
                                               return std::holds_alternative<show::Announcement>(
                                                   effect);
                                           })),
                 1);
        QTEST(QString::fromStdString(std::get<show::Announcement>(reply.back()).text), "sentence");
    }

    // A result wider than its box offers its whole text; one that fits offers none.
    void cutResultsOfferTheirWholeText() {
        Window w;
        start(w, 1);
        w.type({"1", "1", "1"});
        w.run();
        QCOMPARE(w.controls().wholeText(10), std::string("-0.5+0.866025403784439*i "));
        QCOMPARE(w.controls().wholeText(7), std::string());
        w.type({"1", "-3", "2"});
        w.run();
        QCOMPARE(w.controls().wholeText(10), std::string());
    }

    void menusAndTheEnd_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<QString>("focus");
        QTest::newRow("exit ends at once, the focus on starting again")
            << int(Command::Exit) << 0 << true << "StartAgain";
        QTest::newRow("File > Exit, Yes")
            << int(Command::FileExit) << int(BoxButton::Yes) << true << "StartAgain";
        QTest::newRow("File > Exit, No: the focus goes back")
            << int(Command::FileExit) << int(BoxButton::No) << false << "Text(2)";
        QTest::newRow("Help > About: the focus goes back")
            << int(Command::HelpAbout) << int(BoxButton::Ok) << false << "Text(2)";
    }

    void menusAndTheEnd() {
        QFETCH(int, command);
        QFETCH(int, button);
        Window w;
        start(w, 1);
        w.play(w.conversation.handle(event::Command{Command(command), "Text(2)"}),
               BoxButton(button));
        QTEST(w.controls().ended(), "ended");
        QTEST(QString::fromStdString(w.controls().focus()), "focus");
        if (w.controls().ended()) {
            // The line is said as well as shown.
            QCOMPARE(w.replies.back(),
                     (Reply{show::End{"Velmora has ended.", "Start it again"},
                            show::Announcement{"Velmora has ended."}, show::Focus{"StartAgain"}}));
            // Nothing answers any more.
            QVERIFY(w.conversation.handle(event::Command{Command::Check}).empty());
            QVERIFY(w.conversation.handle(event::WindowClosed{}).empty());
        }
    }

    // The main window closed while the information window is open brings that one back.
    void infoWindowOutlivesTheMainWindow() {
        Window w;
        QVERIFY(w.conversation.handle(event::WindowClosed{}).empty());
        w.command(Command::Info);
        QCOMPARE(w.replies.front(), Reply{show::InfoWindow{}});
        QCOMPARE(w.conversation.handle(event::WindowClosed{}), Reply{show::InfoWindowBack{}});
        w.conversation.handle(event::InfoWindowClosed{});
        QVERIFY(w.conversation.handle(event::WindowClosed{}).empty());
    }

    // The working opens from the first run on and follows every later run, warning and layout.
    void workingFollowsTheRuns() {
        Window w;
        start(w, 1);
        w.command(Command::ShowWorking);
        QVERIFY(w.replies.front().empty()); // nothing to show before the first run
        QVERIFY(!w.controls().workingEnabled());
        w.type({"1", "-3", "2"});
        w.run();
        QVERIFY(w.controls().workingEnabled());
        QVERIFY(w.controls().workingText().empty()); // not open yet
        w.command(Command::ShowWorking);
        const QString solved = QString::fromStdString(w.controls().workingText());
        QVERIFY2(solved.contains("D = b² - 4·a·c") || solved.contains("D ="), qPrintable(solved));
        QVERIFY2(solved.contains("x1") && solved.contains("2"), qPrintable(solved));

        w.type({"1", "-3", "x"});
        w.run();
        // The warning first; the working follows with the answer.
        QCOMPARE(int(w.replies.size()), 2);
        QVERIFY(std::holds_alternative<show::Box>(w.replies[0].back()));
        QVERIFY(std::ranges::any_of(w.replies[1], [](const Effect& effect) {
            return std::holds_alternative<show::Working>(effect);
        }));
        QVERIFY2(QString::fromStdString(w.controls().workingText()).contains("\"x\""),
                 w.controls().workingText().c_str());

        w.command(Command::Check);
        QVERIFY(
            QString::fromStdString(w.controls().workingText()).startsWith("Nothing is solved yet"));
        w.conversation.handle(event::WorkingWindowClosed{});
        w.run();
        QVERIFY(
            QString::fromStdString(w.controls().workingText()).startsWith("Nothing is solved yet"));
    }

    // Typed as in the exercise book, an equation is solved by the pupil's own steps: its mode
    // chosen, CHECK!, the coefficients written into the boxes, run; what cannot be read changes
    // nothing.
    void equationBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("option"); // 0: refused
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("sentence");
        // clang-format off
        QTest::newRow("second degree")
            << "x^2 - 3x + 2 = 0" << 1 << QStringList{"1", "-3", "2"} << "Two real roots. D= 1, x1= 2, x2= 1";
        QTest::newRow("second degree, both sides")
            << "x² = 3x - 2" << 1 << QStringList{"1", "-3", "2"} << "Two real roots. D= 1, x1= 2, x2= 1";
        QTest::newRow("first degree")
            << "2x - 4 = 0" << 1 << QStringList{"0", "2", "-4"} << "x1= 2";
        QTest::newRow("complex roots")
            << "x^2 + 2x + 5 = 0" << 1 << QStringList{"1", "2", "5"} << "No real roots. Comlpex roots: D= -16, x1= -1+2*i, x2= -1-2*i";
        QTest::newRow("system on two lines")
            << "x + y = 3\nx - y = 1" << 2 << QStringList{"1", "1", "3", "1", "-1", "1"} << "D= -2, D1= -4, D2= -2, x= 2, y= 1";
        QTest::newRow("system on one line")
            << "x + y = 3; x - y = 1" << 2 << QStringList{"1", "1", "3", "1", "-1", "1"} << "D= -2, D1= -4, D2= -2, x= 2, y= 1";
        QTest::newRow("nothing typed") << "" << 0 << QStringList{} << "";
        QTest::newRow("a third degree") << "x^3 = 1" << 0 << QStringList{} << "";
        QTest::newRow("a bracket left open") << "3(x - 1 = 2" << 0 << QStringList{} << "";
        // clang-format on
    }

    void equationBox() {
        QFETCH(QString, typed);
        QFETCH(int, option);
        QFETCH(QStringList, boxes);
        Window w;
        // A system solved before: the box lays out its own mode over it.
        start(w, 2);
        w.type({"1", "1", "3", "1", "-1", "2"});
        w.run();
        const QString before = w.visible();
        w.typeEquation(typed, "Text(2)");
        QVERIFY(w.controls().equationOpen());
        QCOMPARE(w.controls().equationReading().accepted, option != 0);
        QVERIFY(!w.controls().equationReading().message.empty());
        QCOMPARE(w.controls().focus(), std::string("EquationText"));
        // Typed, a text that does not read is not yet marked.
        QVERIFY(!w.controls().equationReading().invalid);
        w.send(event::SolveEquation{});
        QVERIFY(w.warnings.empty());
        if (option == 0) {
            // Refused: the reading said once and the box marked invalid, until the text reads.
            const show::EquationReading refused = w.controls().equationReading();
            QVERIFY(refused.spoken && refused.invalid);
            QCOMPARE(w.replies.front(), (Reply{refused, show::Focus{"EquationText"}}));
            w.send(event::EquationEdit{typed.toStdString() + "="});
            QVERIFY(w.controls().equationReading().invalid);
            QVERIFY(!w.controls().equationReading().spoken);
            w.send(event::EquationEdit{"x = 1"});
            QVERIFY(!w.controls().equationReading().invalid);
            QVERIFY(w.controls().equationOpen());
            QVERIFY(w.controls().option2Selected());
            QCOMPARE(w.visible(), before);
            QCOMPARE(w.text(6), QString("2"));
            return;
        }
        QVERIFY(!w.controls().equationOpen());
        QCOMPARE(w.controls().option1Selected(), option == 1);
        QCOMPARE(w.controls().option2Selected(), option == 2);
        // The layout is CHECK!'s: the other mode's boxes hidden and every box emptied first.
        Window byHand;
        start(byHand, option);
        QCOMPARE(w.visible(), byHand.visible());
        for (int index = 1; index <= boxes.size(); ++index)
            QCOMPARE(w.text(index), boxes[index - 1]);
        QCOMPARE(w.controls().focus(), std::string("Command1"));
        QTEST(QString::fromStdString(w.controls().lastAnnouncement()), "sentence");
        // The box keeps the equation for the next time.
        w.command(Command::TypeEquation);
        QCOMPARE(std::get<show::EquationWindow>(w.replies.front().front()).text,
                 typed.toStdString());
    }

    void pastedEquation_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("says");
        for (const PastedText& pasted : pastedTexts(VELMORA_PASTED_TEXTS, "equation"))
            if (pasted.locale == "en-US")
                QTest::addRow("%s", qPrintable(pasted.name))
                    << QByteArray::fromStdString(pasted.text) << pasted.says;
    }

    // Whatever is pasted, the box says what it reads or why not, quotes no more than the
    // neighbourhood of the place and nothing invisible, and then solves the next equation.
    void pastedEquation() {
        QFETCH(QByteArray, text);
        Window w;
        start(w, 1);
        w.command(Command::TypeEquation);
        w.send(event::EquationEdit{text.toStdString()});
        const show::EquationReading& reading = w.controls().equationReading();
        QTEST(QString::fromStdString(reading.message), "says");
        const QString quoted =
            QString::fromStdString(reading.before + reading.marked + reading.after);
        QVERIFY2(quoted.size() <= 100, qPrintable(quoted.left(120)));
        for (const QChar character : quoted)
            QVERIFY(character.category() != QChar::Other_Format &&
                    character.category() != QChar::Other_Control && !character.isSurrogate());
        w.send(event::SolveEquation{});
        w.command(Command::TypeEquation);
        w.send(event::EquationEdit{"x^2 - 3x + 2 = 0"});
        w.send(event::SolveEquation{});
        QVERIFY(!w.controls().equationOpen());
        QCOMPARE(QString::fromStdString(w.controls().lastAnnouncement()),
                 QString("Two real roots. D= 1, x1= 2, x2= 1"));
    }

    // The working of a run from the box begins with how the text became the coefficients; a run
    // from the boxes, CHECK! or clear fields leaves that out again.
    void equationBoxStepsBeginTheWorking_data() {
        QTest::addColumn<int>("after");
        QTest::newRow("the box's own run") << int(Command::None);
        QTest::newRow("run again") << int(Command::Run);
        QTest::newRow("CHECK!") << int(Command::Check);
        QTest::newRow("clear fields") << int(Command::ClearFields);
    }

    void equationBoxStepsBeginTheWorking() {
        QFETCH(int, after);
        const QString typed("3(x - 1) = x²");
        const EquationReading reading = readEquation(typed.toStdString(), NumberLocale{});
        if (!reading.accepted || reading.steps.empty())
            QSKIP("the reader refuses the text");
        Window w;
        start(w, 1);
        w.typeEquation(typed);
        w.send(event::SolveEquation{});
        if (Command(after) != Command::None)
            w.command(Command(after));
        w.command(Command::ShowWorking);
        const std::string text = w.controls().workingText();
        const bool stepsFirst = text.starts_with(reading.steps.front());
        QCOMPARE(stepsFirst, Command(after) == Command::None);
    }

    // Cancel, Escape or its close box: the box goes, the focus back where it was, and nothing in
    // the window changes; the text stays for the next time.
    void equationBoxClosedUnused() {
        Window w;
        start(w, 1);
        w.type({"1", "2", "1"});
        w.run();
        const QString before = w.visible() + w.text(1) + w.text(2) + w.text(3) + w.text(10);
        w.typeEquation("x + y = 3; x - y = 1", "Text(3)");
        w.send(event::EquationClosed{});
        QCOMPARE(w.replies.front(), (Reply{show::EquationWindowClosed{}, show::Focus{"Text(3)"}}));
        QCOMPARE(w.visible() + w.text(1) + w.text(2) + w.text(3) + w.text(10), before);
        QVERIFY(w.controls().option1Selected());
        // Closed, the box answers nothing.
        QVERIFY(w.conversation.handle(event::SolveEquation{}).empty());
        QVERIFY(w.conversation.handle(event::EquationEdit{"x = 1"}).empty());
        w.command(Command::TypeEquation);
        QCOMPARE(w.replies.front().front(), Effect{show::EquationWindow{"x + y = 3; x - y = 1"}});
    }

    // Where the box cannot read, the line that holds the place is quoted with the place marked,
    // and the place counted as both front-ends count text.
    void equationReadingMarksThePlace_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("place"); // bytes
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("quoted"); // before[marked]after
        QTest::addColumn<int>("markStart");
        QTest::addColumn<int>("markLength");
        // clang-format off
        QTest::newRow("inside one line")        << "3(x - 1 = 2" << 1 << 1 << "3[(]x - 1 = 2" << 1 << 1;
        QTest::newRow("no length: the character there") << "x + * 2" << 4 << 0 << "x + [*] 2" << 4 << 1;
        QTest::newRow("no length at the end")   << "x + " << 4 << 0 << "x + [ ]" << 4 << 0;
        QTest::newRow("the second line")        << "x + y = 3\nx - z = 1" << 14 << 1 << "x - [z] = 1" << 14 << 1;
        QTest::newRow("a mark over two lines")  << "x + y = 3\nx = 1\ny = 2" << 10 << 11 << "[x = 1]" << 10 << 11;
        QTest::newRow("after a superscript two") << "x² + x³ = 0" << 6 << 3 << "x² + [x³] = 0" << 5 << 2;
        QTest::newRow("after a character of two code units") << "\xF0\x9D\x91\xA5 = 1" << 0 << 4 << "[\xF0\x9D\x91\xA5] = 1" << 0 << 2;
        QTest::newRow("past the end")           << "x = 1" << 9 << 2 << "x = 1[ ]" << 5 << 0;
        // clang-format on
    }

    void equationReadingMarksThePlace() {
        QFETCH(QString, text);
        QFETCH(int, place);
        QFETCH(int, length);
        EquationReading reading;
        reading.message = "refused";
        reading.place = std::size_t(place);
        reading.length = std::size_t(length);
        const std::string bytes = text.toStdString();
        const show::EquationReading shown = shownReading(bytes, reading);
        QTEST(QString::fromStdString(shown.before + "[" + shown.marked + "]" + shown.after),
              "quoted");
        QTEST(shown.markStart, "markStart");
        QTEST(shown.markLength, "markLength");
        // A place counted in UTF-16 code units is a place in the text as Qt holds it.
        QVERIFY(shown.markStart + shown.markLength <= text.size());
        reading.accepted = true;
        QCOMPARE(shownReading(bytes, reading).marked, std::string());
    }

    // The ways of working the open working offers: the run's kind's, the program's own first;
    // none where nothing is solved.
    void workingOffersTheKindsMethods_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("coefficients");
        QTest::addColumn<int>("first"); // -1: none offered
        QTest::newRow("second degree")
            << 1 << QStringList{"1", "-3", "2"} << int(WorkingMethod::Formula);
        QTest::newRow("system") << 2 << QStringList{"1", "1", "3", "1", "-1", "1"}
                                << int(WorkingMethod::Cramer);
        QTest::newRow("an empty box") << 1 << QStringList{"1", "", "2"} << -1;
        QTest::newRow("no number") << 2 << QStringList{"1", "x", "3", "1", "-1", "1"} << -1;
    }

    void workingOffersTheKindsMethods() {
        QFETCH(int, option);
        QFETCH(QStringList, coefficients);
        QFETCH(int, first);
        Window w;
        start(w, option);
        w.type(coefficients);
        w.run();
        w.command(Command::ShowWorking);
        const std::vector<MethodChoice>& methods = w.controls().workingMethods();
        QCOMPARE(methods.empty() ? -1 : int(methods.front().method), first);
        if (first >= 0) {
            QVERIFY(methods.front().applies); // the program's own way always does
            QCOMPARE(int(w.controls().workingMethod()), first);
        }
        // CHECK! starts over: nothing to choose.
        w.command(Command::Check);
        QVERIFY(w.controls().workingMethods().empty());
    }

    // A choice the working cannot follow changes nothing and shows nothing.
    void methodChoiceRefused_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("coefficients");
        QTest::addColumn<int>("method");
        QTest::addColumn<bool>("boxOpen");
        const QStringList equation{"1", "-3", "2"};
        const QStringList system{"1", "1", "3", "1", "-1", "1"};
        QTest::newRow("Cramer's rule for an equation")
            << 1 << equation << int(WorkingMethod::Cramer) << false;
        QTest::newRow("substitution for an equation")
            << 1 << equation << int(WorkingMethod::Substitution) << false;
        QTest::newRow("the formula for a system")
            << 2 << system << int(WorkingMethod::Formula) << false;
        QTest::newRow("factoring for a system")
            << 2 << system << int(WorkingMethod::Factoring) << false;
        QTest::newRow("the way it is worked by already")
            << 1 << equation << int(WorkingMethod::Formula) << false;
        QTest::newRow("nothing solved")
            << 1 << QStringList{"1", "", "2"} << int(WorkingMethod::Formula) << false;
        QTest::newRow("a box open")
            << 1 << equation << int(WorkingMethod::CompletingSquare) << true;
    }

    void methodChoiceRefused() {
        QFETCH(int, option);
        QFETCH(QStringList, coefficients);
        QFETCH(int, method);
        QFETCH(bool, boxOpen);
        Window w;
        start(w, option);
        w.type(coefficients);
        w.run();
        w.command(Command::ShowWorking);
        const WorkingMethod before = w.controls().workingMethod();
        const std::string text = w.controls().workingText();
        if (boxOpen)
            w.conversation.handle(event::Command{Command::FileExit});
        QCOMPARE(w.conversation.handle(event::ChooseMethod{WorkingMethod(method)}), Reply{});
        if (boxOpen)
            w.conversation.handle(event::Answer{BoxButton::No});
        w.run();
        QCOMPARE(int(w.controls().workingMethod()), int(before));
        QCOMPARE(w.controls().workingText(), text);
    }

    // The working made ahead while the page is idle is the one "Show working" would make: never
    // that of an earlier run, another method or another layout.
    void preparedWorkingIsCurrent_data() {
        QTest::addColumn<QStringList>("later");
        QTest::newRow("shown as prepared") << QStringList{};
        QTest::newRow("another run") << QStringList{"1 1 -6"};
        QTest::newRow("another method chosen") << QStringList{"factoring"};
        QTest::newRow("CHECK! and another run") << QStringList{"check", "2 3 1"};
        QTest::newRow("prepared again after a run") << QStringList{"1 1 -6", "prepare"};
    }

    void preparedWorkingIsCurrent() {
        QFETCH(QStringList, later);
        Window prepared, asked;
        for (Window* w : {&prepared, &asked}) {
            start(*w, 1);
            w->type({"1", "-3", "2"});
            w->run();
        }
        prepared.conversation.prepareWorking();
        for (const QString& step : later) {
            for (Window* w : {&prepared, &asked}) {
                if (step == "prepare") {
                    if (w == &prepared)
                        w->conversation.prepareWorking();
                } else if (step == "factoring") {
                    w->command(Command::ShowWorking);
                    w->send(event::ChooseMethod{WorkingMethod::Factoring});
                    w->send(event::WorkingWindowClosed{});
                } else if (step == "check") {
                    start(*w, 1);
                } else {
                    w->type(step.split(' '));
                    w->run();
                }
            }
        }
        prepared.command(Command::ShowWorking);
        asked.command(Command::ShowWorking);
        QCOMPARE(prepared.controls().workingText(), asked.controls().workingText());
        QCOMPARE(int(prepared.controls().workingMethod()), int(asked.controls().workingMethod()));
    }

    // The way chosen for a kind of run stays with that kind: a run of another kind is worked its
    // own way, and the kind's next run by the way chosen.
    void methodRememberedForItsKind_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("coefficients");
        QTest::addColumn<int>("otherOption");
        QTest::addColumn<QStringList>("other");
        const QStringList secondDegree{"1", "-3", "2"};
        const QStringList firstDegree{"0", "2", "-4"};
        const QStringList system{"1", "1", "3", "1", "-1", "1"};
        QTest::newRow("second degree, a system between") << 1 << secondDegree << 2 << system;
        QTest::newRow("system, an equation between") << 2 << system << 1 << secondDegree;
        QTest::newRow("second degree, a first degree between")
            << 1 << secondDegree << 1 << firstDegree;
        QTest::newRow("first degree, a second degree between")
            << 1 << firstDegree << 1 << secondDegree;
    }

    void methodRememberedForItsKind() {
        QFETCH(int, option);
        QFETCH(QStringList, coefficients);
        QFETCH(int, otherOption);
        QFETCH(QStringList, other);
        Window w;
        const auto solve = [&w](int mode, const QStringList& typed) {
            start(w, mode);
            w.type(typed);
            w.run();
        };
        solve(option, coefficients);
        w.command(Command::ShowWorking);
        // The last way that applies; where the kind offers one way only, that one.
        const std::vector<MethodChoice> offered = w.controls().workingMethods();
        QVERIFY(!offered.empty());
        WorkingMethod chosen = offered.front().method;
        for (const MethodChoice& choice : offered)
            if (choice.applies)
                chosen = choice.method;
        const Reply reply = w.conversation.handle(event::ChooseMethod{chosen});
        if (chosen != offered.front().method) {
            QCOMPARE(int(reply.size()), 1);
            QCOMPARE(int(std::get<show::Working>(reply.front()).method), int(chosen));
        }
        QCOMPARE(int(w.controls().workingMethod()), int(chosen));

        solve(otherOption, other);
        const std::vector<MethodChoice> between = w.controls().workingMethods();
        QVERIFY(!between.empty());
        if (between != offered)
            QCOMPARE(int(w.controls().workingMethod()), int(between.front().method));

        solve(option, coefficients);
        QCOMPARE(int(w.controls().workingMethod()), int(chosen));
        // Closed and opened again, the working keeps it.
        w.conversation.handle(event::WorkingWindowClosed{});
        w.command(Command::ShowWorking);
        QCOMPARE(int(w.controls().workingMethod()), int(chosen));
    }

    // The Practice window's events go to the session the conversation owns, seeded by the load;
    // the replies show its view, its focus and what is new to hear, as a session driven alone
    // would show them. Closed, it answers nothing, and opened again it is the same.
    void practiceEvents_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("heard"); // the last sentence the replies said
        QTest::newRow("opened") << QStringList{} << "PracticeAnswer"
                                << "";
        QTest::newRow("right answer") << QStringList{"answer right", "check"} << "NewExercise"
                                      << "Right.";
        QTest::newRow("wrong answer, then the working")
            << QStringList{"answer 987654321", "check", "working"} << "PracticeWorkingText"
            << "The working is shown below.";
        QTest::newRow("kind and numbers chosen")
            << QStringList{"kind 6", "level 2"} << "PracticeLevel"
            << "Exercise 1 of 10: ";
        QTest::newRow("a method that applies")
            << QStringList{"kind 2", "method 2"} << "PracticeMethod"
            << "Exercise 1 of 10: ";
        QTest::newRow("a longer sheet, the next exercise")
            << QStringList{"length 12", "new"} << "PracticeAnswer"
            << "Exercise 2 of 12: ";
        QTest::newRow("a code typed") << QStringList{"code XXXX"} << "SheetCode"
                                      << "";
        QTest::newRow("closed: nothing answers")
            << QStringList{"answer right", "closed", "check"} << "PracticeAnswer"
            << "";
        QTest::newRow("opened again, as it was")
            << QStringList{"answer right", "check", "closed", "open"} << "NewExercise"
            << "Right.";
    }

    void practiceEvents() {
        QFETCH(QStringList, actions);
        QFETCH(QString, focus);
        QFETCH(QString, heard);
        Window w;
        QVERIFY(w.conversation.handle(event::CheckAnswer{}).empty()); // not open yet
        w.send(event::Load{7});
        w.command(Command::Practice);
        QCOMPARE(w.replies.back().size(), std::size_t(3));
        QVERIFY(std::holds_alternative<show::PracticeWindow>(w.replies.back()[1]));
        PracticeSession alone(7, NumberLocale{});
        bool open = true;
        for (const QString& action : actions) {
            if (action == "open") {
                w.command(Command::Practice);
                open = true;
                continue;
            }
            const Event event = practiceEvent(action, alone);
            const Reply reply = w.conversation.handle(event);
            QCOMPARE(reply.empty(), !open || action == "closed");
            open = open && action != "closed";
            if (!reply.empty())
                sendAlone(alone, event);
        }
        QCOMPARE(*w.controls().practiceView(), alone.view());
        QCOMPARE(QString::fromStdString(w.controls().practiceFocus()), focus);
        QVERIFY2(QString::fromStdString(w.controls().practiceAnnouncement()).startsWith(heard),
                 w.controls().practiceAnnouncement().c_str());
    }

    // A window of the program's own, closed, gives the focus back to the control it was asked
    // for from, or to the button that opened it; where it came from nowhere, nowhere.
    void closingGivesTheFocusBack_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("origin");
        QTest::addColumn<QString>("focus"); // empty: the reply says nothing
        QTest::newRow("information, by its button") << int(Command::Info) << ""
                                                    << "Command5";
        QTest::newRow("working, from a result's menu") << int(Command::ShowWorking) << "Text(10)"
                                                       << "Text(10)";
        QTest::newRow("working, from the status line's menu, the focus on a box")
            << int(Command::ShowWorking) << "Text(2)"
            << "Text(2)";
        QTest::newRow("practice, from the Tools menu") << int(Command::Practice) << "Option1"
                                                       << "Option1";
        QTest::newRow("practice, the focus nowhere") << int(Command::Practice) << ""
                                                     << "";
    }

    void closingGivesTheFocusBack() {
        QFETCH(int, command);
        QFETCH(QString, origin);
        QFETCH(QString, focus);
        Window w;
        start(w, 1);
        w.type({"1", "-3", "2"});
        w.run();
        w.command(Command(command), origin.toStdString());
        const Event closed = command == int(Command::Info) ? Event{event::InfoWindowClosed{}}
                             : command == int(Command::ShowWorking)
                                 ? Event{event::WorkingWindowClosed{}}
                                 : Event{event::PracticeClosed{}};
        const Reply reply = w.conversation.handle(closed);
        QCOMPARE(reply, focus.isEmpty() ? Reply{} : Reply{show::Focus{focus.toStdString()}});
        // Closed already, it says nothing more.
        QVERIFY(w.conversation.handle(closed).empty());
    }

    // "Print sheet…" gives the sheet of the exercises shown, with the key's working as asked.
    void practicePrintsItsSheet_data() {
        QTest::addColumn<bool>("withWorking");
        QTest::newRow("the key alone") << false;
        QTest::newRow("the key with the working") << true;
    }

    void practicePrintsItsSheet() {
        QFETCH(bool, withWorking);
        Window w;
        w.send(event::Load{3});
        w.command(Command::Practice);
        const Reply reply = w.conversation.handle(event::PrintSheet{withWorking});
        const PracticeSession& session = *w.conversation.practice();
        QCOMPARE(reply, Reply{show::PrintedSheet{printedSheet(session.sheet(), session.exercises(),
                                                              NumberLocale{}, withWorking)}});
        QCOMPARE(w.controls().printedSheet(), session.printed(withWorking));
        // After the end, nothing answers.
        w.command(Command::Exit);
        QVERIFY(w.conversation.handle(event::PrintSheet{withWorking}).empty());
    }

    void clearFieldsKeepsTheLayout() {
        Window w;
        start(w, 1);
        w.type({"1", "2", "5"});
        w.run();
        const QString layout = w.visible();
        w.command(Command::ClearFields);
        for (int index = 1; index <= 11; ++index)
            QCOMPARE(w.text(index), QString());
        QCOMPARE(w.caption(1) + w.caption(7) + w.caption(8), QString());
        QCOMPARE(w.caption(2), QString("a="));
        QCOMPARE(w.visible(), layout);
    }
};

QTEST_APPLESS_MAIN(TestFormCommands)
#include "test_form_commands.moc"
