#include <cstdint>
#include <memory>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "desktop/form1.h"
#include "test_data.h"
#include "window_driver.h"

namespace {

const QColor apricot(255, 224, 192);
const QColor lightGreen(192, 255, 192);
const QColor whiteFace(255, 255, 255);

// The main window as the program must show it: each control's place in pixels, caption and font,
// and the tab order.
QJsonObject shownMainWindow() {
    return testData(VELMORA_DESIGN_PLACES)["Form1"].toObject();
}

QSize clientSize() {
    const QJsonArray client = shownMainWindow()["client"].toArray();
    return {client[0].toInt(), client[1].toInt()};
}

QList<QWidget*> visibleTopLevelWindows() {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            windows.append(widget);
    return windows;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void designTable_data();
    void designTable();
    void labelLook_data();
    void labelLook();
    void textBoxes_data();
    void textBoxes();
    void pushButtons_data();
    void pushButtons();
    void tabOrder();
    void window();
    void menus_data();
    void menus();
    void colours_data();
    void colours();
    void captionsFit_data();
    void captionsFit();

    void designState();
    void controlIndices_data();
    void controlIndices();
    void loadProcedure();
    void optionButtonsExclusive();
    void checkLayout_data();
    void checkLayout();
    void systemToEquation();
    void runWarning();
    void clearFields();
    void about();
    void fileExitAnsweredNo();
    void info();
    void firstKeystrokes_data();
    void firstKeystrokes();
    void enterPressesButton_data();
    void enterPressesButton();
    void cutResultShownWhole_data();
    void cutResultShownWhole();

    // Last: each row ends the program's event loop.
    void endProgram_data();
    void endProgram();
};

void TestForm1::initTestCase() {
    // The program must end by its own commands here, not because a test closed a window.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestForm1::designTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");

    const QJsonObject controls = shownMainWindow()["controls"].toObject();
    for (auto control = controls.begin(); control != controls.end(); ++control) {
        const QJsonObject design = control.value().toObject();
        const QJsonArray place = design["place"].toArray();
        QTest::newRow(qPrintable(control.key()))
            << control.key() << place[0].toInt() << place[1].toInt() << place[2].toInt()
            << place[3].toInt() << design["caption"].toString() << design["points"].toDouble()
            << design["bold"].toBool();
    }
}

void TestForm1::designTable() {
    QFETCH(QString, name);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, caption);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);

    Form1 form;
    QWidget* widget = control(form, name);
    QCOMPARE(widget->parentWidget(), form.centralWidget());
    QCOMPARE(widget->geometry(), QRect(left, top, width, height));

    QString shown;
    if (auto* label = qobject_cast<QLabel*>(widget))
        shown = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        shown = button->text();
    else
        shown = qobject_cast<QLineEdit*>(widget)->text();
    QCOMPARE(shown, caption);

    const QFont font = widget->font();
    QCOMPARE(font.families(), (QStringList{"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}));
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.bold(), bold);
}

void TestForm1::labelLook_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::Alignment>("alignment");

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    QTest::newRow("status line, left") << "Label(1)" << left;
    QTest::newRow("a=, centred") << "Label(2)" << centred;
    QTest::newRow("b=, centred") << "Label(3)" << centred;
    QTest::newRow("c=, centred") << "Label(4)" << centred;
    QTest::newRow("D=, right") << "Label(5)" << right;
    QTest::newRow("equation, centred") << "Label(6)" << centred;
    QTest::newRow("x1=, left") << "Label(7)" << left;
    QTest::newRow("x2=, left") << "Label(8)" << left;
    QTest::newRow("a2=, left") << "Label(9)" << left;
    QTest::newRow("b2=, left") << "Label(10)" << left;
    QTest::newRow("c2=, left") << "Label(11)" << left;
    QTest::newRow("D1=, right") << "Label(12)" << right;
    QTest::newRow("D2=, centred unlike its neighbours") << "Label(13)" << centred;
}

void TestForm1::labelLook() {
    QFETCH(QString, name);
    QFETCH(Qt::Alignment, alignment);

    Form1 form;
    auto* label = control<QLabel>(form, name);
    QCOMPARE(label->alignment(), alignment);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(label->backgroundRole()), apricot);
    QCOMPARE(label->palette().color(label->foregroundRole()),
             QApplication::palette().color(QPalette::ButtonText));
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);

    // Every box and button that a label reaches under is drawn over it.
    const QWidgetList stack =
        form.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* other : stack) {
        if (qobject_cast<QLabel*>(other) || !other->geometry().intersects(label->geometry()))
            continue;
        const QObjectList order = form.centralWidget()->children();
        QVERIFY2(order.indexOf(label) < order.indexOf(other),
                 qPrintable(other->objectName() + " is under " + name));
    }
}

