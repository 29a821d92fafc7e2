#include "faultrule.h"

#include <QJsonArray>

namespace {
const QList<QPair<QString, FaultRule::Action>> actions {
    { QStringLiteral("status"), FaultRule::Action::Status }, { QStringLiteral("html"), FaultRule::Action::Html },
    { QStringLiteral("stall"), FaultRule::Action::Stall },   { QStringLiteral("drop"), FaultRule::Action::Drop },
    { QStringLiteral("cut"), FaultRule::Action::Cut },       { QStringLiteral("delay"), FaultRule::Action::Delay },
};
} // namespace

bool FaultRule::glob(const QString& pattern, const QString& text)
{
    // Iterative matching with one back-track point per star.
    int p = 0, t = 0, star = -1, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern.at(p) == QLatin1Char('?') || pattern.at(p) == text.at(t))) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            star = p++;
            mark = t;
        } else if (star >= 0) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

bool FaultRule::fromJson(const QJsonObject& o, FaultRule* rule, QString* error)
{
    FaultRule r;
    r.method = o.value(QStringLiteral("method")).toString().toUpper().toLatin1();
    if (r.method == "*")
        r.method.clear();
    r.path = o.value(QStringLiteral("path")).toString(QStringLiteral("*"));
    r.query = o.value(QStringLiteral("query")).toString(QStringLiteral("*"));
    r.skip = o.value(QStringLiteral("skip")).toInt(0);
    r.times = o.contains(QStringLiteral("times")) ? o.value(QStringLiteral("times")).toInt(-1) : -1;
    r.delayMs = o.value(QStringLiteral("delay_ms")).toInt(0);
    const QString action = o.value(QStringLiteral("action")).toString(r.delayMs > 0 ? QStringLiteral("delay") : QString());
    bool known = false;
    for (const auto& a : actions) {
        if (a.first == action) {
            r.action = a.second;
            known = true;
        }
    }
    if (!known) {
        *error = QStringLiteral("unknown action \"%1\"").arg(action);
        return false;
    }
    r.status = o.value(QStringLiteral("status")).toInt(r.action == Action::Html ? 200 : 500);
    if (r.status < 100 || r.status > 599) {
        *error = QStringLiteral("status must be from 100 to 599");
        return false;
    }
    r.hasBody = o.contains(QStringLiteral("body")) || o.contains(QStringLiteral("body_base64"));
    r.body = o.contains(QStringLiteral("body_base64"))
        ? QByteArray::fromBase64(o.value(QStringLiteral("body_base64")).toString().toLatin1())
        : o.value(QStringLiteral("body")).toString().toUtf8();
    r.contentType = o.value(QStringLiteral("content_type")).toString().toUtf8();
    const QJsonObject headers = o.value(QStringLiteral("headers")).toObject();
    for (auto it = headers.constBegin(); it != headers.constEnd(); ++it)
        r.headers << qMakePair(it.key().toUtf8(), it.value().toString().toUtf8());
    r.bytes = qint64(o.value(QStringLiteral("bytes")).toDouble(0));
    if (r.skip < 0 || r.delayMs < 0 || r.bytes < 0) {
        *error = QStringLiteral("skip, delay_ms and bytes must not be negative");
        return false;
    }
    *rule = r;
    return true;
}

QJsonObject FaultRule::toJson() const
{
    QJsonObject o {
        { QStringLiteral("id"), id },
        { QStringLiteral("method"), method.isEmpty() ? QStringLiteral("*") : QString::fromLatin1(method) },
        { QStringLiteral("path"), path },
        { QStringLiteral("query"), query },
        { QStringLiteral("skip"), skip },
        { QStringLiteral("times"), times },
        { QStringLiteral("delay_ms"), delayMs },
        { QStringLiteral("status"), status },
        { QStringLiteral("bytes"), double(bytes) },
        { QStringLiteral("seen"), seen },
        { QStringLiteral("hits"), hits },
    };
    for (const auto& a : actions) {
        if (a.second == action)
            o.insert(QStringLiteral("action"), a.first);
    }
    if (hasBody)
        o.insert(QStringLiteral("body"), QString::fromUtf8(body));
    return o;
}

bool FaultRule::matches(const QByteArray& requestMethod, const QString& requestPath, const QString& requestQuery) const
{
    return (method.isEmpty() || method == requestMethod) && glob(path, requestPath) && glob(query, requestQuery);
}
