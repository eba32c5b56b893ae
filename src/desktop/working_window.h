#pragma once

#include <QWidget>

#include "core/conversation/reply.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class FigureView;
class MethodList;

// The "Working" window: how the last run came out, by the way of working chosen above the text,
// in words beside its graph, and a button that copies the words. Like the information window it
// has no owner, is modeless and is destroyed when closed; while it is open the main window shows
// every later run in it.
class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    WorkingWindow();

    void showWorking(const show::Working& working);
    // Restored if minimised, raised over the other windows and active.
    void bringToFront();

signals:
    // The user chose another way of working; the core answers with the working by it.
    void methodChosen(WorkingMethod method);

private:
    void copy();

    MethodList* m_method;
    QPlainTextEdit* m_text;
    FigureView* m_graph;
    QPushButton* m_copy;
    QLabel* m_copied;
};
