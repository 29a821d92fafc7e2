#ifndef FAULTRULE_H
#define FAULTRULE_H

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

// One scripted fault: which requests it matches and what they get instead
// of (or before) their normal answer. The JSON form is told in the
// server's --help.
struct FaultRule
{
    enum class Action { Status, Html, Stall, Drop, Cut, Delay };

    int id = 0;
    QByteArray method;         // empty or "*": any
    QString path = QStringLiteral("*");
    QString query = QStringLiteral("*");
    int skip = 0;
    int times = -1;            // -1: every matching request
    int delayMs = 0;
    Action action = Action::Status;
    int status = 500;
    bool hasBody = false;
    QByteArray body;
    QByteArray contentType;
    QList<QPair<QByteArray, QByteArray>> headers;
    qint64 bytes = 0;          // "cut": body bytes sent before the connection closes

    int seen = 0;              // matching requests so far, skipped ones included
    int hits = 0;              // requests that got the fault

    static bool fromJson(const QJsonObject& object, FaultRule* rule, QString* error);
    QJsonObject toJson() const;
    bool matches(const QByteArray& requestMethod, const QString& requestPath, const QString& requestQuery) const;
    bool exhausted() const { return times >= 0 && hits >= times; }

    // "*" matches any run of characters ("/" included), "?" one character.
    static bool glob(const QString& pattern, const QString& text);
};

#endif
