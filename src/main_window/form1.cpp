#include "form1.h"

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
#include <QTimer>

#include "coloured_button.h"
#include "control_layout.h"
#include "form3.h"
#include "form_commands.h"

namespace {

// The title of every box that has no title of its own.
const QString applicationTitle = QStringLiteral("Velmora");

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The user's number format, read once when the window is created.
NumberLocale systemNumberLocale() {
    const QLocale system = QLocale::system();
    return {system.decimalPoint().toStdString(), system.groupSeparator().toStdString(),
            system.currencySymbol().toStdString()};
}

QFont designFont(ControlFont kind) {
    QFont font;
    // MS Sans Serif where the desktop has it; otherwise sans faces of about its width.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    const bool small = kind == ControlFont::Small || kind == ControlFont::SmallBold;
    font.setPointSizeF(small ? 9.75 : 12.0);
    font.setBold(kind == ControlFont::WindowBold || kind == ControlFont::SmallBold);
    return font;
}

Qt::Alignment labelAlignment(CaptionAlignment alignment) {
    // A label's caption starts at the top of its box, however tall the box.
    switch (alignment) {
    case CaptionAlignment::Centred:
        return Qt::AlignHCenter | Qt::AlignTop;
    case CaptionAlignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case CaptionAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QRect pixels(const ControlDesign& design) {
    return {design.left / twipsPerPixel, design.top / twipsPerPixel, design.width / twipsPerPixel,
            design.height / twipsPerPixel};
}

// Runs a task once, after a widget has painted itself for the first time and the picture has
// gone to the screen.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* widget, std::function<void()> task)
        : QObject(widget), task_(std::move(task)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        // The paint reaches the screen when the backing store is flushed, after this event.
        if (event->type() == QEvent::Paint && task_)
            QTimer::singleShot(0, this, std::exchange(task_, {}));
        return false;
    }

private:
    std::function<void()> task_;
};

void showModalBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                  const QString& message) {
    QMessageBox box(icon, title, message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

Form1::Form1(QWidget* parent, Construction construction)
    : QMainWindow(parent), locale(systemNumberLocale()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Equation"));
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
    if (contentsCreated)
        return;
    contentsCreated = true;
    // The application's icon where the program has set it, rather than the file decoded again.
    const QIcon applicationIcon = QApplication::windowIcon();
    setWindowIcon(applicationIcon.isNull() ? QIcon(QStringLiteral(":/icons/velmora.ico"))
                                           : applicationIcon);
    createMenus();
    createControls();
}

Form1::~Form1() = default;

void Form1::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("Exit"));
    connect(exit, &QAction::triggered, this, &Form1::exitClick);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("About"));
    connect(about, &QAction::triggered, this, &Form1::aboutClick);
}

