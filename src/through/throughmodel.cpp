#include "throughmodel.h"

#include "through/throughgame.h"

ThroughModel::ThroughModel(QObject* parent)
    : QObject(parent)
{
    // QML reads through.game as an object only when the pointer type is
    // known to the meta-type system.
    qRegisterMetaType<ThroughGame*>();
    m_game = new ThroughGame(this, this);
}

void ThroughModel::setRewardConins(int rewardConins)
{
    if (m_rewardConins == rewardConins)
        return;
    m_rewardConins = rewardConins;
    emit rewardConinsChanged(m_rewardConins);
}

void ThroughModel::setName(const QString& Name)
{
    if (m_Name == Name)
        return;
    m_Name = Name;
    emit NameChanged(m_Name);
}

void ThroughModel::setTime(int Time)
{
    if (m_Time == Time)
        return;
    m_Time = Time;
    emit TimeChanged(m_Time);
}

void ThroughModel::setWords(int Words)
{
    if (m_Words == Words)
        return;
    m_Words = Words;
    emit WordsChanged(m_Words);
}

void ThroughModel::setStatus(int Status)
{
    if (m_Status == Status)
        return;
    m_Status = Status;
    emit StatusChanged(m_Status);
}

void ThroughModel::setRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    emit runningChanged(m_running);
}
