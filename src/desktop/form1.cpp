#include "desktop/form1.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include "core/form_commands.h"
#include "core/main_window_design.h"
#include "core/message_boxes.h"
#include "desktop/coloured_button.h"
#include "desktop/design_style.h"
#include "desktop/form3.h"
#include "desktop/message_box.h"
#include "desktop/system_locale.h"

namespace {

// The user's number format, read once when the window is created.
NumberLocale systemNumberLocale() {
    return numberLocale(QLocale::system());
}

// Runs a task once, after a widget has painted itself for the first time and the picture has
// gone to the screen.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* widget, std::function<void()> task)
        : QObject(widget), m_task(std::move(task)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        // The paint reaches the screen when the backing store is flushed, after this event.
        if (event->type() == QEvent::Paint && m_task)
            QTimer::singleShot(0, this, std::exchange(m_task, {}));
        return false;
    }

private:
    std::function<void()> m_task;
};

// Whether a box shows all of its text: the room between its frame and its margins.
bool fitsIn(const QLineEdit* box) {
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
    const QMargins margins = box->textMargins();
    constexpr int lineEditMargin = 2; // QLineEdit's own space on either side of the text
    const int room = contents.width() - margins.left() - margins.right() - 2 * lineEditMargin;
    return box->fontMetrics().horizontalAdvance(box->text()) <= room;
}

} // namespace

Form1::Form1(QWidget* parent, Construction construction)
    : QMainWindow(parent), m_locale(systemNumberLocale()) {
    const MainWindowDesign& design = mainWindowDesign();
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromLatin1(design.caption));
    // A fixed single border: minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The window takes the size of the menu bar plus the fixed client area, and keeps it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (construction == Construction::Complete)
        createContents();
}

void Form1::createContents() {
    if (m_contentsCreated)
        return;
    m_contentsCreated = true;
    // The application's icon where the program has set it, rather than the file decoded again.
    const QIcon applicationIcon = QApplication::windowIcon();
    setWindowIcon(applicationIcon.isNull() ? QIcon(QStringLiteral(":/icons/velmora.ico"))
                                           : applicationIcon);
    createMenus();
    createControls();
}

Form1::~Form1() = default;

void Form1::createMenus() {
    static constexpr std::array itemClicks{&Form1::exitClick, &Form1::aboutClick};
    const auto& menus = mainWindowDesign().menus;
    for (std::size_t index = 0; index < menus.size(); ++index) {
        const MenuDesign& design = menus[index];
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(design.caption));
        menu->setObjectName(QString::fromLatin1(design.name));
        QAction* item = menu->addAction(QString::fromLatin1(design.itemCaption));
        item->setObjectName(QString::fromLatin1(design.itemName));
        connect(item, &QAction::triggered, this, itemClicks.at(index));
    }
}

void Form1::createControls() {
    // The client area: the menu bar stays in the desktop's own font and colours.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const MainWindowDesign& design = mainWindowDesign();
    client->setFixedSize(toPixels({0, 0, design.clientWidth, design.clientHeight}).size());
    client->setFont(toFont(design.font));
    QPalette background = client->palette();
    background.setColor(QPalette::Window, toColour(design.background));
    client->setPalette(background);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlDesign& row : design.controls) {
        QWidget* control = createControl(row, client);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(toPixels(row.place));
        if (row.font.pointSize != design.font.pointSize || row.font.bold != design.font.bold)
            control->setFont(toFont(row.font));
        if (row.kind == ControlKind::Label)
            control->lower(); // boxes and buttons are drawn over the labels that reach under them
        else
            focusable.emplace_back(row.tabIndex, control);
    }

    // A screen reader names each box after the caption beside it, and follows the caption as
    // the layout changes it.
    for (const BoxCaption& pair : boxCaptions)
        m_labels.at(pair.label)->setBuddy(m_texts.at(pair.text));

    std::ranges::sort(focusable, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].second, focusable[i].second);
}

