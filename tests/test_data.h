#pragma once

// The tests' own tables of what the program must show, kept in tests/*.json so that the
// desktop's and the page's tests read one copy.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

// The JSON object in a file; stops the test run when it cannot be read, as no row could pass.
inline const QJsonObject testData(const char* path) {
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", path);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qFatal("%s is no JSON object: %s", path, qPrintable(error.errorString()));
    return document.object();
}

// The JSON array of rows in a file, kept plain for the page's tests to read too.
inline const QJsonArray testRows(const char* path) {
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", path);
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isArray())
        qFatal("%s is no JSON array", path);
    return document.array();
}

// The result area a case of tests/run_cases.json shows, part by part: status, D, D1, D2, caption
// and x1 (or x), caption and x2 (or y).
inline QStringList shownResultArea(const QJsonValue& row) {
    const auto shown = [&](const char* name) { return row["shown"][name].toString(); };
    return {shown("Label(1)"),
            shown("Text(7)"),
            shown("Text(8)"),
            shown("Text(9)"),
            shown("Label(7)") + shown("Text(10)"),
            shown("Label(8)") + shown("Text(11)")};
}

// The rows of tests/pasted_texts.json for one box ("equation", "answer", "code") that the native
// tests read, each with its text put together from its parts.
struct PastedText {
    QString name, locale, says;
    std::string text;
    int place = -1;
    bool bytes = false; // put together from bytes, which no widget hands over as they are
};

inline std::vector<PastedText> pastedTexts(const char* path, const QString& box) {
    std::vector<PastedText> texts;
    for (const QJsonValue& row : testData(path)["rows"].toArray()) {
        if (row["box"].toString() != box || row["where"].toString() == "page")
            continue;
        PastedText pasted{row["name"].toString(),
                          row["locale"].toString(),
                          row["says"].toString(),
                          {},
                          row["place"].toInt(-1)};
        for (const QJsonValue& part : row["parts"].toArray()) {
            const bool bytes = part[2].toString() == "hex";
            pasted.bytes = pasted.bytes || bytes;
            const QByteArray piece = bytes ? QByteArray::fromHex(part[0].toString().toLatin1())
                                           : part[0].toString().toUtf8();
            pasted.text += piece.repeated(part[1].toInt()).toStdString();
        }
        texts.push_back(std::move(pasted));
    }
    return texts;
}
