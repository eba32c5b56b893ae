#include <functional>
#include <memory>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>

#include "core/design/main_window_design.h"
#include "core/design/working_window_design.h"
#include "core/working/figure.h"
#include "desktop/scrolled_body.h"
#include "desktop/working_window.h"
#include "window_driver.h"

namespace {

const QString itemName = QString::fromLatin1(workingMenu.itemName);

// What a context menu held while it was open.
struct MenuSeen {
    bool opened = false;
    QStringList items;    // object names of the actions, separators left out
    QStringList captions; // as shown, without access keys and shortcuts
    bool workingEnabled = false;
};

// Opens a control's context menu as the user does, by the mouse or by the keyboard (Shift+F10,
// the menu key), lets `use` act on it while it is open, and closes it if `use` has not.
MenuSeen withContextMenu(QWidget* control, QContextMenuEvent::Reason reason,
                         const std::function<void(QMenu*)>& use = {}) {
    MenuSeen seen;
    QTimer open;
    open.setInterval(0);
    QObject::connect(&open, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || seen.opened)
            return;
        open.stop();
        seen.opened = true;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            seen.items << action->objectName();
            seen.captions << action->text().remove('&').section('\t', 0, 0);
            if (action->objectName() == itemName)
                seen.workingEnabled = action->isEnabled();
        }
        if (use)
            use(menu);
        if (menu->isVisible())
            menu->close();
    });
    open.start();
    const QPoint pos = control->rect().center();
    QContextMenuEvent event(reason, pos, control->mapToGlobal(pos));
    QApplication::sendEvent(control, &event);
    return seen;
}

// Clicks the menu's "Show working" item.
void clickWorkingItem(QMenu* menu) {
    if (QAction* item = menu->findChild<QAction*>(itemName))
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

QList<QWidget*> workingWindows() {
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(workingWindowDesign.name) && window->isVisible())
            found << window;
    return found;
}

QString workingText() {
    const QList<QWidget*> windows = workingWindows();
    if (windows.size() != 1)
        return QStringLiteral("<%1 working windows>").arg(windows.size());
    return control<QPlainTextEdit>(*windows.front(), workingWindowDesign.textName)->toPlainText();
}

QWidget* graph() {
    const QList<QWidget*> windows = workingWindows();
    return windows.size() == 1 ? control(*windows.front(), workingWindowDesign.graphName) : nullptr;
}

QComboBox* workingMethodList() {
    const QList<QWidget*> windows = workingWindows();
    return windows.size() == 1
               ? control<QComboBox>(*windows.front(), workingWindowDesign.methodName)
               : nullptr;
}

// The ways of working as a run might offer them: "-" before a name greys it, with its reason
// after a colon ("-Factoring:the roots are not rational").
std::vector<MethodChoice> offered(const QStringList& methods) {
    const std::vector<std::pair<QString, WorkingMethod>> known{
        {"The formula", WorkingMethod::Formula},
        {"Factoring", WorkingMethod::Factoring},
        {"Completing the square", WorkingMethod::CompletingSquare},
        {"Cramer's rule", WorkingMethod::Cramer}};
    std::vector<MethodChoice> choices;
    for (const QString& method : methods) {
        const bool greyed = method.startsWith('-');
        const QString name = method.mid(greyed ? 1 : 0).section(':', 0, 0);
        for (const auto& [knownName, value] : known)
            if (knownName == name)
                choices.push_back(
                    {value, name.toStdString(), !greyed, method.section(':', 1).toStdString()});
    }
    return choices;
}

// The working window as a reply shows it, with these ways of working and the one chosen.
show::Working workingShown(const QStringList& methods, WorkingMethod chosen) {
    return {"x1 = 2", std::make_shared<const Figure>(makeFigure(RunOutcome{})), offered(methods),
            chosen};
}

// What the list of ways shows: each item as "name", "-name" where greyed, "|reason" after it
// where it gives one as its tooltip, and "*" before the current one.
QString shownMethods(const QComboBox* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
        const auto* model = qobject_cast<const QStandardItemModel*>(list->model());
        QString item = list->itemText(row);
        if (model && !model->item(row)->isEnabled())
            item.prepend('-');
        const QString tooltip = list->itemData(row, Qt::ToolTipRole).toString();
        if (!tooltip.isEmpty())
            item += '|' + tooltip;
        // The reason reaches a screen reader as well as the mouse.
        if (list->itemData(row, Qt::AccessibleDescriptionRole).toString() != tooltip)
            item += "|<not described>";
        if (row == list->currentIndex())
            item.prepend('*');
        items << item;
    }
    return items.join(", ");
}

