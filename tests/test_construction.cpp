#include <QAction>
#include <QTest>

#include "window_driver.h"

// The program builds the window's contents behind the welcome box; the window the user then
// sees must be the one a complete construction gives.
class TestConstruction : public QObject {
    Q_OBJECT

private:
    // Every widget's place, state, font and colours, and the menu items, one line each.
    static QStringList describe(QWidget* window) {
        QStringList lines;
        QList<QWidget*> widgets{window};
        widgets += window->findChildren<QWidget*>();
        for (QWidget* w : widgets)
            lines << QStringLiteral(
                         "%1 %2 %3,%4 %5x%6 hidden=%7 enabled=%8 font=%9 colours=%10/%11 next=%12")
                         .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                         .arg(w->x())
                         .arg(w->y())
                         .arg(w->width())
                         .arg(w->height())
                         .arg(w->isHidden())
                         .arg(w->isEnabled())
                         .arg(w->font().toString(), w->palette().color(QPalette::Window).name(),
                              w->palette().color(QPalette::WindowText).name())
                         .arg(w->nextInFocusChain() ? w->nextInFocusChain()->objectName()
                                                    : QString());
        for (QAction* action : window->findChildren<QAction*>())
            lines << action->objectName() + " " + action->text();
        return lines;
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void builtBehindTheBox() {
        Form1 complete;
        {
            BoxAnswer welcome(QMessageBox::Ok);
            complete.load();
        }
        Form1 behind(nullptr, Form1::Construction::WithoutContents);
        QVERIFY(!behind.findChild<QWidget*>("Command1"));
        bool builtWhileBoxUp = false;
        {
            // Up long enough for the window to be built behind it.
            BoxAnswer welcome(QMessageBox::Ok, std::chrono::milliseconds(100));
            QTimer probe;
            connect(&probe, &QTimer::timeout, [&] {
                if (QApplication::activeModalWidget() && behind.findChild<QWidget*>("Command1"))
                    builtWhileBoxUp = true;
            });
            probe.start(5);
            behind.load();
            QVERIFY(welcome.seen);
            QCOMPARE(welcome.title, QString("Velmora"));
        }
        QVERIFY(builtWhileBoxUp);
        QVERIFY(behind.isVisible()); // shown once the box is answered
        complete.hide();
        behind.hide();

        // Each shown alone, as the active window, so that both draw their focus alike.
        complete.show();
        QVERIFY(QTest::qWaitForWindowActive(&complete));
        const QStringList completeControls = describe(&complete);
        const QImage completeImage = complete.grab().toImage();
        complete.hide();
        behind.show();
        QVERIFY(QTest::qWaitForWindowActive(&behind));
        QCOMPARE(describe(&behind), completeControls);
        QCOMPARE(behind.grab().toImage(), completeImage);
    }

    void boxAnsweredBeforeItPainted() {
        Form1 behind(nullptr, Form1::Construction::WithoutContents);
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                box->accept();
        });
        behind.load();
        QVERIFY(behind.findChild<QWidget*>("Command1"));
        QVERIFY(textBox(behind, 1)->isHidden());
        QVERIFY(!command(behind, 1)->isEnabled());
    }
};

QTEST_MAIN(TestConstruction)
#include "test_construction.moc"
