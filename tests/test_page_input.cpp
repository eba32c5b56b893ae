#include <QTest>

#include "web/input/box_keys.h"
#include "web/input/context_menu_keys.h"
#include "web/input/key.h"
#include "web/input/long_press.h"
#include "web/input/menu_bar.h"

Q_DECLARE_METATYPE(Key)
Q_DECLARE_METATYPE(MenuBarAction)
Q_DECLARE_METATYPE(ContextMenuKeyAction)
Q_DECLARE_METATYPE(BoxKeyAction)
Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MenuMove)
Q_DECLARE_METATYPE(Pointer)

namespace {

// A key as the browser reports it; modifiers names those held: "alt", "shift+ctrl"; name: the
// control it is pressed on.
Key press(const char* key, const char* modifiers = "", const char* code = "",
          const char* target = "BODY", const char* name = "") {
    const std::string held = modifiers;
    return {key,
            code,
            held.find("alt") != std::string::npos,
            held.find("ctrl") != std::string::npos,
            held.find("shift") != std::string::npos,
            held.find("meta") != std::string::npos,
            target,
            name};
}

using Bar = MenuBarAction::Kind;
using Popup = ContextMenuKeyAction::Kind;

// What the menu bar does with a key it keeps from the browser; item: the menu's item it is for.
MenuBarAction kept(Bar kind, int menu, int item = -1) {
    MenuBarAction action{kind, menu, Command::None, true};
    action.item = item;
    return action;
}

MenuBarAction chosen(int menu, int item, Command command) {
    MenuBarAction action{Bar::ChooseItem, menu, command};
    action.item = item;
    return action;
}

QString described(const MenuBarAction& action) {
    return QStringLiteral("kind %1, menu %2, item %3, command %4, kept %5")
        .arg(int(action.kind))
        .arg(action.menu)
        .arg(action.item)
        .arg(int(action.command))
        .arg(action.keepFromBrowser);
}

QString described(const ContextMenuKeyAction& action) {
    return QStringLiteral("kind %1, move %2, kept from browser %3, from page %4")
        .arg(int(action.kind))
        .arg(action.kind == Popup::Move ? int(action.move) : -1)
        .arg(action.keepFromBrowser)
        .arg(action.keepFromPage);
}

QString described(const BoxKeyAction& action) {
    return QStringLiteral("answer %1, kept %2")
        .arg(action.answer ? int(*action.answer) : -1)
        .arg(action.keepFromBrowser);
}

Pointer finger(Pointer::Kind kind, int id, double x, double y) {
    return {kind, true, id, x, y};
}

} // namespace

