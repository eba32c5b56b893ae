#include "desktop/form1.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include "core/conversation/overloaded.h"
#include "core/design/main_window_design.h"
#include "core/design/panel_placement.h"
#include "desktop/announcement.h"
#include "desktop/coloured_button.h"
#include "desktop/design_style.h"
#include "desktop/equation_window.h"
#include "desktop/form3.h"
#include "desktop/message_box.h"
#include "desktop/practice_window.h"
#include "desktop/system_locale.h"
#include "desktop/working_window.h"

namespace {

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

// The room for text in a box: its width between its frame and its margins.
int textRoom(const QLineEdit* box) {
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
    const QMargins margins = box->textMargins();
    constexpr int lineEditMargin = 2; // QLineEdit's own space on either side of the text
    return contents.width() - margins.left() - margins.right() - 2 * lineEditMargin;
}

BoxButton answerOf(int button) {
    if (button == QMessageBox::Yes)
        return BoxButton::Yes;
    return button == QMessageBox::No ? BoxButton::No : BoxButton::Ok;
}

// Counted from Qt's right() and bottom(), the last pixel inside, as the working window was
// always placed.
PanelRect panelRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.right() - rect.left(), rect.bottom() - rect.top()};
}

} // namespace

Form1::Form1(QWidget* parent, Construction construction)
    : QMainWindow(parent), m_conversation(this) {
    // The user's number format, read once, where the first run needs it.
    m_conversation.setNumberLocale([] { return numberLocale(QLocale::system()); });
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

Form1::~Form1() {
    // The working follows this window's runs and goes with it.
    if (m_working) {
        disconnect(m_working, nullptr, this, nullptr);
        delete m_working.data();
    }
}

void Form1::createMenus() {
    for (const MenuDesign& design : mainWindowDesign().menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(design.caption));
        menu->setObjectName(QString::fromUtf8(design.name));
        for (const MenuItemDesign& itemDesign : design.items) {
            QAction* item = addMenuItem(menu, itemDesign);
            // Greyed before the first run, as in the context menus.
            if (itemDesign.command == workingMenu.command) {
                m_workingItem = item;
                item->setEnabled(m_workingEnabled);
            }
        }
    }
}

QAction* Form1::addMenuItem(QMenu* menu, const MenuItemDesign& design) {
    QAction* item = menu->addAction(QString::fromUtf8(design.caption));
    item->setObjectName(QString::fromUtf8(design.name));
    connect(item, &QAction::triggered, this, [this, command = design.command] {
        // A box the item shows gives the focus back to the control that had it.
        const QWidget* focused = QApplication::focusWidget();
        const std::string origin =
            focused && isAncestorOf(focused) ? focused->objectName().toStdString() : "";
        send(event::Command{command, origin});
        // Asked for, the working comes to the front, also where it was already open behind.
        if (command == workingMenu.command && m_working)
            m_working->bringToFront();
    });
    return item;
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
        if (design.kind == ControlKind::InputBox) {
            connect(box, &QLineEdit::textChanged, this,
                    [this, index = design.index](const QString& text) {
                        send(event::Edit{index, text.toStdString()});
                    });
            // A coefficient box keeps its own menu and adds the typing of a whole equation.
            box->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(box, &QWidget::customContextMenuRequested, this,
                    [this, box](const QPoint& pos) {
                        QMenu* menu = box->createStandardContextMenu();
                        menu->addSeparator();
                        addMenuItem(menu, typeEquationItem);
                        execContextMenu(box, menu, pos);
                    });
        } else {
            // A result box keeps the standard menu of a read-only box (Copy, Select All) and adds
            // the working.
            box->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(box, &QWidget::customContextMenuRequested, this,
                    [this, box](const QPoint& pos) {
                        showContextMenu(box, box->createStandardContextMenu(), pos);
                    });
        }
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
        if (design.index == role::statusLine) {
            // The status line says how the run came out; its menu offers how it came to that.
            label->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(label, &QWidget::customContextMenuRequested, this,
                    [this, label](const QPoint& pos) {
                        showContextMenu(label, new QMenu(label), pos);
                    });
        }
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
        connect(option, &QRadioButton::toggled, this, [this, index = design.index](bool checked) {
            if (checked)
                send(event::Choose{index});
        });
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
    connect(button, &QPushButton::clicked, this,
            [this, command = design.command] { send(event::Command{command}); });
    return button;
}

