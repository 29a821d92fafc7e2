#include "historysnapshots.h"

#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"
#include "textarea/editorfile.h"
#include "textarea/lazytextdocument.h"
#include "textarea/wholedocument.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <climits>

HistorySnapshots::HistorySnapshots(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("historyTimer"));
    connect(m_timer, &QTimer::timeout, this, qOverload<>(&HistorySnapshots::saveTmpFile));
    m_timer->start(m_historyTime * 60000);
}

QString HistorySnapshots::baseName(const QString& documentName)
{
    QString base = QFileInfo(documentName).fileName();
    const int dot = base.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        base.truncate(dot);
    // Cut so that the snapshot's name ("---", the seconds and ".txt" added)
    // fits any file system: a document with a long name keeps its history.
    return UserFile::cutToFit(base, NAME_MAX - int(qstrlen("---") + 12 + qstrlen(".txt")));
}

QString HistorySnapshots::fileName(const QString& documentName, qint64 seconds)
{
    return baseName(documentName) + QStringLiteral("---") + QString::number(seconds) + QStringLiteral(".txt");
}

QString HistorySnapshots::newPath(const QString& folder, const QString& documentName)
{
    const QDir dir(folder);
    qint64 seconds = QDateTime::currentSecsSinceEpoch();
    QString path = dir.filePath(fileName(documentName, seconds));
    for (int i = 0; QFileInfo::exists(path) && i < 1000; ++i)
        path = dir.filePath(fileName(documentName, ++seconds));
    return QFileInfo::exists(path) ? QString() : path;
}

QString HistorySnapshots::documentName(const QUrl& url)
{
    if (url.isLocalFile()) {
        const QFileInfo info(url.toLocalFile());
        if (info.fileName() == QLatin1String("index.txt"))
            return info.dir().dirName();
        return info.fileName();
    }
    return url.toString().split(QLatin1Char('/')).last();
}

void HistorySnapshots::setHistoryPath(const QUrl& value)
{
    if (value == m_historyPath)
        return;
    m_historyPath = value;
    emit m_parts.document->historyPathChanged();
}

QString HistorySnapshots::historyDir() const
{
    return m_historyPath.isLocalFile() ? m_historyPath.toLocalFile() : m_historyPath.toString();
}

void HistorySnapshots::setHistoryTime(int minutes)
{
    if (minutes == m_historyTime)
        return;
    m_historyTime = minutes;
    m_timer->stop();
    // No interval of zero: it would snapshot on every pass of the event loop.
    if (minutes > 0)
        m_timer->start(minutes * 60000);
    emit m_parts.document->historyTimeChanged();
}

void HistorySnapshots::setIsTmpModified(bool value)
{
    if (value == m_isTmpModified)
        return;
    m_isTmpModified = value;
    emit m_parts.document->isTmpModifiedChanged();
}

bool HistorySnapshots::saveTmpFile()
{
    if (m_historyPath.isEmpty() || m_parts.file->loading())
        return false;
    if (!m_isTmpModified)
        return true;
    const QString text = m_parts.whole->text();
    if (text.trimmed().isEmpty())
        return false;
    if (!saveTmpFile(m_parts.file->localPath(), text, historyDir()))
        return false;
    setIsTmpModified(false);
    return true;
}

bool HistorySnapshots::saveTmpFile(const QString& filePath, const QString& text, const QString& historyDir)
{
    if (m_historyPath.isEmpty())
        return false;
    const QString dir = historyDir.isEmpty() ? this->historyDir() : historyDir;
    const QString folder = QDir::cleanPath(QFileInfo(dir).absoluteFilePath()) + QLatin1Char('/');
    if (QFileInfo(filePath).absoluteFilePath().startsWith(folder))
        return false; // a snapshot is never snapshotted
    if (m_parts.file->readOnly() || text.trimmed().isEmpty())
        return false;
    return writeSnapshot(filePath, text, dir);
}

bool HistorySnapshots::writeSnapshot(const QString& filePath, const QString& text, const QString& historyDir)
{
    if (filePath.isEmpty() || historyDir.isEmpty())
        return false;
    const QString path = newPath(historyDir, documentName(QUrl::fromLocalFile(filePath)));
    if (path.isEmpty())
        return false;
    // Timed snapshots try again by themselves: a document is reported once.
    return WriteNotice::track(LazyTextDocument::tr("无法保存历史记录："), filePath,
                              UserFile::write(path, text.toUtf8(), UserFile::NewFileOnly | UserFile::CreateFolder));
}

namespace {
QString& fallback()
{
    static QString folder;
    return folder;
}
} // namespace

void HistorySnapshots::setFallbackFolder(const QString& folder)
{
    fallback() = folder;
}

QString HistorySnapshots::fallbackFolder()
{
    return fallback();
}

QString HistorySnapshots::keepUnsaved(const QString& filePath, const QByteArray& bytes)
{
    const QString name = documentName(QUrl::fromLocalFile(filePath));
    for (const QString& folder : { historyDir(), fallback() }) {
        if (folder.isEmpty())
            continue;
        const QString path = newPath(folder, name);
        if (path.isEmpty())
            continue;
        const UserFile::Result written = UserFile::write(path, bytes, UserFile::NewFileOnly | UserFile::CreateFolder);
        if (written) {
            logWarning(lcEditor) << "the unsaved text of" << filePath << "is kept in" << path;
            return path;
        }
        logWarning(lcEditor) << "the unsaved text of" << filePath << "cannot be kept in" << folder << written.error;
    }
    return QString();
}

namespace {
QString keptAtEndNote()
{
    return fallback().isEmpty() ? QString() : fallback() + QStringLiteral("/kept-at-end.txt");
}
} // namespace

void HistorySnapshots::noteKeptAtEnd(const QString& copy)
{
    const QString note = keptAtEndNote();
    if (note.isEmpty())
        return;
    QFile old(note);
    QByteArray lines = old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray();
    lines += copy.toUtf8() + '\n';
    const UserFile::Result written = UserFile::write(note, lines, UserFile::CreateFolder);
    if (!written)
        logWarning(lcEditor) << "cannot note" << copy << "for the next start:" << written.error;
}

QStringList HistorySnapshots::takeKeptAtEnd()
{
    const QString note = keptAtEndNote();
    QFile file(note);
    if (note.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QStringList();
    const QStringList copies = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    file.close();
    QFile::remove(note);
    return copies;
}