void TestForm1::textBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("a, input") << "Text(1)" << false;
    QTest::newRow("b, input") << "Text(2)" << false;
    QTest::newRow("c, input") << "Text(3)" << false;
    QTest::newRow("a2, input") << "Text(4)" << false;
    QTest::newRow("b2, input") << "Text(5)" << false;
    QTest::newRow("c2, input") << "Text(6)" << false;
    QTest::newRow("D, read-only") << "Text(7)" << true;
    QTest::newRow("D1, read-only") << "Text(8)" << true;
    QTest::newRow("D2, read-only") << "Text(9)" << true;
    QTest::newRow("x1, read-only") << "Text(10)" << true;
    QTest::newRow("x2, read-only") << "Text(11)" << true;
}

void TestForm1::textBoxes() {
    QFETCH(QString, name);
    QFETCH(bool, readOnly);

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* box = control<QLineEdit>(form, name);
    QCOMPARE(box->isReadOnly(), readOnly);
    // Read-only boxes still take the focus, so their text can be selected and copied.
    QVERIFY(box->focusPolicy() & Qt::TabFocus);

    box->setText(QStringLiteral("12"));
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, QStringLiteral("34"));
    QCOMPARE(box->text(), readOnly ? QStringLiteral("12") : QStringLiteral("1234"));

    box->selectAll();
    QCOMPARE(box->selectedText(), box->text());

    // No length limit: far beyond the 32767 characters a line edit stops at by default.
    const QString longText(40000, QLatin1Char('7'));
    box->setText(longText);
    QCOMPARE(box->text().size(), 40000);
}

void TestForm1::pushButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("run") << "Command1";
    QTest::newRow("clear fields") << "Command2";
    QTest::newRow("exit") << "Command3";
    QTest::newRow("CHECK!") << "Command4";
    QTest::newRow("INFO") << "Command5";
}

void TestForm1::pushButtons() {
    QFETCH(QString, name);

    auto form = startedForm();
    QTest::mouseClick(command(*form, 4), Qt::LeftButton); // enables all of them
    auto* button = control<QPushButton>(*form, name);
    QVERIFY(!button->isDefault());
    QVERIFY(!button->autoDefault());
    QVERIFY(button->isEnabled());

    // Neither Enter nor Esc presses the button, even while it has the focus.
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    QTest::keyClick(button, Qt::Key_Escape);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(form->isVisible());
}

void TestForm1::tabOrder() {
    Form1 form;
    QWidget* first = control(form, QStringLiteral("Text(1)"));
    QStringList order;
    QWidget* widget = first;
    do {
        if (widget->parentWidget() == form.centralWidget() &&
            (widget->focusPolicy() & Qt::TabFocus))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != first && order.size() < 100);

    QStringList expected;
    for (const QJsonValue& name : shownMainWindow()["tabOrder"].toArray())
        expected << name.toString();
    QCOMPARE(order, expected);
}

void TestForm1::window() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Equation"));
    QCOMPARE(form.centralWidget()->size(), clientSize());
    QCOMPARE(form.centralWidget()->y(), form.menuBar()->height());
    // Fixed size: the user cannot resize it.
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.size(), clientSize() + QSize(0, form.menuBar()->height()));

    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(flags & Qt::WindowTitleHint);
}

// Each menu of the bar, in its place, and each of its items, greyed or not before the first run.
void TestForm1::menus_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("greyed");
    QTest::newRow("File") << 0 << "File"
                          << "&File" << QStringList{"Exit"} << QStringList{"&Exit"}
                          << QStringList{};
    QTest::newRow("Tools") << 1 << "Tools"
                           << "&Tools" << QStringList{"ShowWorking", "TypeEquation", "Practice"}
                           << QStringList{"&Show working", "&Type an equation\u2026",
                                          "&Practice\u2026"}
                           << QStringList{"ShowWorking"};
    QTest::newRow("Help") << 2 << "Help"
                          << "&Help" << QStringList{"About"} << QStringList{"&About"}
                          << QStringList{};
}

