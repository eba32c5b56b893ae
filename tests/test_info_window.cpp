#include <memory>
#include <utility>

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QUrl>

#include "core/design/info_window_design.h"
#include "desktop/form3.h"
#include "test_data.h"
#include "window_driver.h"

namespace {

// The help text as the program must show it, CR LF between its lines.
QString expectedHelpText() {
    return testData(VELMORA_HELP_TEXT)["text"].toString();
}

// Presses "INFO" and returns the information window it shows.
Form3* openedByInfo(const Form1& mainWindow) {
    QTest::mouseClick(command(mainWindow, 5), Qt::LeftButton);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form3*>(window); form && form->isVisible())
            return form;
    return nullptr;
}

bool isBlack(QRgb pixel) {
    return qRed(pixel) < 16 && qGreen(pixel) < 16 && qBlue(pixel) < 16;
}

bool isWhite(QRgb pixel) {
    return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

} // namespace

class TestInfoWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void window();
    void windowFlags_data();
    void windowFlags();
    void controlGeometry_data();
    void controlGeometry();
    void helpTextExact();
    void helpTextLines_data();
    void helpTextLines();
    void text1ReadOnly();
    void fonts_data();
    void fonts();
    void colours_data();
    void colours();
    void pictures();
    void handCursorOverLinkOnly();
    void linkClicks_data();
    void linkClicks();
    void focusStartsInText();
    void closeDestroys();
    void minimisedBroughtBack_data();
    void minimisedBroughtBack();
    void scrollBarKeepsDesktopColours();
    void programEndsWithLastWindow_data();
    void programEndsWithLastWindow();

private:
    // The addresses handed to the desktop's browser since the test began.
    QStringList openedAddresses() const;

    std::unique_ptr<Form3> m_form;
    QTemporaryDir m_browser;
};

void TestInfoWindow::initTestCase() {
    // The desktop hands a web address to xdg-open; this one, first on the PATH, writes it down.
    QVERIFY(m_browser.isValid());
    QFile script(m_browser.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"$1\" >> \"$(dirname \"$0\")/opened\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", m_browser.path().toLocal8Bit() + ':' + qgetenv("PATH"));
}

