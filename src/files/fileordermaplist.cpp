#include "fileordermaplist.h"

#include "data/global.h"
#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <algorithm>

namespace {
#include "pinyininitials.inc"

const QString kMyBooks = QStringLiteral("My Books");

// Every "\" becomes "/" unless the text starts with its first "\".
QString normaliseSeparators(QString text)
{
    const int first = text.indexOf(QLatin1Char('\\'));
    if (first > 0)
        text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return text;
}

bool isDigitUnit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return true;
    return u > 127 && c.category() == QChar::Number_DecimalDigit;
}

QString orderFile() { return global::documentPath() + QDir::separator() + QStringLiteral("books.list"); }
} // namespace

bool isUnicodeHz(unsigned short c) { return c >= 0x4E00 && c <= 0x9FA5; }

int getSyllableLetter(unsigned short c)
{
    if (!isUnicodeHz(c))
        return 126;
    return Pinyin_Table[c - 0x4E00];
}

QString getPinyin1Astr(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (isUnicodeHz(c.unicode()))
            c = QLatin1Char(char(getSyllableLetter(c.unicode())));
    }
    return result;
}

QStringList* fileordermaplist::fileOrderList = nullptr;
QStringList* fileordermaplist::fileOdrList_adapter = nullptr;
QString fileordermaplist::fileOrderStr;
QString fileordermaplist::orderFilePath;
QString fileordermaplist::renameAdaptOrderStr;
bool fileordermaplist::renaming = false;
QMutex fileordermaplist::orderMutex;
fileordermaplist* fileordermaplist::self = nullptr;

fileordermaplist::fileordermaplist()
{
    ensureLists();
    if (fileOrderStr.isEmpty())
        load();
}

void fileordermaplist::ensureLists()
{
    if (!fileOrderList)
        fileOrderList = new QStringList;
    if (!fileOdrList_adapter)
        fileOdrList_adapter = new QStringList;
}

fileordermaplist* fileordermaplist::init()
{
    ensureLists();
    return self;
}

void fileordermaplist::release()
{
    QMutexLocker lock(&orderMutex);
    delete fileOrderList;
    delete fileOdrList_adapter;
    fileOrderList = nullptr;
    fileOdrList_adapter = nullptr;
}

QString fileordermaplist::getShortPath(QString path)
{
    const int at = path.lastIndexOf(kMyBooks);
    if (at < 0)
        return path;
    QString text = path.mid(at + kMyBooks.size() + 1);
    text = normaliseSeparators(text);
    if (text.endsWith(QLatin1String("/index.txt")))
        text.chop(10);
    return text;
}

int fileordermaplist::strLogicCompare(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty()) {
        if (!a.isEmpty())
            return 1;
        return b.isEmpty() ? 0 : -1;
    }
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        const QChar ca = a.at(i);
        const QChar cb = b.at(j);
        if (isDigitUnit(ca) && isDigitUnit(cb)) {
            // Digit runs compare by value: leading zeros skipped, then the
            // longer significant run is larger, then digit by digit. This
            // needs no integer type, so runs of any length compare exactly.
            int ea = i;
            while (ea < a.size() && isDigitUnit(a.at(ea)))
                ++ea;
            int eb = j;
            while (eb < b.size() && isDigitUnit(b.at(eb)))
                ++eb;
            int sa = i;
            while (sa < ea - 1 && a.at(sa).digitValue() == 0)
                ++sa;
            int sb = j;
            while (sb < eb - 1 && b.at(sb).digitValue() == 0)
                ++sb;
            if (ea - sa != eb - sb)
                return ea - sa < eb - sb ? -1 : 1;
            for (int k = 0; k < ea - sa; ++k) {
                const int da = a.at(sa + k).digitValue();
                const int db = b.at(sb + k).digitValue();
                if (da != db)
                    return da < db ? -1 : 1;
            }
            if (ea - i != eb - j)
                return ea - i > eb - j ? -1 : 1;
            i = ea;
            j = eb;
            continue;
        }
        const ushort ua = ca.unicode();
        const ushort ub = cb.unicode();
        if (ua > 127 || ub > 127) {
            if (ua <= 127)
                return -1;
            if (ub <= 127)
                return 1;
            const int la = getSyllableLetter(ua);
            const int lb = getSyllableLetter(ub);
            if (la != lb)
                return la < lb ? -1 : 1;
        }
        if (ua != ub)
            return ua < ub ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