void TestForm1::menus() {
    QFETCH(int, menu);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, greyed);
    auto form = startedForm();
    const QList<QAction*> bar = form->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    const QMenu* shown = bar.at(menu)->menu();
    QVERIFY(shown);
    QCOMPARE(shown->objectName(), name);
    QCOMPARE(shown->title(), title);
    QStringList shownItems, shownCaptions, shownGreyed;
    for (const QAction* item : shown->actions()) {
        shownItems << item->objectName();
        shownCaptions << item->text();
        if (!item->isEnabled())
            shownGreyed << item->objectName();
    }
    QCOMPARE(shownItems, items);
    QCOMPARE(shownCaptions, captions);
    QCOMPARE(shownGreyed, greyed);
}

void TestForm1::colours_data() {
    QTest::addColumn<QString>("style");
    QTest::newRow("Fusion") << "Fusion";
    QTest::newRow("Windows") << "Windows";
}

void TestForm1::colours() {
    QFETCH(QString, style);

    const QString previous = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(style));
    {
        Form1 form;
        form.render(show::CommandEnabled{1, false}); // a greyed "run" keeps its white face
        const QImage client = form.centralWidget()->grab().toImage();
        const qreal ratio = client.devicePixelRatio();
        QCOMPARE(client.size(), clientSize() * ratio);
        const auto at = [&](int x, int y) { return client.pixelColor(QPoint(x, y) * ratio); };

        // Points in client pixels, clear of captions, bevels and focus frames.
        QCOMPARE(at(200, 100), apricot);   // bare window
        QCOMPARE(at(93, 43), apricot);     // right end of "Equation"
        QCOMPARE(at(510, 200), apricot);   // empty status line
        QCOMPARE(at(32, 5), lightGreen);   // "CHECK!"
        QCOMPARE(at(128, 325), whiteFace); // "run", disabled
        QCOMPARE(at(240, 325), whiteFace); // "clear fields"
        QCOMPARE(at(352, 325), whiteFace); // "exit"
    }
    QApplication::setStyle(previous);
}

void TestForm1::captionsFit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("lines");
    // Pixels the ink of a one-line caption may reach past the box's right edge.
    QTest::addColumn<int>("overhang");

    QTest::newRow("complex status wraps to two lines") << "Label(1)"
                                                       << "No real roots. Comlpex roots:" << 2 << 0;
    QTest::newRow("system on two lines") << "Label(6)"
                                         << "a1*x+b1*y=c1\r\na2*x+b2*y=c2" << 2 << 0;
    QTest::newRow("equation on one line") << "Label(6)"
                                          << "a*x^2+b*x+c=0" << 1 << 0;
    // 25 pixels wide: the '=' of the substitute sans face runs one pixel column past the box.
    QTest::newRow("x1= in the narrow result caption") << "Label(7)"
                                                      << "x1=" << 1 << 1;
    QTest::newRow("y= in the narrow result caption") << "Label(8)"
                                                     << "y=" << 1 << 0;
    QTest::newRow("a2= in the narrow middle caption") << "Label(9)"
                                                      << "a2=" << 1 << 0;
    QTest::newRow("c1= in the left caption") << "Label(4)"
                                             << "c1=" << 1 << 0;
    QTest::newRow("D2=") << "Label(13)"
                         << "D2=" << 1 << 0;
}

void TestForm1::captionsFit() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, lines);
    QFETCH(int, overhang);

    Form1 form;
    auto* label = control<QLabel>(form, name);
    label->setText(caption);
    const QFontMetrics metrics(label->font());
    const int needed = label->heightForWidth(label->width());
    QVERIFY2(needed <= label->height(), qPrintable(QString::number(needed)));
    QVERIFY2(needed >= lines * metrics.height() && needed < (lines + 1) * metrics.height(),
             qPrintable(QString::number(needed)));
    if (lines == 1) {
        const int inkEnd = metrics.tightBoundingRect(caption).right() + 1;
        QVERIFY2(inkEnd <= label->width() + overhang, qPrintable(QString::number(inkEnd)));
    }
}