QStringList TestInfoWindow::openedAddresses() const {
    QFile opened(m_browser.filePath("opened"));
    if (!opened.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(opened.readAll()).split('\n', Qt::SkipEmptyParts);
}

void TestInfoWindow::init() {
    m_form = std::make_unique<Form3>();
    // The tests own the window; closing it must not delete it under them.
    m_form->setAttribute(Qt::WA_DeleteOnClose, false);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestInfoWindow::cleanup() {
    m_form.reset();
    QFile::remove(m_browser.filePath("opened"));
}

void TestInfoWindow::window() {
    QCOMPARE(m_form->objectName(), QStringLiteral("Form3"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Information"));
    const QJsonArray client = testData(VELMORA_DESIGN_PLACES)["Form3"]["client"].toArray();
    const QSize size(client[0].toInt(), client[1].toInt());
    QCOMPARE(m_form->size(), size);
    QCOMPARE(m_form->minimumSize(), size);
    QCOMPARE(m_form->maximumSize(), size);
    QVERIFY(!m_form->isModal());
    QVERIFY(Form3().testAttribute(Qt::WA_DeleteOnClose));
}

void TestInfoWindow::windowFlags_data() {
    QTest::addColumn<Qt::WindowType>("flag");
    QTest::addColumn<bool>("set");

    QTest::newRow("title bar") << Qt::WindowTitleHint << true;
    QTest::newRow("close button") << Qt::WindowCloseButtonHint << true;
    QTest::newRow("own choice of buttons") << Qt::CustomizeWindowHint << true;
    QTest::newRow("no minimise button") << Qt::WindowMinimizeButtonHint << false;
    QTest::newRow("no maximise button") << Qt::WindowMaximizeButtonHint << false;
}

void TestInfoWindow::windowFlags() {
    QFETCH(Qt::WindowType, flag);
    QFETCH(bool, set);

    // A tool window has a small title bar and no task bar entry.
    QCOMPARE(m_form->windowType(), Qt::Tool);
    QCOMPARE(m_form->windowFlags().testFlag(flag), set);
}

void TestInfoWindow::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    // The banner stands at its own size, the strip squeezed.
    const QJsonObject controls = testData(VELMORA_DESIGN_PLACES)["Form3"]["controls"].toObject();
    for (auto control = controls.begin(); control != controls.end(); ++control) {
        const QJsonArray place = control.value().toObject()["place"].toArray();
        QTest::newRow(qPrintable(control.key()))
            << control.key()
            << QRect(place[0].toInt(), place[1].toInt(), place[2].toInt(), place[3].toInt());
    }
}

void TestInfoWindow::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    const auto* widget = m_form->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
}

void TestInfoWindow::helpTextExact() {
    const QString expected = expectedHelpText();
    QCOMPARE(QString::fromStdString(helpText()), expected);
    QCOMPARE(QString::fromStdString(helpText()).toUtf8(), expected.toUtf8());

    // The text document keeps each CR LF as a paragraph break, and hands back LF.
    const auto* text1 = control<QPlainTextEdit>(*m_form, "Text1");
    QString shown = expected;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(text1->toPlainText(), shown);
}

void TestInfoWindow::helpTextLines_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    const QStringList lines = expectedHelpText().split(QStringLiteral("\r\n"));
    for (int line = 1; line <= lines.size(); ++line)
        QTest::addRow("line %d", line) << line << lines.at(line - 1);
}

void TestInfoWindow::helpTextLines() {
    QFETCH(int, line);
    QFETCH(QString, text);

    const QStringList lines = QString::fromStdString(helpText()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), expectedHelpText().count(QStringLiteral("\r\n")) + 1);
    QCOMPARE(lines.at(line - 1), text);

    const auto* text1 = control<QPlainTextEdit>(*m_form, "Text1");
    QCOMPARE(text1->document()->blockCount(), lines.size());
    QCOMPARE(text1->document()->findBlockByNumber(line - 1).text(), text);
}

void TestInfoWindow::text1ReadOnly() {
    auto* text1 = control<QPlainTextEdit>(*m_form, "Text1");
    QVERIFY(text1->isReadOnly());
    QCOMPARE(text1->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    // Fourteen lines, the longest wrapped, do not fit in the box: it scrolls.
    QVERIFY(text1->verticalScrollBar()->isVisible());
    QVERIFY(text1->verticalScrollBar()->maximum() > 0);

    const QString before = text1->toPlainText();
    text1->setFocus();
    QTest::keyClicks(text1, QStringLiteral("typed"));
    QTest::keyClick(text1, Qt::Key_Backspace);
    QTest::keyClick(text1, Qt::Key_Return);
    QCOMPARE(text1->toPlainText(), before);

    // Selecting and copying still work.
    text1->selectAll();
    QCOMPARE(text1->textCursor().selectedText().size(), before.size());
}

void TestInfoWindow::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("underline");

    QTest::newRow("help text") << "Text1" << false;
    QTest::newRow("link label, underlined") << "Label1" << true;
}

void TestInfoWindow::fonts() {
    QFETCH(QString, name);
    QFETCH(bool, underline);

    const auto* widget = m_form->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(widget);
    const QFont font = widget->font();
    QCOMPARE(font.families().value(0), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.pointSizeF(), 8.25);
    QCOMPARE(font.weight(), QFont::Bold);
    QCOMPARE(font.underline(), underline);
    QVERIFY(!font.italic());
}

void TestInfoWindow::colours_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("hasWhiteText");

    QTest::newRow("window between text and label") << QRect(313, 30, 7, 140) << false;
    QTest::newRow("window below the label") << QRect(320, 26, 90, 50) << false;
    QTest::newRow("help text box") << QRect(4, 4, 290, 168) << true;
    QTest::newRow("link label") << QRect(320, 0, 89, 25) << true;
}