void fileordermaplist::swapIn(const QStringList& list)
{
    ensureLists();
    fileOdrList_adapter->clear();
    *fileOdrList_adapter = list;
    QMutexLocker lock(&orderMutex);
    std::swap(fileOrderList, fileOdrList_adapter);
}

bool fileordermaplist::load()
{
    ensureLists();
    orderFilePath = orderFile();
    QFile file(orderFilePath);
    if (!file.exists() || !file.open(QIODevice::ReadOnly) || file.size() == 0) {
        virtualLoad();
        return false;
    }
    QByteArray bytes = file.readAll();
    file.close();
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    const QString text = QString::fromUtf8(bytes);
    if (text.isEmpty()) {
        virtualLoad();
        return false;
    }
    fileOrderStr = text;
    const QStringList lines = normaliseSeparators(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString root = global::documentPath();
    QStringList kept;
    QStringList keptTrimmed;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("<<<")) || line.startsWith(QLatin1String("===")))
            continue;
        const QString trimmed = line.trimmed();
        if (!QFileInfo::exists(root + QDir::separator() + trimmed))
            continue;
        if (keptTrimmed.contains(trimmed)) {
            logDebug(lcFiles) << "fileordermaplist::load: skip the reduplicated of " << line;
            continue;
        }
        kept.append(line);
        keptTrimmed.append(trimmed);
    }
    if (!fileOrderList->isEmpty()) {
        swapIn(kept);
    } else {
        QMutexLocker lock(&orderMutex);
        fileOrderList->append(kept);
    }
    return true;
}

void fileordermaplist::virtualLoad()
{
    ensureLists();
    const QString root = global::documentPath();
    const QString nativeRoot = QDir::toNativeSeparators(QDir(root).absolutePath());
    const QFileInfoList folders = QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::LocaleAware);
    QStringList names;
    for (const QFileInfo& info : folders) {
        const QString base = info.fileName().section(QLatin1Char('.'), 0, 0);
        if (!QDir::toNativeSeparators(info.absoluteFilePath()).startsWith(nativeRoot))
            continue;
        if (base.isEmpty() || base == QLatin1String("cache") || base == QLatin1String(".git"))
            continue;
        names.append(info.fileName());
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return strLogicCompare(a, b) < 0; });
    for (const QString& name : names) {
        QStringList below;
        getObjectOrderList(name, below);
        {
            QMutexLocker lock(&orderMutex);
            fileOrderList->append(name);
            fileOrderList->append(below);
        }
        if (!fileOrderStr.isEmpty())
            fileOrderStr += QLatin1Char('\n');
        fileOrderStr += name;
    }
}

int fileordermaplist::getObjectOrderList(const QString& prefix, QStringList& out)
{
    const QString root = global::documentPath();
    const QDir folder(root + QLatin1Char('/') + prefix);
    const int slash = prefix.indexOf(QLatin1Char('/'));
    const bool book = slash <= 0;
    QFileInfoList entries;
    if (book) {
        entries = folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    } else {
        for (const QFileInfo& info : folder.entryInfoList({ QStringLiteral("*.txt") }, QDir::Files, QDir::Name)) {
            if (info.fileName() != QLatin1String("index.txt"))
                entries.append(info);
        }
    }
    QStringList shortPaths;
    for (const QFileInfo& info : entries) {
        const QString shortPath = getShortPath(info.absoluteFilePath());
        if (shortPath.isEmpty() || shortPath.size() < prefix.size() || shortPath == prefix)
            continue;
        if (book && shortPath == root)
            continue;
        shortPaths.append(shortPath);
    }
    std::stable_sort(shortPaths.begin(), shortPaths.end(), &fileordermaplist::LonelyCompare);
    for (const QString& shortPath : shortPaths) {
        out.append(shortPath);
        if (book)
            getObjectOrderList(shortPath, out);
    }
    return out.size();
}

bool fileordermaplist::save()
{
    ensureLists();
    orderFilePath = orderFile();
    if (fileOrderList->isEmpty())
        return false;
    QString text;
    QStringList written;
    for (const QString& entry : *fileOrderList) {
        if (entry.isEmpty())
            continue;
        if (written.contains(entry)) {
            logDebug(lcFiles) << "fileordermaplist::save: skip the reduplicated of " << entry;
            continue;
        }
        written.append(entry);
        text += entry + QLatin1Char('\n');
    }
    if (written.isEmpty())
        return false;
    const UserFile::Result saved = UserFile::write(orderFilePath, text.toUtf8(), UserFile::NoOptions);
    if (!saved) {
        WriteNotice::show(QCoreApplication::translate("fileordermaplist", "无法保存书籍顺序："), orderFilePath, saved.error);
        return false;
    }
    fileOrderStr = text;
    return true;
}

