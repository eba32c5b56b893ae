#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include "core/design/design.h"

// The one place where the core's design vocabulary becomes Qt's.
QFont toFont(const FontDesign& design);
QColor toColour(Rgb colour);
QRect toPixels(const TwipsRect& place);
// A label's caption starts at the top of its box, however tall the box.
Qt::Alignment toLabelAlignment(Alignment alignment);
// Paints a widget's background role and text role in these colours.
void setColours(QWidget* widget, QPalette::ColorRole background, Rgb backgroundColour,
                QPalette::ColorRole text, const QColor& textColour);
