#include <map>
#include <set>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "core/practice/answer_check.h"
#include "core/solving/form_commands.h"
#include "method_names.h"
#include "test_data.h"

// Pupils' answers checked against exercises, from the rows of tests/practice_answers.json.
const QJsonArray answerRows() {
    return testRows(VELMORA_PRACTICE_ANSWERS);
}

class TestPracticeAnswers : public QObject {
    Q_OBJECT

private:
    template <typename T> static T named(const std::map<QString, T>& names, const QString& name) {
        const auto found = names.find(name);
        if (found == names.end())
            qFatal("no such name: %s", qPrintable(name));
        return found->second;
    }

    // The exercise as the generator would give it: its coefficients typed with ".".
    static Exercise exercise(const QJsonValue& row) {
        static const std::map<QString, PracticeKind> kinds{
            {"first", PracticeKind::FirstDegree},       {"whole", PracticeKind::IntegerRoots},
            {"fractions", PracticeKind::FractionRoots}, {"surds", PracticeKind::SurdRoots},
            {"double", PracticeKind::DoubleRoot},       {"complex", PracticeKind::ComplexRoots},
            {"one", PracticeKind::OneSolution},         {"none", PracticeKind::NoSolution},
            {"many", PracticeKind::InfinitelyMany}};
        Exercise made;
        made.kind = named(kinds, row["kind"].toString());
        made.decimalPlaces = row["places"].toInt();
        for (const QString& text : row["coefficients"].toString().split(' ')) {
            made.texts.push_back(text.toStdString());
            made.coefficients.push_back(*coefficientReading(text.toStdString(), {}).exact);
        }
        return made;
    }

    static NumberLocale locale(const QJsonValue& row) {
        if (row["decimal"].toString() == ",")
            return {",", ".", "€"};
        return {};
    }

    static QString verdictName(AnswerCheck::Verdict verdict) {
        switch (verdict) {
        case AnswerCheck::Verdict::Right:
            return "right";
        case AnswerCheck::Verdict::PartlyRight:
            return "partly right";
        case AnswerCheck::Verdict::Wrong:
            return "wrong";
        case AnswerCheck::Verdict::Unreadable:
            return "unreadable";
        }
        return "";
    }

    static QString mistakeName(const std::optional<Mistake>& mistake) {
        if (!mistake)
            return "";
        switch (*mistake) {
        case Mistake::SignOfB:
            return "sign of b";
        case Mistake::DiscriminantPlus4ac:
            return "D plus 4ac";
        case Mistake::NotDividedBy2a:
            return "not divided by 2a";
        case Mistake::OneTermDivided:
            return "one term divided";
        case Mistake::SignLostMoving:
            return "sign lost moving";
        case Mistake::SwappedDeterminants:
            return "swapped determinants";
        }
        return "";
    }

    static QString rowName(const QJsonValue& row) {
        return row["kind"].toString() + " " + row["coefficients"].toString() + " (" +
               row["decimal"].toString() + ", " + row["method"].toString() +
               "): " + row["answer"].toString();
    }

private slots:
    void answers_data() {
        QTest::addColumn<QJsonObject>("row");
        for (const QJsonValue row : answerRows())
            QTest::newRow(qPrintable(rowName(row))) << row.toObject();
    }

    // The verdict, the mistake, the step pointed at and what the message says.
    void answers() {
        QFETCH(QJsonObject, row);
        const Exercise exercise = this->exercise(row);
        const NumberLocale numbers = locale(row);
        const WorkingMethod way = methodNamed(row["method"].toString());
        const AnswerCheck check =
            checkAnswer(exercise, row["answer"].toString().toStdString(), numbers, way);
        const QString message = QString::fromStdString(check.message);
        QCOMPARE(verdictName(check.verdict), row["verdict"].toString());
        QCOMPARE(mistakeName(check.mistake), row["mistake"].toString());
        const QString step = row["step"].toString();
        if (step.isEmpty()) {
            QCOMPARE(check.step, -1);
        } else {
            const Working working = makeWorking(solveTexts(exercise.texts, {}), numbers, way);
            QVERIFY2(check.step >= 0 && check.step < int(working.lines.size()),
                     qPrintable(message));
            const QString line = QString::fromStdString(working.lines[check.step].text);
            QVERIFY2(line.contains(step), qPrintable(line));
        }
        if (row.contains("says"))
            QVERIFY2(message.contains(row["says"].toString()), qPrintable(message));
    }

    void keyReadsBack_data() {
        QTest::addColumn<QJsonObject>("row");
        std::set<QString> seen;
        for (const QJsonValue row : answerRows()) {
            const QString exercise = row["kind"].toString() + " " + row["coefficients"].toString() +
                                     " " + QString::number(row["places"].toInt()) + " " +
                                     row["decimal"].toString();
            if (seen.insert(exercise).second)
                QTest::newRow(qPrintable(exercise)) << row.toObject();
        }
    }

    // The key's answer, typed back, is right; where a row writes it out, it reads so.
    void keyReadsBack() {
        QFETCH(QJsonObject, row);
        const Exercise exercise = this->exercise(row);
        const NumberLocale numbers = locale(row);
        const std::string key = expectedAnswer(exercise, numbers);
        for (const QJsonValue other : answerRows()) {
            if (other["kind"] == row["kind"] && other["coefficients"] == row["coefficients"] &&
                other["decimal"] == row["decimal"] && other["places"] == row["places"] &&
                other.toObject().contains("key"))
                QCOMPARE(QString::fromStdString(key), other["key"].toString());
        }
        const AnswerCheck check = checkAnswer(exercise, key, numbers, WorkingMethod::Formula);
        QVERIFY2(check.verdict == AnswerCheck::Verdict::Right,
                 qPrintable(QString::fromStdString(key + ": " + check.message)));
    }

    void pasted_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("says");
        for (const PastedText& pasted : pastedTexts(VELMORA_PASTED_TEXTS, "answer"))
            QTest::addRow("%s", qPrintable(pasted.name))
                << pasted.locale << QByteArray::fromStdString(pasted.text) << pasted.says;
    }

    // Long, deep or invisible answers get a verdict in words, and the next answer is read.
    void pasted() {
        QFETCH(QString, locale);
        QFETCH(QByteArray, answer);
        const QJsonObject row{{"kind", "whole"},
                              {"coefficients", "3 9 -120"},
                              {"places", 0},
                              {"decimal", locale == "de-DE" ? "," : "."}};
        const Exercise exercise = this->exercise(row);
        const NumberLocale numbers = this->locale(row);
        const AnswerCheck check =
            checkAnswer(exercise, answer.toStdString(), numbers, WorkingMethod::Formula);
        QTEST(QString::fromStdString(check.message), "says");
        const std::string key = expectedAnswer(exercise, numbers);
        QCOMPARE(checkAnswer(exercise, key, numbers, WorkingMethod::Formula).verdict,
                 AnswerCheck::Verdict::Right);
    }
};

QTEST_GUILESS_MAIN(TestPracticeAnswers)
#include "test_practice_answers.moc"
