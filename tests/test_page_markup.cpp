#include <QTest>

#include "core/design/main_window_design.h"
#include "core/design/message_boxes.h"
#include "web/markup/markup.h"
#include "web/markup/message_box_markup.h"
#include "web/markup/window_markup.h"

// The main window's markup and style, and the message boxes', as the site's build writes them into
// the page and the program inserts them.
class TestPageMarkup : public QObject {
    Q_OBJECT

private slots:
    void escapedText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << "x1="
                               << "x1=";
        QTest::newRow("markup") << "a<b & \"c\">"
                                << "a&lt;b &amp; &quot;c&quot;&gt;";
        // The parser would fold CR LF into LF; a caption keeps both, as the desktop shows it.
        QTest::newRow("CR LF") << "a1*x\r\nb"
                               << "a1*x&#13;\nb";
    }
    void escapedText() {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(QString::fromStdString(markup::escape(text.toStdString())), escaped);
    }

    // What each kind of control carries for the keyboard, screen readers and phones: one row, one
    // control's markup, and a piece it must hold.
    void controlElement_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("piece");
        QTest::newRow("a coefficient, named by its caption") << "Text(1)"
                                                             << "aria-labelledby=\"label-2\"";
        QTest::newRow("a coefficient, the number keyboard") << "Text(1)"
                                                            << "inputmode=\"decimal\"";
        QTest::newRow("a coefficient, in the tab order") << "Text(1)"
                                                         << "tabindex=\"1\"";
        QTest::newRow("a result, read-only") << "Text(7)"
                                             << " readonly>";
        QTest::newRow("a result, named by D=") << "Text(7)"
                                               << "aria-labelledby=\"label-5\"";
        QTest::newRow("a caption, its id") << "Label(2)"
                                           << "id=\"label-2\"";
        QTest::newRow("the status line, its tooltip") << "Label(1)"
                                                      << "title=\"Right-click";
        QTest::newRow("an option, one group") << "Option1"
                                              << "type=\"radio\" name=\"mode\"";
        // As the window is first used, for the page to show it before the program has started.
        QTest::newRow("first use, the focus on the first option") << "Option1"
                                                                  << "tabindex=\"18\" data-focus>";
        QTest::newRow("first use, a coefficient hidden") << "Text(1)"
                                                         << " hidden";
        QTest::newRow("first use, a caption hidden") << "Label(2)"
                                                     << " hidden";
        QTest::newRow("first use, run disabled") << "Command1"
                                                 << " disabled>";
        QTest::newRow("the window, where its column starts")
            << "Form1"
            << "data-narrow=\"(max-width: 553px), (max-height: 394px), (pointer: coarse)\"";
        QTest::newRow("INFO, stacked") << "Command5"
                                       << "class=\"command stacked\"";
    }
    // The style sheet names the column's query once, as the window's markup carries it.
    void styleSheetTakesTheNarrowQuery() {
        QCOMPARE(
            QString::fromStdString(withNarrowQuery("@media (--narrow) {}\n@media (--narrow) {}")),
            QStringLiteral("@media (max-width: 553px), (max-height: 394px), (pointer: coarse) {}\n"
                           "@media (max-width: 553px), (max-height: 394px), (pointer: coarse) {}"));
    }

    void controlElement() {
        QFETCH(QString, name);
        QFETCH(QString, piece);
        const QString markup = QString::fromStdString(windowMarkup());
        const qsizetype start = markup.indexOf(QStringLiteral("data-name=\"%1\"").arg(name));
        QVERIFY(start > 0);
        // Up to the next control: the element with what it holds.
        const QString element =
            markup.mid(start, markup.indexOf(QStringLiteral("data-name="), start + 1) - start);
        QVERIFY2(element.contains(piece), qPrintable(element));
    }

    // What a box carries for screen readers and the keyboard: one row, one box, a piece it holds.
    void boxElement_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("piece");
        QTest::newRow("welcome, a dialog") << 0 << "role=\"dialog\"";
        QTest::newRow("welcome, named by its title") << 0 << "aria-labelledby=\"box-title\"";
        QTest::newRow("welcome, its lines") << 0 << "Velmora!&#13;\nPress INFO";
        QTest::newRow("welcome, one OK")
            << 0 << "<button data-name=\"OK\" type=\"button\">OK</button></div>";
        QTest::newRow("warning, interrupts") << 1 << "role=\"alertdialog\"";
        QTest::newRow("warning, described by its text") << 1 << "aria-describedby=\"box-text\"";
        QTest::newRow("quit, Yes's access key") << 2 << "<u>Y</u>es</button>";
        QTest::newRow("quit, its icon") << 2 << "data-icon=\"question\"";
        // Box 3: the welcome box as the page opens it, before any script has run.
        QTest::newRow("welcome in the page, open") << 3 << "<dialog open data-name=\"MessageBox\"";
        QTest::newRow("welcome in the page, OK closes it by itself")
            << 3
            << "<form method=\"dialog\" class=\"buttons\"><button data-name=\"OK\" value=\"OK\" "
               "autofocus>OK</button></form></dialog>";
    }
    void boxElement() {
        QFETCH(int, box);
        QFETCH(QString, piece);
        const MessageBoxDesign designs[] = {welcomeBox, warningBox("No numeric values!"), quitBox,
                                            welcomeBox};
        const QString markup = QString::fromStdString(messageBoxMarkup(
            designs[box], box == 3 ? BoxOpening::WithPage : BoxOpening::ByProgram));
        QVERIFY(markup.startsWith(QStringLiteral("<dialog")));
        QVERIFY2(markup.contains(piece), qPrintable(markup));
    }

    // Every control once, by its name, in the markup and in the style; the program binds the
    // controls by their order in the design table.
    void everyControlOnceInDesignOrder() {
        const QString markup = QString::fromStdString(windowMarkup());
        const QString style = QString::fromStdString(windowStyle());
        qsizetype previous = -1;
        for (const ControlDesign& row : mainWindowDesign().controls) {
            const QString name = QStringLiteral("data-name=\"%1\"").arg(row.name);
            QCOMPARE(markup.count(name), 1);
            QVERIFY2(markup.indexOf(name) > previous, row.name);
            previous = markup.indexOf(name);
            QCOMPARE(style.count(QStringLiteral("[%1]").arg(name)), 1);
        }
        QCOMPARE(markup.count(QStringLiteral("data-name=\"Form1\"")), 1);
        QVERIFY(markup.contains(QStringLiteral("<u>F</u>ile")));
    }
};

QTEST_APPLESS_MAIN(TestPageMarkup)
#include "test_page_markup.moc"
