#include "statsclock.h"

namespace {
QDateTime& fixedNow()
{
    static QDateTime value;
    return value;
}
} // namespace

QDateTime StatsClock::now()
{
    const QDateTime& fixed = fixedNow();
    return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

int StatsClock::currentSeconds() { return int(now().toSecsSinceEpoch()); }

QDate StatsClock::today() { return now().date(); }

void StatsClock::setNow(const QDateTime& when) { fixedNow() = when.toLocalTime(); }

void StatsClock::advance(int seconds)
{
    if (fixedNow().isValid())
        fixedNow() = fixedNow().addSecs(seconds);
}

QDate StatsClock::dateOf(int seconds) { return QDateTime::fromSecsSinceEpoch(seconds).date(); }

QDate StatsClock::mondayOf(const QDate& date) { return date.addDays(1 - date.dayOfWeek()); }

bool StatsClock::isToday(int seconds) { return isToday(dateOf(seconds)); }
bool StatsClock::isToday(const QDate& date) { return date == today(); }

bool StatsClock::isThisWeek(int seconds) { return isThisWeek(dateOf(seconds)); }
bool StatsClock::isThisWeek(const QDate& date) { return mondayOf(date) == mondayOf(today()); }

bool StatsClock::isThisMonth(int seconds) { return isThisMonth(dateOf(seconds)); }
bool StatsClock::isThisMonth(const QDate& date)
{
    const QDate t = today();
    return date.year() == t.year() && date.month() == t.month();
}

bool StatsClock::isThisYear(int seconds) { return isThisYear(dateOf(seconds)); }
bool StatsClock::isThisYear(const QDate& date) { return date.year() == today().year(); }
