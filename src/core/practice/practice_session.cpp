#include "core/practice/practice_session.h"

#include <algorithm>
#include <utility>

#include "core/design/practice_window_design.h"
#include "core/practice/printed_sheet.h"
#include "core/solving/form_commands.h"
#include "core/typing/text_limits.h"
#include "core/working/notation.h"

namespace {

constexpr const PracticeWindowDesign& design = practiceWindowDesign;

// How to write the answer, with examples in the user's number form.
std::string instruction(const Exercise& exercise, const NumberLocale& locale) {
    const std::string separator = Notation(locale).listSeparator();
    const std::string half = "0" + locale.decimalSeparator + "5";
    switch (exercise.kind) {
    case PracticeKind::FirstDegree:
        return "Type x, such as 2, -1/2 or " + half + ".";
    case PracticeKind::IntegerRoots:
    case PracticeKind::FractionRoots:
        return "Type both roots in any order, such as 2" + separator + "-1/2.";
    case PracticeKind::SurdRoots:
        return "Type both roots exactly, such as (3 + √5)/2" + separator + "(3 - √5)/2, or to " +
               std::to_string(exercise.decimalPlaces) + " decimal places.";
    case PracticeKind::DoubleRoot:
        return "Type the root.";
    case PracticeKind::ComplexRoots:
        return "Type both roots, such as 1 + 2i" + separator + "1 - 2i, or 1 ± 2i.";
    case PracticeKind::OneSolution:
    case PracticeKind::NoSolution:
    case PracticeKind::InfinitelyMany:
        return "Type x and y (x = 1" + separator +
               "y = 2), \"no solution\", or \"infinitely many\" " + "with every solution (x = t" +
               separator + "y = 2 - t).";
    }
    return "";
}

} // namespace

PracticeSession::PracticeSession(std::uint64_t entropy, NumberLocale locale)
    : m_locale(std::move(locale)), m_seeds(entropy) {
    for (PracticeKind kind : practiceKinds)
        m_view.kinds.emplace_back(kindCaption(kind));
    for (PracticeLevel level : practiceLevels)
        m_view.levels.emplace_back(levelCaption(level));
    m_code.kind = PracticeKind::IntegerRoots;
    drawSheet();
    showCount();
    m_focus = design.answerName;
}

void PracticeSession::chooseKind(int index) {
    if (index < 0 || index >= int(practiceKinds.size()) || practiceKinds[index] == m_code.kind)
        return;
    m_code.kind = practiceKinds[index];
    drawSheet();
    m_focus = design.kindName;
}

void PracticeSession::chooseLevel(int index) {
    if (index < 0 || index >= int(practiceLevels.size()) || practiceLevels[index] == m_code.level)
        return;
    m_code.level = practiceLevels[index];
    drawSheet();
    m_focus = design.levelName;
}

void PracticeSession::chooseMethod(WorkingMethod method) {
    const auto choice =
        std::find_if(m_view.methods.begin(), m_view.methods.end(),
                     [method](const MethodChoice& c) { return c.method == method; });
    if (choice == m_view.methods.end() || !choice->applies)
        return;
    m_method = method;
    m_view.method = method;
    if (m_view.workingShown)
        m_view.working = makeWorking(m_run, m_locale, m_method).lines;
    if (m_view.checked)
        showVerdict(::checkAnswer(m_exercises[m_index], m_checkedAnswer, m_locale, m_method));
    m_announcement.clear();
    m_focus = design.methodName;
}

void PracticeSession::chooseSheetLength(int count) {
    count = std::clamp(count, 1, SheetCode::largestCount);
    if (count != m_code.count) {
        SheetCode code = m_code;
        code.count = count;
        startSheet(code);
    }
    m_focus = design.lengthName;
}

void PracticeSession::newExercise() {
    if (m_index + 1 < int(m_exercises.size()))
        showExercise(m_index + 1);
    else
        drawSheet();
    m_focus = design.answerName;
}

void PracticeSession::editCode(std::string text) {
    m_view.code = std::move(text);
    m_announcement.clear();
    const std::optional<std::string> tooLong = lengthProblem(m_view.code, sheetCodeLimit, m_locale);
    const std::optional<SheetCode> code = tooLong ? std::nullopt : readCode(m_view.code);
    if (m_view.code.find_first_not_of(" -") == std::string::npos) {
        m_view.codeMessage.clear();
    } else if (tooLong) {
        m_view.codeMessage = *tooLong + ".";
    } else if (!code) {
        m_view.codeMessage = "No sheet has this code: check its letters and digits.";
    } else {
        m_view.codeMessage.clear();
        if (!(*code == m_code)) {
            std::string typed = std::move(m_view.code);
            startSheet(*code);
            m_view.code = std::move(typed); // the pupil's own text stays as typed
        }
    }
    m_focus = design.codeName;
}

