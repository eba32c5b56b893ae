#pragma once

// The shared table of texts as users of forty locales write them (tests/locale_rows.json), with
// what each browser's Intl says of its locale.

#include <optional>
#include <string>

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include "core/numbers/number_locale.h"
#include "core/numbers/numbers.h"
#include "test_data.h"

inline const QJsonObject& localeTable() {
    static const QJsonObject table = testData(VELMORA_LOCALE_ROWS);
    return table;
}

// What the browser's Intl says of a locale, as the table keeps it.
inline std::optional<LocaleFacts> browserFacts(const QString& tag) {
    for (const QJsonValue& value : localeTable()["locales"].toArray()) {
        const QJsonArray entry = value.toArray();
        if (entry[0].toString() != tag)
            continue;
        const auto text = [&](int index) { return entry[index].toString().toStdString(); };
        return LocaleFacts{.language = tag.section('-', 0, 0).toStdString(),
                           .region = tag.section('-', 1, 1).toStdString(),
                           .decimalSeparator = text(1),
                           .groupSeparator = text(2),
                           .written = text(3),
                           .money = LocaleFacts::Money{text(4), text(5)}};
    }
    return std::nullopt;
}

// The currency symbols a format reads, its own first.
inline QStringList symbolsOf(const NumberLocale& locale) {
    QStringList symbols;
    if (!locale.currencySymbol.empty())
        symbols << QString::fromStdString(locale.currencySymbol);
    for (const std::string& symbol : locale.otherCurrencySymbols)
        symbols << QString::fromStdString(symbol);
    return symbols;
}