void fileordermaplist::loadIfEmpty()
{
    ensureLists();
    if (fileOrderList->isEmpty())
        load();
}

int fileordermaplist::indexOfEntry(const QString& entry)
{
    for (int i = 0; i < fileOrderList->size(); ++i) {
        if (fileOrderList->at(i).trimmed() == entry)
            return i;
    }
    return -1;
}

void fileordermaplist::append(const QString& path, bool save)
{
    loadIfEmpty();
    const QString entry = getShortPath(path).trimmed();
    logDebug(lcFiles) << "fileordermaplist::append:" << entry;
    {
        QMutexLocker lock(&orderMutex);
        if (fileOrderList->contains(entry, Qt::CaseInsensitive))
            return;
        fileOrderList->append(entry);
    }
    if (save)
        fileordermaplist::save();
}

bool fileordermaplist::append(QStringList& paths)
{
    loadIfEmpty();
    {
        QMutexLocker lock(&orderMutex);
        fileOrderList->append(paths);
    }
    return save();
}

void fileordermaplist::insertAt(const QString& path, const QString& anchor, bool after, bool save)
{
    loadIfEmpty();
    const QString entry = getShortPath(path).trimmed();
    const QString anchorEntry = getShortPath(anchor).trimmed();
    logDebug(lcFiles) << entry << (after ? " would be inserted after the " : " would be inserted before the ") << anchorEntry;
    {
        QMutexLocker lock(&orderMutex);
        const int at = indexOfEntry(anchorEntry);
        if (at < 0)
            fileOrderList->append(entry);
        else
            fileOrderList->insert(after ? at + 1 : at, entry);
    }
    if (save)
        fileordermaplist::save();
}

void fileordermaplist::insertBefore(const QString& path, QString anchor, bool save) { insertAt(path, anchor, false, save); }
void fileordermaplist::insertAfter(const QString& path, QString anchor, bool save) { insertAt(path, anchor, true, save); }

bool fileordermaplist::insertBefore(QStringList& paths, QString anchor)
{
    for (const QString& path : paths)
        insertAt(path, anchor, false, false);
    return save();
}

bool fileordermaplist::insertAfter(QStringList& paths, QString anchor)
{
    // Each path goes after the one before it, so the group keeps its order.
    QString previous = anchor;
    for (const QString& path : paths) {
        insertAt(path, previous, true, false);
        previous = path;
    }
    return save();
}

void fileordermaplist::remove(const QString& path)
{
    loadIfEmpty();
    const QString entry = getShortPath(path).trimmed();
    bool changed = false;
    {
        QMutexLocker lock(&orderMutex);
        const bool folder = !entry.endsWith(QLatin1String(".txt"));
        const QString below = entry + QLatin1Char('/');
        for (int i = fileOrderList->size() - 1; i >= 0; --i) {
            const QString item = fileOrderList->at(i).trimmed();
            if (item == entry || (folder && item.startsWith(below))) {
                fileOrderList->removeAt(i);
                changed = true;
            }
        }
    }
    if (changed)
        save();
}

QStringList fileordermaplist::renamedList(const QString& from, const QString& to, bool* listed)
{
    const QString oldEntry = getShortPath(from).trimmed();
    QString newEntry = getShortPath(to).trimmed();
    const bool oldTxt = oldEntry.endsWith(QLatin1String(".txt"));
    if (oldTxt && !newEntry.endsWith(QLatin1String(".txt")))
        newEntry += QStringLiteral(".txt");
    else if (!oldTxt && newEntry.endsWith(QLatin1String(".txt")))
        newEntry.chop(4);
    QStringList list = *fileOrderList;
    *listed = false;
    const QString below = oldEntry + QLatin1Char('/');
    for (QString& item : list) {
        const QString trimmed = item.trimmed();
        if (trimmed == oldEntry) {
            item = newEntry;
            *listed = true;
        } else if (!oldTxt && trimmed.startsWith(below)) {
            item = newEntry + QLatin1Char('/') + trimmed.mid(below.size());
        }
    }
    return list;
}

void fileordermaplist::rename(const QString& from, const QString& to, bool save)
{
    loadIfEmpty();
    bool listed = false;
    const QStringList list = renamedList(from, to, &listed);
    if (!listed) {
        append(to, true);
        return;
    }
    swapIn(list);
    if (save)
        fileordermaplist::save();
}

