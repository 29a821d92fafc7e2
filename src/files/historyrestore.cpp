#include "historyrestore.h"

#include "data/global.h"
#include "files/files.h"
#include "files/librarypath.h"
#include "support/userfile.h"
#include "TovaUi/textarea/historysnapshots.h"
#include "TovaUi/textarea/textfileform.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The base name a copy's name carries: everything before its last "---".
QString copyBase(const QUrl& copy)
{
    const QString name = QFileInfo(copy.toLocalFile()).completeBaseName();
    const int cut = name.lastIndexOf(QLatin1String("---"));
    return cut < 0 ? QString() : name.left(cut);
}

QString documentBase(const QString& path)
{
    return HistorySnapshots::baseName(HistorySnapshots::documentName(QUrl::fromLocalFile(path)));
}

bool readAll(const QString& path, QByteArray* bytes, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    return true;
}

QString editorText(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

QStringList HistoryRestore::filters(const QUrl& document)
{
    QString escaped;
    for (const QChar c : HistorySnapshots::baseName(HistorySnapshots::documentName(document))) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('['))
            escaped += QLatin1Char('[') + c + QLatin1Char(']');
        else
            escaped += c;
    }
    return { escaped + QStringLiteral("---*.txt"), escaped + QStringLiteral("---*.md") };
}

QUrl HistoryRestore::documentOf(const QUrl& copy, const QUrl& preferred, QString* reason)
{
    const QString base = copyBase(copy);
    if (base.isEmpty()) {
        *reason = QCoreApplication::translate("files", "无法确定“%1”属于哪个文档").arg(QFileInfo(copy.toLocalFile()).fileName());
        return QUrl();
    }
    if (preferred.isLocalFile() && documentBase(preferred.toLocalFile()) == base)
        return preferred;
    QStringList all;
    files::getAllFiles(LibraryPath::root(), all);
    QStringList fits;
    for (const QString& path : all) {
        if (documentBase(path) == base)
            fits << path;
    }
    if (fits.size() == 1)
        return QUrl::fromLocalFile(fits.first());
    if (fits.size() > 1) {
        *reason = QCoreApplication::translate("files", "多个文档名为“%1”：请在文件树中该文档的历史记录里恢复").arg(base);
        return QUrl();
    }
    return QUrl::fromLocalFile(QDir(LibraryPath::root()).filePath(base + QStringLiteral(".txt")));
}

QString HistoryRestore::text(const QUrl& copy, QString* reason)
{
    QByteArray bytes;
    if (!copy.isLocalFile() || !readAll(copy.toLocalFile(), &bytes, reason))
        return QString();
    const QString text = editorText(TextFileForm::read(bytes).text);
    return text.isNull() ? QString(QLatin1String("")) : text;
}

bool HistoryRestore::restoreInto(const QUrl& copy, const QString& path, QString* notice)
{
    QString reason;
    auto failed = qScopeGuard([&] {
        if (notice->isEmpty())
            *notice = QCoreApplication::translate("files", "恢复失败：%1").arg(path) + QStringLiteral(" (") + reason + QLatin1Char(')');
    });
    const QString text = HistoryRestore::text(copy, &reason);
    if (text.isNull())
        return false;
    TextFileForm form;
    if (QFileInfo::exists(path)) {
        QByteArray current;
        if (!readAll(path, &current, &reason))
            return false;
        const TextFileForm::Read read = TextFileForm::read(current);
        if (!read.form.exact()) {
            reason = QCoreApplication::translate("files", "此文件含有不属于 %1 编码的字节，不会被改写").arg(read.form.encodingName());
            return false;
        }
        form = read.form;
        if (!global::saveTmpFile(path, QString())) {
            *notice = QCoreApplication::translate("files", "无法保存当前内容的历史记录，未恢复：%1").arg(path);
            return false;
        }
    }
    const UserFile::Result written = UserFile::write(path, form.encode(text), UserFile::NoOptions);
    if (!written) {
        reason = written.error;
        return false;
    }
    failed.dismiss();
    return true;
}