void TestInfoWindow::colours() {
    QFETCH(QRect, area);
    QFETCH(bool, hasWhiteText);

    const QImage image = m_form->grab().toImage();
    int black = 0;
    int white = 0;
    int other = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (isBlack(pixel)) {
                ++black;
            } else if (isWhite(pixel)) {
                ++white;
            } else {
                ++other;
            }
        }
    }
    // Black ground everywhere; white text where there is text, with some grey at its edges.
    QVERIFY2(black > (white + other) * 2,
             qPrintable(
                 QStringLiteral("%1 black, %2 white, %3 other").arg(black).arg(white).arg(other)));
    QCOMPARE(white > 0, hasWhiteText);
}

void TestInfoWindow::pictures() {
    const auto* image1 = control<QLabel>(*m_form, "Image1");
    const auto* image2 = control<QLabel>(*m_form, "Image2");
    QCOMPARE(image1->pixmap().size(), QSize(405, 94));
    QVERIFY(!image1->hasScaledContents());
    QCOMPARE(image2->pixmap().size(), QSize(55, 171));
    QVERIFY(image2->hasScaledContents());

    const QImage grabbed = m_form->grab().toImage();
    // The still banner is its first frame: the figure stands, no beam on row 49.
    int lit = 0;
    for (int x = 320 + 70; x < 416; ++x) {
        lit += isBlack(grabbed.pixel(x, 80 + 49)) ? 0 : 1;
    }
    QCOMPARE(lit, 0);
    int figure = 0;
    for (int y = 80 + 10; y <= 80 + 84; ++y) {
        for (int x = 320 + 14; x <= 320 + 65; ++x) {
            figure += isBlack(grabbed.pixel(x, y)) ? 0 : 1;
        }
    }
    QVERIFY(figure > 1000);
    // The strip's yellow letters show inside the squeezed control.
    int yellow = 0;
    for (int y = 0; y < 171; ++y) {
        for (int x = 416; x < 438; ++x) {
            const QRgb pixel = grabbed.pixel(x, y);
            yellow += qRed(pixel) > 200 && qGreen(pixel) > 170 && qBlue(pixel) < 90 ? 1 : 0;
        }
    }
    QVERIFY(yellow > 100);
}

void TestInfoWindow::handCursorOverLinkOnly() {
    const auto* label1 = control<QLabel>(*m_form, "Label1");
    QCOMPARE(label1->text(), QStringLiteral("My Blog (Click)"));
    QVERIFY(label1->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(label1->focusPolicy(), Qt::NoFocus);
    const QCursor hand = label1->cursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.hotSpot(), QPoint(12, 1));
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));

    // Elsewhere the usual pointers: none of the other controls sets a bitmap cursor.
    QVERIFY(!m_form->testAttribute(Qt::WA_SetCursor));
    for (const char* name : {"Image1", "Image2"}) {
        const auto* other = control<QLabel>(*m_form, name);
        QVERIFY(other->cursor().shape() != Qt::BitmapCursor);
    }
    const auto* text1 = control<QPlainTextEdit>(*m_form, "Text1");
    QCOMPARE(text1->viewport()->cursor().shape(), Qt::IBeamCursor);
}

void TestInfoWindow::linkClicks_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("requests");

    QTest::newRow("one click") << 1 << Qt::LeftButton << QPoint(44, 12) << 1;
    QTest::newRow("two clicks ask twice") << 2 << Qt::LeftButton << QPoint(44, 12) << 2;
    QTest::newRow("three clicks at the corner") << 3 << Qt::LeftButton << QPoint(0, 0) << 3;
    QTest::newRow("right button does nothing") << 1 << Qt::RightButton << QPoint(44, 12) << 0;
    QTest::newRow("released outside the label") << 1 << Qt::LeftButton << QPoint(44, 60) << 0;
}

void TestInfoWindow::linkClicks() {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("the offscreen platform opens no addresses; the run in an X session covers this");
    QFETCH(int, clicks);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, requests);

    auto* label1 = control<QLabel>(*m_form, "Label1");
    for (int i = 0; i < clicks; ++i) {
        QTest::mousePress(label1, button, {}, QPoint(44, 12));
        QTest::mouseRelease(label1, button, {}, releaseAt);
    }
    // The browser is started apart from the program; wait for what it wrote down.
    QTRY_COMPARE(openedAddresses().size(), requests);
    QTest::qWait(200); // nothing more comes
    QCOMPARE(openedAddresses(),
             QStringList(requests, QStringLiteral("https://tolvek.example.org/")));
}