void TestForm1::designState() {
    Form1 form;
    for (int index = 1; index <= 11; ++index) {
        QVERIFY(!textBox(form, index)->isHidden());
        QVERIFY(textBox(form, index)->isEnabled());
        QCOMPARE(textBox(form, index)->text(), QString());
    }
    const QStringList captions{"", "", "", "", "D=", "", "", "", "", "", "", "D1=", "D2="};
    for (int index = 1; index <= 13; ++index) {
        QVERIFY(!label(form, index)->isHidden());
        QCOMPARE(label(form, index)->text(), captions.at(index - 1));
    }
    for (int index = 1; index <= 5; ++index) {
        QVERIFY(!command(form, index)->isHidden());
        QVERIFY(command(form, index)->isEnabled());
    }
    for (const char* name : {"Option1", "Option2"}) {
        auto* option = control<QRadioButton>(form, name);
        QVERIFY(!option->isHidden());
        QVERIFY(!option->isChecked());
        QVERIFY(option->autoExclusive());
    }
    QVERIFY(!form.conversation().window().option1Selected());
    QVERIFY(!form.conversation().window().option2Selected());

    const FormVariables& vars = form.conversation().variables();
    for (float value : {vars.a, vars.b, vars.c, vars.D, vars.a1, vars.b1, vars.c1, vars.a2, vars.b2,
                        vars.c2, vars.D1, vars.D2, vars.y})
        QCOMPARE(value, 0.0f);
    QVERIFY(!vars.x.has_value());
    QCOMPARE(vars.i, std::int16_t{0});
}

void TestForm1::controlIndices_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    for (int index = 1; index <= 11; ++index)
        QTest::addRow("Text(%d)", index)
            << "text" << index << QStringLiteral("Text(%1)").arg(index);
    for (int index = 1; index <= 13; ++index)
        QTest::addRow("Label(%d)", index)
            << "label" << index << QStringLiteral("Label(%1)").arg(index);
    for (int index = 1; index <= 3; ++index)
        QTest::addRow("Command%d", index)
            << "command" << index << QStringLiteral("Command%1").arg(index);
}

void TestForm1::controlIndices() {
    QFETCH(QString, kind);
    QFETCH(int, index);
    QFETCH(QString, name);

    Form1 form;
    QWidget* widget = control(form, name);
    const std::string greek = "\xce\xb1=\xce\xb2 -1.5"; // "α=β -1.5" in UTF-8
    if (kind == QLatin1String("text")) {
        form.render(show::Text{index, greek, ""});
        QCOMPARE(qobject_cast<QLineEdit*>(widget)->text(), QStringLiteral("α=β -1.5"));
        // A written text reads from its start, however long it is.
        QCOMPARE(qobject_cast<QLineEdit*>(widget)->cursorPosition(), 0);
        form.render(show::TextVisible{index, false});
        QVERIFY(widget->isHidden());
        form.render(show::TextVisible{index, true});
        QVERIFY(!widget->isHidden());
    } else if (kind == QLatin1String("label")) {
        form.render(show::Caption{index, greek});
        QCOMPARE(qobject_cast<QLabel*>(widget)->text(), QStringLiteral("α=β -1.5"));
        form.render(show::LabelVisible{index, false});
        QVERIFY(widget->isHidden());
        form.render(show::LabelVisible{index, true});
        QVERIFY(!widget->isHidden());
    } else {
        form.render(show::CommandEnabled{index, false});
        QVERIFY(!widget->isEnabled());
        form.render(show::CommandEnabled{index, true});
        QVERIFY(widget->isEnabled());
    }
}

void TestForm1::loadProcedure() {
    Form1 form;
    BoxAnswer welcome(QMessageBox::Ok);
    form.load();

    QVERIFY(welcome.seen);
    QCOMPARE(welcome.title, QStringLiteral("Velmora"));
    QCOMPARE(welcome.text,
             QStringLiteral("Welcome to Velmora!\r\nPress INFO for more information"));
    QCOMPARE(welcome.icon, QMessageBox::NoIcon);
    QCOMPARE(welcome.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!welcome.visibleWindows.contains("Form1")); // the box comes before the window
    QVERIFY(form.isVisible());

    for (int index = 1; index <= 11; ++index)
        QVERIFY(textBox(form, index)->isHidden());
    for (int index = 1; index <= 13; ++index)
        QVERIFY(label(form, index)->isHidden());
    for (int index = 1; index <= 3; ++index) {
        QVERIFY(!command(form, index)->isHidden());
        QVERIFY(!command(form, index)->isEnabled());
    }
    for (int index = 4; index <= 5; ++index)
        QVERIFY(command(form, index)->isEnabled());
    QVERIFY(!control(form, QStringLiteral("Option1"))->isHidden());
    QVERIFY(!control(form, QStringLiteral("Option2"))->isHidden());
    // The load loops counted with the window's own counter, the last one up to 11.
    QCOMPARE(form.conversation().variables().i, std::int16_t{12});
}

