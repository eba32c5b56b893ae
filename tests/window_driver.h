#pragma once

// Drives the windows in tests and benchmarks as a user would: controls found by their names,
// message boxes answered as soon as they have painted.

#include <chrono>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "desktop/form1.h"

// Answers the next message box with one of its buttons, once it has painted (and a while later,
// if asked), and keeps what the box showed and when it was first on screen.
class BoxAnswer : public QObject {
public:
    explicit BoxAnswer(QMessageBox::StandardButton answer,
                       std::chrono::milliseconds after = std::chrono::milliseconds(0))
        : m_answer(answer), m_after(after) {
        qApp->installEventFilter(this);
    }

    bool seen = false;
    std::chrono::steady_clock::time_point shownAt{};
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;
    int width = 0;
    QStringList visibleWindows; // the other windows on screen while the box was

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box || event->type() != QEvent::Paint || seen)
            return false;
        shownAt = std::chrono::steady_clock::now();
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        parent = box->parentWidget();
        width = box->width();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != box && window->isVisible())
                visibleWindows << window->objectName();
        QTimer::singleShot(m_after, box, [box, answer = m_answer] {
            if (QAbstractButton* button = box->button(answer))
                button->click();
            else
                box->done(-1); // not among its buttons: the comparison of buttons will tell
        });
        return false;
    }

private:
    QMessageBox::StandardButton m_answer;
    std::chrono::milliseconds m_after;
};

// A control or menu item of a window, found by its name as the user's tools would.
template <typename Object = QWidget> Object* control(const QWidget& window, const QString& name) {
    auto* object = window.findChild<Object*>(name);
    if (!object)
        qFatal("no control %s", qPrintable(name));
    return object;
}

inline QLineEdit* textBox(const QWidget& form, int index) {
    return control<QLineEdit>(form, QStringLiteral("Text(%1)").arg(index));
}

inline QLabel* label(const QWidget& form, int index) {
    return control<QLabel>(form, QStringLiteral("Label(%1)").arg(index));
}

inline QPushButton* command(const QWidget& form, int index) {
    return control<QPushButton>(form, QStringLiteral("Command%1").arg(index));
}

// The window as the user first sees it: loaded, welcome box answered, shown.
inline std::unique_ptr<Form1> startedForm() {
    auto form = std::make_unique<Form1>();
    {
        BoxAnswer welcome(QMessageBox::Ok);
        form->load();
        if (!welcome.seen)
            qFatal("load showed no welcome box");
    }
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qFatal("window not exposed");
    return form;
}

inline void pressCheck(const QWidget& form, const QString& option) {
    if (!option.isEmpty())
        QTest::mouseClick(control(form, option), Qt::LeftButton);
    QTest::mouseClick(command(form, 4), Qt::LeftButton);
}

// Notes when a widget has been painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

    bool painted = false;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Runs the event loop until the widget has painted: the window's pending updates are then done
// and flushed, as they are all painted in one pass.
inline bool processUntilPainted(PaintWatch& watch) {
    for (int round = 0; round < 10000 && !watch.painted; ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return watch.painted;
}
