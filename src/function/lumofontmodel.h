#ifndef LUMOFONTMODEL_H
#define LUMOFONTMODEL_H

#include <QAbstractListModel>
#include <QObject>

// The list of installed font families.
class LumoFontModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit LumoFontModel(QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:

private:
};

#endif
