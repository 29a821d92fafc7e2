#ifndef POINTS_H
#define POINTS_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class DataTypeClass;

// One word-count milestone of the day.
struct PointsType {
    QString type;
    QString key;
    QString message;
    int points = 0;
    int min = 0;
    int max = 0;
};

// Awards account points once a day for each word-count milestone that
// today's record reaches, with a notice.
class Points : public QObject
{
    Q_OBJECT
public:
    using AwardFunction = std::function<void(int points, const QString& reason)>;

    explicit Points(QObject* parent = nullptr);

    void setTodayData(QPointer<DataTypeClass> record);
    void checkWords(int words);
    bool isCheckedThisKey(const QString& key);
    QList<PointsType> pointsTypes() const { return m_pointsTypes; }

    // How points reach the account; by default the signed-in account's
    // addPoints. Tests put a recorder here.
    void setAwardFunction(AwardFunction award) { m_award = std::move(award); }

public slots:
    void todayWordsChanged(int words);

private:
    static void addPointsToAccount(int points, const QString& reason);

    QPointer<DataTypeClass> m_todayData;
    QList<PointsType> m_pointsTypes;
    AwardFunction m_award;
};

#endif
