#include "global.h"

#include "data/serviceconfig.h"
#include "data/settings.h"
#include "data/settingsfile.h"
#include "data/settingslock.h"
#include "data/signalobject.h"
#include "files/librarypath.h"
#include "function/oss.h"
#include "TovaUi/function/keys.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/osinfo.h"
#include "TovaUi/function/settingsgate.h"
#include "locker/locker.h"
#include "TovaUi/textarea/documentfile.h"
#include "TovaUi/textarea/historysnapshots.h"
#include "sound/sound.h"
#include "support/log.h"
#include "support/userfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMetaObject>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QSettings>
#include <QUrlQuery>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

QAtomicPointer<global> global::self;
QMutex global::mutex;

namespace {
const char kVersion[] = "2.0.13";
const char kVersionType[] = "Master";
// How long start-up waits for a settings lock another program holds.
const int kSettingsLockWaitMs = 3000;

QString ensureDir(const QString& path)
{
    QDir().mkpath(path);
    return path;
}
} // namespace

global* global::instancePtr()
{
    global* g = self.loadAcquire();
    if (!g) {
        QMutexLocker lock(&mutex);
        g = self.loadAcquire();
        if (!g) {
            g = new global();
            self.storeRelease(g);
        }
    }
    return g;
}

global* global::instance() { return instancePtr(); }

