#include "desktop/practice_window.h"

#include <utility>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/design/practice_window_design.h"
#include "core/practice/verdict_word.h"
#include "desktop/announcement.h"
#include "desktop/method_list.h"
#include "desktop/scrolled_body.h"
#include "desktop/sheet_printing.h"

namespace {

constexpr const PracticeWindowDesign& design = practiceWindowDesign;

// The working's text shows this many lines before it scrolls.
constexpr int workingLines = 8;

QString text(const char* caption) {
    return QString::fromUtf8(caption);
}

// The caption with its access key underlined: the key where it begins a word, else where it
// first stands; none where key is 0.
QString withAccessKey(const char* caption, char key) {
    QString shown = text(caption);
    if (key == 0)
        return shown;
    const QChar letter = QLatin1Char(key);
    qsizetype at = shown.indexOf(letter);
    for (qsizetype index = at; index >= 0; index = shown.indexOf(letter, index + 1))
        if (index == 0 || shown.at(index - 1) == QLatin1Char(' ')) {
            at = index;
            break;
        }
    if (at >= 0)
        shown.insert(at, QLatin1Char('&'));
    return shown;
}

// The verdict's colour; its word says the same for those who do not see the colour.
QString verdictColour(AnswerCheck::Verdict verdict) {
    switch (verdict) {
    case AnswerCheck::Verdict::Right:
        return QStringLiteral("#1a7f37");
    case AnswerCheck::Verdict::PartlyRight:
        return QStringLiteral("#9a6700");
    case AnswerCheck::Verdict::Wrong:
        return QStringLiteral("#c00000");
    case AnswerCheck::Verdict::Unreadable:
        break;
    }
    return QStringLiteral("#505050");
}

void fillList(QComboBox* list, const std::vector<std::string>& items) {
    QStringList shown;
    for (const std::string& item : items)
        shown << QString::fromStdString(item);
    QStringList listed;
    for (int index = 0; index < list->count(); ++index)
        listed << list->itemText(index);
    if (shown == listed)
        return;
    list->clear();
    list->addItems(shown);
}

// A label that reads before a control and names it for a screen reader.
QLabel* buddyLabel(QString caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

// Sets a box's text only where it differs, so that the user's cursor stays where it is.
void showText(QLineEdit* box, const std::string& shown) {
    const QString text = QString::fromStdString(shown);
    if (box->text() != text)
        box->setText(text);
}

} // namespace

QWidget* PracticeWindow::makeControl(const PracticeControlDesign& row) {
    switch (row.kind) {
    case PracticeControlKind::List:
        return new QComboBox(this);
    case PracticeControlKind::MethodList:
        return new MethodList(this);
    case PracticeControlKind::TextBox:
        return new QLineEdit(this);
    case PracticeControlKind::Number:
        return new QSpinBox(this);
    case PracticeControlKind::Button: {
        auto* button = new QPushButton(withAccessKey(row.caption, row.accessKey), this);
        button->setAutoDefault(false);
        return button;
    }
    case PracticeControlKind::CheckBox:
        return new QCheckBox(withAccessKey(row.caption, row.accessKey), this);
    case PracticeControlKind::WorkingText:
        return new QPlainTextEdit(this);
    case PracticeControlKind::Exercise:
        return new QWidget(this);
    case PracticeControlKind::Verdict:
    case PracticeControlKind::Count:
        break;
    }
    return new QLabel(this);
}

PracticeWindow::PracticeWindow(Send send) : m_send(std::move(send)) {
    setObjectName(text(design.name));
    setWindowTitle(text(design.caption));
    // A window of its own beside the main window, not kept above it: the pupil may go back to
    // the main window to try numbers out. Its size follows its content.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint);
    // Practice alone on screen keeps nothing running once the main window has gone.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Every control of the design table, named, captioned with its access key and labelled, in
    // the order the keyboard reaches them.
    QHash<QString, QLabel*> labels;
    QWidget* previous = nullptr;
    for (const PracticeControlDesign& row : practiceControls) {
        QWidget* control = makeControl(row);
        control->setObjectName(text(row.name));
        if (row.labelled())
            labels.insert(text(row.name),
                          buddyLabel(withAccessKey(row.caption, row.accessKey), control, this));
        if (row.takesFocus()) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
    }
    const auto named = [this]<typename Control>(const char* name, Control*& control) {
        control = findChild<Control*>(text(name));
    };
    named(design.kindName, m_kind);
    named(design.levelName, m_level);
    named(design.methodName, m_method);
    named(design.codeName, m_code);
    named(design.newName, m_new);
    named(design.answerName, m_answer);
    named(design.checkName, m_check);
    named(design.verdictName, m_verdict);
    named(design.workingName, m_showWorking);
    named(design.workingTextName, m_workingText);
    named(design.countName, m_count);
    named(design.lengthName, m_length);
    named(design.printWorkingName, m_printWorking);
    named(design.printName, m_print);
    auto* exercise = findChild<QWidget*>(text(design.exerciseName));

    connect(m_kind, &QComboBox::activated, this,
            [this](int index) { m_send(event::PracticeKindChosen{index}); });
    connect(m_level, &QComboBox::activated, this,
            [this](int index) { m_send(event::PracticeLevelChosen{index}); });
    connect(m_method, &MethodList::methodChosen, this,
            [this](WorkingMethod method) { m_send(event::PracticeMethodChosen{method}); });
    connect(m_code, &QLineEdit::textEdited, this,
            [this](const QString& typed) { m_send(event::SheetCodeEdit{typed.toStdString()}); });
    m_codeMessage = new QLabel(this);
    m_codeMessage->setWordWrap(true);
    connect(m_new, &QPushButton::clicked, this, [this] { m_send(event::NewExercise{}); });

    // The exercise with its place in the sheet above it and how to answer below it.
    m_position = new QLabel(exercise);
    m_exercise = new QLabel(exercise);
    m_exercise->setTextFormat(Qt::PlainText);
    QFont large = m_exercise->font();
    if (large.pointSizeF() > 0)
        large.setPointSizeF(large.pointSizeF() * 1.5);
    else
        large.setPixelSize(large.pixelSize() * 3 / 2);
    m_exercise->setFont(large);
    // Two lines for a system, so that the window does not jump from one kind to another.
    m_exercise->setMinimumHeight(2 * QFontMetrics(large).lineSpacing());
    m_exercise->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_exercise->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_instruction = new QLabel(exercise);
    m_instruction->setWordWrap(true);
    m_instruction->setFixedWidth(design.width);
    auto* exerciseLayout = new QVBoxLayout(exercise);
    exerciseLayout->setContentsMargins(0, 0, 0, 0);
    exerciseLayout->addWidget(m_position);
    exerciseLayout->addWidget(m_exercise);
    exerciseLayout->addWidget(m_instruction);

    connect(m_answer, &QLineEdit::textEdited, this,
            [this](const QString& typed) { m_send(event::AnswerEdit{typed.toStdString()}); });
    connect(m_answer, &QLineEdit::returnPressed, this, [this] { m_send(event::CheckAnswer{}); });
    connect(m_check, &QPushButton::clicked, this, [this] { m_send(event::CheckAnswer{}); });

    m_verdict->setTextFormat(Qt::RichText);
    m_verdict->setWordWrap(true);
    m_verdict->setFixedWidth(design.width);
    // Room for the verdict and the step it points at, so that the window keeps its size.
    m_verdict->setMinimumHeight(3 * fontMetrics().lineSpacing());
    m_verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(m_showWorking, &QPushButton::clicked, this,
            [this] { m_send(event::ShowPracticeWorking{}); });
    m_workingText->setReadOnly(true);
    // Read-only still lets the user scroll, select and copy a part, from the keyboard too.
    m_workingText->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    m_workingText->setTabChangesFocus(true);
    m_workingText->setAccessibleName(text(design.workingCaption));
    m_workingText->setFixedSize(design.width, workingLines * fontMetrics().lineSpacing() +
                                                  2 * m_workingText->frameWidth() + 8);
    // Its room is kept while it is hidden: the window is placed by its whole size and does not
    // grow off the screen when the working is shown.
    QSizePolicy keepRoom = m_workingText->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_workingText->setSizePolicy(keepRoom);
    m_workingText->hide();

    m_length->setRange(1, SheetCode::largestCount);
    connect(m_length, &QSpinBox::valueChanged, this,
            [this](int count) { m_send(event::SheetLengthChosen{count}); });
    connect(m_print, &QPushButton::clicked, this,
            [this] { m_send(event::PrintSheet{m_printWorking->isChecked()}); });

    auto* layout = new QGridLayout((new ScrolledBody(this))->body());
    int row = 0;
    // A labelled control, the width of the window or beside a button.
    const auto addLabelled = [&](QWidget* control, QWidget* button = nullptr) {
        layout->addWidget(labels.value(control->objectName()), row, 0);
        if (button) {
            layout->addWidget(control, row, 1);
            layout->addWidget(button, row++, 2);
        } else {
            layout->addWidget(control, row++, 1, 1, 2);
        }
    };
    addLabelled(m_kind);
    addLabelled(m_level);
    addLabelled(m_method);
    addLabelled(m_code, m_new);
    layout->addWidget(m_codeMessage, row++, 1, 1, 2);
    layout->addWidget(exercise, row++, 0, 1, 3);
    addLabelled(m_answer, m_check);
    layout->addWidget(m_verdict, row++, 0, 1, 3);
    layout->addWidget(m_count, row++, 0, 1, 3);
    layout->addWidget(m_showWorking, row++, 0, 1, 3, Qt::AlignLeft);
    layout->addWidget(m_workingText, row++, 0, 1, 3);
    auto* printRow = new QHBoxLayout;
    printRow->addWidget(labels.value(m_length->objectName()));
    printRow->addWidget(m_length);
    printRow->addWidget(m_printWorking);
    printRow->addStretch();
    printRow->addWidget(m_print);
    layout->addLayout(printRow, row++, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    // The content keeps its size; the window, placed where the screen has room, scrolls it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PracticeWindow::showView(const PracticeView& view) {
    const QSignalBlocker kind(m_kind), level(m_level), method(m_method), code(m_code),
        answer(m_answer), length(m_length);
    fillList(m_kind, view.kinds);
    m_kind->setCurrentIndex(view.kind);
    fillList(m_level, view.levels);
    m_level->setCurrentIndex(view.level);
    m_method->showMethods(view.methods, view.method);
    showText(m_code, view.code);
    const QString codeMessage = QString::fromStdString(view.codeMessage);
    m_codeMessage->setText(codeMessage);
    m_codeMessage->setVisible(!codeMessage.isEmpty());
    m_code->setAccessibleDescription(codeMessage);
    m_position->setText(QString::fromStdString(view.position));
    m_exercise->setText(QString::fromStdString(view.exercise));
    m_instruction->setText(QString::fromStdString(view.instruction));
    showText(m_answer, view.answer);
    showVerdict(view);
    showWorkingText(view);
    m_count->setText(QString::fromStdString(view.count));
    m_length->setValue(view.sheetLength);
}

void PracticeWindow::focusOn(const std::string& name) {
    if (auto* focused = findChild<QWidget*>(QString::fromStdString(name)))
        focused->setFocus(Qt::OtherFocusReason);
}

void PracticeWindow::say(const std::string& text) {
    announce(m_verdict, text);
}

void PracticeWindow::showVerdict(const PracticeView& view) {
    if (!view.checked) {
        m_verdict->clear();
        return;
    }
    const ShownVerdict shown = shownVerdict(view.verdict, view.verdictText);
    const QString rest = QString::fromStdString(shown.rest).toHtmlEscaped().replace('\n', "<br>");
    QString markup = QStringLiteral("<span style=\"color:%1\"><b>%2</b>%3</span>")
                         .arg(verdictColour(view.verdict), QString::fromUtf8(shown.word), rest);
    // Where an answer that cannot be read stopped being read, marked in its line as the
    // Equation box marks a refused place.
    const MarkedPlace& mark = view.answerMark;
    const auto escaped = [](const std::string& text) {
        return QString::fromStdString(text).toHtmlEscaped();
    };
    if (!mark.marked.empty())
        markup += QStringLiteral("<br><span style=\"white-space:pre\">%1<u "
                                 "style=\"color:#c00000\">%2</u>%3</span>")
                      .arg(escaped(mark.before), escaped(mark.marked), escaped(mark.after));
    m_verdict->setText(markup);
}

void PracticeWindow::showWorkingText(const PracticeView& view) {
    m_workingText->setVisible(view.workingShown);
    QStringList lines;
    for (const WorkingLine& line : view.working)
        lines << QString::fromStdString(line.text);
    const QString shown = lines.join('\n');
    if (m_workingText->toPlainText() != shown)
        m_workingText->setPlainText(shown);
    // The step the verdict points at, marked across the whole width, and bold for those who do
    // not see the colour.
    QList<QTextEdit::ExtraSelection> marks;
    const QTextBlock marked = m_workingText->document()->findBlockByNumber(view.markedStep);
    if (view.markedStep >= 0 && marked.isValid()) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(marked);
        mark.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        mark.format.setBackground(QColor(0xff, 0xec, 0x99));
        mark.format.setFontWeight(QFont::Bold);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks << mark;
        m_workingText->setTextCursor(QTextCursor(marked));
        m_workingText->ensureCursorVisible();
    }
    m_workingText->setExtraSelections(marks);
}

void PracticeWindow::print(const std::string& html) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printSheet(printer, html);
}

void PracticeWindow::bringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void PracticeWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        m_send(event::PracticeClosed{});
}
