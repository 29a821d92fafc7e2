#ifndef FILEFILTERMODEL_H
#define FILEFILTERMODEL_H

#include <QObject>
#include <QSortFilterProxyModel>

// Sorting and filtering proxy over the document tree.
class FileFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit FileFilterModel(QObject* parent = nullptr);

signals:

private:
};

#endif
