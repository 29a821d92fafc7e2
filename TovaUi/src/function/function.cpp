#include "function.h"

#include "function/message.h"
#include "function/settingsgate.h"
#include "support/filenamecodec.h"
#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"
#include "textarea/documentfile.h"
#include "textarea/textfileform.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHostInfo>
#include <QIODevice>
#include <QKeySequence>
#include <QLocale>
#include <QMessageAuthenticationCode>
#include <QMessageBox>
#include <QMutexLocker>
#include <QPalette>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QUuid>

QAtomicPointer<function> function::self;
QMutex function::mutex;

namespace {
QDate localDate(int time)
{
    return QDateTime::fromSecsSinceEpoch(qint64(quint32(time))).toLocalTime().date();
}
} // namespace

function* function::instancePtr()
{
    function* f = self.loadAcquire();
    if (!f) {
        QMutexLocker lock(&mutex);
        f = self.loadAcquire();
        if (!f) {
            f = new function();
            self.storeRelease(f);
        }
    }
    return f;
}

function* function::instance() { return instancePtr(); }

function::function()
    : QObject(nullptr)
    , m_clock(new QTimer(this))
{
    m_clock->setInterval(500);
    connect(m_clock, &QTimer::timeout, this, &function::updateNowTimeText);
    m_clock->start();
}

Message* function::getMessage()
{
    if (!m_message) {
        m_message = new Message();
        // Failed writes of user files are told here too.
        WriteNotice::setPresenter([](const QString& notice) { message::show(Message::Error, notice, 5000); });
    }
    return m_message;
}

// ---- platform ---------------------------------------------------------------

bool function::systemShutDown(bool isReboot)
{
    Q_UNUSED(isReboot)
    message::show(Message::Tips, tr("无此功能"), 5000);
    return false;
}

QString function::systemFont()
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QString function::deviceName() { return QHostInfo::localHostName(); }

// ---- clock ------------------------------------------------------------------

void function::setNowTimeText(const QString& text)
{
    if (m_nowTimeText == text)
        return;
    m_nowTimeText = text;
    emit nowTimeTextChanged();
}

