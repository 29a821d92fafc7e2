#include "markmodel.h"

#include "support/log.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QFileSystemWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include "support/userfile.h"
#include "support/writenotice.h"
#include <cmath>

namespace {
const QStringList kPalette = { QStringLiteral("#f44336"), QStringLiteral("#ff9800"), QStringLiteral("#ffeb3b"),
                               QStringLiteral("#4caf50"), QStringLiteral("#03a9f4"), QStringLiteral("#3f51b5"),
                               QStringLiteral("#9c27b0"), QStringLiteral("#673ab7") };

// Whole numbers in the 32-bit range only; anything else reads as 0.
qint64 readTime(const QJsonValue& value)
{
    if (!value.isDouble())
        return 0;
    const double d = value.toDouble();
    if (std::floor(d) != d || d < double(INT32_MIN) || d > double(INT32_MAX))
        return 0;
    return qint64(d);
}

MarkModel::MarkMap marksFromJson(const QJsonDocument& document)
{
    MarkModel::MarkMap marks;
    const QJsonArray array = document.object().value(QStringLiteral("marks")).toArray();
    for (const QJsonValue& value : array) {
        const QJsonObject object = value.toObject();
        MarkModel::MarkItem item;
        item.color = object.value(QStringLiteral("color")).toString();
        item.word = object.value(QStringLiteral("word")).toString();
        item.note = object.value(QStringLiteral("note")).toString();
        item.time = readTime(object.value(QStringLiteral("time")));
        marks.insert(item.word, item);
    }
    return marks;
}

// A copy of a mark file that could not be parsed, beside it, so that the
// next save does not lose what it held.
void keepAside(const QString& path, const QByteArray& bytes)
{
    const QString stamp = QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyyMMddhhmmss"));
    QString target = path + QStringLiteral(".broken-") + stamp;
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".broken-") + stamp + QLatin1Char('-') + QString::number(n);
    const UserFile::Result kept = UserFile::write(target, bytes, UserFile::NewFileOnly);
    if (kept)
        logWarning(lcEditor) << "malformed mark file kept as" << target;
    else
        logWarning(lcEditor) << "malformed mark file could not be kept aside:" << path << kept.error;
}
}

MarkModel::MarkModel(QObject* parent)
    : QObject(parent)
    , m_colorList(kPalette)
{
}

void MarkModel::setColorList(const QStringList& list)
{
    if (m_colorList == list)
        return;
    m_colorList = list;
    emit colorListChanged();
}

void MarkModel::setWordList(const QStringList& list)
{
    if (m_wordList == list)
        return;
    m_wordList = list;
    emit wordListChanged();
}

void MarkModel::setFileName(const QUrl& url)
{
    if (m_fileName == url)
        return;
    m_fileName = url;
    emit fileNameChanged();
    const QString path = markFileName();
    loadJsonFile(path);
    if (QFileInfo::exists(path))
        watch(path);
}

QString MarkModel::markFileOf(const QString& documentPath)
{
    const int slash = documentPath.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? documentPath : documentPath.left(slash);
    return folder + QStringLiteral("/.index.mark");
}

QString MarkModel::markFileName() const
{
    const QString path = m_fileName.isLocalFile() ? m_fileName.toLocalFile() : m_fileName.toString();
    return markFileOf(path);
}

void MarkModel::loadFile()
{
    loadJsonFile(markFileName());
}

bool MarkModel::saveFile()
{
    return saveJsonFile(markFileName());
}

void MarkModel::loadJsonFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        logDebug(lcEditor) << "Can't open json file:" << path << "fileName:" << m_fileName;
        m_unreadablePath = file.exists() ? path : QString();
        // The marks of another folder are not carried into this one.
        if (!m_marks.isEmpty() || !m_wordList.isEmpty()) {
            m_marks.clear();
            m_wordList.clear();
            m_colorList = kPalette;
            emit markModelChanged();
        }
        return;
    }
    m_unreadablePath.clear();
    const QByteArray bytes = file.readAll();
    file.close();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError && !bytes.trimmed().isEmpty()) {
        logWarning(lcEditor) << "json error:" << error.errorString() << path;
        keepAside(path, bytes);
    }
    m_marks = marksFromJson(document);
    m_wordList.clear();
    m_colorList.clear();
    for (const MarkItem& item : qAsConst(m_marks)) {
        if (!m_wordList.contains(item.word))
            m_wordList << item.word;
        if (!m_colorList.contains(item.color))
            m_colorList << item.color;
    }
    emit markModelChanged();
}

