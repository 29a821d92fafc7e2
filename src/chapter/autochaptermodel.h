#ifndef AUTOCHAPTERMODEL_H
#define AUTOCHAPTERMODEL_H

#include <QAbstractListModel>
#include <QObject>

// The chapter list of one document (roles displayText, line, wordNumber).
class AutoChapterModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit AutoChapterModel(QObject* parent = nullptr);
    enum Roles { DisplayTextRole = Qt::UserRole + 1, LineRole, WordNumberRole };
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:

private:
};

#endif