void Form1::createControls() {
    // The client area: the menu bar stays in the desktop's own font and colours.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientWidthTwips / twipsPerPixel, clientHeightTwips / twipsPerPixel);
    client->setFont(designFont(ControlFont::Window));
    QPalette background = client->palette();
    background.setColor(QPalette::Window, windowColour);
    client->setPalette(background);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlDesign& design : mainWindowControls()) {
        QWidget* control = createControl(design, client);
        control->setObjectName(QString::fromLatin1(design.name));
        control->setGeometry(pixels(design));
        if (design.font != ControlFont::Window)
            control->setFont(designFont(design.font));
        if (design.kind == ControlKind::Label)
            control->lower(); // boxes and buttons are drawn over the labels that reach under them
        else
            focusable.emplace_back(design.tabIndex, control);
    }

    // A screen reader names each box after the caption beside it, and follows the caption as
    // the layout changes it.
    for (const BoxCaption& pair : boxCaptions)
        labels.at(pair.label)->setBuddy(texts.at(pair.text));

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
        texts.at(design.index) = box;
        return box;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, client);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(labelAlignment(design.alignment));
        QPalette look = label->palette();
        look.setColor(QPalette::Window, windowColour);
        look.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ButtonText));
        label->setPalette(look);
        label->setAutoFillBackground(true);
        label->setFocusPolicy(Qt::NoFocus);
        labels.at(design.index) = label;
        return label;
    }
    case ControlKind::OptionButton: {
        // The two option buttons share the client area, which makes them one exclusive group.
        auto* option = new QRadioButton(caption, client);
        option->setAutoExclusive(true);
        // A button fills its background from the Button role; this one stands on the window.
        option->setBackgroundRole(QPalette::Window);
        QPalette look = option->palette();
        look.setColor(QPalette::Window, windowColour);
        option->setPalette(look);
        option->setAutoFillBackground(true);
        options.at(design.index) = option;
        return option;
    }
    case ControlKind::PushButton:
        break;
    }
    auto* button = new ColouredButton(caption, client);
    if (design.face.isValid())
        button->setFaceColour(design.face);
    // A face taller than wide ("INFO") has no room for a word: its caption reads top to bottom.
    button->setStackedCaption(design.width < design.height);
    // Neither Enter nor Esc presses a button of this window.
    button->setAutoDefault(false);
    button->setDefault(false);
    commands.at(design.index) = button;
    static constexpr std::array clicks{&Form1::command1Click, &Form1::command2Click,
                                       &Form1::command3Click, &Form1::command4Click,
                                       &Form1::command5Click};
    connect(button, &QPushButton::clicked, this, clicks.at(design.index - 1));
    return button;
}

void Form1::load() {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle, fromUtf8(welcomeText), QMessageBox::Ok);
    // A window constructed without its contents builds them while the user reads the box, once
    // the box is on screen; a box answered before it ever painted leaves them to be built here.
    if (!contentsCreated)
        new AfterFirstPaint(&box, [this] { createContents(); });
    box.exec();
    createContents();
    hideControlsOnLoad(*this, vars);
}

std::string Form1::text(int index) const {
    return texts.at(index)->text().toStdString();
}

void Form1::setText(int index, std::string_view text) {
    QLineEdit* box = texts.at(index);
    box->setText(fromUtf8(text));
    // A result longer than its box reads from its start, not from its end.
    box->setCursorPosition(0);
}

void Form1::setTextVisible(int index, bool visible) {
    texts.at(index)->setVisible(visible);
}

void Form1::setCaption(int index, std::string_view caption) {
    labels.at(index)->setText(fromUtf8(caption));
}

void Form1::setLabelVisible(int index, bool visible) {
    labels.at(index)->setVisible(visible);
}

void Form1::setCommandEnabled(int index, bool enabled) {
    commands.at(index)->setEnabled(enabled);
}

bool Form1::option1Selected() const {
    return options[1]->isChecked();
}

bool Form1::option2Selected() const {
    return options[2]->isChecked();
}

void Form1::command4Click() {
    checkLayout(*this, vars);
}

void Form1::command1Click() {
    runCommand(*this, vars, locale, [this](std::string_view message) { showWarning(message); });
}

void Form1::command2Click() {
    clearFields(*this, vars);
}

void Form1::command3Click() {
    endProgram();
}

void Form1::command5Click() {
    // One information window at a time, without an owner; closing it destroys it, and the next
    // press creates it anew.
    if (!form3) {
        form3 = new Form3;
    }
    form3->show();
    form3->raise();
    form3->activateWindow();
}

void Form1::exitClick() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quit"),
                    QStringLiteral("Are you sure you want to quit?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() == QMessageBox::Yes)
        endProgram();
}

void Form1::aboutClick() {
    const QString about = QStringLiteral("Designed by Tolvek\r\n"
                                         "-Basic programming and reversing skills-\r\n"
                                         "Thanks for using it! Enjoy!\r\n"
                                         "Contact: tolvek@example.org");
    showModalBox(this, QMessageBox::Information, QStringLiteral("About"), about);
}

void Form1::showWarning(std::string_view message) {
    showModalBox(this, QMessageBox::Warning, QStringLiteral("Warning"), fromUtf8(message));
}

void Form1::endProgram() {
    // At once and without asking: every window goes, the information window too.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
