#pragma once

#include <array>
#include <string>
#include <string_view>

#include <QMainWindow>
#include <QPointer>

#include "core/controls.h"
#include "core/form_variables.h"
#include "core/numbers.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Form3;
struct ControlDesign;
struct MessageBoxDesign;

// The main window: owns the 31 controls and the window's variables, and binds the buttons and
// menu items to the core's commands. Construction leaves every control in its design-time state;
// load() runs the start-up procedure.
class Form1 : public QMainWindow, public Controls {
    Q_OBJECT

public:
    // Complete: the constructor builds the menus and every control. WithoutContents: only the
    // window itself; load() builds the rest behind the welcome box, so that the box comes up
    // without waiting for the window and the window is ready when the box is answered.
    enum class Construction { Complete, WithoutContents };

    explicit Form1(QWidget* parent = nullptr, Construction construction = Construction::Complete);
    ~Form1() override;

    // The start-up procedure: the welcome box, then every box and label hidden and the lower
    // buttons disabled. Runs once, before the window is first shown.
    void load();

    const FormVariables& variables() const { return m_vars; }
    const NumberLocale& numberLocale() const { return m_locale; }

    std::string text(int index) const override;
    void setText(int index, std::string_view text) override;
    void setTextVisible(int index, bool visible) override;
    void setCaption(int index, std::string_view caption) override;
    void setLabelVisible(int index, bool visible) override;
    void setCommandEnabled(int index, bool enabled) override;
    bool option1Selected() const override;
    bool option2Selected() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void command4Click(); // "CHECK!"
    void command1Click(); // "run"
    void command2Click(); // "clear fields"
    void command3Click(); // "exit"
    void command5Click(); // "INFO"
    void exitClick();     // File > Exit
    void aboutClick();    // Help > About

private:
    void createContents();
    void createMenus();
    void createControls();
    QWidget* createControl(const ControlDesign& design, QWidget* client);
    int showBox(const MessageBoxDesign& design);
    void endProgram();

    std::array<QLineEdit*, 12> m_texts{};     // Text(1)..Text(11); index 0 unused
    std::array<QLabel*, 14> m_labels{};       // Label(1)..Label(13); index 0 unused
    std::array<QPushButton*, 6> m_commands{}; // Command1..Command5; index 0 unused
    std::array<QRadioButton*, 3> m_options{}; // Option1, Option2; index 0 unused

    bool m_contentsCreated = false;
    FormVariables m_vars;
    NumberLocale m_locale;
    QPointer<Form3> m_form3;
};