void TestInfoWindow::focusStartsInText() {
    const auto* text1 = control<QPlainTextEdit>(*m_form, "Text1");
    QCOMPARE(m_form->focusWidget(), text1);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(QApplication::focusWidget(), text1);
}

void TestInfoWindow::closeDestroys() {
    QPointer<Form3> form = new Form3;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QVERIFY(form->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
}

void TestInfoWindow::minimisedBroughtBack_data() {
    QTest::addColumn<bool>("closeMain"); // or press "INFO" again

    QTest::newRow("INFO pressed again") << false;
    QTest::newRow("main window closed, the program runs on") << true;
}

void TestInfoWindow::minimisedBroughtBack() {
    QFETCH(bool, closeMain);

    m_form.reset();
    const std::unique_ptr<Form1> mainWindow = startedForm();
    const QPointer<Form3> form = openedByInfo(*mainWindow);
    QVERIFY(form);
    form->showMinimized();
    QTRY_VERIFY(form->isMinimized());

    if (closeMain)
        mainWindow->close();
    else
        QCOMPARE(openedByInfo(*mainWindow), form); // the same window, not a new one
    QTRY_VERIFY(!form->isMinimized());
    QVERIFY(form->isVisible());
    QTRY_VERIFY(form->isActiveWindow());
    form->close();
}

void TestInfoWindow::scrollBarKeepsDesktopColours() {
    const auto* text1 = control<QPlainTextEdit>(*m_form, "Text1");
    const QPalette desktop = QApplication::palette();
    const QPalette scrollBar = text1->verticalScrollBar()->palette();
    for (QPalette::ColorRole role : {QPalette::Button, QPalette::ButtonText, QPalette::Window,
                                     QPalette::WindowText, QPalette::Base, QPalette::Text})
        QCOMPARE(scrollBar.color(role), desktop.color(role));
    // The text itself stays white on black.
    QCOMPARE(text1->palette().color(QPalette::Text), QColor(Qt::white));
}

void TestInfoWindow::programEndsWithLastWindow_data() {
    QTest::addColumn<bool>("mainFirst");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("main window closed first, runs on")
        << true << QStringList{"main closed", "info closed", "quit"};
    QTest::newRow("information window closed first")
        << false << QStringList{"info closed", "main closed", "quit"};
}

void TestInfoWindow::programEndsWithLastWindow() {
    QFETCH(bool, mainFirst);
    QFETCH(QStringList, events);

    m_form.reset();
    const std::unique_ptr<Form1> mainWindow = startedForm();
    QPointer<Form3> form = openedByInfo(*mainWindow);
    QVERIFY(form);
    QVERIFY(QTest::qWaitForWindowExposed(form));

    QStringList log;
    const auto closeMain = [&] {
        mainWindow->close();
        log << "main closed";
    };
    const auto closeInfo = [&] {
        if (form) {
            form->close();
        }
        log << "info closed";
    };
    QTimer first;
    QTimer second;
    QTimer giveUp;
    for (QTimer* timer : {&first, &second, &giveUp}) {
        timer->setSingleShot(true);
    }
    connect(&first, &QTimer::timeout, this, [&] { mainFirst ? closeMain() : closeInfo(); });
    connect(&second, &QTimer::timeout, this, [&] { mainFirst ? closeInfo() : closeMain(); });
    connect(&giveUp, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    QMetaObject::Connection quitting =
        connect(qApp, &QCoreApplication::aboutToQuit, this, [&] { log << "quit"; });
    first.start(50);
    second.start(400);
    giveUp.start(5000);
    const int result = QCoreApplication::exec();
    disconnect(quitting);

    QCOMPARE(log, events);
    QCOMPARE(result, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
}

QTEST_MAIN(TestInfoWindow)
#include "test_info_window.moc"
