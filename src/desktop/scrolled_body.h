#pragma once

#include <QScrollArea>

// The content of a window of the program's own, in a scroll area that fills the window: a window
// placed lower or narrower than its content scrolls it, while its title bar and close button, the
// window manager's, stay in sight.
class ScrolledBody : public QScrollArea {
    Q_OBJECT

public:
    // Fills the window; the window lays its controls out in body().
    explicit ScrolledBody(QWidget* window);

    QWidget* body() const { return widget(); }
    // The body whole and a scroll bar's room, where a scroll area would otherwise want a few
    // lines of it.
    QSize sizeHint() const override;
};
