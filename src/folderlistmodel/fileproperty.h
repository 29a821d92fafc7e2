#ifndef FILEPROPERTY_H
#define FILEPROPERTY_H

#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QMetaType>
#include <QString>

// One listed folder entry, taken from its QFileInfo when the listing is made.
// Two records are equal when their names and kinds (folder or not) are.
class FileProperty
{
public:
    FileProperty() = default;
    explicit FileProperty(const QFileInfo& info);

    QString fileName;
    QString filePath;
    QString completeBaseName;
    QString suffix;
    qint64 size = 0;
    bool isDir = false;
    bool isFile = false;
    QDateTime lastModified;
    QDateTime lastRead;

    bool operator==(const FileProperty& other) const { return isDir == other.isDir && fileName == other.fileName; }
    bool operator!=(const FileProperty& other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(FileProperty)
Q_DECLARE_METATYPE(QList<FileProperty>)

#endif
