#include "desktop/system_locale.h"

#include <QLocale>
#include <QStringList>

NumberLocale numberLocale(const QLocale& locale) {
    NumberLocale format{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
                        locale.currencySymbol().toStdString()};

    // Qt does not name its group sizes, but a long number written with its groups shows them:
    // "1,234,567,890.5", "1,23,45,67,890.5" in Indian English.
    QLocale grouping = locale;
    grouping.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString written = grouping.toString(1234567890.5, 'f', 1);
    const QStringList groups =
        written.left(written.indexOf(locale.decimalPoint())).split(locale.groupSeparator());
    if (groups.size() < 2) {
        format.primaryGroupSize = 0; // the locale groups no digits
        format.secondaryGroupSize = 0;
        return format;
    }
    format.primaryGroupSize = int(groups.last().size());
    // The first group may be shorter, or in some locales longer, than the ones between.
    format.secondaryGroupSize =
        groups.size() > 2 ? int(groups[groups.size() - 2].size()) : format.primaryGroupSize;
    return format;
}