void fileordermaplist::pickObjectByPrefix(const QString& prefix, int level, QStringList& out, int& index)
{
    ensureLists();
    QMutexLocker lock(&orderMutex);
    for (int i = 0; i < fileOrderList->size();) {
        const QString item = fileOrderList->at(i).trimmed();
        const int slashes = item.count(QLatin1Char('/'));
        if (item.startsWith(prefix) && (slashes == level || (level == 1 && slashes == 2))) {
            out.append(fileOrderList->takeAt(i));
            if (i < index)
                --index;
        } else {
            ++i;
        }
    }
}

int fileordermaplist::move(const QString& from, const QString& to)
{
    loadIfEmpty();
    const QString fromEntry = getShortPath(from).trimmed();
    const QString toEntry = getShortPath(to).trimmed();
    int from_at = indexOfEntry(fromEntry);
    int to_at = indexOfEntry(toEntry);
    if (from_at < 0 || to_at < 0)
        return -1;
    if (from_at == to_at)
        return 0;
    QStringList moved;
    {
        QMutexLocker lock(&orderMutex);
        moved.append(fileOrderList->takeAt(from_at));
        if (from_at < to_at)
            --to_at;
    }
    if (!fromEntry.endsWith(QLatin1String(".txt")))
        pickObjectByPrefix(fromEntry + QLatin1Char('/'), fromEntry.count(QLatin1Char('/')) + 1, moved, to_at);
    {
        QMutexLocker lock(&orderMutex);
        for (int k = 0; k < moved.size(); ++k)
            fileOrderList->insert(to_at + k, moved.at(k));
    }
    save();
    return 0;
}

bool fileordermaplist::setFileList(QStringList list)
{
    list.removeAll(QString());
    swapIn(list);
    return save();
}

bool fileordermaplist::setFileList(QString text)
{
    return setFileList(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
}

bool fileordermaplist::savetmp(QStringList list)
{
    loadIfEmpty();
    for (int i = 0; i < list.size(); ++i) {
        if (indexOfEntry(getShortPath(list.at(i)).trimmed()) >= 0)
            continue;
        if (i > 0)
            insertAfter(list.at(i), list.at(i - 1), false);
        else if (list.size() > 1)
            insertBefore(list.at(i), list.at(i + 1), false);
        else
            append(list.at(i), false);
    }
    return save();
}

void fileordermaplist::beginRename(const QString& from, const QString& to)
{
    loadIfEmpty();
    renaming = true;
    bool listed = false;
    const QStringList list = renamedList(from, to, &listed);
    renameAdaptOrderStr.clear();
    for (const QString& item : list) {
        if (!item.isEmpty())
            renameAdaptOrderStr += item + QLatin1Char('\n');
    }
    logDebug(lcFiles) << "file order list rename prepared.";
}

void fileordermaplist::endRename(bool ok)
{
    if (ok && !renameAdaptOrderStr.isEmpty()) {
        // The list follows the written text, so a later save keeps the rename.
        swapIn(renameAdaptOrderStr.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
        if (save())
            fileOrderStr = renameAdaptOrderStr;
    }
    renameAdaptOrderStr.clear();
    renaming = false;
}

bool fileordermaplist::isNext(QString a, QString b)
{
    ensureLists();
    a = getShortPath(a).trimmed();
    b = getShortPath(b).trimmed();
    int ia = -1;
    int ib = -1;
    {
        QMutexLocker lock(&orderMutex);
        ia = indexOfEntry(a);
        ib = indexOfEntry(b);
    }
    if (ia < 0 || ib < 0)
        return strLogicCompare(a, b) < 0;
    return ia < ib;
}

bool fileordermaplist::LonelyCompare(const QString& a, const QString& b)
{
    ensureLists();
    const int ia = indexOfEntry(a.trimmed());
    const int ib = indexOfEntry(b.trimmed());
    if (ia >= 0 && ib >= 0)
        return ia < ib;
    if (ia >= 0 || ib >= 0)
        return ia >= 0;
    return strLogicCompare(a, b) < 0;
}

QStringList fileordermaplist::getFileList()
{
    loadIfEmpty();
    return *fileOrderList;
}

bool fileordermaplist::booksListReload() { return load(); }

bool fileordermaplist::isEmpty()
{
    ensureLists();
    return fileOrderList->isEmpty();
}
