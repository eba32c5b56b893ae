#include "desktop/system_locale.h"

#include <QLocale>

LocaleFacts localeFacts(const QLocale& locale) {
    // With its groups, whatever the options of the locale given: they show the group sizes.
    QLocale grouping = locale;
    grouping.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString name = locale.name();
    // Qt writes money with the plain number's separators, so it cannot tell where the locale
    // writes money otherwise: the core's table knows.
    return {.language = name.section('_', 0, 0).toStdString(),
            .region = QLocale::territoryToCode(locale.territory()).toStdString(),
            .decimalSeparator = locale.decimalPoint().toStdString(),
            .groupSeparator = locale.groupSeparator().toStdString(),
            .written = grouping.toString(1234567890.5, 'f', 1).toStdString(),
            .money = std::nullopt};
}

NumberLocale numberLocale(const QLocale& locale) {
    return numberLocale(localeFacts(locale));
}
