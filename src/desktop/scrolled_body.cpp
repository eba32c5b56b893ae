#include "desktop/scrolled_body.h"

#include <QStyle>
#include <QVBoxLayout>

ScrolledBody::ScrolledBody(QWidget* window) : QScrollArea(window) {
    setObjectName(QStringLiteral("ScrolledBody"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The body takes the keyboard's focus, not the area around it.
    setFocusPolicy(Qt::NoFocus);
    setWidget(new QWidget);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
}

QSize ScrolledBody::sizeHint() const {
    // With room for a scroll bar, so that a window placed lower than its content does not
    // scroll sideways too.
    const int frame = 2 * frameWidth();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return body()->sizeHint() + QSize(frame + bar, frame);
}
