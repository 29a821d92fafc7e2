#include "fileproperty.h"

FileProperty::FileProperty(const QFileInfo& info)
    : fileName(info.fileName())
    , filePath(info.filePath())
    , completeBaseName(info.completeBaseName())
    , suffix(info.suffix())
    , size(info.size())
    , isDir(info.isDir())
    , isFile(info.isFile())
    , lastModified(info.lastModified())
    , lastRead(info.lastRead())
{
}
