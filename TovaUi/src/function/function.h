#ifndef FUNCTION_H
#define FUNCTION_H

#include <QAtomicPointer>
#include <QColor>
#include <QDate>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

class Message;
class QIODevice;
class QTimer;

// The utility singleton offered to QML as "functions": platform queries, date
// tests and texts, the ticking clock text, hashes and encodings, the device
// identifier, colour helpers, random numbers, document names from URLs,
// encoding detection and simple file operations. It also keeps the one
// notification object of the program.
//
// Times given as integers are seconds since 1970-01-01 UTC, taken as
// unsigned 32-bit values.
class function : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString nowTimeText READ nowTimeText WRITE setNowTimeText NOTIFY nowTimeTextChanged)

public:
    static function* instancePtr();
    static function* instance();

    // ---- platform (desktop Linux build) ----
    Q_INVOKABLE static bool isPc() { return true; }
    Q_INVOKABLE static bool isLinux() { return true; }
    Q_INVOKABLE static bool isPhone() { return false; }
    Q_INVOKABLE static bool isPad() { return false; }
    Q_INVOKABLE static bool isMac() { return false; }
    Q_INVOKABLE static bool isWindows() { return false; }
    Q_INVOKABLE static bool isWin10() { return false; }
    Q_INVOKABLE static bool isIOS() { return false; }
    Q_INVOKABLE static bool isAndroid() { return false; }
    Q_INVOKABLE static bool isDebug() { return false; }
    Q_INVOKABLE static bool isUpdateSelf() { return true; }
    static bool is32BitApp() { return false; }
    Q_INVOKABLE static void hideFile(const QString& file) { Q_UNUSED(file) }
    Q_INVOKABLE static bool systemShutDown(bool isReboot = false);
    Q_INVOKABLE static QString systemFont();
    static QString deviceName();

    // ---- date tests ----
    static bool isToday(int time);
    static bool isToday(const QDate& date);
    static bool isThisWeek(int time);
    static bool isThisWeek(const QDate& date);
    static bool isThisMonth(int time);
    static bool isThisMonth(const QDate& date);
    static bool isThisYear(int time);
    static bool isThisYear(const QDate& date);
    // The Monday of the week that holds the date (weeks run Monday to Sunday).
    static QDate mondayOf(const QDate& date);

    // ---- date and time texts ----
    Q_INVOKABLE static QString timeToGMT(qint64 time = 0);
    Q_INVOKABLE static QString formatTime(qint64 time = 0);
    Q_INVOKABLE static QString formatTime(const QString& time);
    Q_INVOKABLE static QString formatDate(const QString& time);
    Q_INVOKABLE static QString formatSecond(int second);

    // ---- hashes and encodings ----
    Q_INVOKABLE static QByteArray md5(const QByteArray& byteArray);
    Q_INVOKABLE static QString md5(const QString& string);
    Q_INVOKABLE static QString fileMd5(const QString& file);
    static QString hmacSha1(const QByteArray& key, const QByteArray& data);
    static QString urlEncode(const QString& text);
    Q_INVOKABLE static QString trim(const QString& text);

    // ---- device identifier ----
    static QString deviceID();

    // ---- colours, scale and keys ----
    Q_INVOKABLE static bool isDarkStyle();
    Q_INVOKABLE static QColor InvertColor(const QColor& color);
    Q_INVOKABLE static QColor lighter(QColor color, int factor);
    Q_INVOKABLE static QColor colorSetAlpha(const QString& colorName, int alpah);
    static double rate();
    static double rateForDpi(double logicalDpi);
    Q_INVOKABLE static QString keyEventToString(Qt::KeyboardModifiers modifiers, int key);

    // ---- random numbers ----
    static int generateRandomNumber(int min, int max);

    // ---- document names and paths ----
    static int getNumberFormString(const QString& text);
    Q_INVOKABLE static QString getNameFromUrl(const QUrl& file);
    Q_INVOKABLE static QString getBaseNameFromUrl(const QUrl& file);
    Q_INVOKABLE static QString getSuffixByFile(const QUrl& url);
    Q_INVOKABLE static QUrl getParentFromFile(const QUrl& file);
    Q_INVOKABLE static QUrl getPathUrlByFileUrl(const QUrl& file);
    Q_INVOKABLE static QString fileToUrl(const QString& filename);
    Q_INVOKABLE static bool isFileExist(const QUrl& file);
    // Why a local file cannot be opened as a document (not a regular file,
    // unreadable); empty when it can, and for resources.
    Q_INVOKABLE static QString documentProblem(const QUrl& file);
    Q_INVOKABLE static bool isSameFile(const QUrl& a, const QUrl& b);
    Q_INVOKABLE static QStringList getFileListByPath(const QUrl& path, const QStringList& nameFilters);
    static bool checkPath(const QString& path);
    static bool mkpath(const QString& path);

    // ---- file operations ----
    Q_INVOKABLE static QUrl copyFile(const QUrl& File, const QUrl& newPath);
    Q_INVOKABLE static bool moveFile(const QUrl& file, const QUrl& newFile);
    Q_INVOKABLE static bool delFile(const QUrl& file, bool isNeedConfirm = true);
    Q_INVOKABLE static void openFileInFinder(const QString& file);

    // The one encoding detection for every reader of user text
    // (TextFileForm): a byte-order mark names its encoding ("UTF-8",
    // "UTF-16", "UTF-32"; the codecs of those names drop the mark);
    // otherwise "UTF-8" when the content is UTF-8 but for a few stray bytes,
    // else "GBK". The device position is left unchanged.
    static QString getCodecName(QIODevice* device);
    static QString getCodecName(const QByteArray& bytes);
    // Decodes user text with the detected encoding; a byte-order mark wins
    // and is not part of the result; bytes that are not of the encoding
    // read as U+FFFD.
    static QString decodeText(const QByteArray& bytes);
    // The text of a local document decoded with the shared detection; empty
    // when it cannot be read.
    Q_INVOKABLE static QString readTextFile(const QUrl& file);

    // The program-wide notification object, created on first request.
    Message* getMessage();

    QString nowTimeText() const { return m_nowTimeText; }

public slots:
    void setNowTimeText(const QString& text);
    void updateNowTimeText();

signals:
    void nowTimeTextChanged();

private:
    function();
    static void collectFiles(const QString& folder, const QStringList& nameFilters, const QString& prefix,
                             QStringList& out, QStringList& visited);

    static QAtomicPointer<function> self;
    static QMutex mutex;

    int m_callCount = 0;
    QPointer<Message> m_message;
    QString m_nowTimeText;
    QTimer* m_clock = nullptr;
};

#endif
