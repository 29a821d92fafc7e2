#include "serverlog.h"

#include <QDateTime>

#include <cstdio>
#include <mutex>

namespace {
std::mutex g_mutex;

void write(FILE* stream, const QString& text)
{
    const QByteArray bytes = (QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + text
                              + QLatin1Char('\n'))
                                 .toUtf8();
    std::lock_guard<std::mutex> lock(g_mutex);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

void ServerLog::line(const QString& text) { write(stdout, text); }

void ServerLog::warning(const QString& text) { write(stdout, QStringLiteral("warning: ") + text); }