void function::updateNowTimeText()
{
    setNowTimeText(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

// ---- date tests -------------------------------------------------------------

QDate function::mondayOf(const QDate& date) { return date.addDays(1 - date.dayOfWeek()); }

bool function::isToday(int time) { return isToday(localDate(time)); }
bool function::isToday(const QDate& date) { return date == QDate::currentDate(); }
bool function::isThisWeek(int time) { return isThisWeek(localDate(time)); }
bool function::isThisWeek(const QDate& date)
{
    return date.isValid() && mondayOf(date) == mondayOf(QDate::currentDate());
}
bool function::isThisMonth(int time) { return isThisMonth(localDate(time)); }
bool function::isThisMonth(const QDate& date)
{
    const QDate today = QDate::currentDate();
    return date.isValid() && date.year() == today.year() && date.month() == today.month();
}
bool function::isThisYear(int time) { return isThisYear(localDate(time)); }
bool function::isThisYear(const QDate& date) { return date.isValid() && date.year() == QDate::currentDate().year(); }

// ---- date and time texts ----------------------------------------------------

QString function::timeToGMT(qint64 time)
{
    const QDateTime when = time == 0 ? QDateTime::currentDateTimeUtc() : QDateTime::fromSecsSinceEpoch(time, Qt::UTC);
    return QLocale(QLocale::English).toString(when, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss")) + QStringLiteral(" GMT");
}

QString function::formatTime(qint64 time)
{
    const QDateTime when = time == 0 ? QDateTime::currentDateTimeUtc() : QDateTime::fromSecsSinceEpoch(time, Qt::UTC);
    return QLocale::c().toString(when, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

namespace {
QDateTime localFromText(const QString& time)
{
    if (time.isEmpty())
        return QDateTime::currentDateTime();
    return QDateTime::fromSecsSinceEpoch(time.toLongLong()).toLocalTime();
}
} // namespace

QString function::formatTime(const QString& time)
{
    return QLocale::c().toString(localFromText(time), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString function::formatDate(const QString& time)
{
    return QLocale::c().toString(localFromText(time), QStringLiteral("yyyy-MM-dd"));
}

QString function::formatSecond(int second)
{
    return QStringLiteral("%1:%2:%3").arg(second / 3600).arg((second % 3600) / 60).arg((second % 3600) % 60);
}

// ---- hashes and encodings ---------------------------------------------------

QByteArray function::md5(const QByteArray& byteArray)
{
    return QCryptographicHash::hash(byteArray, QCryptographicHash::Md5).toHex();
}

QString function::md5(const QString& string) { return QString::fromLatin1(md5(string.toUtf8())); }

QString function::fileMd5(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!hash.addData(&f))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

QString function::hmacSha1(const QByteArray& key, const QByteArray& data)
{
    // QMessageAuthenticationCode replaces a key longer than the 64-byte
    // block by its digest, as RFC 2104 asks.
    return QString::fromLatin1(QMessageAuthenticationCode::hash(data, key, QCryptographicHash::Sha1).toBase64());
}

QString function::urlEncode(const QString& text)
{
    // Only RFC 3986's unreserved characters stay as they are.
    return QString::fromLatin1(text.toUtf8().toPercentEncoding());
}

QString function::trim(const QString& text) { return text.trimmed(); }

// ---- device identifier --------------------------------------------------------

QString function::deviceID()
{
    QSettings settings;
    QString id = settings.value(QStringLiteral("countly/deviceId")).toString();
    if (id.isEmpty()) {
        id = QUuid::createUuid().toString();
        const SettingsGate gate;
        QSettings().setValue(QStringLiteral("countly/deviceId"), id);
    }
    return id;
}

// ---- colours, scale and keys ------------------------------------------------

bool function::isDarkStyle()
{
    const int value = QPalette().color(QPalette::Window).value();
    return value >= 41 && value <= 59;
}

QColor function::InvertColor(const QColor& color)
{
    const int r = 255 - color.red();
    const int g = 255 - color.green();
    const int b = 255 - color.blue();
    auto mid = [](int c) { return c >= 121 && c <= 129; };
    // A grey in the middle inverts to nearly itself; black stands out instead.
    if (mid(r) && mid(g) && mid(b))
        return QColor(0, 0, 0);
    return QColor(r, g, b);
}

QColor function::lighter(QColor color, int factor)
{
    // Components of 0 cannot be scaled up, so black and pure colours would
    // not lighten; a small floor lets them.
    if (color.blue() == 0)
        color.setBlue(3);
    if (color.red() == 0)
        color.setRed(3);
    if (color.green() == 0)
        color.setGreen(3);
    return color.lighter(factor);
}

QColor function::colorSetAlpha(const QString& colorName, int alpah)
{
    QColor color(colorName);
    color.setAlpha(alpah);
    return color;
}

double function::rateForDpi(double logicalDpi)
{
    // Each scale applies below its bound of dots per inch divided by 96.
    static const struct {
        double below;
        double scale;
    } steps[] = { { 1.1, 1.0 }, { 1.4, 1.25 }, { 1.6, 1.5 }, { 1.8, 1.75 }, { 2.1, 2.0 }, { 2.26, 2.25 }, { 2.6, 2.5 } };
    const double r = logicalDpi / 96.0;
    for (const auto& step : steps) {
        if (r < step.below)
            return step.scale;
    }
    return 3.0;
}

double function::rate()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return 1.0;
    return rateForDpi(screens.first()->logicalDotsPerInch());
}

QString function::keyEventToString(Qt::KeyboardModifiers modifiers, int key)
{
    return QKeySequence(int(modifiers) | key).toString(QKeySequence::PortableText);
}

// ---- random numbers -----------------------------------------------------------

int function::generateRandomNumber(int min, int max)
{
    function* self = instance();
    ++self->m_callCount;
    if (max == 0)
        return 0;
    if (max <= min)
        return min;
    // Seeded anew each call; the call counter keeps two calls in the same
    // millisecond apart.
    const int ms = QTime::currentTime().msecsSinceStartOfDay();
    QRandomGenerator generator(quint32((ms < 0 ? 0 : ms) + self->m_callCount));
    return generator.bounded(min, max);
}

// ---- document names and paths -----------------------------------------------

int function::getNumberFormString(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    if (digits.isEmpty())
        return -1;
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok ? number : 0;
}

QString function::getNameFromUrl(const QUrl& file)
{
    if (file.isLocalFile()) {
        const QString path = file.toLocalFile();
        const QFileInfo info(path);
        if (info.fileName() == QLatin1String("index.txt"))
            return FileNameCodec::shown(info.path().split(QLatin1Char('/')).last());
        return FileNameCodec::shown(info.fileName());
    }
    return file.toString().split(QLatin1Char('/')).last();
}

QString function::getBaseNameFromUrl(const QUrl& file)
{
    return getNameFromUrl(file).split(QLatin1Char('.')).first();
}

QString function::getSuffixByFile(const QUrl& url) { return QFileInfo(url.toLocalFile()).suffix(); }

QUrl function::getParentFromFile(const QUrl& file)
{
    const QString folder = QFileInfo(file.toLocalFile()).path();
    logDebug(lcUi) << "path:" << folder;
    return QUrl::fromLocalFile(folder);
}

QUrl function::getPathUrlByFileUrl(const QUrl& file)
{
    return QUrl::fromLocalFile(QFileInfo(file.toLocalFile()).absolutePath());
}

QString function::fileToUrl(const QString& filename) { return QUrl::fromLocalFile(filename).toString(); }

bool function::isFileExist(const QUrl& file)
{
    const QString text = file.toString();
    if (text.startsWith(QLatin1String("qrc")) || text.startsWith(QLatin1String("content")))
        return true;
    return QFileInfo::exists(file.toLocalFile());
}

QString function::documentProblem(const QUrl& file)
{
    if (!file.isLocalFile())
        return QString();
    return DocumentFile::problem(file.toLocalFile());
}

bool function::isSameFile(const QUrl& a, const QUrl& b)
{
    // Through links when both exist; as written (made absolute) otherwise.
    const QFileInfo first(a.toLocalFile());
    const QFileInfo second(b.toLocalFile());
    const QString one = first.canonicalFilePath();
    const QString other = second.canonicalFilePath();
    if (!one.isEmpty() && !other.isEmpty())
        return one == other;
    return first.absoluteFilePath() == second.absoluteFilePath();
}

// Lists one folder in number order and descends into its sub-folders. Each
// folder is entered at most once per walk (by its canonical path), so links
// that point back up the tree cannot loop.
void function::collectFiles(const QString& folder, const QStringList& nameFilters, const QString& prefix,
                            QStringList& out, QStringList& visited)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || visited.contains(canonical))
        return;
    visited.append(canonical);

    QDir dir(folder);
    QFileInfoList entries = dir.entryInfoList(nameFilters, QDir::Files | QDir::Readable, QDir::Name);
    entries += dir.entryInfoList(QStringList(), QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name);

    QVector<int> numbers;
    numbers.reserve(entries.size());
    for (const QFileInfo& info : entries)
        numbers.append(getNumberFormString(info.fileName()));
    // Exchange sort by the number in each name; equal numbers keep their
    // places relative to each other only as far as the exchanges allow.
    for (int i = 0; i < entries.size(); ++i) {
        for (int j = i + 1; j < entries.size(); ++j) {
            if (numbers[i] > numbers[j]) {
                std::swap(numbers[i], numbers[j]);
                std::swap(entries[i], entries[j]);
            }
        }
    }

    for (const QFileInfo& info : entries) {
        const QString relative = prefix + info.fileName();
        if (info.isDir())
            collectFiles(info.absoluteFilePath(), nameFilters, relative + QLatin1Char('/'), out, visited);
        else
            out.append(relative);
    }
}

QStringList function::getFileListByPath(const QUrl& path, const QStringList& nameFilters)
{
    QStringList out;
    QStringList visited;
    collectFiles(path.toLocalFile(), nameFilters, QString(), out, visited);
    return out;
}

bool function::checkPath(const QString& path)
{
    if (QFileInfo::exists(path))
        return true;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? path : path.left(slash);
    if (QFileInfo(folder).isDir())
        return true;
    return QDir().mkpath(folder);
}

bool function::mkpath(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo(folder).isDir())
        return true;
    return QDir().mkpath(folder);
}

// ---- file operations ----------------------------------------------------------

namespace {
QString targetInFolder(const QUrl& file, const QUrl& folder)
{
    return folder.toLocalFile() + QDir::separator() + QFileInfo(file.toLocalFile()).fileName();
}
} // namespace

QUrl function::copyFile(const QUrl& File, const QUrl& newPath)
{
    const QString target = targetInFolder(File, newPath);
    // Never over an existing file.
    const UserFile::Result copied = UserFile::copy(File.toLocalFile(), target);
    if (!copied) {
        WriteNotice::show(tr("复制失败："), target, copied.error);
        return File;
    }
    return QUrl::fromLocalFile(target);
}

bool function::moveFile(const QUrl& file, const QUrl& newFile)
{
    const QString target = targetInFolder(file, newFile);
    const UserFile::Result copied = UserFile::copy(file.toLocalFile(), target);
    if (!copied) {
        WriteNotice::show(tr("移动失败："), target, copied.error);
        return false;
    }
    return QFile::remove(file.toLocalFile());
}

bool function::delFile(const QUrl& file, bool isNeedConfirm)
{
    if (isNeedConfirm) {
        const auto answer = QMessageBox::question(nullptr, tr("caution"),
                                                  tr("Do you confirm deletion? Deleted files will not be recovered."),
                                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
    }
    const QString path = file.toLocalFile();
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink())
        return QFile::remove(path);

    // Only a folder of plain files can be removed here. When it also holds
    // sub-folders or links the folder could not go anyway, so nothing is
    // deleted rather than leaving it half emptied.
    QDir dir(path);
    const QFileInfoList others = dir.entryInfoList(QDir::AllDirs | QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : others) {
        if (entry.isDir() || entry.isSymLink() || !entry.isFile())
            return false;
    }
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : files) {
        if (entry.fileName() != QLatin1String(".") && entry.fileName() != QLatin1String(".."))
            QFile::remove(entry.absoluteFilePath());
    }
    return QDir().rmdir(path);
}

void function::openFileInFinder(const QString& file)
{
    logDebug(lcUi) << "open fine in finder" << file;
    // Linux file managers have no "reveal" request: open the folder that
    // holds the file (or the folder itself).
    const QFileInfo info(file);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

// ---- encoding detection -------------------------------------------------------

QString function::getCodecName(const QByteArray& bytes)
{
    return TextFileForm::read(bytes).form.encodingName();
}

QString function::getCodecName(QIODevice* device)
{
    if (!device || !device->isOpen())
        return QStringLiteral("UTF-8");
    if (device->isSequential()) {
        // More may follow what a sequential device holds so far: a
        // character it cuts short is left out.
        QByteArray bytes = device->peek(16 * 1024 * 1024);
        for (int back = 1; back <= 3 && back <= bytes.size(); ++back) {
            const uchar c = uchar(bytes.at(bytes.size() - back));
            if (c >= 0xc0) {
                if (back < (c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : 2))
                    bytes.chop(back);
                break;
            }
            if (c < 0x80)
                break;
        }
        return getCodecName(bytes);
    }
    const qint64 pos = device->pos();
    device->seek(0);
    const QByteArray bytes = device->readAll();
    device->seek(pos);
    return getCodecName(bytes);
}

QString function::decodeText(const QByteArray& bytes)
{
    return TextFileForm::shown(TextFileForm::read(bytes).text);
}

QString function::readTextFile(const QUrl& file)
{
    QFile f(file.isLocalFile() ? file.toLocalFile() : file.toString());
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return decodeText(f.readAll());
}