void TestForm1::optionButtonsExclusive() {
    auto form = startedForm();
    auto* equation = control<QRadioButton>(*form, QStringLiteral("Option1"));
    auto* system = control<QRadioButton>(*form, QStringLiteral("Option2"));

    QTest::mouseClick(system, Qt::LeftButton);
    QVERIFY(system->isChecked());
    QVERIFY(!equation->isChecked());
    QVERIFY(form->conversation().window().option2Selected());
    QVERIFY(!form->conversation().window().option1Selected());

    QTest::mouseClick(equation, Qt::LeftButton);
    QVERIFY(equation->isChecked());
    QVERIFY(!system->isChecked());
    QVERIFY(form->conversation().window().option1Selected());
    QVERIFY(!form->conversation().window().option2Selected());

    // Choosing a mode alone lays nothing out.
    for (int index = 1; index <= 11; ++index)
        QVERIFY(textBox(*form, index)->isHidden());
    QVERIFY(!command(*form, 1)->isEnabled());
}

void TestForm1::checkLayout_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QList<int>>("shownTexts");
    QTest::addColumn<QList<int>>("shownLabels");
    QTest::addColumn<QStringList>("captions"); // Label(2), (3), (4), (6), (9), (10), (11)
    QTest::addColumn<bool>("boxesEmptied");

    QTest::newRow("Equation") << "Option1" << QList<int>{1, 2, 3, 7, 10, 11}
                              << QList<int>{1, 2, 3, 4, 5, 6, 7, 8}
                              << QStringList{"a=", "b=", "c=", "a*x^2+b*x+c=0", "", "", ""} << true;
    QTest::newRow("System") << "Option2" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}
                            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}
                            << QStringList{"a1=", "b1=", "c1=", "a1*x+b1*y=c1\r\na2*x+b2*y=c2",
                                           "a2=", "b2=", "c2="}
                            << true;
    QTest::newRow("no option selected")
        << "" << QList<int>{} << QList<int>{} << QStringList{"", "", "", "", "", "", ""} << false;
}

void TestForm1::checkLayout() {
    QFETCH(QString, option);
    QFETCH(QList<int>, shownTexts);
    QFETCH(QList<int>, shownLabels);
    QFETCH(QStringList, captions);
    QFETCH(bool, boxesEmptied);

    auto form = startedForm();
    // What an earlier run could have left behind.
    for (int index = 1; index <= 11; ++index)
        textBox(*form, index)->setText(QStringLiteral("7"));
    for (int index : {1, 7, 8})
        label(*form, index)->setText(QStringLiteral("old"));

    pressCheck(*form, option);

    for (int index = 1; index <= 3; ++index)
        QVERIFY(command(*form, index)->isEnabled());
    for (int index = 1; index <= 11; ++index) {
        QCOMPARE(textBox(*form, index)->isHidden(), !shownTexts.contains(index));
        QCOMPARE(textBox(*form, index)->text(), boxesEmptied ? QString() : QStringLiteral("7"));
    }
    for (int index = 1; index <= 13; ++index)
        QCOMPARE(label(*form, index)->isHidden(), !shownLabels.contains(index));
    for (int index : {1, 7, 8})
        QCOMPARE(label(*form, index)->text(), QString());
    const QList<int> captioned{2, 3, 4, 6, 9, 10, 11};
    for (int i = 0; i < captioned.size(); ++i)
        QCOMPARE(label(*form, captioned.at(i))->text(), captions.at(i));
    QCOMPARE(label(*form, 5)->text(), QStringLiteral("D="));
    QCOMPARE(label(*form, 12)->text(), QStringLiteral("D1="));
    QCOMPARE(label(*form, 13)->text(), QStringLiteral("D2="));
}

