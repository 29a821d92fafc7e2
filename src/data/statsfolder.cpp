#include "statsfolder.h"

#include "data/datatypeclass.h"
#include "data/devicedataclass.h"
#include "data/statsfile.h"
#include "support/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QUrl>

#include <cstdio>

namespace {
const char kOwnerFile[] = "account";
const char kFoldedFile[] = "folded";

// The name with every decimal digit of any script as its ASCII digit.
QString asciiDigits(const QString& name)
{
    QString result = name;
    for (QChar& c : result) {
        if (c.isDigit() && c.unicode() > 0x7f)
            c = QLatin1Char(char('0' + c.digitValue()));
    }
    return result;
}

// Both records hold the same period, written apart (under two names):
// every device's words and seconds add up.
void addRecord(DataTypeClass& into, const DataTypeClass& from)
{
    if (into.beginTime() <= 0 || (from.beginTime() > 0 && from.beginTime() < into.beginTime()))
        into.setBeginTime(from.beginTime());
    into.setEndTime(qMax(into.endTime(), from.endTime()));
    for (const QPointer<DeviceDataClass>& d : from.deviceList()) {
        if (!d)
            continue;
        DeviceDataClass* same = nullptr;
        for (const QPointer<DeviceDataClass>& e : into.deviceList()) {
            if (e && e->deviceId() == d->deviceId())
                same = e;
        }
        if (!same) {
            same = new DeviceDataClass(&into);
            same->setDeviceId(d->deviceId());
            same->setDeviceName(d->deviceName());
            same->setBeginTime(d->beginTime());
            into.addDeviceData(same);
        }
        same->setWords(same->words() + d->words());
        same->setSecond(same->second() + d->second());
        if (d->beginTime() > 0 && (same->beginTime() <= 0 || d->beginTime() < same->beginTime()))
            same->setBeginTime(d->beginTime());
        same->setEndTime(qMax(same->endTime(), d->endTime()));
        same->setMaxSpeed(qMax(same->maxSpeed(), d->maxSpeed()));
    }
    into.updateFromDeviceData();
}

// The folds below read the foreign file and the target and write their sum
// to `sum`, leaving both as they are.
bool foldRecord(const QString& foreign, const QString& target, const QString& sum)
{
    DataTypeClass from(DataTypeClass::notSet);
    from.loadFromJsonFile(foreign);
    if (!from.ok())
        return false;
    DataTypeClass into(DataTypeClass::notSet);
    into.loadFromJsonFile(target);
    if (QFileInfo::exists(target) && !into.ok())
        return false;
    addRecord(into, from);
    return bool(into.saveToJsonFile(sum));
}

QMap<QString, QPair<int, int>> readTable(const QString& path, bool* ok)
{
    QMap<QString, QPair<int, int>> table; // key: initial and current count
    QFile file(path);
    if (!file.exists()) {
        *ok = true;
        return table;
    }
    const QJsonDocument doc = file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()) : QJsonDocument();
    *ok = doc.isArray();
    for (const QJsonValue& v : doc.array()) {
        const QJsonObject o = v.toObject();
        table.insert(o.value(QStringLiteral("path")).toString(),
            qMakePair(o.value(QStringLiteral("initi")).toInt(), o.value(QStringLiteral("now")).toInt()));
    }
    return table;
}

// The two tables of one day: a document's changes add up, and its current
// count is that of the table written last.
bool foldTable(const QString& foreign, const QString& target, const QString& sum)
{
    bool fromOk = false;
    bool intoOk = false;
    const auto from = readTable(foreign, &fromOk);
    auto into = readTable(target, &intoOk);
    if (!fromOk || !intoOk)
        return false;
    const bool fromIsLater = QFileInfo(foreign).lastModified() > QFileInfo(target).lastModified();
    for (auto it = from.constBegin(); it != from.constEnd(); ++it) {
        if (!into.contains(it.key())) {
            into.insert(it.key(), it.value());
            continue;
        }
        const QPair<int, int> held = into.value(it.key());
        const int change = (held.second - held.first) + (it.value().second - it.value().first);
        const int now = fromIsLater ? it.value().second : held.second;
        into.insert(it.key(), qMakePair(now - change, now));
    }
    QJsonArray array;
    for (auto it = into.constBegin(); it != into.constEnd(); ++it) {
        QJsonObject o;
        o.insert(QStringLiteral("path"), it.key());
        o.insert(QStringLiteral("now"), it.value().second);
        o.insert(QStringLiteral("initi"), it.value().first);
        array.append(o);
    }
    return bool(StatsFile::write(sum, QJsonDocument(array).toJson(QJsonDocument::Indented)));
}

// Where a fold writes its sum before it takes the target's place.
QString sumPath(const QString& foreign) { return foreign + QStringLiteral(".fold"); }

