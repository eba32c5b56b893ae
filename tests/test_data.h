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
