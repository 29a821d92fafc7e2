#include "formatmanager.h"

#include "docxreader.h"
#include "odtreader.h"
#include "rtfreader.h"
#include "txtreader.h"

#include <QCoreApplication>

FormatReader* FormatManager::createReader(QIODevice* device, const QString& type)
{
    if ((type == QLatin1String("odt") || type == QLatin1String("fodt")) && OdtReader::canRead(device))
        return new OdtReader;
    if (type == QLatin1String("docx") && DocxReader::canRead(device))
        return new DocxReader;
    if (type == QLatin1String("rtf") && RtfReader::canRead(device))
        return new RtfReader;
    if (OdtReader::canRead(device))
        return new OdtReader;
    if (DocxReader::canRead(device))
        return new DocxReader;
    if (RtfReader::canRead(device))
        return new RtfReader;
    return new TxtReader;
}

QString FormatManager::filter(const QString& type)
{
    const char* description = nullptr;
    QString pattern;
    if (type == QLatin1String("odt")) {
        description = QT_TRANSLATE_NOOP("FormatManager", "OpenDocument Text");
        pattern = QStringLiteral(" (*.odt)");
    } else if (type == QLatin1String("fodt")) {
        description = QT_TRANSLATE_NOOP("FormatManager", "OpenDocument Flat XML");
        pattern = QStringLiteral(" (*.fodt)");
    } else if (type == QLatin1String("docx")) {
        description = QT_TRANSLATE_NOOP("FormatManager", "Office Open XML");
        pattern = QStringLiteral(" (*.docx)");
    } else if (type == QLatin1String("rtf")) {
        description = QT_TRANSLATE_NOOP("FormatManager", "Rich Text Format");
        pattern = QStringLiteral(" (*.rtf)");
    } else if (type == QLatin1String("txt") || type == QLatin1String("text")) {
        description = QT_TRANSLATE_NOOP("FormatManager", "Plain Text");
        pattern = QStringLiteral(" (*.txt *.text)");
    } else if (type == QLatin1String("md")) {
        description = QT_TRANSLATE_NOOP("FormatManager", "Markdown Text");
        pattern = QStringLiteral(" (*.md)");
    } else {
        return QString();
    }
    return QCoreApplication::translate("FormatManager", description) + pattern;
}

QStringList FormatManager::filters(const QString& type)
{
    static const QStringList defaults = [] {
        QStringList list;
        for (const char* name : {"odt", "fodt", "docx", "rtf", "txt", "md"})
            list.append(filter(QLatin1String(name)));
        list.append(QCoreApplication::translate("FormatManager", "All Files") + QStringLiteral(" (*)"));
        return list;
    }();
    QStringList list = defaults;
    if (type.isEmpty()) {
        list.prepend(QCoreApplication::translate("FormatManager", "All Supported Files")
                     + QStringLiteral(" (*.docx *.md *.fodt *.odt *.rtf *.txt *.text)"));
    } else if (type == QLatin1String("odt")) {
    } else if (type == QLatin1String("fodt") || type == QLatin1String("docx") || type == QLatin1String("rtf")
               || type == QLatin1String("txt") || type == QLatin1String("text") || type == QLatin1String("md")) {
        list.move(list.indexOf(filter(type)), 0);
    } else {
        list.move(list.size() - 1, 0);
    }
    return list;
}

QStringList FormatManager::types()
{
    return {QStringLiteral("odt"), QStringLiteral("fodt"), QStringLiteral("docx"), QStringLiteral("rtf"), QStringLiteral("txt")};
}

bool FormatManager::isRichText(const QString& fileName)
{
    const QString suffix = fileName.mid(fileName.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    return suffix == QLatin1String("odt") || suffix == QLatin1String("fodt") || suffix == QLatin1String("docx")
        || suffix == QLatin1String("rtf");
}
