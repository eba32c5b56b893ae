#pragma once

// Drives the main window in tests as a user would: controls found by their names, message
// boxes answered from a timer.

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

// Answers the next message box with one of its buttons and keeps what the box showed.
class BoxAnswer {
public:
    explicit BoxAnswer(QMessageBox::StandardButton answer) : answer_(answer) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { answerOpenBox(); });
        timer_.start(10);
    }

    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;

private:
    void answerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer_.stop();
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        parent = box->parentWidget();
        if (QAbstractButton* button = box->button(answer_))
            button->click();
        else
            box->done(-1); // not among its buttons: the comparison of buttons will tell
    }

    QMessageBox::StandardButton answer_;
    QTimer timer_;
};

// A control or menu item of the window, found by its name as the user's tools would.
template <typename Object = QWidget> Object* control(const Form1& form, const QString& name) {
    auto* object = form.findChild<Object*>(name);
    if (!object)
        qFatal("no control %s", qPrintable(name));
    return object;
}

inline QLineEdit* textBox(const Form1& form, int index) {
    return control<QLineEdit>(form, QStringLiteral("Text(%1)").arg(index));
}

inline QLabel* label(const Form1& form, int index) {
    return control<QLabel>(form, QStringLiteral("Label(%1)").arg(index));
}

inline QPushButton* command(const Form1& form, int index) {
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

inline void pressCheck(const Form1& form, const QString& option) {
    if (!option.isEmpty())
        QTest::mouseClick(control(form, option), Qt::LeftButton);
    QTest::mouseClick(command(form, 4), Qt::LeftButton);
}
