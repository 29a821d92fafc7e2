#ifndef THROUGHGAME_H
#define THROUGHGAME_H

#include <QAbstractListModel>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

class ThroughClock;
class ThroughModel;
class data;

// The rules of the writing challenge and the levels of the mode being
// played (one row per level, with the words and seconds still left). Entering
// a mode pays its ticket; then every one-second beat of the clock takes a
// second and every statistics window's new words take words from the current
// level. A level whose words run out is passed and rewarded, one whose time
// runs out ends the challenge. The running figures go into ThroughModel, the
// unfinished challenge into the "Through/" settings so that it can be offered
// again after a restart.
class ThroughGame : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool opened READ opened NOTIFY openedChanged)
    Q_PROPERTY(int modeId READ modeId NOTIFY openedChanged)
    Q_PROPERTY(int currentLevel READ currentLevel NOTIFY currentLevelChanged)
    Q_PROPERTY(int failId READ failId NOTIFY failIdChanged)

public:
    enum EnterResult {
        Entered = 0,
        NotSignedIn = 1,
        NotEnoughPoints = 2,
        UnknownMode = 3,
        AlreadyRunning = 4
    };
    Q_ENUM(EnterResult)

    enum Roles {
        LevelIdRole = Qt::UserRole + 1,
        NameRole,
        NeedTimeRole,
        NeedWordsRole,
        RewardConinsRole
    };

    struct Level {
        int id = 0;
        QString name;
        int needTime = 0;
        int needWords = 0;
        int rewardConins = 0;
    };
    struct Mode {
        int id = 0;
        QString type;
        int needCoins = 0;
        QVector<Level> levels;
    };

    // Calls a points operation of the account ("addPoints" or "delPoints").
    using AccountCall = std::function<void(const char* method, int points, const QString& reason)>;

    static const char* const levelsFile;

    explicit ThroughGame(ThroughModel* model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool opened() const { return m_opened; }
    int modeId() const { return m_modeId; }
    int currentLevel() const { return m_current; }
    int failId() const { return m_failId; }

    // Reads the modes and levels; false (and no modes) when the file is
    // missing or malformed.
    bool loadLevels(const QString& path = QString::fromLatin1(levelsFile));
    // The levels file as text for the pages; empty when it cannot be read.
    Q_INVOKABLE QString levelsText() const;
    static bool parseLevels(const QByteArray& json, QVector<Mode>* modes, QString* error);
    QVector<Mode> modes() const { return m_modes; }

    // Seams: the one-second beat, the source of new words and the account.
    // The game does not take ownership of a clock or source set here.
    void setClock(ThroughClock* clock);
    void setWordSource(::data* source);
    void setAccountCall(AccountCall call);
    // The account's points operation, looked up by name: the account data
    // may not offer it yet, which is logged.
    static void callAccount(const char* method, int points, const QString& reason);

    // Pays the mode's ticket and opens its first level.
    Q_INVOKABLE int enter(int modeId);
    // Opens the given level of a mode again, without a ticket; refused while
    // a challenge runs.
    Q_INVOKABLE bool resume(int modeId, int level);
    // Closes the level view; a running challenge is given up.
    Q_INVOKABLE void leave();
    // Takes words and seconds from the current level.
    Q_INVOKABLE void step(int words, int seconds);

signals:
    void openedChanged();
    void currentLevelChanged(int currentLevel);
    void failIdChanged(int failId);

private slots:
    void tick();
    void addWords(int words, int seconds);
    void runningChanged(bool running);

private:
    const Mode* findMode(int id);
    bool open(int modeId, int level);
    void showLevel(const Level& level);
    void levelRowChanged(int row);
    void setCurrent(int level);
    void setFailId(int id);

    ThroughModel* m_model;
    QPointer<ThroughClock> m_clock;
    QPointer<::data> m_wordSource;
    AccountCall m_account;
    QVector<Mode> m_modes;
    QVector<Level> m_levels;
    bool m_opened = false;
    int m_modeId = -1;
    int m_current = 0;
    int m_failId = -1;
};

#endif
