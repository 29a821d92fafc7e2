#ifndef COUNTCHARTSMODEL_H
#define COUNTCHARTSMODEL_H

#include <QStandardItemModel>

// A fourteen-day bar chart: one row per day (oldest first, today last) with
// the day's date ("yyyy-MM-dd", shown in the interface language), its value
// and the largest value of all rows.
class CountChartsModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Roles { DateRole = Qt::UserRole + 1001, NumberRole, MaxRole };

    explicit CountChartsModel(QObject* parent = nullptr);
    QHash<int, QByteArray> roleNames() const override;
    // Writes the largest "number" of all rows as every row's "max".
    void updateMax();
};

#endif
