#include "desktop/coloured_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// The classic three-dimensional edge, fixed rather than taken from the style, so that the
// bevel reads the same on every face colour.
constexpr QColor highlight(255, 255, 255);
constexpr QColor shadow(128, 128, 128);
constexpr QColor darkShadow(0, 0, 0);

constexpr int bevelWidth = 2;
constexpr int focusInset = 4;
// The caption keeps clear of the side edges by as much again as the bevel, so a caption a
// little wider than the face wraps instead of touching the edges.
constexpr int captionPadding = 2;

} // namespace

ColouredButton::ColouredButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void ColouredButton::setFaceColour(const QColor& colour) {
    QPalette face = palette();
    face.setColor(QPalette::Button, colour);
    setPalette(face);
}

void ColouredButton::setStackedCaption(bool stacked) {
    m_stacked = stacked;
    update();
}

void ColouredButton::keyPressEvent(QKeyEvent* event) {
    // On the desktop Enter presses the button that has the focus, as Space does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ColouredButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    painter.fillRect(rect(), palette().color(QPalette::Button));
    drawBevel(painter, sunken);
    drawCaption(painter, sunken);
    if (hasFocus()) {
        painter.setPen(QPen(darkShadow, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(focusInset, focusInset, -focusInset - 1, -focusInset - 1));
    }
}

void ColouredButton::drawBevel(QPainter& painter, bool sunken) const {
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.setBrush(Qt::NoBrush);
    if (sunken) {
        // Pressed: a flat dark frame with the shadow inside it, as the face sinks in.
        painter.setPen(darkShadow);
        painter.drawRect(outer);
        painter.setPen(shadow);
        painter.drawRect(inner);
        return;
    }
    const auto edge = [&painter](const QRect& box, const QColor& topLeft,
                                 const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    };
    edge(outer, highlight, darkShadow);
    edge(inner, palette().color(QPalette::Button), shadow);
}

void ColouredButton::drawCaption(QPainter& painter, bool sunken) const {
    const int side = bevelWidth + captionPadding;
    QRect area = rect().adjusted(side, bevelWidth, -side, -bevelWidth);
    if (sunken)
        area.translate(1, 1);
    QString caption = text();
    if (m_stacked)
        caption = caption.split(QString(), Qt::SkipEmptyParts).join(QLatin1Char('\n'));
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(area, flags, caption);
        return;
    }
    // Greyed out and engraved, the way a disabled caption has always looked on a 3D face.
    painter.setPen(highlight);
    painter.drawText(area.translated(1, 1), flags, caption);
    painter.setPen(shadow);
    painter.drawText(area, flags, caption);
}
