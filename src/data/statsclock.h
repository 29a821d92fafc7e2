#ifndef STATSCLOCK_H
#define STATSCLOCK_H

#include <QDate>
#include <QDateTime>

// The clock of the writing statistics. Every "now" and every period test of
// the statistics goes through it, so tests can set the time instead of
// waiting for it. Periods are local-time calendar periods; weeks begin on
// Monday.
class StatsClock
{
public:
    static QDateTime now();
    static int currentSeconds();
    static QDate today();

    // Fixes the clock at the given time; an invalid time returns to the
    // system clock.
    static void setNow(const QDateTime& when);
    // Moves a fixed clock on by the given seconds.
    static void advance(int seconds);

    static QDate dateOf(int seconds);
    static QDate mondayOf(const QDate& date);

    static bool isToday(int seconds);
    static bool isToday(const QDate& date);
    static bool isThisWeek(int seconds);
    static bool isThisWeek(const QDate& date);
    static bool isThisMonth(int seconds);
    static bool isThisMonth(const QDate& date);
    static bool isThisYear(int seconds);
    static bool isThisYear(const QDate& date);
};

#endif