void PracticeSession::editAnswer(std::string text) {
    m_view.answer = std::move(text);
    m_announcement.clear();
    m_focus = design.answerName;
}

void PracticeSession::checkAnswer() {
    m_checkedAnswer = m_view.answer;
    const AnswerCheck check =
        ::checkAnswer(m_exercises[m_index], m_checkedAnswer, m_locale, m_method);
    showVerdict(check);
    if (check.verdict == AnswerCheck::Verdict::Right && !m_counted) {
        ++(m_wrongBefore ? m_rightAfterHint : m_rightFirstTime);
        m_counted = true;
    } else if (check.verdict == AnswerCheck::Verdict::Wrong ||
               check.verdict == AnswerCheck::Verdict::PartlyRight) {
        m_wrongBefore = true;
    }
    showCount();
    m_announcement = m_view.verdictText;
    // Right, the pupil goes on; else they try again where they typed.
    m_focus = check.verdict == AnswerCheck::Verdict::Right ? design.newName : design.answerName;
}

void PracticeSession::showWorking() {
    // An answer given after the whole working is seen is not the pupil's own.
    m_counted = true;
    m_view.workingShown = true;
    m_view.working = makeWorking(m_run, m_locale, m_method).lines;
    m_announcement = "The working is shown below.";
    m_focus = design.workingTextName;
}

std::string PracticeSession::printed(bool withWorking) const {
    return printedSheet(m_code, m_exercises, m_locale, withWorking);
}

void PracticeSession::drawSheet() {
    SheetCode code = m_code;
    code.version = SheetCode::currentVersion;
    code.seed = std::uint32_t(m_seeds.next());
    startSheet(code);
}

void PracticeSession::startSheet(SheetCode code) {
    m_code = code;
    m_exercises = makeSheet(m_code);
    m_view.kind = int(std::find(practiceKinds.begin(), practiceKinds.end(), m_code.kind) -
                      practiceKinds.begin());
    m_view.level = int(std::find(practiceLevels.begin(), practiceLevels.end(), m_code.level) -
                       practiceLevels.begin());
    m_view.sheetLength = m_code.count;
    m_view.code = codeText(m_code);
    m_view.codeMessage.clear();
    showExercise(0);
}

void PracticeSession::showExercise(int index) {
    m_index = index;
    const Exercise& exercise = m_exercises[m_index];
    m_run = solveTexts(exercise.texts, NumberLocale{});
    m_view.methods = workingMethods(m_run);
    const auto kept = std::find_if(m_view.methods.begin(), m_view.methods.end(),
                                   [this](const MethodChoice& c) { return c.method == m_method; });
    if (kept == m_view.methods.end() || !kept->applies)
        m_method = m_view.methods.empty() ? WorkingMethod::Formula : m_view.methods.front().method;
    m_view.method = m_method;
    m_view.position =
        "Exercise " + std::to_string(m_index + 1) + " of " + std::to_string(m_exercises.size());
    m_view.exercise = exerciseText(exercise, m_locale);
    m_view.instruction = instruction(exercise, m_locale);
    m_view.answer.clear();
    m_view.checked = false;
    m_view.verdict = AnswerCheck::Verdict::Unreadable;
    m_view.verdictText.clear();
    m_view.workingShown = false;
    m_view.working.clear();
    m_view.markedStep = -1;
    m_checkedAnswer.clear();
    m_wrongBefore = false;
    m_counted = false;
    m_announcement = m_view.position + ": " + m_view.exercise;
}

void PracticeSession::showVerdict(const AnswerCheck& check) {
    m_view.checked = true;
    m_view.verdict = check.verdict;
    m_view.verdictText = check.message;
    m_view.answerMark = check.place > 0 || check.length > 0
                            ? markedPlace(m_checkedAnswer, check.place, check.length)
                            : MarkedPlace{};
    m_view.markedStep = check.step;
    if (check.step >= 0) {
        const std::vector<WorkingLine> lines = makeWorking(m_run, m_locale, m_method).lines;
        if (check.step < int(lines.size()))
            m_view.verdictText += "\nLook again at this step: " + lines[check.step].text;
    }
}

void PracticeSession::showCount() {
    m_view.count = "This session: " + std::to_string(m_rightFirstTime) + " right first time, " +
                   std::to_string(m_rightAfterHint) + " right after a hint";
}