void TestForm1::systemToEquation() {
    auto form = startedForm();
    pressCheck(*form, QStringLiteral("Option2"));
    for (int index = 1; index <= 6; ++index)
        QTest::keyClicks(textBox(*form, index), QString::number(index));
    for (int index = 7; index <= 11; ++index)
        textBox(*form, index)->setText(QStringLiteral("9"));

    pressCheck(*form, QStringLiteral("Option1"));

    for (int index : {4, 5, 6, 8, 9})
        QVERIFY(textBox(*form, index)->isHidden());
    for (int index : {1, 2, 3, 7, 10, 11})
        QVERIFY(!textBox(*form, index)->isHidden());
    for (int index : {9, 10, 11, 12, 13})
        QVERIFY(label(*form, index)->isHidden());
    for (int index = 1; index <= 11; ++index)
        QCOMPARE(textBox(*form, index)->text(), QString());
    QCOMPARE(label(*form, 6)->text(), QStringLiteral("a*x^2+b*x+c=0"));
    QCOMPARE(label(*form, 2)->text(), QStringLiteral("a="));
}

void TestForm1::runWarning() {
    auto form = startedForm();
    pressCheck(*form, QStringLiteral("Option1"));
    QTest::keyClicks(textBox(*form, 1), QStringLiteral("1"));

    BoxAnswer warning(QMessageBox::Ok);
    QTest::mouseClick(command(*form, 1), Qt::LeftButton);

    QVERIFY(warning.seen);
    QCOMPARE(warning.title, QStringLiteral("Warning"));
    QCOMPARE(warning.text, QStringLiteral("Fill in a,b,c!"));
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QCOMPARE(warning.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(warning.parent, form.get());
    // Room for the whole title in bold beside the title bar's icon and buttons.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    QVERIFY2(warning.width >= QFontMetrics(titleFont).horizontalAdvance("Warning") + 100,
             qPrintable(QString::number(warning.width)));
}

void TestForm1::clearFields() {
    auto form = startedForm();
    pressCheck(*form, QStringLiteral("Option1"));
    for (int index = 1; index <= 11; ++index)
        textBox(*form, index)->setText(QStringLiteral("5"));
    for (int index : {1, 7, 8})
        label(*form, index)->setText(QStringLiteral("old"));

    QTest::mouseClick(command(*form, 2), Qt::LeftButton);

    for (int index = 1; index <= 11; ++index)
        QCOMPARE(textBox(*form, index)->text(), QString());
    for (int index : {1, 7, 8})
        QCOMPARE(label(*form, index)->text(), QString());
    // The layout stays as it was.
    QVERIFY(textBox(*form, 4)->isHidden());
    QVERIFY(!textBox(*form, 1)->isHidden());
    QCOMPARE(label(*form, 2)->text(), QStringLiteral("a="));
}