global::global()
    : QObject(nullptr)
{
    QCoreApplication::setApplicationName(QStringLiteral("Penlark"));
    // INI text, with writes checked before they replace the file.
    QSettings::setDefaultFormat(SettingsFile::format());
    QSettings::setPath(SettingsFile::format(), QSettings::UserScope, dataPath() + QStringLiteral("/Settings/"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("Unknown Organization"));
    // Before the first settings write, which would wait for it.
    clearStaleLock(settingsFileName() + QStringLiteral(".lock"));
    SettingsLock::settle(settingsFileName(), SettingsFile::format(), kSettingsLockWaitMs);
    SettingsGate::setCheck(SettingsLock::beforeWrite);
    protectSettingsFile();
    reloadSetting();
}

QString global::settingsFileName()
{
    return dataPath() + QStringLiteral("/Settings/Unknown Organization/Penlark.ini");
}

// The INI file holds the account password: it is readable by its owner only.
// QSettings rewrites the file through a save file that keeps the permissions
// of the file it replaces, so fixing them once here is enough.
void global::protectSettingsFile()
{
    const QString path = settingsFileName();
    if (!QFileInfo::exists(path) && !UserFile::write(path, QByteArray(), UserFile::NewFileOnly | UserFile::CreateFolder))
        return;
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// QSettings waits up to half a minute for its lock file before it takes it
// as stale, and a lock a crash left empty looks like a live one until then.
// A live holder keeps an exclusive native lock on the file for as long as it
// holds it (QLockFile's flock), so a lock file that nobody has locked is a
// leftover.
bool global::clearStaleLock(const QString& lockPath)
{
    const QByteArray name = QFile::encodeName(lockPath);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool removed = false;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        logDebug(lcApp) << "removing a stale lock:" << lockPath;
        removed = ::unlink(name.constData()) == 0;
    }
    ::close(fd);
    return removed;
}

QStringList global::defaultChapterKeys()
{
    return QStringLiteral("第*章|第*节|第*幕|第*回|第*话|第*章|第*節|第*幕|第*話|第*回|Chapter|#|chapter")
        .split(QLatin1Char('|'));
}

// ---- lazily created shared objects -------------------------------------

Settings* global::settings()
{
    if (!m_settings)
        m_settings = new Settings();
    return m_settings;
}

Locker* global::locker()
{
    if (!m_locker)
        m_locker = new Locker();
    return m_locker;
}

sound* global::getSound()
{
    if (!m_sound)
        m_sound = new sound();
    return m_sound;
}

keys* global::getKeys()
{
    if (!m_keys)
        m_keys = new keys();
    return m_keys;
}

SignalObject* global::signalObject()
{
    if (!m_signalObject)
        m_signalObject = new SignalObject();
    return m_signalObject;
}

QNetworkAccessManager* global::NetworkAccessManager()
{
    if (!m_networkAccessManager)
        m_networkAccessManager = new QNetworkAccessManager();
    return m_networkAccessManager;
}

void global::resetNetworkAccessManager()
{
    if (m_networkAccessManager)
        m_networkAccessManager->deleteLater();
    m_networkAccessManager = new QNetworkAccessManager();
}

oss* global::getOss()
{
    if (!m_oss)
        m_oss = new oss();
    return m_oss;
}

// ---- settings mirrors -----------------------------------------------------

void global::reloadSetting()
{
    QSettings s;
    QString raw = s.value(QStringLiteral("Chapter/AutoChapterKeys"), QString()).toString();
    raw.replace(QLatin1Char('\n'), QLatin1Char(';'));
    raw.replace(QLatin1Char('|'), QLatin1Char(';'));
    // Blank patterns are dropped: an empty pattern would end every title
    // test early and switch off the patterns after it. The default list
    // applies here, once, so readers never modify state.
    QStringList keys = raw.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (keys.isEmpty())
        keys = defaultChapterKeys();
    bool changed = false;
    {
        QMutexLocker lock(&m_keysMutex);
        changed = m_autoChapterKeys != keys;
        m_autoChapterKeys = keys;
    }
    const int chart = s.value(QStringLiteral("WordCount/Chart"), false).toBool() ? 1 : 0;
    const bool chartChanged = m_wordCountChart.fetchAndStoreOrdered(chart) != chart;
    m_filesSortType = s.value(QStringLiteral("Files/SortType"), false).toBool();
    m_wordResult.storeRelease(s.value(QStringLiteral("WordCount/WordResult"), false).toBool() ? 1 : 0);
    if (changed)
        emit autoChapterKeysChanged(keys);
    if (changed || chartChanged)
        emit countRulesChanged();
}

QStringList global::autoChapterKeys() const
{
    QMutexLocker lock(&m_keysMutex);
    return m_autoChapterKeys;
}

bool global::wordCountChart() const { return m_wordCountChart.loadAcquire() != 0; }
bool global::wordResult() const { return m_wordResult.loadAcquire() != 0; }

void global::setAutoChapterKeys(const QStringList& keys)
{
    {
        QMutexLocker lock(&m_keysMutex);
        if (m_autoChapterKeys == keys)
            return;
        m_autoChapterKeys = keys;
    }
    emit autoChapterKeysChanged(keys);
    emit countRulesChanged();
}

void global::setFilesSortType(bool value)
{
    if (m_filesSortType == value)
        return;
    m_filesSortType = value;
    SettingsFile::store(QStringLiteral("Files/SortType"), value);
    emit filesSortTypeChanged();
}

// ---- shared UI values -------------------------------------------------------

void global::setSettings(Settings* settings)
{
    if (m_settings == settings)
        return;
    m_settings = settings;
    emit settingsChanged(settings);
}

void global::setIsAppAction(bool value)
{
    if (m_isAppAction == value)
        return;
    m_isAppAction = value;
    emit isAppActionChanged(value);
}

void global::setIsAppActionFirst(bool value)
{
    if (m_isAppActionFirst == value)
        return;
    m_isAppActionFirst = value;
    emit isAppActionFirstChanged();
    emit signalObject()->isAppActionFirstChanged(value);
}

void global::setIsCurrentEdit(bool value)
{
    if (m_isCurrentEdit == value)
        return;
    m_isCurrentEdit = value;
    emit isCurrentEditChanged(value);
}

void global::setTyperRect(const QRect& rect)
{
    if (m_typerRect == rect)
        return;
    m_typerRect = rect;
    emit typerRectChanged();
}

void global::setLeftBarWidth(int width)
{
    if (m_leftBarWidth == width)
        return;
    m_leftBarWidth = width;
    emit leftBarWidthChanged();
}

void global::setRightBarWidth(int width)
{
    if (m_rightBarWidth == width)
        return;
    m_rightBarWidth = width;
    emit rightBarWidthChanged();
}

// ---- clock, identity --------------------------------------------------------

int global::timeElapsed()
{
    if (!m_elapsed) {
        m_elapsed = new QElapsedTimer();
        m_elapsed->start();
    }
    return int(m_elapsed->elapsed());
}

QString global::appName() const { return tr("Penlark"); }
QString global::version() const { return QString::fromLatin1(kVersion); }
QString global::versionType() const { return QString::fromLatin1(kVersionType); }

bool global::isHasLockNumber()
{
    QSettings s;
    return s.value(QStringLiteral("lock/second"), 0).toInt() > 0
        || s.value(QStringLiteral("lock/words"), 0).toInt() > 0;
}

bool global::isExternal(const QUrl& url) const
{
    return !LibraryPath::contains(url.toLocalFile());
}

bool global::mailUs()
{
    const QString address = ServiceConfig::feedbackMail();
    QUrl url(QStringLiteral("mailto:") + address);
    QUrlQuery query;
    const QString subject = appName() + QLatin1Char(' ') + tr("反馈");
    const QString body = tr("你好:") + QLatin1Char('\n') + tr("关于%1，我有一些建议。").arg(appName())
        + QStringLiteral("\n ")
        + tr("(系统版本:%1  软件版本:%2)").arg(osInfo::osName() + QLatin1Char(' ') + osInfo::osVersion(),
                                          QString::fromLatin1(kVersion));
    query.addQueryItem(QStringLiteral("subject"), subject);
    query.addQueryItem(QStringLiteral("body"), body);
    url.setQuery(query);
    return QDesktopServices::openUrl(url);
}

QString global::language() const
{
    QSettings s;
    QString lang = s.value(QStringLiteral("language/language")).toString();
    if (lang.isEmpty()) {
        switch (QLocale::system().country()) {
        case QLocale::China: lang = QStringLiteral("zh_cn"); break;
        case QLocale::HongKong: lang = QStringLiteral("zh_hk"); break;
        case QLocale::Taiwan: lang = QStringLiteral("zh_tw"); break;
        default: lang = QStringLiteral("en_us"); break;
        }
    }
    return lang;
}

void global::setLanguage(const QString& language)
{
    SettingsFile::store(QStringLiteral("language/language"), language);
}

void global::setRoyaltyUnitPrice(double price) { SettingsFile::store(QStringLiteral("Royalty/unitPrice"), price); }
void global::setLineSpacing(double spacing) { SettingsFile::store(QStringLiteral("Edit/LineSpacing"), spacing); }
void global::setParagraphSpacing(double spacing) { SettingsFile::store(QStringLiteral("Edit/ParagraphSpacing"), spacing); }
void global::setTypewriterModel(bool on) { SettingsFile::store(QStringLiteral("Typewriter/Typewriter"), on); }

// ---- paths ------------------------------------------------------------------

QString global::dataPath()
{
    if (QCoreApplication::applicationName().isEmpty())
        QCoreApplication::setApplicationName(QStringLiteral("Penlark"));
    return ensureDir(QDir::homePath() + QStringLiteral("/Library/") + QCoreApplication::applicationName());
}

QString global::countDataPath() { return ensureDir(dataPath() + QStringLiteral("/count")); }
QString global::tmpPath() { return ensureDir(dataPath() + QStringLiteral("/tmp")); }
QString global::dumpPath() { return ensureDir(dataPath() + QStringLiteral("/dump")); }

QString global::documentFolderProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("文件夹不存在");
    if (!info.isDir())
        return tr("这是一个文件，不是文件夹");
    if (info.canonicalFilePath() == QDir::rootPath())
        return tr("这是文件系统的根目录");
    if (!info.isWritable())
        return tr("没有写入权限");
    return QString();
}

