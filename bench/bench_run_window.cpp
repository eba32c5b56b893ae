// "run" through the real window, offscreen: from the click on Command1 to the results written
// into the boxes, and to the window repainted with them; and with a megabyte of text pasted into a
// coefficient box: the paste, a keystroke, one paint of that box, and the click to the warning
// it answers with; "Show working" chosen in a result box's menu, to the working window painted;
// and a keystroke in a 200-character equation in the "Equation" box, to its reading painted.
//
//   cmake -S . -B build -G Ninja -DVELMORA_BENCH=ON && cmake --build build
//   build/bench/bench_run_window                  # QT_QPA_PLATFORM defaults to offscreen
//   build/bench/bench_run_window --benchmark_filter=longText
//
// Every iteration times one step with the clock (manual time); setting up the boxes is left out.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "core/conversation/conversation.h"
#include "core/design/control_model.h"
#include "core/design/equation_window_design.h"
#include "core/design/main_window_design.h"
#include "core/design/working_window_design.h"
#include "core/solving/form_commands.h"
#include "core/working/working.h"
#include "desktop/form1.h"
#include "window_driver.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The window as the user has it after the welcome box: loaded, shown, in the given mode.
class Window {
public:
    explicit Window(const char* option) : form(startedForm()) {
        activate();
        pressCheck(*form, QString::fromLatin1(option));
        settle();
    }

    QLineEdit* box(int index) const { return textBox(*form, index); }

    void type(std::initializer_list<const char*> coefficients) {
        int index = 1;
        for (const char* text : coefficients)
            box(index++)->setText(QString::fromLatin1(text));
    }

    // Empties the result boxes and paints, so that the next click has something to repaint.
    void emptyResults() {
        for (int index = 7; index <= 11; ++index)
            box(index)->clear();
        label(*form, 1)->clear();
        settle();
    }

    // Offscreen, the window does not get the focus back by itself when a message box closes.
    void activate() const {
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            std::fprintf(stderr, "the window did not become active\n");
    }

    void settle() const {
        for (int round = 0; round < 5; ++round)
            QCoreApplication::processEvents();
    }

    QAbstractButton* run() const { return command(*form, 1); }

    std::unique_ptr<Form1> form;
};

void clickToResults(benchmark::State& state, const char* option,
                    std::initializer_list<const char*> coefficients, int resultBox,
                    const char* expected) {
    Window w(option);
    w.type(coefficients);
    for (auto _ : state) {
        w.emptyResults();
        const auto start = Clock::now();
        w.run()->click();
        state.SetIterationTime(secondsSince(start));
    }
    if (w.box(resultBox)->text() != QLatin1String(expected))
        state.SkipWithError("unexpected result");
}

void clickToRepainted(benchmark::State& state, const char* option,
                      std::initializer_list<const char*> coefficients, int resultBox,
                      const char* expected) {
    Window w(option);
    w.type(coefficients);
    for (auto _ : state) {
        w.emptyResults();
        PaintWatch watch(w.box(resultBox));
        const auto start = Clock::now();
        w.run()->click();
        const bool painted = processUntilPainted(watch);
        state.SetIterationTime(secondsSince(start));
        if (!painted) {
            state.SkipWithError("the result box was not repainted");
            break;
        }
    }
    if (expected && w.box(resultBox)->text() != QLatin1String(expected))
        state.SkipWithError("unexpected result");
}

void equationClickToResults(benchmark::State& state) {
    clickToResults(state, "Option1", {"1", "-3", "2"}, 10, "2");
}
void equationClickToRepainted(benchmark::State& state) {
    clickToRepainted(state, "Option1", {"1", "-3", "2"}, 10, "2");
}
void systemClickToResults(benchmark::State& state) {
    clickToResults(state, "Option2", {"1", "1", "3", "1", "-1", "1"}, 10, "2");
}
void systemClickToRepainted(benchmark::State& state) {
    clickToRepainted(state, "Option2", {"1", "1", "3", "1", "-1", "1"}, 10, "2");
}

// A long text, as a user might paste by mistake: letters, or digits that read as a number far
// beyond a Double. Benchmark arguments: the number of characters, then 0 for letters, 1 for digits.
QString longText(const benchmark::State& state) {
    const auto chars = static_cast<qsizetype>(state.range(0));
    const QString unit =
        state.range(1) != 0 ? QStringLiteral("1234567890") : QStringLiteral("abcdefghij");
    return unit.repeated(chars / unit.size() + 1).left(chars);
}

