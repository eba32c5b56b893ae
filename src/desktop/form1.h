#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include <QMainWindow>
#include <QPointer>

#include "core/conversation/conversation.h"
#include "core/design/main_window_design.h"
#include "core/design/text_measure.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class EquationWindow;
class PracticeWindow;
class Form3;
class QMenu;
class WorkingWindow;
struct ControlDesign;
struct MenuItemDesign;

// The main window: builds the controls from the design table, sends each event to the core's
// conversation and draws what the reply shows. Construction leaves every control in its
// design-time state; load() starts the program.
class Form1 : public QMainWindow, public TextMeasure {
    Q_OBJECT

public:
    // Complete: the constructor builds the menus and every control. WithoutContents: only the
    // window itself; the rest is built behind the welcome box, so that the box comes up without
    // waiting for the window and the window is ready when the box is answered.
    enum class Construction { Complete, WithoutContents };

    explicit Form1(QWidget* parent = nullptr, Construction construction = Construction::Complete);
    ~Form1() override;

    // The welcome box, then the window laid out for its first use, shown.
    void load();

    const Conversation& conversation() const { return m_conversation; }

    // Draws one thing a reply shows.
    void render(const Effect& effect);

    int textWidth(int textIndex, std::string_view text) const override;
    int room(int textIndex) const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createContents();
    void createMenus();
    // An item of a menu bar's menu or a context menu, which sends its command.
    QAction* addMenuItem(QMenu* menu, const MenuItemDesign& design);
    void createControls();
    QWidget* createControl(const ControlDesign& design, QWidget* client);
    // The event goes to the conversation, and each effect of its reply is drawn in its order.
    void send(const Event& event);
    // One function for each thing a reply can show. Apart from render(), whose signature spells
    // out every effect: the callbacks made here carry the name of the function they are made in.
    auto drawing();
    // The status line's and the result boxes' context menu: the control's own items, if it has
    // any, and "Show working".
    void showContextMenu(QWidget* control, QMenu* menu, const QPoint& pos);
    // Opens the control's context menu at pos, and destroys it once closed.
    void execContextMenu(QWidget* control, QMenu* menu, const QPoint& pos);
    // Where a new window of the program's own opens, by the panels' rule, beside the others:
    // its client area, whole on the screen, with room for its frame around it.
    QRect panelPlace(const QWidget* panel) const;
    // Puts it there, its height what its content needs at most.
    void openPanel(QWidget* panel) const;
    // The Practice window, made on first use.
    PracticeWindow& practice();

    std::array<QLineEdit*, textCount + 1> m_texts{};         // index 0 unused
    std::array<QLabel*, labelCount + 1> m_labels{};          // index 0 unused
    std::array<QPushButton*, commandCount + 1> m_commands{}; // index 0 unused

    // Each box's room for text, measured once: the boxes keep their size.
    mutable std::array<int, textCount + 1> m_rooms{};
    bool m_contentsCreated = false;
    Conversation m_conversation;
    QPointer<Form3> m_form3;
    QPointer<WorkingWindow> m_working;
    QPointer<EquationWindow> m_equation;
    // Made once and hidden on close, so that its session and count last as long as the program.
    std::unique_ptr<PracticeWindow> m_practice;
    bool m_practicePlaced = false;
    bool m_workingEnabled = false;
    QPointer<QAction> m_workingItem; // Tools > Show working
};
