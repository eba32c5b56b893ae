#include "desktop/design_style.h"

#include <iterator>

#include <QPalette>
#include <QStringList>
#include <QWidget>

QFont toFont(const FontDesign& design) {
    QFont font;
    QStringList families;
    for (const char* family : fontFamilies)
        families << QString::fromLatin1(family);
    font.setFamilies(families);
    font.setPointSizeF(design.pointSize);
    font.setBold(design.bold);
    font.setUnderline(design.underline);
    return font;
}

QColor toColour(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

QRect toPixels(const TwipsRect& place) {
    return {place.left / twipsPerPixel, place.top / twipsPerPixel, place.width / twipsPerPixel,
            place.height / twipsPerPixel};
}

Qt::Alignment toLabelAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Centred:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void setColours(QWidget* widget, QPalette::ColorRole background, Rgb backgroundColour,
                QPalette::ColorRole text, const QColor& textColour) {
    QPalette palette = widget->palette();
    palette.setColor(background, toColour(backgroundColour));
    palette.setColor(text, textColour);
    widget->setPalette(palette);
}