// Pasting the long text into the first coefficient box, to the box repainted with it.
void longTextPasteToRepainted(benchmark::State& state) {
    Window w("Option1");
    w.type({"", "-3", "2"});
    QApplication::clipboard()->setText(longText(state));
    QLineEdit* first = w.box(1);
    for (auto _ : state) {
        first->clear();
        w.settle();
        first->setFocus();
        PaintWatch watch(first);
        const auto start = Clock::now();
        first->paste();
        const bool painted = processUntilPainted(watch);
        state.SetIterationTime(secondsSince(start));
        if (!painted || first->text().size() != state.range(0)) {
            state.SkipWithError("the paste did not reach the box");
            break;
        }
    }
}

// The parts of a paste: the text set into the box (its layout), and one paint of the box.
void longTextSetText(benchmark::State& state) {
    Window w("Option1");
    const QString text = longText(state);
    QLineEdit* first = w.box(1);
    for (auto _ : state) {
        first->clear();
        w.settle();
        const auto start = Clock::now();
        first->setText(text);
        state.SetIterationTime(secondsSince(start));
    }
}

void longTextRepaint(benchmark::State& state) {
    Window w("Option1");
    QLineEdit* first = w.box(1);
    first->setText(longText(state));
    w.settle();
    for (auto _ : state) {
        const auto start = Clock::now();
        first->repaint();
        state.SetIterationTime(secondsSince(start));
    }
}

// One more character typed at the end of the long text, to the box repainted with it.
void longTextKeystrokeToRepainted(benchmark::State& state) {
    Window w("Option1");
    QLineEdit* first = w.box(1);
    const QString text = longText(state);
    first->setText(text);
    first->setFocus();
    w.settle();
    for (auto _ : state) {
        PaintWatch watch(first);
        const auto start = Clock::now();
        first->insert(QStringLiteral("7"));
        const bool painted = processUntilPainted(watch);
        state.SetIterationTime(secondsSince(start));
        if (!painted) {
            state.SkipWithError("the box was not repainted");
            break;
        }
        first->backspace();
        w.settle();
    }
}

// The click with the long text in the first box, to the warning box painted. The user pasted
// into that box, so it has the focus, which the press on "run" takes away.
void longTextClickToWarning(benchmark::State& state) {
    Window w("Option1");
    w.type({"", "-3", "2"});
    w.box(1)->setText(longText(state));
    w.settle();
    QString warning;
    for (auto _ : state) {
        w.activate();
        w.box(1)->setFocus();
        w.settle();
        BoxAnswer closer(QMessageBox::Ok);
        const auto start = Clock::now();
        QTest::mouseClick(w.run(), Qt::LeftButton);
        if (!closer.seen) {
            state.SkipWithError("no warning");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(closer.shownAt - start).count());
        warning = closer.text;
        w.settle();
    }
    state.SetLabel(warning.toStdString());
}

// The same click, to the warning answered and the window painted again: the press took the focus
// from the long box, which repaints it.
void longTextClickToSettled(benchmark::State& state) {
    Window w("Option1");
    w.type({"", "-3", "2"});
    QLineEdit* first = w.box(1);
    first->setText(longText(state));
    w.settle();
    for (auto _ : state) {
        w.activate();
        first->setFocus();
        w.settle();
        if (!first->hasFocus()) {
            state.SkipWithError("the long box did not get the focus");
            break;
        }
        BoxAnswer closer(QMessageBox::Ok);
        PaintWatch watch(first);
        const auto start = Clock::now();
        QTest::mouseClick(w.run(), Qt::LeftButton);
        const bool painted = processUntilPainted(watch);
        state.SetIterationTime(secondsSince(start));
        if (!closer.seen || !painted) {
            state.SkipWithError(!closer.seen ? "no warning" : "the box was not repainted");
            break;
        }
    }
}

// The same command in the core alone, without a window: the checks of the boxes up to the
// warning in the reply.
void longTextRunCommandToWarning(benchmark::State& state) {
    Conversation conversation;
    conversation.handle(event::Choose{1});
    conversation.handle(event::Edit{2, "-3"});
    conversation.handle(event::Edit{3, "2"});
    conversation.handle(event::Edit{1, longText(state).toStdString()});
    std::string warning;
    for (auto _ : state) {
        const auto start = Clock::now();
        const Reply reply = conversation.handle(event::Command{Command::Run});
        state.SetIterationTime(secondsSince(start));
        if (const auto* box = std::get_if<show::Box>(&reply.back()))
            warning = box->text;
        conversation.handle(event::Answer{BoxButton::Ok});
    }
    state.SetLabel(warning);
}

