#ifndef KEYMODEL_H
#define KEYMODEL_H

#include <QStandardItemModel>

// The functions of the chosen shortcut scheme with their key sequences.
class KeyModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Roles { NameRole = Qt::UserRole + 1001, KeyRole = Qt::UserRole + 1002, ValueRole = Qt::UserRole + 1003 };

    explicit KeyModel(QObject* parent = nullptr);
    QHash<int, QByteArray> roleNames() const override;
};

#endif