void Form1::showContextMenu(QWidget* control, QMenu* menu, const QPoint& pos) {
    if (!menu->isEmpty())
        menu->addSeparator();
    QAction* item = menu->addAction(QString::fromLatin1(workingMenu.itemCaption));
    item->setObjectName(QString::fromLatin1(workingMenu.itemName));
    item->setEnabled(m_workingEnabled);
    connect(item, &QAction::triggered, this, [this] {
        send(event::Command{workingMenu.command});
        // Asked for, the window comes to the front, also where it was already open behind.
        if (m_working)
            m_working->bringToFront();
    });
    execContextMenu(control, menu, pos);
}

void Form1::execContextMenu(QWidget* control, QMenu* menu, const QPoint& pos) {
    // The control may go while its menu is open, at the end of the program, and the menu with it.
    const QPointer<QMenu> guard(menu);
    menu->exec(control->mapToGlobal(pos));
    delete guard.data();
}

void Form1::load() {
    // The seeds of the Practice window's sheets.
    std::random_device device;
    send(event::Load{(std::uint64_t(device()) << 32) | device()});
}

void Form1::send(const Event& event) {
    for (const Effect& effect : m_conversation.handle(event))
        render(effect);
}

auto Form1::drawing() {
    return overloaded{
        [this](const show::Text& text) {
            QLineEdit* box = m_texts.at(text.index);
            box->setText(QString::fromUtf8(text.text));
            // A result reads from its start, not from its end; a cut one shows whole in the tooltip
            // and to a screen reader.
            box->setCursorPosition(0);
            const QString whole = QString::fromUtf8(text.whole);
            box->setToolTip(whole);
            box->setAccessibleDescription(whole);
        },
        [this](const show::TextVisible& visible) {
            m_texts.at(visible.index)->setVisible(visible.visible);
        },
        [this](const show::Caption& caption) {
            m_labels.at(caption.index)->setText(QString::fromUtf8(caption.caption));
        },
        [this](const show::LabelVisible& visible) {
            m_labels.at(visible.index)->setVisible(visible.visible);
        },
        [this](const show::CommandEnabled& enabled) {
            m_commands.at(enabled.index)->setEnabled(enabled.enabled);
        },
        [this](const show::Box& box) {
            // Before the window is shown the box stands alone: the welcome box.
            const std::unique_ptr<QMessageBox> shown =
                messageBox(box.design(), isVisible() ? this : nullptr);
            // A window constructed without its contents builds them while the user reads the box,
            // once the box is on screen; a box answered before it ever painted leaves them to be
            // built here.
            if (!m_contentsCreated)
                new AfterFirstPaint(shown.get(), [this] { createContents(); });
            const int button = shown->exec();
            createContents();
            send(event::Answer{answerOf(button)});
        },
        [this](const show::Focus& focus) {
            if (auto* control = findChild<QWidget*>(QString::fromStdString(focus.control)))
                control->setFocus(Qt::OtherFocusReason);
        },
        [this](const show::BoxName& name) {
            // The caption beside it names a box as its buddy; this name holds where it is empty.
            m_texts.at(name.index)->setAccessibleName(QString::fromUtf8(name.name));
        },
        [this](const show::Announcement& announcement) {
            announce(m_labels.at(role::statusLine), announcement.text);
        },
        [this](const show::Window& /*window*/) { show(); },
        [this](const show::InfoWindow& /*info*/) {
            // One information window at a time, without an owner; closing it destroys it, and the
            // next press creates it anew.
            if (!m_form3) {
                m_form3 = new Form3;
                connect(m_form3, &QObject::destroyed, this,
                        [this] { send(event::InfoWindowClosed{}); });
            }
            m_form3->bringToFront();
        },
        [this](const show::InfoWindowBack& /*back*/) {
            if (m_form3 && m_form3->isMinimized())
                m_form3->bringToFront();
        },
        [this](const show::Working& working) {
            // One working window at a time, without an owner; closing it destroys it, and the next
            // "Show working" creates it anew, placed by the panels' rule.
            if (!m_working) {
                m_working = new WorkingWindow;
                connect(m_working, &QObject::destroyed, this,
                        [this] { send(event::WorkingWindowClosed{}); });
                connect(m_working, &WorkingWindow::methodChosen, this,
                        [this](WorkingMethod method) { send(event::ChooseMethod{method}); });
                m_working->showWorking(working);
                openPanel(m_working);
                m_working->show();
                return;
            }
            m_working->showWorking(working);
        },
        [this](const show::WorkingItem& item) {
            m_workingEnabled = item.enabled;
            if (m_workingItem)
                m_workingItem->setEnabled(item.enabled);
            m_labels.at(role::statusLine)
                ->setToolTip(item.enabled ? QString::fromLatin1(workingMenu.statusTooltip)
                                          : QString());
        },
        [this](const show::OptionSelected& selected) {
            // As the pupil's click would, without reporting it back as one.
            auto* option =
                findChild<QRadioButton*>(QStringLiteral("Option%1").arg(selected.option));
            const QSignalBlocker quiet(option);
            option->setChecked(true);
        },
        [this](const show::EquationWindow& window) {
            // One box, kept hidden while closed; it opens where the panels' rule says.
            if (!m_equation)
                m_equation = new EquationWindow(this, [this](const Event& event) { send(event); });
            m_equation->showText(window.text);
            if (!m_equation->isVisible())
                openPanel(m_equation);
            m_equation->bringToFront();
        },
        [this](const show::EquationReading& reading) {
            if (m_equation)
                m_equation->showReading(reading);
        },
        [this](const show::EquationWindowClosed& /*closed*/) {
            // The main window takes the keyboard back, where the reply puts the focus next.
            if (m_equation)
                m_equation->hide();
            activateWindow();
        },
        [this](const show::PracticeWindow& /*window*/) {
            // Made with its first view, and placed once where the panels' rule says.
            if (!std::exchange(m_practicePlaced, true))
                openPanel(&practice());
            practice().bringToFront();
        },
        [this](const show::PracticeShown& shown) { practice().showView(*shown.view); },
        [this](const show::PracticeFocus& focus) { practice().focusOn(focus.control); },
        [this](const show::PracticeAnnouncement& said) { practice().say(said.text); },
        [this](const show::PrintedSheet& sheet) { practice().print(sheet.html); },
        [this](const show::End& /*end*/) {
            // Every window goes, the information window too.
            QApplication::closeAllWindows();
            QCoreApplication::exit(0);
        },
    };
}

