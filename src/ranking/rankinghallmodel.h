#ifndef RANKINGHALLMODEL_H
#define RANKINGHALLMODEL_H

#include <QObject>
#include <QStandardItemModel>

// The list of writing rooms.
class RankingHallModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit RankingHallModel(QObject* parent = nullptr);

signals:

private:
};

#endif
