#ifndef GLOBAL_H
#define GLOBAL_H

#include <QAtomicPointer>
#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QUrl>

class QNetworkAccessManager;
class QQmlApplicationEngine;
class Settings;
class Locker;
class sound;
class keys;
class SignalObject;
class oss;

// The process-wide application object: identity for Qt (name, settings format
// and location), application paths and history snapshots, a monotonic clock,
// mirrored settings for fast reads, values shared by QML pages and the lazily
// created shared objects. QML sees it as "cglobal".
class global : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Settings* settings READ settings WRITE setSettings NOTIFY settingsChanged)
    Q_PROPERTY(bool isAppAction READ isAppAction WRITE setIsAppAction NOTIFY isAppActionChanged)
    Q_PROPERTY(bool isAppActionFirst READ isAppActionFirst WRITE setIsAppActionFirst NOTIFY isAppActionFirstChanged)
    Q_PROPERTY(QStringList autoChapterKeys READ autoChapterKeys WRITE setAutoChapterKeys NOTIFY autoChapterKeysChanged)
    Q_PROPERTY(bool isCurrentEdit READ isCurrentEdit WRITE setIsCurrentEdit NOTIFY isCurrentEditChanged)
    Q_PROPERTY(bool filesSortType READ filesSortType WRITE setFilesSortType NOTIFY filesSortTypeChanged)
    Q_PROPERTY(QRect typerRect READ typerRect WRITE setTyperRect NOTIFY typerRectChanged)
    Q_PROPERTY(int leftBarWidth READ leftBarWidth WRITE setLeftBarWidth NOTIFY leftBarWidthChanged)
    Q_PROPERTY(int rightBarWidth READ rightBarWidth WRITE setRightBarWidth NOTIFY rightBarWidthChanged)

public:
    static global* instance();

    // The chapter-title patterns used when "Chapter/AutoChapterKeys" is empty.
    static QStringList defaultChapterKeys();

    // Lazily created shared objects (no parent, kept by guarded pointers).
    Settings* settings();
    Locker* locker();
    sound* getSound();
    keys* getKeys();
    SignalObject* signalObject();
    QNetworkAccessManager* NetworkAccessManager();
    void resetNetworkAccessManager();
    oss* getOss();

    // Application paths.
    static QString dataPath();
    static QString settingsFileName();
    // Removes a lock file that no live process holds (a crash left it);
    // true when one was removed.
    static bool clearStaleLock(const QString& lockPath);
    static QString countDataPath();
    Q_INVOKABLE static QString tmpPath();
    static QString documentPath();
    static QString notesPath();
    static QString historyPath();
    static QString metaDataPath();
    // Refuses (with a notice, false) a place the documents cannot live in:
    // the file-system root, a file, an unwritable folder. An empty path goes
    // back to the default folder.
    static bool setDocumentPath(const QString& path);
    // Why a folder cannot hold the documents; empty when it can.
    static QString documentFolderProblem(const QString& path);
    static QString soundsPath();
    static QString dumpPath();
    static void hideFunctionPath();
    static QString readmeFile();
    static QString gitExec();
    static QString maintenancetool();

    // History snapshots and clean-up.
    // A copy of the file (or of text, when given) in the history folder;
    // *madeAt is set to the copy's path.
    static bool saveTmpFile(const QString& fileName, const QString& text, QString* madeAt = nullptr);
    Q_INVOKABLE static bool cleanHistoryPath(int saveDays = 30);
    Q_INVOKABLE static bool cleanTmpPath();

    Q_INVOKABLE int timeElapsed();
    Q_INVOKABLE bool isExternal(const QUrl& url) const;
    Q_INVOKABLE bool mailUs();
    Q_INVOKABLE QString appName() const;
    Q_INVOKABLE QString version() const;
    Q_INVOKABLE QString versionType() const;
    static bool isHasLockNumber();

    void reloadSetting();

    bool isAppAction() const { return m_isAppAction; }
    bool isAppActionFirst() const { return m_isAppActionFirst; }
    QStringList autoChapterKeys() const;
    bool wordCountChart() const;
    bool wordResult() const;
    bool isCurrentEdit() const { return m_isCurrentEdit; }
    bool filesSortType() const { return m_filesSortType; }
    void setFilesSortType(bool value);
    QRect typerRect() const { return m_typerRect; }
    void setTyperRect(const QRect& rect);
    int leftBarWidth() const { return m_leftBarWidth; }
    void setLeftBarWidth(int width);
    int rightBarWidth() const { return m_rightBarWidth; }
    void setRightBarWidth(int width);

    QString language() const;
    void setLanguage(const QString& language);
    QString openFile() const { return m_openFile; }
    void setAppDir(const QString& dir) { m_appDir = dir; }
    void setChangedWords(int words) { m_changedWords = words; }
    void setRoyaltyUnitPrice(double price);
    void setLineSpacing(double spacing);
    void setParagraphSpacing(double spacing);
    void setTypewriterModel(bool on);

public slots:
    void setEngine(QQmlApplicationEngine* engine) { m_engine = engine; }
    QQmlApplicationEngine* engine() const { return m_engine; }
    void setSettings(Settings* settings);
    void setIsAppAction(bool value);
    void setIsAppActionFirst(bool value);
    void setAutoChapterKeys(const QStringList& keys);
    void setIsCurrentEdit(bool value);

signals:
    void settingsChanged(Settings* settings);
    void isAppActionChanged(bool isAppAction);
    void isAppActionFirstChanged();
    void autoChapterKeysChanged(const QStringList& autoChapterKeys);
    // The chapter-title patterns or dialogue counting changed: open
    // documents are counted again.
    void countRulesChanged();
    void isCurrentEditChanged(bool isCurrentEdit);
    void filesSortTypeChanged();
    void typerRectChanged();
    void leftBarWidthChanged();
    void rightBarWidthChanged();

    void sendQuitApp();
    void showHistory();
    void showConflictPage();
    void saveAllNoTips();

private:
    global();
    static global* instancePtr();
    static void protectSettingsFile();

    static QAtomicPointer<global> self;
    static QMutex mutex;

    QPointer<sound> m_sound;
    QPointer<Settings> m_settings;
    QPointer<Locker> m_locker;
    QPointer<keys> m_keys;
    QPointer<SignalObject> m_signalObject;
    QPointer<QNetworkAccessManager> m_networkAccessManager;
    QPointer<oss> m_oss;
    QQmlApplicationEngine* m_engine = nullptr;
    QElapsedTimer* m_elapsed = nullptr;

    // The chapter patterns are also read by counting threads, so they sit
    // behind a mutex and are handed out as copies.
    mutable QMutex m_keysMutex;
    QStringList m_autoChapterKeys;
    QAtomicInt m_wordCountChart = 0;
    QAtomicInt m_wordResult = 0;
    bool m_filesSortType = false;

    bool m_isAppAction = false;
    bool m_isAppActionFirst = false;
    bool m_isCurrentEdit = false;
    QRect m_typerRect;
    int m_leftBarWidth = 0;
    int m_rightBarWidth = 0;

    QString m_openFile;
    QString m_appDir;
    int m_changedWords = 0;
};

#endif