namespace {
// The document folder is asked for during start-up, before the window can
// show notices, and by the sync worker: the notice waits for the GUI
// thread's event loop. A folder kept in the settings is told once.
void refuseDocumentFolder(const QString& path, const QString& problem, bool onceOnly)
{
    static QMutex toldMutex;
    static QString told;
    {
        QMutexLocker lock(&toldMutex);
        if (onceOnly && told == path)
            return;
        told = path;
    }
    const QString text = global::tr("不能使用文档文件夹 %1：%2。已改用默认文件夹。").arg(QDir::toNativeSeparators(path), problem);
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [text] { message::show(Message::Warn, text, 5000); }, Qt::QueuedConnection);
}

// The home folder's modification time in nanoseconds, 0 when unknown.
qint64 folderStamp(const QString& path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

QString lookUpDefaultDocumentFolder()
{
    QDir home(QDir::homePath());
    const QStringList matches = home.entryList(
        { QStringLiteral("Documents"), QStringLiteral("我的文档"), QStringLiteral("我的文稿") },
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    if (!matches.isEmpty()) {
        const QString path = home.absolutePath() + QLatin1Char('/') + matches.first() + QStringLiteral("/Penlark");
        QDir().mkpath(path);
        const QString canonical = QFileInfo(path).canonicalFilePath();
        // Never hand out an empty document folder: hidden service folders
        // would otherwise land at the file-system root.
        return canonical.isEmpty() ? path : canonical;
    }
    return ensureDir(home.absolutePath() + QStringLiteral("/Documents/Penlark"));
}

// Every save asks for the document folder, and listing the home folder is
// most of that: the answer is kept while the home folder's listing cannot
// have changed and the folder is still there (a removed one is made again).
// A listing read within the same clock tick as the home folder's last
// change could miss a second change in that tick, which would not move the
// time stamp: such a listing is not kept.
QString defaultDocumentFolder()
{
    // Longer than any file system's time stamp step.
    const qint64 kSettledMs = 2000;
    static QMutex cacheMutex;
    static QString cachedHome;
    static qint64 cachedStamp = 0;
    static QString cachedFolder;

    const QString home = QDir::homePath();
    const qint64 stamp = folderStamp(home);
    {
        QMutexLocker lock(&cacheMutex);
        if (stamp != 0 && stamp == cachedStamp && home == cachedHome && QFileInfo(cachedFolder).isDir())
            return cachedFolder;
    }
    const qint64 listedAt = QDateTime::currentMSecsSinceEpoch();
    const QString folder = lookUpDefaultDocumentFolder();
    const bool settled = stamp != 0 && listedAt - stamp / 1000000 > kSettledMs;
    QMutexLocker lock(&cacheMutex);
    cachedHome = home;
    cachedStamp = settled ? stamp : 0;
    cachedFolder = folder;
    return folder;
}
} // namespace

QString global::documentPath()
{
    QSettings s;
    // Stored by hand or by an older version with a trailing or doubled
    // separator, the folder would not match the paths the tree reports.
    QString stored = s.value(QStringLiteral("files/path"), QString()).toString();
    if (!stored.isEmpty())
        stored = QDir::cleanPath(stored);
    if (!stored.isEmpty()) {
        const QString problem = documentFolderProblem(stored);
        if (problem.isEmpty())
            return stored;
        const QFileInfo info(stored);
        if (info.isDir() && info.canonicalFilePath() != QDir::rootPath()) {
            // A folder that cannot be written now may be writable later (a
            // drive mounted read-only): the setting stays.
            refuseDocumentFolder(stored, problem, true);
        } else {
            // Nothing else can ever hold the documents: the setting goes.
            SettingsFile::store(QStringLiteral("files/path"), QString());
            if (info.exists())
                refuseDocumentFolder(stored, problem, false);
        }
    }

    return defaultDocumentFolder();
}

QString global::notesPath() { return ensureDir(documentPath() + QStringLiteral("/.notes")); }
QString global::historyPath() { return ensureDir(documentPath() + QStringLiteral("/.History")); }

QString global::metaDataPath()
{
    const QString path = documentPath() + QStringLiteral("/.MetaData/");
    QDir().mkpath(path);
    return path;
}

bool global::setDocumentPath(const QString& path)
{
    // A folder still to be made is taken: documentPath() drops it while it
    // is missing.
    const QString problem = QFileInfo::exists(path) ? documentFolderProblem(path) : QString();
    if (!problem.isEmpty()) {
        message::show(Message::Warn, tr("不能使用文档文件夹 %1：%2。").arg(QDir::toNativeSeparators(path), problem), 5000);
        return false;
    }
    SettingsFile::store(QStringLiteral("files/path"), path);
    return true;
}

QString global::soundsPath()
{
    return ensureDir(QCoreApplication::applicationDirPath() + QDir::separator() + QStringLiteral("Resources/sound/default"));
}

void global::hideFunctionPath()
{
    metaDataPath();
    historyPath();
    notesPath();
}

QString global::readmeFile() { return QStringLiteral(":/file/Readme.md"); }
QString global::gitExec() { return QStringLiteral("git"); }

QString global::maintenancetool()
{
    return QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/../maintenancetool")).absoluteFilePath();
}

// ---- history snapshots ------------------------------------------------------

bool global::saveTmpFile(const QString& fileName, const QString& text, QString* madeAt)
{
    if (!QFileInfo(fileName).isFile())
        return false;

    const QString target = HistorySnapshots::newPath(historyPath(), fileName);
    if (target.isEmpty())
        return false;

    QByteArray bytes;
    if (text.isEmpty()) {
        // A copy shorter than the file is no copy (a read over 2 GiB returns
        // nothing, and no error).
        QFile source(fileName);
        if (!source.open(QIODevice::ReadOnly) || DocumentFile::tooLarge(source.size()))
            return false;
        bytes = source.readAll();
        if (source.error() != QFileDevice::NoError || bytes.size() != source.size())
            return false;
    } else {
        bytes = text.toUtf8();
    }
    if (!UserFile::write(target, bytes, UserFile::NewFileOnly | UserFile::CreateFolder))
        return false;
    if (madeAt)
        *madeAt = target;
    return true;
}

bool global::cleanHistoryPath(int saveDays)
{
    const QString path = documentPath() + QStringLiteral("/.History");
    QDir dir(path);
    if (!dir.exists())
        return false;
    const qint64 limit = QDateTime(QDate::currentDate().addDays(-saveDays), QTime(0, 0)).toSecsSinceEpoch();
    bool ok = true;
    const QFileInfoList entries = dir.entryInfoList({ QStringLiteral("*.txt") }, QDir::Files | QDir::Writable, QDir::Time);
    for (const QFileInfo& info : entries) {
        if (info.lastModified().toSecsSinceEpoch() < limit && !QFile::remove(info.absoluteFilePath()))
            ok = false;
    }
    return ok;
}

bool global::cleanTmpPath()
{
    QDir dir(tmpPath());
    bool ok = true;
    const QFileInfoList entries = dir.entryInfoList({ QStringLiteral("*.jpg") }, QDir::Files | QDir::Writable, QDir::Name);
    for (const QFileInfo& info : entries) {
        if (!QFile::remove(info.absoluteFilePath()))
            ok = false;
    }
    return ok;
}