// What a key, a click and a long press do on the page: the rules the page follows, from the
// values it reads off the browser's events.
class TestPageInput : public QObject {
    Q_OBJECT

private slots:
    // The main window's menu bar: File is menu 0 (&File, its item &Exit), Tools menu 1 (&Tools,
    // its items &Show working and &Type an equation…), Help menu 2 (&Help, &About). In an open
    // menu the key's name is the item with the focus.
    void menuBarKey_data() {
        QTest::addColumn<Key>("key");
        QTest::addColumn<int>("openMenu");
        QTest::addColumn<MenuBarAction>("action");
        QTest::newRow("Alt+F opens File")
            << press("f", "alt", "KeyF") << -1 << kept(Bar::OpenMenu, 0);
        // Option+F on a Mac gives "ƒ": the key's place still says F.
        QTest::newRow("Alt+F, another letter on the layout")
            << press("\u0192", "alt", "KeyF") << -1 << kept(Bar::OpenMenu, 0);
        QTest::newRow("Alt+F sent by a script, no place")
            << press("F", "alt") << -1 << kept(Bar::OpenMenu, 0);
        QTest::newRow("F without Alt types") << press("f", "", "KeyF") << -1 << MenuBarAction{};
        QTest::newRow("Alt+X, no menu's key") << press("x", "alt", "KeyX") << -1 << MenuBarAction{};
        QTest::newRow("Alt+T opens Tools")
            << press("t", "alt", "KeyT") << -1 << kept(Bar::OpenMenu, 1);
        QTest::newRow("Alt+H opens Help")
            << press("h", "alt", "KeyH") << -1 << kept(Bar::OpenMenu, 2);
        QTest::newRow("E in File clicks Exit")
            << press("e", "", "KeyE") << 0 << kept(Bar::ActivateItem, 0, 0);
        QTest::newRow("Alt+A in Help clicks About")
            << press("a", "alt", "KeyA") << 2 << kept(Bar::ActivateItem, 2, 0);
        QTest::newRow("T in Tools clicks Type an equation")
            << press("t", "", "KeyT", "BUTTON", "ShowWorking") << 1
            << kept(Bar::ActivateItem, 1, 1);
        QTest::newRow("Alt+T in Tools, the item too")
            << press("t", "alt", "KeyT", "BUTTON", "ShowWorking") << 1
            << kept(Bar::ActivateItem, 1, 1);
        QTest::newRow("S in Tools clicks Show working")
            << press("s", "", "KeyS", "BUTTON", "TypeEquation") << 1
            << kept(Bar::ActivateItem, 1, 0);
        QTest::newRow("A in File, Help's item") << press("a", "", "KeyA") << 0 << MenuBarAction{};
        QTest::newRow("Right from File opens Tools")
            << press("ArrowRight") << 0 << kept(Bar::OpenMenu, 1);
        QTest::newRow("Right from Tools opens Help")
            << press("ArrowRight") << 1 << kept(Bar::OpenMenu, 2);
        QTest::newRow("Right from Help, round to File")
            << press("ArrowRight") << 2 << kept(Bar::OpenMenu, 0);
        QTest::newRow("Left from File, round to Help")
            << press("ArrowLeft") << 0 << kept(Bar::OpenMenu, 2);
        QTest::newRow("Down on Help's one item keeps it focused")
            << press("ArrowDown", "", "ArrowDown", "BUTTON", "About") << 2
            << kept(Bar::FocusItem, 2, 0);
        QTest::newRow("Down in Tools, to Type an equation")
            << press("ArrowDown", "", "ArrowDown", "BUTTON", "ShowWorking") << 1
            << kept(Bar::FocusItem, 1, 1);
        QTest::newRow("Down from the last item, round to the first")
            << press("ArrowDown", "", "ArrowDown", "BUTTON", "Practice") << 1
            << kept(Bar::FocusItem, 1, 0);
        QTest::newRow("Up from the first item, round to the last")
            << press("ArrowUp", "", "ArrowUp", "BUTTON", "ShowWorking") << 1
            << kept(Bar::FocusItem, 1, 2);
        QTest::newRow("End in Tools")
            << press("End", "", "End", "BUTTON", "ShowWorking") << 1 << kept(Bar::FocusItem, 1, 2);
        QTest::newRow("Home in Tools") << press("Home", "", "Home", "BUTTON", "TypeEquation") << 1
                                       << kept(Bar::FocusItem, 1, 0);
        QTest::newRow("Up on no item, to the last")
            << press("ArrowUp", "", "ArrowUp", "BUTTON", "Tools") << 1
            << kept(Bar::FocusItem, 1, 2);
        QTest::newRow("Down on no item, to the first")
            << press("ArrowDown", "", "ArrowDown", "BUTTON", "Tools") << 1
            << kept(Bar::FocusItem, 1, 0);
        QTest::newRow("Escape back to the title")
            << press("Escape") << 0 << kept(Bar::ReturnToTitle, 0);
        QTest::newRow("Tab closes, the browser moves on")
            << press("Tab") << 0 << MenuBarAction{Bar::CloseMenus, 0};
        QTest::newRow("Enter, the item's own") << press("Enter") << 0 << MenuBarAction{};
        QTest::newRow("Escape again, on File's title: back where the user was")
            << press("Escape", "", "Escape", "BUTTON", "File") << -1 << kept(Bar::LeaveMenuBar, 0);
        QTest::newRow("Escape on Help's title")
            << press("Escape", "", "Escape", "BUTTON", "Help") << -1 << kept(Bar::LeaveMenuBar, 2);
        QTest::newRow("Escape in Tools back to its title")
            << press("Escape", "", "Escape", "BUTTON", "TypeEquation") << 1
            << kept(Bar::ReturnToTitle, 1);
        QTest::newRow("Tab on a title: back, and on from there")
            << press("Tab", "", "Tab", "BUTTON", "File") << -1
            << MenuBarAction{Bar::LeaveMenuBar, 0};
        QTest::newRow("Escape in a box, not the menu bar's")
            << press("Escape", "", "Escape", "INPUT", "Text(1)") << -1 << MenuBarAction{};
    }
    void menuBarKey() {
        QFETCH(Key, key);
        QFETCH(int, openMenu);
        QFETCH(MenuBarAction, action);
        QCOMPARE(described(::menuBarKey(key, openMenu)), described(action));
    }