void TestForm1::about() {
    Form1 form;
    BoxAnswer box(QMessageBox::Ok);
    control<QAction>(form, QStringLiteral("About"))->trigger();

    QVERIFY(box.seen);
    QCOMPARE(box.title, QStringLiteral("About"));
    QCOMPARE(box.text, QStringLiteral("Designed by Tolvek\r\n"
                                      "-Basic programming and reversing skills-\r\n"
                                      "Thanks for using it! Enjoy!\r\n"
                                      "Contact: tolvek@example.org"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestForm1::fileExitAnsweredNo() {
    auto form = startedForm();
    pressCheck(*form, QStringLiteral("Option1"));
    QTest::keyClicks(textBox(*form, 1), QStringLiteral("3"));

    BoxAnswer box(QMessageBox::No);
    control<QAction>(*form, QStringLiteral("Exit"))->trigger();

    QVERIFY(box.seen);
    QCOMPARE(box.title, QStringLiteral("Quit"));
    QCOMPARE(box.text, QStringLiteral("Are you sure you want to quit?"));
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(form->isVisible());
    QCOMPARE(textBox(*form, 1)->text(), QStringLiteral("3"));
    QVERIFY(!textBox(*form, 1)->isHidden());
}

void TestForm1::info() {
    auto form = startedForm();
    const QList<QWidget*> before = visibleTopLevelWindows();
    QPushButton* infoButton = command(*form, 5);

    for (int press = 0; press < 3; ++press)
        QTest::mouseClick(infoButton, Qt::LeftButton);
    QList<QWidget*> opened = visibleTopLevelWindows();
    for (QWidget* window : before)
        opened.removeAll(window);
    QCOMPARE(opened.size(), 1);
    QPointer<QWidget> first = opened.at(0);
    // No owner: the main window stays usable, and can come in front of it.
    QCOMPARE(first->parentWidget(), nullptr);
    QCOMPARE(first->windowHandle()->transientParent(), nullptr);
    QVERIFY(form->isVisible());

    first->close();
    QTRY_VERIFY(first.isNull()); // closing destroys it

    QTest::mouseClick(infoButton, Qt::LeftButton);
    opened = visibleTopLevelWindows();
    for (QWidget* window : before)
        opened.removeAll(window);
    QCOMPARE(opened.size(), 1);
    opened.at(0)->close();
}

void TestForm1::firstKeystrokes_data() {
    QTest::addColumn<QString>("option"); // "-" for the window as first shown, before any CHECK!
    QTest::addColumn<QString>("focus");

    QTest::newRow("window first shown") << "-"
                                        << "Option1";
    QTest::newRow("CHECK! in Equation") << "Option1"
                                        << "Text(1)";
    QTest::newRow("CHECK! in System") << "Option2"
                                      << "Text(1)";
    QTest::newRow("CHECK! with no option chosen") << ""
                                                  << "Command4";
}

void TestForm1::firstKeystrokes() {
    QFETCH(QString, option);
    QFETCH(QString, focus);

    auto form = startedForm();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    if (option != QLatin1String("-"))
        pressCheck(*form, option);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestForm1::enterPressesButton_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("pressed");

    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
}

void TestForm1::enterPressesButton() {
    QFETCH(int, key);
    QFETCH(bool, pressed);

    auto form = startedForm();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::mouseClick(control(*form, QStringLiteral("Option1")), Qt::LeftButton);
    QPushButton* check = command(*form, 4);
    check->setFocus();
    QTest::keyClick(check, Qt::Key(key));
    // A press lays out the Equation mode, and CHECK! is no default button: nothing else does.
    QTRY_COMPARE(!textBox(*form, 1)->isHidden(), pressed);
}

void TestForm1::cutResultShownWhole_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("whole"); // the tooltip, or empty where the text fits

    QTest::newRow("determinant with its exponent cut")
        << "Option2" << QStringList{"0.1", "0.3", "1", "0.3", "0.9", "3"} << 7 << "-8.195639E-09";
    QTest::newRow("complex root with its *i cut")
        << "Option1" << QStringList{"3", "1", "1"} << 10 << "-0.1666667+0.552770798392567*i ";
    QTest::newRow("short root fits") << "Option1" << QStringList{"1", "-3", "2"} << 10 << "";
}

void TestForm1::cutResultShownWhole() {
    QFETCH(QString, option);
    QFETCH(QStringList, coefficients);
    QFETCH(int, box);
    QFETCH(QString, whole);

    auto form = startedForm();
    pressCheck(*form, option);
    for (int index = 1; index <= coefficients.size(); ++index)
        QTest::keyClicks(textBox(*form, index), coefficients.at(index - 1));
    QTest::mouseClick(command(*form, 1), Qt::LeftButton);

    const QLineEdit* result = textBox(*form, box);
    QCOMPARE(result->toolTip(), whole);
    QCOMPARE(result->accessibleDescription(), whole);
    if (!whole.isEmpty())
        QCOMPARE(result->text(), whole);
}

void TestForm1::endProgram_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("exit button") << "Command3";
    QTest::newRow("File > Exit answered Yes") << "Exit";
}

void TestForm1::endProgram() {
    QFETCH(QString, way);

    auto form = startedForm();
    pressCheck(*form, QString()); // enables "exit"
    QTest::mouseClick(command(*form, 5), Qt::LeftButton);
    QList<QWidget*> opened = visibleTopLevelWindows();
    opened.removeAll(form.get());
    QCOMPARE(opened.size(), 1);
    const QPointer<QWidget> information = opened.at(0);

    std::optional<BoxAnswer> confirmation;
    if (way == QLatin1String("Exit"))
        confirmation.emplace(QMessageBox::Yes);

    QTimer press;
    press.setSingleShot(true);
    connect(&press, &QTimer::timeout, form.get(), [&] {
        if (way == QLatin1String("Exit"))
            control<QAction>(*form, way)->trigger();
        else
            QTest::mouseClick(command(*form, 3), Qt::LeftButton);
    });
    QTimer stillRunning; // a program that failed to end is stopped here with another code
    stillRunning.setSingleShot(true);
    connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    press.start(0);
    stillRunning.start(5000);
    const int code = QCoreApplication::exec();
    stillRunning.stop();

    QCOMPARE(code, 0);
    QVERIFY(!form->isVisible());
    QVERIFY(information.isNull() || !information->isVisible());
    if (confirmation)
        QVERIFY(confirmation->seen);
}

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