QWidget* Form1::createControl(const ControlDesign& design, QWidget* client) {
    const QString caption = QString::fromLatin1(design.caption);
    switch (design.kind) {
    case ControlKind::InputBox:
    case ControlKind::ResultBox: {
        auto* box = new QLineEdit(client);
        box->setMaxLength(INT_MAX); // a box holds any length of text
        // Numbers need no text shaping, and skipping it keeps a box with a pasted megabyte of
        // text quick to repaint.
        QFont plain = box->font();
        plain.setStyleStrategy(QFont::PreferNoShaping);
        box->setFont(plain);
        box->setReadOnly(design.kind == ControlKind::ResultBox);
        m_texts.at(design.index) = box;
        return box;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, client);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(toLabelAlignment(design.alignment));
        setColours(label, QPalette::Window, mainWindowDesign().background, QPalette::WindowText,
                   QApplication::palette().color(QPalette::ButtonText));
        label->setAutoFillBackground(true);
        label->setFocusPolicy(Qt::NoFocus);
        m_labels.at(design.index) = label;
        return label;
    }
    case ControlKind::OptionButton: {
        // The two option buttons share the client area, which makes them one exclusive group.
        auto* option = new QRadioButton(caption, client);
        option->setAutoExclusive(true);
        // A button fills its background from the Button role; this one stands on the window.
        option->setBackgroundRole(QPalette::Window);
        QPalette look = option->palette();
        look.setColor(QPalette::Window, toColour(mainWindowDesign().background));
        option->setPalette(look);
        option->setAutoFillBackground(true);
        m_options.at(design.index) = option;
        return option;
    }
    case ControlKind::PushButton:
        break;
    }
    auto* button = new ColouredButton(caption, client);
    if (design.face)
        button->setFaceColour(toColour(*design.face));
    button->setStackedCaption(design.stackedCaption());
    // Neither Enter nor Esc presses a button of this window.
    button->setAutoDefault(false);
    button->setDefault(false);
    m_commands.at(design.index) = button;
    static constexpr std::array clicks{&Form1::command1Click, &Form1::command2Click,
                                       &Form1::command3Click, &Form1::command4Click,
                                       &Form1::command5Click};
    connect(button, &QPushButton::clicked, this, clicks.at(design.index - 1));
    return button;
}

void Form1::load() {
    const std::unique_ptr<QMessageBox> box = messageBox(welcomeBox, nullptr);
    // A window constructed without its contents builds them while the user reads the box, once
    // the box is on screen; a box answered before it ever painted leaves them to be built here.
    if (!m_contentsCreated)
        new AfterFirstPaint(box.get(), [this] { createContents(); });
    box->exec();
    createContents();
    hideControlsOnLoad(*this, m_vars);
    // The first control in tab order that can take the focus once the boxes are hidden.
    m_options[1]->setFocus(Qt::OtherFocusReason);
}

std::string Form1::text(int index) const {
    return m_texts.at(index)->text().toStdString();
}

void Form1::setText(int index, std::string_view text) {
    QLineEdit* box = m_texts.at(index);
    box->setText(QString::fromUtf8(text));
    // A result longer than its box reads from its start, not from its end, and shows whole in
    // the tooltip and to a screen reader, so that a cut exponent or "*i" is never missed.
    box->setCursorPosition(0);
    const QString whole = fitsIn(box) ? QString() : box->text();
    box->setToolTip(whole);
    box->setAccessibleDescription(whole);
}

void Form1::setTextVisible(int index, bool visible) {
    m_texts.at(index)->setVisible(visible);
}

void Form1::setCaption(int index, std::string_view caption) {
    m_labels.at(index)->setText(QString::fromUtf8(caption));
}

void Form1::setLabelVisible(int index, bool visible) {
    m_labels.at(index)->setVisible(visible);
}

void Form1::setCommandEnabled(int index, bool enabled) {
    m_commands.at(index)->setEnabled(enabled);
}

bool Form1::option1Selected() const {
    return m_options[1]->isChecked();
}

bool Form1::option2Selected() const {
    return m_options[2]->isChecked();
}

void Form1::command4Click() {
    checkLayout(*this, m_vars);
    // The user starts typing where the tab order starts; with no option chosen there is no box.
    if (!m_texts[1]->isHidden())
        m_texts[1]->setFocus(Qt::OtherFocusReason);
}

void Form1::command1Click() {
    runCommand(*this, m_vars, m_locale,
               [this](std::string_view message) { showBox(warningBox(message)); });
}

void Form1::command2Click() {
    clearFields(*this, m_vars);
}

void Form1::command3Click() {
    endProgram();
}

void Form1::command5Click() {
    // One information window at a time, without an owner; closing it destroys it, and the next
    // press creates it anew.
    if (!m_form3) {
        m_form3 = new Form3;
    }
    m_form3->bringToFront();
}

void Form1::closeEvent(QCloseEvent* event) {
    // The program runs on while the information window is open; a minimised one must not be left
    // as the only thing on the desktop, out of sight.
    if (m_form3 && m_form3->isMinimized())
        m_form3->bringToFront();
    QMainWindow::closeEvent(event);
}

void Form1::exitClick() {
    if (showBox(quitBox) == QMessageBox::Yes)
        endProgram();
}

void Form1::aboutClick() {
    showBox(aboutBox);
}

int Form1::showBox(const MessageBoxDesign& design) {
    return messageBox(design, this)->exec();
}

void Form1::endProgram() {
    // At once and without asking: every window goes, the information window too.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