// Notes when a widget of the given name, anywhere in the program, has painted: the window it is
// in may not exist yet when the clock starts.
class NamedPaintWatch : public QObject {
public:
    explicit NamedPaintWatch(const char* name) : m_name(QString::fromLatin1(name)) {
        qApp->installEventFilter(this);
    }

    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == m_name)
            painted = true;
        return false;
    }

private:
    QString m_name;
};

bool processUntilNamedPainted(const NamedPaintWatch& watch) {
    for (int round = 0; round < 10000 && !watch.painted; ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return watch.painted;
}

QWidget* topLevel(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}

// The equations whose working is timed: the plain one, and the hardest for the exact working,
// whose discriminant 2907797063·2870026427 has two large prime factors to find.
struct WorkingCase {
    const char* name;
    std::initializer_list<const char*> coefficients;
};
const WorkingCase workingCases[] = {
    {"x2-3x+2", {"1", "-3", "2"}},
    {"hardest_factoring", {"1", "5777823490", "8345406245016245101"}},
};

// The methods the Working window offers for a case, as the core lists them.
std::vector<MethodChoice> methodsOf(const WorkingCase& working) {
    ControlModel controls;
    FormVariables vars;
    hideControlsOnLoad(controls, vars);
    controls.selectOption1();
    checkLayout(controls, vars);
    int index = 1;
    for (const char* text : working.coefficients)
        controls.setText(index++, text);
    RunOutcome outcome;
    runCommand(
        controls, vars, NumberLocale{}, [](std::string_view) {}, outcome);
    return workingMethods(outcome);
}

// Chooses the method in the Working window's method control, for the window to remember; false
// where the window has no such control.
bool chooseMethod(QWidget& window, const std::string& name) {
    auto* methods = window.findChild<QComboBox*>(QStringLiteral("WorkingMethod"));
    if (!methods)
        return false;
    const int index = methods->findText(QString::fromStdString(name), Qt::MatchStartsWith);
    if (index < 0)
        return false;
    methods->setCurrentIndex(index);
    return true;
}

// "Show working" chosen with Enter in the menu of the result box x1, to the working window
// painted with its graph; the window is closed again after each time. Arguments: the case, and
// the method among those the window offers, chosen once beforehand. In the same iterations, as
// the baseline, "INFO" clicked to the information window painted: another window of the program
// opened from the main one. Counters: the time as a share of a 16 ms frame at 60 Hz, and as a
// multiple of the baseline.
void showWorkingToPainted(benchmark::State& state) {
    const WorkingCase& working = workingCases[state.range(0)];
    const std::vector<MethodChoice> methods = methodsOf(working);
    const auto method = std::size_t(state.range(1));
    Window w("Option1");
    w.type(working.coefficients);
    w.run()->click();
    w.settle();
    QLineEdit* box = w.box(10);
    const QString itemName = QString::fromLatin1(workingMenu.itemName);
    const auto openWorking = [&]() -> Clock::time_point {
        NamedPaintWatch graph(workingWindowDesign.graphName);
        Clock::time_point start{};
        QTimer chooser;
        chooser.setInterval(0);
        QObject::connect(&chooser, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            chooser.stop();
            menu->setActiveAction(menu->findChild<QAction*>(itemName));
            start = Clock::now();
            QTest::keyClick(menu, Qt::Key_Return);
        });
        chooser.start();
        const QPoint pos = box->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, box->mapToGlobal(pos));
        QApplication::sendEvent(box, &event);
        const bool painted = start != Clock::time_point{} && processUntilNamedPainted(graph);
        return painted ? start : Clock::time_point{};
    };
    if (method >= methods.size()) {
        state.SkipWithError("the case has no such method");
        return;
    }
    if (method > 0) {
        QWidget* window =
            openWorking() != Clock::time_point{} ? topLevel(workingWindowDesign.name) : nullptr;
        const bool chosen = window && chooseMethod(*window, methods[method].name);
        if (window)
            window->close();
        w.settle();
        if (!chosen) {
            state.SkipWithError("the Working window offers no choice of method");
            return;
        }
    }
    double seconds = 0, info = 0;
    for (auto _ : state) {
        const Clock::time_point start = openWorking();
        const double taken = secondsSince(start);
        state.SetIterationTime(taken);
        seconds += taken;
        QWidget* window = topLevel(workingWindowDesign.name);
        if (start == Clock::time_point{} || !window) {
            state.SkipWithError("the working window was not painted");
            break;
        }
        window->close();
        w.settle();

        NamedPaintWatch text("Text1");
        const auto infoStart = Clock::now();
        command(*w.form, 5)->click();
        const bool infoPainted = processUntilNamedPainted(text);
        info += secondsSince(infoStart);
        if (QWidget* form3 = topLevel("Form3"))
            form3->close();
        w.settle();
        if (!infoPainted) {
            state.SkipWithError("the information window was not painted");
            break;
        }
    }
    state.SetLabel(methods[method].name);
    if (state.iterations() > 0 && info > 0) {
        const double mean = seconds / double(state.iterations());
        state.counters["of_16ms_frame"] = mean / 0.016;
        state.counters["vs_info_window"] = seconds / info;
    }
}

