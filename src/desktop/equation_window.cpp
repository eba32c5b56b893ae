#include "desktop/equation_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QList>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "core/design/equation_window_design.h"
#include "desktop/announcement.h"
#include "desktop/scrolled_body.h"

namespace {

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// The message, then the line that holds the place with the place marked as a misspelling is.
QString readingMarkup(const show::EquationReading& reading) {
    QString markup = escaped(reading.message);
    if (!reading.marked.empty())
        markup +=
            QStringLiteral("<br><span style=\"white-space:pre\">%1<u "
                           "style=\"color:#c00000\">%2</u>%3</span>")
                .arg(escaped(reading.before), escaped(reading.marked), escaped(reading.after));
    return markup;
}

} // namespace

EquationWindow::EquationWindow(QWidget* mainWindow, Send send)
    : QWidget(mainWindow), m_send(std::move(send)) {
    const EquationWindowDesign& design = equationWindowDesign;
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromLatin1(design.caption));
    // A window of its own, which the window manager keeps with the main window it belongs to.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);

    auto* prompt = new QLabel(QString::fromLatin1(design.prompt), this);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QString::fromLatin1(design.textName));
    m_text->setFixedSize(design.textWidth, design.textHeight);
    m_text->setTabChangesFocus(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A pasted page with no place to break would be laid out as one word: a minute, not a frame.
    m_text->setWordWrapMode(QTextOption::WrapAnywhere);
    m_text->installEventFilter(this);
    prompt->setBuddy(m_text);
    m_text->setAccessibleName(QString::fromLatin1(design.prompt));
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showingText)
            m_send(event::EquationEdit{m_text->toPlainText().toStdString()});
    });

    m_reading = new QLabel(this);
    m_reading->setObjectName(QString::fromLatin1(design.readingName));
    m_reading->setTextFormat(Qt::RichText);
    m_reading->setWordWrap(true);
    m_reading->setFixedWidth(design.textWidth);
    m_reading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Three lines: the message of two and the line quoted, so that the box keeps its size.
    m_reading->setMinimumHeight(3 * fontMetrics().lineSpacing());
    m_reading->setFocusPolicy(Qt::NoFocus);

    m_solve = new QPushButton(QString::fromLatin1(design.solveCaption), this);
    m_solve->setObjectName(QString::fromLatin1(design.solveName));
    m_solve->setAutoDefault(false);
    connect(m_solve, &QPushButton::clicked, this, [this] { m_send(event::SolveEquation{}); });
    m_cancel = new QPushButton(QString::fromLatin1(design.cancelCaption), this);
    m_cancel->setObjectName(QString::fromLatin1(design.cancelName));
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_send(event::EquationClosed{}); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_solve);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout((new ScrolledBody(this))->body());
    layout->addWidget(prompt);
    layout->addWidget(m_text);
    layout->addWidget(m_reading);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_text, m_solve);
    setTabOrder(m_solve, m_cancel);
}

void EquationWindow::showText(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (m_text->toPlainText() == shown)
        return;
    m_showingText = true;
    m_text->setPlainText(shown);
    m_text->moveCursor(QTextCursor::End);
    m_showingText = false;
}

void EquationWindow::showReading(const show::EquationReading& reading) {
    m_reading->setText(readingMarkup(reading));
    // Marked invalid in its description, which a screen reader gives with the box; a refused
    // Solve says the reading too.
    const std::string note =
        reading.invalid ? std::string(equationWindowDesign.invalidNote) + " " : std::string();
    m_text->setAccessibleDescription(QString::fromStdString(note + reading.message));
    if (reading.spoken)
        announce(m_reading, reading.message);
    // The place underlined in the text as a misspelling is, leaving the cursor where it is.
    QList<QTextEdit::ExtraSelection> marks;
    if (!reading.accepted && reading.markLength > 0) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_text->document());
        mark.cursor.setPosition(reading.markStart);
        mark.cursor.setPosition(reading.markStart + reading.markLength, QTextCursor::KeepAnchor);
        mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mark.format.setUnderlineColor(QColor(0xc0, 0, 0));
        marks << mark;
    }
    m_text->setExtraSelections(marks);
}

void EquationWindow::bringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

bool EquationWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter solves; Shift+Enter starts the second equation on a new line.
            if (key->modifiers() & Qt::ShiftModifier)
                m_text->insertPlainText(QStringLiteral("\n"));
            else
                m_send(event::SolveEquation{});
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EquationWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        m_send(event::EquationClosed{});
        return;
    }
    QWidget::keyPressEvent(event);
}

void EquationWindow::closeEvent(QCloseEvent* event) {
    // The core closes the box, in its reply.
    event->ignore();
    m_send(event::EquationClosed{});
}
