#ifndef THROUGHMODEL_H
#define THROUGHMODEL_H

#include <QObject>
#include <QString>

class ThroughGame;

// Progress of the running writing challenge ("through" in QML): the level's
// name, seconds and words left, the outcome, whether a challenge runs and the
// level's reward. It only stores values; the rules live in ThroughGame,
// which it owns and offers to the pages as "game".
class ThroughModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName NOTIFY NameChanged)
    Q_PROPERTY(int Time READ Time WRITE setTime NOTIFY TimeChanged)
    Q_PROPERTY(int Words READ Words WRITE setWords NOTIFY WordsChanged)
    Q_PROPERTY(int Status READ Status WRITE setStatus NOTIFY StatusChanged)
    Q_PROPERTY(bool running READ running WRITE setRunning NOTIFY runningChanged)
    Q_PROPERTY(int rewardConins READ rewardConins WRITE setRewardConins NOTIFY rewardConinsChanged)
    Q_PROPERTY(ThroughGame* game READ game CONSTANT)

public:
    explicit ThroughModel(QObject* parent = nullptr);

    QString Name() const { return m_Name; }
    int Time() const { return m_Time; }
    int Words() const { return m_Words; }
    int Status() const { return m_Status; }
    bool running() const { return m_running; }
    int rewardConins() const { return m_rewardConins; }
    ThroughGame* game() const { return m_game; }

signals:
    void rewardConinsChanged(int rewardConins);
    void NameChanged(const QString& Name);
    void TimeChanged(int Time);
    void WordsChanged(int Words);
    void StatusChanged(int Status);
    void runningChanged(bool running);

public slots:
    void setRewardConins(int rewardConins);
    void setName(const QString& Name);
    void setTime(int Time);
    void setWords(int Words);
    void setStatus(int Status);
    void setRunning(bool running);

private:
    QString m_Name;
    int m_Time = 0;
    int m_Words = 0;
    int m_Status = 0;
    bool m_running = false;
    int m_rewardConins = 0;
    ThroughGame* m_game = nullptr;
};

#endif