// The sum takes the target's place in one step.
bool commitSum(const QString& sum, const QString& target)
{
    if (std::rename(QFile::encodeName(sum).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    logWarning(lcStats) << "could not put the folded statistics in place:" << target << "; the next start tries again";
    return false;
}

bool writeList(const QString& path, const QStringList& entries)
{
    return entries.isEmpty() ? !QFile::exists(path) || QFile::remove(path)
                             : bool(StatsFile::write(path, entries.join(QLatin1Char('\n')).toUtf8()));
}
} // namespace

QString StatsFolder::dateText(const QDate& date, const QString& format) { return QLocale::c().toString(date, format); }

int StatsFolder::foldForeignNames(const QString& root)
{
    // A fold is done in three steps, each whole at any stop: the sum of the
    // foreign file and its target is written beside them (<foreign>.fold),
    // the foreign file is removed, and the sum takes the target's place. The
    // removal is the moment the fold counts: a sum whose foreign file is
    // still there is dropped and the fold made again; one whose foreign file
    // is gone is put in place. A foreign file that cannot be removed is
    // noted in the list before its sum is put in place, and a noted file is
    // never folded again.
    const QString listPath = root + QLatin1Char('/') + QLatin1String(kFoldedFile);
    QFile listFile(listPath);
    QStringList noted;
    if (listFile.open(QIODevice::ReadOnly))
        noted = QString::fromUtf8(listFile.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList staying;
    int folded = 0;
    for (const char* kind : { "day", "week", "month", "year" }) {
        const QDir dir(root + QLatin1Char('/') + QLatin1String(kind));
        // Sums a stop left behind.
        for (const QString& name : dir.entryList({ QStringLiteral("*.json.fold") }, QDir::Files)) {
            const QString foreignName = name.chopped(5);
            const QString entry = QLatin1String(kind) + QLatin1Char('/') + foreignName;
            if (QFileInfo::exists(dir.filePath(foreignName)) && !noted.contains(entry))
                QFile::remove(dir.filePath(name));
            else
                commitSum(dir.filePath(name), dir.filePath(asciiDigits(foreignName)));
        }
        for (const QString& name : dir.entryList({ QStringLiteral("*.json") }, QDir::Files)) {
            const QString ascii = asciiDigits(name);
            if (ascii == name)
                continue;
            const QString foreign = dir.filePath(name);
            const QString target = dir.filePath(ascii);
            const QString entry = QLatin1String(kind) + QLatin1Char('/') + name;
            if (noted.contains(entry)) {
                if (!QFile::remove(foreign))
                    staying.append(entry);
                continue;
            }
            const QString sum = sumPath(foreign);
            if (!(name.endsWith(QLatin1String("_file.json")) ? foldTable(foreign, target, sum) : foldRecord(foreign, target, sum))) {
                logWarning(lcStats) << "could not fold" << foreign << "into" << ascii;
                QFile::remove(sum);
                continue;
            }
            if (!QFile::remove(foreign)) {
                noted.append(entry);
                if (!writeList(listPath, noted)) {
                    logWarning(lcStats) << "statistics of" << foreign << "cannot be removed nor noted; not folded";
                    noted.removeLast();
                    QFile::remove(sum);
                    continue;
                }
                logWarning(lcStats) << "statistics of" << foreign << "folded in but the file stays; it is not folded again";
                staying.append(entry);
            }
            commitSum(sum, target);
            ++folded;
        }
    }
    // Noted files no longer there leave the list.
    if (staying != noted && !writeList(listPath, staying))
        logWarning(lcStats) << "could not update" << listPath;
    return folded;
}

QString StatsFolder::owner(const QString& root)
{
    QFile file(root + QLatin1Char('/') + QLatin1String(kOwnerFile));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool StatsFolder::setOwner(const QString& root, const QString& login)
{
    return bool(StatsFile::write(root + QLatin1Char('/') + QLatin1String(kOwnerFile), login.toUtf8()));
}

// Beside the statistics folder, one folder per account, named so that no
// login name can reach out of it.
QString StatsFolder::asideFolder(const QString& root, const QString& login)
{
    return QFileInfo(root).absolutePath() + QStringLiteral("/count-accounts/")
        + QString::fromLatin1(QUrl::toPercentEncoding(login, QByteArray(), ".~"));
}

StatsFolder::Adoption StatsFolder::adopt(const QString& root, const QString& login)
{
    const QString held = owner(root);
    if (held == login)
        return Adoption::Kept;
    if (held.isEmpty())
        return setOwner(root, login) ? Adoption::Taken : Adoption::Failed;
    const QString aside = asideFolder(root, held);
    QDir().mkpath(QFileInfo(aside).absolutePath());
    if (QFileInfo::exists(aside) && !QDir().rmdir(aside)) {
        logWarning(lcStats) << "statistics of another account already kept at" << aside;
        return Adoption::Failed;
    }
    if (!QDir().rename(root, aside)) {
        logWarning(lcStats) << "could not put aside the statistics folder" << root;
        return Adoption::Failed;
    }
    const QString own = asideFolder(root, login);
    const bool hadOwn = QFileInfo::exists(own);
    bool taken = hadOwn ? QDir().rename(own, root) : QDir().mkpath(root);
    if (taken && !setOwner(root, login)) {
        if (hadOwn)
            QDir().rename(root, own);
        else
            QDir(root).removeRecursively();
        taken = false;
    }
    if (!taken) {
        // The other account's folder goes back: nothing of either is lost.
        logWarning(lcStats) << "could not take up the statistics of the account";
        QDir().rename(aside, root);
        return Adoption::Failed;
    }
    return Adoption::Switched;
}
