#ifndef FORMATMANAGER_H
#define FORMATMANAGER_H

#include <QString>
#include <QStringList>

class FormatReader;
class QIODevice;

// Chooses a reader by format name and content, and names the formats for
// file dialogs.
class FormatManager
{
public:
    // A new reader, owned by the caller; never null. The device must be open
    // and at its start; detection only peeks.
    static FormatReader* createReader(QIODevice* device, const QString& type);
    static QString filter(const QString& type);
    static QStringList filters(const QString& type);
    static QStringList types();
    static bool isRichText(const QString& fileName);
};

#endif