    void windowClick_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("openMenu");
        QTest::addColumn<MenuBarAction>("action");
        QTest::newRow("File's title opens File") << "File" << -1 << MenuBarAction{Bar::OpenMenu, 0};
        QTest::newRow("File's title again closes it")
            << "File" << 0 << MenuBarAction{Bar::CloseMenus, 0};
        QTest::newRow("Help's title, File open") << "Help" << 0 << MenuBarAction{Bar::OpenMenu, 2};
        QTest::newRow("Tools's title") << "Tools" << -1 << MenuBarAction{Bar::OpenMenu, 1};
        QTest::newRow("Exit") << "Exit" << 0 << chosen(0, 0, Command::FileExit);
        QTest::newRow("Show working in Tools")
            << "ShowWorking" << 1 << chosen(1, 0, Command::ShowWorking);
        QTest::newRow("Type an equation in Tools")
            << "TypeEquation" << 1 << chosen(1, 1, Command::TypeEquation);
        // The context menu's item of the same name, with no menu of the bar open.
        QTest::newRow("Show working, Tools closed") << "ShowWorking" << -1 << MenuBarAction{};
        QTest::newRow("About, File open") << "About" << 0 << MenuBarAction{};
        QTest::newRow("run") << "Command1" << -1
                             << MenuBarAction{Bar::PressButton, -1, Command::Run};
        QTest::newRow("a box, nothing") << "Text(1)" << -1 << MenuBarAction{};
        QTest::newRow("outside every control") << "" << -1 << MenuBarAction{};
    }
    void windowClick() {
        QFETCH(QString, name);
        QFETCH(int, openMenu);
        QFETCH(MenuBarAction, action);
        QCOMPARE(described(::windowClick(name.toStdString(), openMenu)), described(action));
    }

    void opensContextMenu_data() {
        QTest::addColumn<Key>("key");
        QTest::addColumn<bool>("opens");
        QTest::newRow("the context-menu key") << press("ContextMenu", "", "ContextMenu") << true;
        QTest::newRow("Shift+F10") << press("F10", "shift", "F10") << true;
        QTest::newRow("F10 alone") << press("F10", "", "F10") << false;
    }
    void opensContextMenu() {
        QFETCH(Key, key);
        QFETCH(bool, opens);
        QCOMPARE(::opensContextMenu(key), opens);
    }

    void contextMenuKey_data() {
        QTest::addColumn<Key>("key");
        QTest::addColumn<ContextMenuKeyAction>("action");
        QTest::newRow("Escape closes this menu only")
            << press("Escape") << ContextMenuKeyAction{Popup::Close, MenuMove::Next, true, true};
        QTest::newRow("Tab closes, the browser moves on")
            << press("Tab") << ContextMenuKeyAction{Popup::Close};
        QTest::newRow("Down") << press("ArrowDown")
                              << ContextMenuKeyAction{Popup::Move, MenuMove::Next, true};
        QTest::newRow("Up") << press("ArrowUp")
                            << ContextMenuKeyAction{Popup::Move, MenuMove::Previous, true};
        QTest::newRow("Home") << press("Home")
                              << ContextMenuKeyAction{Popup::Move, MenuMove::First, true};
        QTest::newRow("End") << press("End")
                             << ContextMenuKeyAction{Popup::Move, MenuMove::Last, true};
        QTest::newRow("Enter, the item's own click") << press("Enter") << ContextMenuKeyAction{};
    }
    void contextMenuKey() {
        QFETCH(Key, key);
        QFETCH(ContextMenuKeyAction, action);
        QCOMPARE(described(::contextMenuKey(key)), described(action));
    }

    void itemAfter_data() {
        QTest::addColumn<MenuMove>("move");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("item");
        QTest::newRow("next") << MenuMove::Next << 0 << 3 << 1;
        QTest::newRow("next from the last, round") << MenuMove::Next << 2 << 3 << 0;
        QTest::newRow("previous from the first, round") << MenuMove::Previous << 0 << 3 << 2;
        QTest::newRow("first") << MenuMove::First << 2 << 3 << 0;
        QTest::newRow("last") << MenuMove::Last << 0 << 3 << 2;
    }
    void itemAfter() {
        QFETCH(MenuMove, move);
        QFETCH(int, at);
        QFETCH(int, count);
        QFETCH(int, item);
        QCOMPARE(::itemAfter(move, at, count), item);
    }

    // A finger down at (100, 50) with id 7, then one more pointer event.
    void longPressEnded_data() {
        QTest::addColumn<Pointer>("event");
        QTest::addColumn<bool>("ended");
        using K = Pointer::Kind;
        QTest::newRow("held still") << finger(K::Move, 7, 100, 50) << false;
        QTest::newRow("moved 10 px, held") << finger(K::Move, 7, 106, 58) << false;
        QTest::newRow("moved further, a swipe") << finger(K::Move, 7, 108, 58) << true;
        QTest::newRow("lifted") << finger(K::Up, 7, 100, 50) << true;
        QTest::newRow("cancelled") << finger(K::Cancel, 7, 100, 50) << true;
        QTest::newRow("another finger moved far") << finger(K::Move, 8, 300, 50) << false;
    }
    void longPressEnded() {
        QFETCH(Pointer, event);
        QFETCH(bool, ended);
        LongPress press;
        press.begin(finger(Pointer::Kind::Down, 7, 100, 50));
        QCOMPARE(press.endedBy(event), ended);
    }

    void boxKey_data() {
        QTest::addColumn<Key>("key");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<BoxKeyAction>("action");
        const auto ok = MessageButtons::Ok;
        const auto yesNo = MessageButtons::YesNo;
        QTest::newRow("Enter on the box's text, OK")
            << press("Enter", "", "Enter", "DIALOG") << ok << BoxKeyAction{BoxButton::Ok, true};
        QTest::newRow("Enter in Quit, Yes")
            << press("Enter", "", "Enter", "P") << yesNo << BoxKeyAction{BoxButton::Yes, true};
        QTest::newRow("Enter on a button, the button's click")
            << press("Enter", "", "Enter", "BUTTON") << yesNo << BoxKeyAction{};
        QTest::newRow("Ctrl+Enter") << press("Enter", "ctrl", "Enter", "P") << ok << BoxKeyAction{};
        QTest::newRow("Y, Yes") << press("y", "", "KeyY", "BUTTON") << yesNo
                                << BoxKeyAction{BoxButton::Yes};
        QTest::newRow("N, No") << press("n", "", "KeyN", "BUTTON") << yesNo
                               << BoxKeyAction{BoxButton::No};
        QTest::newRow("Y in an OK box") << press("y", "", "KeyY", "BUTTON") << ok << BoxKeyAction{};
    }
    void boxKey() {
        QFETCH(Key, key);
        QFETCH(MessageButtons, buttons);
        QFETCH(BoxKeyAction, action);
        QCOMPARE(described(::boxKey(key, buttons)), described(action));
    }

    void boxAnswer_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<int>("answer");
        const auto ok = MessageButtons::Ok;
        const auto yesNo = MessageButtons::YesNo;
        QTest::newRow("Escape, OK") << "Escape" << ok << int(BoxButton::Ok);
        QTest::newRow("Enter, Yes") << "Enter" << yesNo << int(BoxButton::Yes);
        QTest::newRow("Escape, No") << "Escape" << yesNo << int(BoxButton::No);
    }
    void boxAnswer() {
        QFETCH(QString, action);
        QFETCH(MessageButtons, buttons);
        QFETCH(int, answer);
        QCOMPARE(int(::boxAnswer(action.toStdString(), buttons)), answer);
    }
};

QTEST_APPLESS_MAIN(TestPageInput)
#include "test_page_input.moc"