PracticeWindow& Form1::practice() {
    if (!m_practice)
        m_practice = std::make_unique<PracticeWindow>([this](const Event& event) { send(event); });
    return *m_practice;
}

QRect Form1::panelPlace(const QWidget* panel) const {
    const QRect main = frameGeometry();
    // A window not yet shown has no frame: it gets the main window's.
    const QMargins frame(geometry().left() - main.left(), geometry().top() - main.top(),
                         main.right() - geometry().right(), main.bottom() - geometry().bottom());
    const QSize size = panel->sizeHint().grownBy(frame);
    PanelRequest request;
    request.mainWindow = panelRect(main);
    request.screen = request.mainWindow;
    if (const QScreen* screen = this->screen())
        request.screen = panelRect(screen->availableGeometry());
    // The window keeps its width: its content does not wrap.
    request.width = request.narrowest = size.width();
    request.height = size.height();
    for (const QWidget* other :
         {static_cast<const QWidget*>(m_working), static_cast<const QWidget*>(m_equation),
          static_cast<const QWidget*>(m_practice.get())})
        if (other && other != panel && other->isVisible())
            request.panels.push_back(panelRect(other->frameGeometry()));
    // The coefficient boxes with their captions and "run", which a window that covers the main
    // window leaves in sight.
    QRect kept;
    for (const QWidget* control :
         {static_cast<QWidget*>(m_commands.at(1)), static_cast<QWidget*>(m_labels.at(2)),
          static_cast<QWidget*>(m_texts.at(1)), static_cast<QWidget*>(m_texts.at(6))})
        kept |= QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
    request.keepVisible = panelRect(kept);
    const PanelRect place = placePanel(request).rect;
    // Its frame there, its content below the frame's title bar, scrolled where it is higher.
    return QRect(QPoint(place.left, place.top), QPoint(place.right(), place.bottom()))
        .marginsRemoved(frame);
}

void Form1::openPanel(QWidget* panel) const {
    const QRect place = panelPlace(panel);
    panel->resize(place.width(), std::min(place.height(), panel->sizeHint().height()));
    // As for any window, its frame goes to the point given.
    panel->move(place.topLeft() - (geometry().topLeft() - frameGeometry().topLeft()));
}

void Form1::render(const Effect& effect) {
    std::visit(drawing(), effect);
}

int Form1::textWidth(int textIndex, std::string_view text) const {
    const QLineEdit* box = m_texts.at(textIndex);
    return box->fontMetrics().horizontalAdvance(QString::fromUtf8(text));
}

int Form1::room(int textIndex) const {
    int& room = m_rooms.at(textIndex);
    if (room == 0)
        room = textRoom(m_texts.at(textIndex));
    return room;
}

void Form1::changeEvent(QEvent* event) {
    // Another style or font gives the boxes other frames and margins.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        m_rooms.fill(0);
    QMainWindow::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    send(event::WindowClosed{});
    QMainWindow::closeEvent(event);
    // The working has nothing to follow once the main window has gone.
    if (m_working && event->isAccepted())
        m_working->close();
    // Practice belongs to the program, and the program ends with the main window.
    if (m_practice && event->isAccepted())
        m_practice->close();
}
