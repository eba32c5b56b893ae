#include "desktop/figure_view.h"

#include <utility>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr double tickLength = 3; // on either side of the axis

// The first series (the parabola, the line or the first line) and the second line: a blue and
// an orange that stay apart for the common kinds of colour blindness.
QColor seriesColour(int series) {
    return series == 0 ? QColor(0x00, 0x72, 0xb2) : QColor(0xd5, 0x5e, 0x00);
}

QPointF toQt(const FigurePoint& point) {
    return {point.x, point.y};
}

} // namespace

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Reached with Tab, so that a screen reader reads the graph's description.
    setFocusPolicy(Qt::TabFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void FigureView::setFigure(Figure figure) {
    m_figure = std::move(figure);
    setFixedSize(sizeHint());
    const QString alternative = QString::fromStdString(m_figure.alternative);
    setAccessibleName(alternative);
    setAccessibleDescription(alternative);
    // A drawn graph may still leave a line out; the note says why, on the graph itself when
    // nothing is drawn, otherwise where the pointer rests.
    setToolTip(m_figure.drawn ? QString::fromStdString(m_figure.note) : QString());
    update();
}

QSize FigureView::sizeHint() const {
    return QSizeF(m_figure.width, m_figure.height).toSize();
}

void FigureView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::Text);
    QFont font = painter.font();
    font.setPixelSize(int(Figure::fontSize));
    painter.setFont(font);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }

    if (!m_figure.drawn) {
        painter.setPen(ink);
        painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromStdString(m_figure.note));
        return;
    }

    painter.setPen(QPen(ink, 1));
    painter.drawLine(QPointF(0, m_figure.xAxisAt), QPointF(m_figure.width, m_figure.xAxisAt));
    painter.drawLine(QPointF(m_figure.yAxisAt, 0), QPointF(m_figure.yAxisAt, m_figure.height));
    for (const FigureTick& tick : m_figure.ticks) {
        const QPointF at = toQt(tick.at);
        if (tick.onXAxis)
            painter.drawLine(at - QPointF(0, tickLength), at + QPointF(0, tickLength));
        else
            painter.drawLine(at - QPointF(tickLength, 0), at + QPointF(tickLength, 0));
    }

    for (const FigureCurve& curve : m_figure.curves) {
        QPolygonF line;
        line.reserve(qsizetype(curve.points.size()));
        for (const FigurePoint& point : curve.points)
            line << toQt(point);
        painter.setPen(
            QPen(seriesColour(curve.series), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(line);
    }

    // The vertex stands apart from the points that solve something: a ring, not a dot.
    for (const FigureMark& mark : m_figure.marks) {
        const QPointF at = toQt(mark.at);
        if (mark.kind == FigureMark::Kind::Vertex) {
            painter.setPen(QPen(ink, 1.5));
            painter.setBrush(palette().color(QPalette::Base));
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
        }
        painter.drawEllipse(at, Figure::markRadius, Figure::markRadius);
    }

    painter.setPen(ink);
    painter.setBrush(Qt::NoBrush);
    for (const FigureLabel& label : m_figure.labels)
        painter.drawText(QRectF(label.left, label.top, label.width, label.height),
                         Qt::AlignCenter | Qt::TextDontClip, QString::fromStdString(label.text));
}