QByteArray MarkModel::toJson(const MarkMap& marks, bool compact)
{
    QJsonArray array;
    for (const MarkItem& item : marks) {
        QJsonObject object;
        object.insert(QStringLiteral("color"), item.color);
        object.insert(QStringLiteral("note"), item.note);
        object.insert(QStringLiteral("time"), double(item.time));
        object.insert(QStringLiteral("word"), item.word);
        array.append(object);
    }
    QJsonObject root;
    root.insert(QStringLiteral("marks"), array);
    return QJsonDocument(root).toJson(compact ? QJsonDocument::Compact : QJsonDocument::Indented);
}

bool MarkModel::saveJsonFile(const QString& path)
{
    // The marks stay changed in memory and go out with the next save.
    if (!m_unreadablePath.isEmpty() && m_unreadablePath == path) {
        logWarning(lcEditor) << "Can't open file " << path << "fileName:" << m_fileName << "(not readable, left as it is)";
        WriteNotice::show(tr("无法保存标记："), path, tr("文件无法读取，未覆盖"));
        return false;
    }
    const UserFile::Result written = UserFile::write(path, toJson(m_marks, false), UserFile::NoOptions);
    if (!written) {
        logWarning(lcEditor) << "Can't write file " << path << "fileName:" << m_fileName;
        WriteNotice::show(tr("无法保存标记："), path, written.error);
        return false;
    }
    // The file was replaced by a new one: the watch follows it.
    if (m_watcher && !m_watcher->files().contains(path))
        m_watcher->addPath(path);
    return true;
}

void MarkModel::watch(const QString& path)
{
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &MarkModel::fileChanged);
    }
    if (!m_watcher->files().contains(path))
        m_watcher->addPath(path);
}

void MarkModel::fileChanged(const QString& path)
{
    if (path != markFileName())
        return;
    loadFile();
    // A file replaced on disk drops out of the watch; take it up again.
    if (QFileInfo::exists(path))
        watch(path);
}

void MarkModel::setMark(QString word, const QString& color, QString note)
{
    word = word.trimmed();
    note = note.trimmed().left(maxNoteLength);
    if (word.isEmpty() || color.isEmpty())
        return;
    const bool existed = m_marks.contains(word);
    if (existed) {
        const MarkItem& old = m_marks[word];
        if (old.color == color && old.note == note)
            return;
    }
    m_marks.insert(word, MarkItem { color, word, note, QDateTime::currentSecsSinceEpoch() });
    if (!m_colorList.contains(color)) {
        m_colorList << color;
        emit colorListChanged();
    }
    if (!existed) {
        m_wordList << word;
        emit wordListChanged();
    }
    saveFile();
    emit markModelChanged();
}

void MarkModel::deleteMark(const QString& word)
{
    logDebug(lcEditor) << "deleteMark:" << word;
    if (m_marks.remove(word) == 0)
        logDebug(lcEditor) << "deleteMark:" << word << "not exist";
    if (m_wordList.removeOne(word))
        emit wordListChanged();
    else
        logDebug(lcEditor) << "deleteMark:" << word << "not exist";
    emit markModelChanged();
    saveFile();
}

QString MarkModel::getColor(const QString& word) const
{
    return m_marks.value(word).color;
}

QString MarkModel::getNote(const QString& word) const
{
    return m_marks.value(word).note;
}

bool MarkModel::isExist(const QString& word) const
{
    return m_marks.contains(word);
}

QString MarkModel::markTextRegex() const
{
    QStringList parts;
    for (const QString& word : m_wordList) {
        if (!word.isEmpty())
            parts << QRegularExpression::escape(word);
    }
    return parts.join(QLatin1Char('|'));
}

MarkModel::MarkMap MarkModel::jsonFileToMarkItem(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        logWarning(lcEditor) << "open file error:" << path;
        return {};
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        logWarning(lcEditor) << "json error:" << error.errorString();
        return {};
    }
    return marksFromJson(document);
}

QString MarkModel::mergeJsonFiles(const QString& path1, const QString& path2)
{
    const MarkMap first = jsonFileToMarkItem(path1);
    const MarkMap second = jsonFileToMarkItem(path2);
    MarkMap result;
    for (const MarkItem& item : first) {
        auto other = second.constFind(item.word);
        if (other != second.constEnd() && other->time >= item.time)
            result.insert(item.word, *other);
        else
            result.insert(item.word, item);
    }
    for (const MarkItem& item : second) {
        if (!result.contains(item.word))
            result.insert(item.word, item);
    }
    return QString::fromUtf8(toJson(result, true));
}
