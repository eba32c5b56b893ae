#pragma once

#include <QWidget>

#include "core/working/figure.h"

// The graph of a run, painted from the core's figure as it is: the figure is already in this
// widget's pixels, so nothing is scaled or placed here.
class FigureView : public QWidget {
    Q_OBJECT

public:
    explicit FigureView(QWidget* parent = nullptr);

    void setFigure(Figure figure);
    const Figure& figure() const { return m_figure; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Figure m_figure;
};