// The Tools menu of the menu bar.
QMenu* toolsMenu(const QWidget& form) {
    return control<QMenu>(form, "Tools");
}

// Pixels of the blue the graph draws its first curve in, the only blue it uses.
int curvePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.blue() > 150 && pixel.red() < 60;
        }
    return count;
}

} // namespace

class TestWorkingWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    // Lays out the boxes for the option and types the coefficients.
    void type(const QString& option, const QString& coefficients) {
        pressCheck(*form, option);
        const QStringList parts = coefficients.split('|');
        for (int index = 1; index <= parts.size(); ++index) {
            textBox(*form, index)->clear();
            QTest::keyClicks(textBox(*form, index), parts[index - 1]);
        }
    }

    void run() {
        BoxAnswer answer(QMessageBox::Ok);
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
    }

    void openWorking() {
        QVERIFY(
            withContextMenu(textBox(*form, 10), QContextMenuEvent::Mouse, clickWorkingItem).opened);
    }

private slots:
    void init() { form = startedForm(); }
    void cleanup() {
        for (QWidget* window : workingWindows())
            window->close();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void itemFollowsTheFirstRun_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("run");
        QTest::newRow("Text(10) before the first run") << "Text(10)" << false;
        QTest::newRow("Text(10) after it") << "Text(10)" << true;
        QTest::newRow("Text(7) after it") << "Text(7)" << true;
        QTest::newRow("Text(11) after it") << "Text(11)" << true;
        QTest::newRow("Label(1) before the first run") << "Label(1)" << false;
        QTest::newRow("Label(1) after it") << "Label(1)" << true;
    }

    void itemFollowsTheFirstRun() {
        QFETCH(QString, control);
        QFETCH(bool, run);
        type("Option1", "1|-3|2");
        if (run)
            this->run();
        QWidget* widget = ::control(*form, control);
        const MenuSeen seen = withContextMenu(widget, QContextMenuEvent::Mouse);
        QVERIFY(seen.opened);
        QCOMPARE(seen.items.count(itemName), 1);
        QCOMPARE(seen.workingEnabled, run);
        // A disabled item does nothing when clicked.
        withContextMenu(widget, QContextMenuEvent::Mouse, clickWorkingItem);
        QCOMPARE(workingWindows().size(), run ? 1 : 0);
    }

    void statusLineTooltipSaysTheWorkingIsThere() {
        QLabel* status = label(*form, 1);
        QVERIFY(status->toolTip().isEmpty());
        type("Option1", "1|-3|2");
        run();
        QCOMPARE(status->toolTip(), QString::fromLatin1(workingMenu.statusTooltip));
    }

    // A read-only box keeps its own Copy and Select All beside the working.
    void resultBoxMenuKeepsItsItems_data() {
        QTest::addColumn<int>("box");
        for (int box = 7; box <= 11; ++box)
            QTest::addRow("Text(%d)", box) << box;
    }

    void resultBoxMenuKeepsItsItems() {
        QFETCH(int, box);
        type("Option1", "1|-3|2");
        run();
        const MenuSeen seen = withContextMenu(textBox(*form, box), QContextMenuEvent::Mouse);
        QVERIFY2(seen.captions.contains("Copy"), qPrintable(seen.captions.join('|')));
        QVERIFY2(seen.captions.contains("Select All"), qPrintable(seen.captions.join('|')));
        QVERIFY(!seen.captions.contains("Paste"));
        QCOMPARE(seen.items.last(), itemName);
    }

    void opensOneWindowWithTheWorking() {
        type("Option1", "1|-3|2");
        run();
        openWorking();
        QCOMPARE(workingWindows().size(), 1);
        QVERIFY2(workingText().contains("x1"), qPrintable(workingText()));
        // Asked again, the open window comes to the front; no second one.
        QVERIFY(
            withContextMenu(label(*form, 1), QContextMenuEvent::Mouse, clickWorkingItem).opened);
        QCOMPARE(workingWindows().size(), 1);
        // The main window stays as it was: nothing added to it.
        QCOMPARE(form->findChildren<QPlainTextEdit*>().size(), 0);
    }

    void copyPutsTheTextOnTheClipboard() {
        type("Option1", "1|-3|2");
        run();
        openWorking();
        QApplication::clipboard()->clear();
        QTest::mouseClick(control(*workingWindows().front(), workingWindowDesign.copyName),
                          Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), workingText());
        QVERIFY(!workingText().isEmpty());
        // Said beside the button and to a screen reader, until the words change.
        auto* said = control<QLabel>(*workingWindows().front(),
                                     QString::fromLatin1(workingWindowDesign.copyName) + "Said");
        QCOMPARE(said->text(), QStringLiteral("Copied"));
        QCOMPARE(said->accessibleDescription(), QStringLiteral("Copied"));
        type("Option1", "1|-2|1");
        run();
        QCOMPARE(said->text(), QString());
    }

    // With Practice open too, each window whole on the screen; where the working's is smaller
    // than its content, its words, graph and Copy are scrolled to.
    void wholeOnTheScreen() {
        control<QAction>(*form, QString::fromLatin1(practiceItem.name))->trigger();
        type("Option1", "1|-3|2");
        run();
        openWorking();
        QWidget* working = workingWindows().front();
        const QRect screen = working->screen()->availableGeometry();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                QVERIFY2(screen.contains(window->frameGeometry()),
                         qPrintable(window->objectName()));
        for (const char* name : {workingWindowDesign.textName, workingWindowDesign.graphName,
                                 workingWindowDesign.copyName}) {
            QWidget* part = control(*working, name);
            working->findChild<ScrolledBody*>()->ensureWidgetVisible(part, 0, 0);
            QVERIFY2(working->rect().contains(QRect(part->mapTo(working, QPoint()), part->size())),
                     name);
        }
    }

    // The open window follows every later run, a warning and CHECK! too.
    void followsTheRuns_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<bool>("check");
        QTest::addColumn<QString>("expected");
        QTest::newRow("other roots") << "Option1"
                                     << "2|-3|1" << false << "= 0.5";
        QTest::newRow("double root") << "Option1"
                                     << "1|2|1" << false << "x1 = x2 = -1";
        QTest::newRow("no number") << "Option1"
                                   << "1|3x|2" << false << "holds no number";
        QTest::newRow("system") << "Option2"
                                << "1|1|3|1|-1|1" << false << "x = D1/D";
        QTest::newRow("CHECK!") << "Option1"
                                << "1|-3|2" << true << "Nothing is solved yet";
    }

    void followsTheRuns() {
        QFETCH(QString, option);
        QFETCH(QString, coefficients);
        QFETCH(bool, check);
        QFETCH(QString, expected);
        type("Option1", "1|-3|2");
        run();
        openWorking();
        const QString first = workingText();
        if (check) {
            pressCheck(*form, option);
        } else {
            type(option, coefficients);
            run();
        }
        QCOMPARE(workingWindows().size(), 1);
        QVERIFY2(workingText() != first, qPrintable(workingText()));
        QVERIFY2(workingText().contains(expected), qPrintable(workingText()));
    }

    // Shift+F10 on the focused box, then the item chosen with the arrow keys and Enter.
    void keyboardOpensTheWorking() {
        type("Option1", "1|-3|2");
        run();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QLineEdit* box = textBox(*form, 10);
        box->setFocus(Qt::TabFocusReason);
        QVERIFY(box->hasFocus());
        QString active;
        const MenuSeen seen = withContextMenu(box, QContextMenuEvent::Keyboard, [&](QMenu* menu) {
            for (int step = 0; step < menu->actions().size() && menu->activeAction() &&
                               menu->activeAction()->objectName() != itemName;
                 ++step)
                QTest::keyClick(menu, Qt::Key_Down);
            if (!menu->activeAction())
                QTest::keyClick(menu, Qt::Key_Up); // nothing active yet: the last item
            active = menu->activeAction() ? menu->activeAction()->objectName() : QString();
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QVERIFY(seen.opened);
        QCOMPARE(active, itemName);
        QCOMPARE(workingWindows().size(), 1);
        QVERIFY2(workingText().contains("x1"), qPrintable(workingText()));
    }

    void closedStaysClosed() {
        type("Option1", "1|-3|2");
        run();
        openWorking();
        QPointer<QWidget> window = workingWindows().front();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        type("Option1", "1|2|1");
        run();
        QCOMPARE(workingWindows().size(), 0);
        // And it opens again when asked.
        openWorking();
        QVERIFY2(workingText().contains("x1 = x2 = -1"), qPrintable(workingText()));
    }

    // The window goes with the main window, whose runs it follows.
    void closesWithTheMainWindow() {
        type("Option1", "1|-3|2");
        run();
        openWorking();
        QPointer<QWidget> window = workingWindows().front();
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void graphIsDrawnAndDescribed_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("coefficients");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<QString>("alternative");
        QTest::newRow("parabola") << "Option1"
                                  << "1|-3|2" << true << "Graph of";
        QTest::newRow("line") << "Option1"
                              << "0|2|-4" << true << "Graph of";
        QTest::newRow("two lines") << "Option2"
                                   << "1|1|3|1|-1|1" << true << "crossing at";
        QTest::newRow("no result") << "Option1"
                                   << "1|3x|2" << false << "No graph";
    }

    void graphIsDrawnAndDescribed() {
        QFETCH(QString, option);
        QFETCH(QString, coefficients);
        QFETCH(bool, drawn);
        QFETCH(QString, alternative);
        type(option, coefficients);
        run();
        openWorking();
        QWidget* drawing = graph();
        QVERIFY(drawing);
        QVERIFY2(drawing->accessibleDescription().contains(alternative),
                 qPrintable(drawing->accessibleDescription()));
        QCOMPARE(drawing->accessibleName(), drawing->accessibleDescription());
        const QImage image = drawing->grab().toImage();
        QVERIFY(!image.isNull());
        // The curve in its colour where there is one; otherwise the note in the text colour.
        QCOMPARE(curvePixels(image) > 50, drawn);
        const QColor background = image.pixelColor(0, 0);
        int inked = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                inked += image.pixelColor(x, y) != background;
        QVERIFY2(inked > 50, qPrintable(QString::number(inked)));
    }

    // Tools > Show working, greyed before the first run as in the context menus, and Tools > Type
    // an equation, reached by Alt+T and then the keys given.
    void toolsMenuByKeyboard_data() {
        QTest::addColumn<bool>("run");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("triggered");
        QTest::addColumn<int>("windows");
        QTest::newRow("before the first run, Enter skips the greyed working")
            << false << int(Qt::Key_Return) << "TypeEquation" << 0;
        QTest::newRow("after it, Enter on Show working")
            << true << int(Qt::Key_Return) << "ShowWorking" << 1;
        QTest::newRow("T, Type an equation") << true << int(Qt::Key_T) << "TypeEquation" << 0;
        QTest::newRow("S, Show working") << true << int(Qt::Key_S) << "ShowWorking" << 1;
        QTest::newRow("S before the first run, greyed") << false << int(Qt::Key_S) << "" << 0;
    }

    void toolsMenuByKeyboard() {
        QFETCH(bool, run);
        QFETCH(int, key);
        QFETCH(QString, triggered);
        QFETCH(int, windows);
        type("Option1", "1|-3|2");
        if (run)
            this->run();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QMenu* tools = toolsMenu(*form);
        QStringList seen;
        for (QAction* item : tools->actions())
            connect(item, &QAction::triggered, this, [&seen, item] { seen << item->objectName(); });
        QTest::keyClick(form.get(), Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), tools);
        QTest::keyClick(tools, Qt::Key(key));
        if (tools->isVisible())
            tools->close();
        QCOMPARE(seen.join('|'), triggered);
        QCOMPARE(workingWindows().size(), windows);
    }

    // A coefficient box keeps its own items and adds the typing of an equation; the other
    // controls' menus have no such item.
    void typeEquationInTheBoxMenus_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("offered");
        QTest::newRow("Text(1) of an equation") << "Option1"
                                                << "Text(1)" << true;
        QTest::newRow("Text(3) of an equation") << "Option1"
                                                << "Text(3)" << true;
        QTest::newRow("Text(6) of a system") << "Option2"
                                             << "Text(6)" << true;
        QTest::newRow("Text(10), a result") << "Option1"
                                            << "Text(10)" << false;
        QTest::newRow("Label(1), the status line") << "Option1"
                                                   << "Label(1)" << false;
    }

    void typeEquationInTheBoxMenus() {
        QFETCH(QString, option);
        QFETCH(QString, control);
        QFETCH(bool, offered);
        pressCheck(*form, option);
        const MenuSeen seen =
            withContextMenu(::control(*form, control), QContextMenuEvent::Keyboard);
        QVERIFY(seen.opened);
        QCOMPARE(seen.items.contains("TypeEquation"), offered);
        if (!offered)
            return;
        QCOMPARE(seen.items.last(), QString("TypeEquation"));
        QCOMPARE(seen.captions.last(), QString("Type an equation\u2026"));
        QVERIFY2(seen.captions.contains("Paste"), qPrintable(seen.captions.join('|')));
        QVERIFY(!seen.items.contains(itemName));
    }

    // The ways of working a reply offers, above the text: greyed with their reason where they do
    // not apply, the chosen one current; none to choose before a run.
    void methodList_data() {
        QTest::addColumn<QStringList>("methods");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all apply, factoring chosen")
            << QStringList{"The formula", "Factoring", "Completing the square"}
            << int(WorkingMethod::Factoring) << "The formula, *Factoring, Completing the square"
            << true;
        QTest::newRow("factoring greyed")
            << QStringList{"The formula", "-Factoring:the roots are not rational",
                           "Completing the square"}
            << int(WorkingMethod::Formula)
            << "*The formula, -Factoring|the roots are not rational, Completing the square" << true;
        QTest::newRow("a system's one way")
            << QStringList{"Cramer's rule"} << int(WorkingMethod::Cramer) << "*Cramer's rule"
            << true;
        QTest::newRow("before a run")
            << QStringList{} << int(WorkingMethod::Formula) << "" << false;
    }

    void methodList() {
        QFETCH(QStringList, methods);
        QFETCH(int, chosen);
        QFETCH(QString, shown);
        QFETCH(bool, enabled);
        form->render(workingShown(methods, WorkingMethod(chosen)));
        QComboBox* list = workingMethodList();
        QVERIFY(list);
        QCOMPARE(shownMethods(list), shown);
        QCOMPARE(list->isEnabled(), enabled);
        // Above the text.
        const QWidget* text = control(*workingWindows().front(), workingWindowDesign.textName);
        QVERIFY(list->mapTo(list->window(), QPoint(0, list->height())).y() <=
                text->mapTo(text->window(), QPoint()).y());
    }

    // The arrows step over a greyed way and send the choice; the working that follows leaves the
    // keyboard on the list.
    void methodListByKeyboard() {
        const QStringList methods{"The formula", "-Factoring:the roots are not rational",
                                  "Completing the square"};
        form->render(workingShown(methods, WorkingMethod::Formula));
        auto* window = qobject_cast<WorkingWindow*>(workingWindows().front());
        QVERIFY(window);
        std::vector<WorkingMethod> sent;
        connect(window, &WorkingWindow::methodChosen, this,
                [&sent](WorkingMethod method) { sent.push_back(method); });
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget* text = control(*window, workingWindowDesign.textName);
        QCOMPARE(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Backtab);
        QComboBox* list = workingMethodList();
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(sent, std::vector<WorkingMethod>{WorkingMethod::CompletingSquare});
        form->render(workingShown(methods, WorkingMethod::CompletingSquare));
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(list->currentText(), QString("Completing the square"));
        // The list the core fills sends nothing back.
        form->render(workingShown({"Cramer's rule"}, WorkingMethod::Cramer));
        QCOMPARE(sent.size(), std::size_t(1));
    }

    // The window is reached with Tab from the text to the graph to Copy.
    void tabOrder() {
        type("Option1", "1|-3|2");
        run();
        openWorking();
        QWidget* window = workingWindows().front();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* text = control(*window, workingWindowDesign.textName);
        QCOMPARE(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), graph());
        QTest::keyClick(graph(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(*window, workingWindowDesign.copyName));
    }
};

QTEST_MAIN(TestWorkingWindow)
#include "test_working_window.moc"
