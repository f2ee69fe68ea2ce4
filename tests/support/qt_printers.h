#pragma once
// Readable failure messages for Qt strings and JSON values.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Shown as a one-element array: JSON has no text form of a bare value.
inline void PrintTo(const QJsonValue& value, std::ostream* out) {
    *out << QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}