// "run" for each case whose working is timed, to the result box repainted: what the working's
// time stands beside.
void workingCaseClickToRepainted(benchmark::State& state) {
    const WorkingCase& working = workingCases[state.range(0)];
    clickToRepainted(state, "Option1", working.coefficients, 10, nullptr);
    state.SetLabel(working.name);
}

// Every case by every method its run offers, each a row beside the clicks on "run".
void workingRows(benchmark::internal::Benchmark* benchmark) {
    for (std::size_t index = 0; index < std::size(workingCases); ++index)
        for (std::size_t method = 0; method < methodsOf(workingCases[index]).size(); ++method)
            benchmark->Args({std::int64_t(index), std::int64_t(method)});
    benchmark->ArgNames({"case", "method"})->UseManualTime()->Unit(benchmark::kMillisecond);
}

// A keystroke at the end of a 200-character equation in the "Equation" box, to its reading
// painted: within one 16 ms frame at 60 Hz. Counter: the time as a share of that frame.
void equationKeystrokeToReading(benchmark::State& state) {
    Window w("Option1");
    w.form->findChild<QAction*>(QStringLiteral("TypeEquation"))->trigger();
    auto* text =
        w.form->findChild<QPlainTextEdit*>(QString::fromLatin1(equationWindowDesign.textName));
    QWidget* reading =
        w.form->findChild<QWidget*>(QString::fromLatin1(equationWindowDesign.readingName));
    if (!text || !reading) {
        state.SkipWithError("no equation box");
        return;
    }
    text->setPlainText(QStringLiteral("x^2") + QStringLiteral(" + 2(x - 1)").repeated(18) +
                       QStringLiteral(" = 0"));
    text->moveCursor(QTextCursor::End);
    w.settle();
    double total = 0;
    int keystroke = 0;
    for (auto _ : state) {
        PaintWatch watch(reading);
        const auto start = Clock::now();
        QTest::keyClick(text, keystroke++ % 2 ? Qt::Key_Backspace : Qt::Key_1);
        const bool painted = processUntilPainted(watch);
        const double seconds = secondsSince(start);
        state.SetIterationTime(seconds);
        total += seconds;
        if (!painted) {
            state.SkipWithError("the reading was not painted");
            break;
        }
    }
    state.counters["characters"] = double(text->toPlainText().size());
    if (state.iterations() > 0)
        state.counters["of_16ms_frame"] = total / double(state.iterations()) / 0.016;
}

BENCHMARK(equationClickToResults)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(equationClickToRepainted)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(systemClickToResults)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(systemClickToRepainted)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(equationKeystrokeToReading)->UseManualTime()->Unit(benchmark::kMicrosecond);
// A megabyte of letters and of digits, and for scale 32767 letters, the longest text a
// QLineEdit takes by default.
void longTexts(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({1 << 20, 0})->Args({1 << 20, 1})->Args({32767, 0});
    benchmark->UseManualTime()->Unit(benchmark::kMillisecond);
}
BENCHMARK(longTextPasteToRepainted)->Apply(longTexts);
BENCHMARK(longTextSetText)->Apply(longTexts);
BENCHMARK(longTextRepaint)->Apply(longTexts);
BENCHMARK(longTextKeystrokeToRepainted)->Apply(longTexts);
BENCHMARK(longTextClickToWarning)->Apply(longTexts);
BENCHMARK(longTextClickToSettled)->Apply(longTexts);
BENCHMARK(longTextRunCommandToWarning)->Apply(longTexts);
BENCHMARK(workingCaseClickToRepainted)
    ->DenseRange(0, std::size(workingCases) - 1)
    ->ArgName("case")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(showWorkingToPainted)->Apply(workingRows);

// The offscreen platform says at every window size change that it does not pass size hints on,
// and at every window raised or menu opened that it cannot raise it or grab the keyboard.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietOffscreen);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
