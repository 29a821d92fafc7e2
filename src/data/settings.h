#ifndef SETTINGS_H
#define SETTINGS_H

#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

// The settings, one row each: property type, name, setter, change signal,
// what the signal carries (A: the new value, N: nothing, P: the new value
// named "cursorPostion"), INI key, default, how the constructor reads it
// (R: plain read in table order, C: by its own code, M: memory only, never
// stored) and how the setter works (P: compare exactly, write, store, emit;
// F: the same with the floating-point tolerance; M: memory only, no write;
// C: its own code in settings.cpp).
// Rows are in the order in which the constructor reads the keys.
// clang-format off
#define PENLARK_SETTINGS_TABLE(X) \
    X(QString, keysName, setKeysName, keysNameChanged, N, "App/keysName", QStringLiteral("default"), R, P) \
    X(bool, isShowPointsMessage, setisShowPointsMessage, isShowPointsMessageChanged, A, "Message/isShowPointsMessage", true, R, P) \
    X(bool, isThroughing, setIsThroughing, isThroughingChanged, A, "Through/isThroughing", false, R, P) \
    X(QString, throughType, setThroughType, throughTypeChanged, A, "Through/throughType", QString(), R, P) \
    X(int, throughNumber, setThroughNumber, throughNumberChanged, A, "Through/throughNumber", 0, R, P) \
    X(int, throughRoomId, setThroughRoomId, throughRoomIdChanged, A, "Through/roomId", 0, R, P) \
    X(bool, isShowStatusWord, setIsShowStatusWord, isShowStatusWordChanged, A, "Chapter/ShowStatusWord", true, R, P) \
    X(bool, isShowCursorWord, setIsShowCursorWord, isShowCursorWordChanged, A, "Chapter/ShowCursorWord", true, R, P) \
    X(bool, isAutoAddChapterName, setIsAutoAddChapterName, isAutoAddChapterNameChanged, A, "Chapter/AutoAddChapterName", false, R, P) \
    X(QString, autoChapterKeys, setAutoChapterKeys, autoChapterKeysChanged, A, "Chapter/AutoChapterKeys", /* the patterns global holds */ QString(), C, C) \
    X(bool, isFirstLogin, setIsFirstLogin, isFirstLoginChanged, A, "Setting/isFirstLogin", true, R, P) \
    X(bool, isWordCountChart, setIsWordCountChart, isWordCountChartChanged, A, "WordCount/Chart", false, R, C) \
    X(bool, isWordCountWordResult, setIsWordCountWordResult, isWordCountWordResultChanged, A, "WordCount/WordResult", false, R, C) \
    X(bool, isMakeupFirstLineIndentation, setIsMakeupFirstLineIndentation, isMakeupFirstLineIndentationChanged, A, "makeup/firstLineIndentation", true, R, P) \
    X(bool, isMakeupParagraphSpacing, setIsMakeupParagraphSpacing, isMakeupParagraphSpacingChanged, A, "makeup/paragraphSpacing", true, R, P) \
    X(bool, isMakeupAppendEmptyLineAtEnd, setIsMakeupAppendEmptyLineAtEnd, isMakeupAppendEmptyLineAtEndChanged, A, "makeup/appendEmptyLineAtEnd", true, R, P) \
    X(bool, isMakeupRemoveEmptyLines, setIsMakeupRemoveEmptyLines, isMakeupRemoveEmptyLinesChanged, A, "makeup/removeEmptyLines", true, R, P) \
    X(bool, isMakeupSpacesAtFront, setIsMakeupSpacesAtFront, isMakeupSpacesAtFrontChanged, A, "makeup/spacesAtFront", true, R, P) \
    X(bool, isMakeupRemoveSpaces, setIsMakeupRemoveSpaces, isMakeupRemoveSpacesChanged, A, "makeup/removeSpaces", false, R, P) \
    X(bool, isTypewriter, setIsTypewriter, isTypewriterChanged, A, "Typewriter/Typewriter", false, R, P) \
    X(int, typewriterFocusedText, setTypewriterFocusedText, typewriterFocusedTextChanged, A, "Typewriter/FocusedText", 2, R, P) \
    X(int, typewriterFixedRolling, setTypewriterFixedRolling, typewriterFixedRollingChanged, A, "Typewriter/FixedRolling", 4, R, P) \
    X(bool, isTypewriterMarkCurrentLine, setIsTypewriterMarkCurrentLine, isTypewriterMarkCurrentLineChanged, A, "Typewriter/markCurrentLine", true, R, P) \
    X(bool, isPageStyle, setIsPageStyle, isPageStyleChanged, A, "Edit/WidthModel", /* stored as 1 or 0 */ true, C, C) \
    X(int, pageWidth, setPageWidth, pageWidthChanged, A, "Edit/WidthPixel", 600, R, P) \
    X(int, pageWidthChineseCharacters, setPageWidthChineseCharacters, pageWidthChineseCharactersChanged, A, "Edit/WidthChineseCharacters", 30, R, C) \
    X(int, pageWidthType, setPageWidthType, pageWidthTypeChanged, A, "Edit/WidthType", 0, R, P) \
    X(int, pageSideMargin, setPageSideMargin, pageSideMarginChanged, A, "Edit/SideMargin", 40, R, P) \
    X(double, pageLineSpacing, setPageLineSpacing, pageLineSpacingChanged, A, "Edit/LineSpacing", 0.2, R, C) \
    X(double, pageParagraphSpacing, setPageParagraphSpacing, pageParagraphSpacingChanged, A, "Edit/ParagraphSpacing", 0.5, R, C) \
    X(double, pageTextIndent, setPageTextIndent, pageTextIndentChanged, N, "Edit/TextIndent", /* read as an integer */ 0, C, F) \
    X(int, cursorLine, setCursorLine, cursorLineChanged, A, "Edit/CursorLine", 0, R, P) \
    X(int, cursorPosition, setCursorPosition, cursorPositionChanged, P, "Edit/CursorPostion", 0, R, P) \
    X(bool, soundOpen, setSoundOpen, soundOpenChanged, A, "sound/open", false, R, P) \
    X(QString, roomName, setRoomName, roomNameChanged, A, "Server/roomKey", QString(), R, P) \
    X(QString, currentFile, setCurrentFile, currentFileChanged, A, "Save/CurrentFile", QString(), R, P) \
    X(bool, layoutLefttoRight, setLayoutLefttoRight, layoutLefttoRightChanged, A, "Layout/LeftToRight", true, R, P) \
    X(bool, autochapterIsMin, setAutochapterIsMin, autochapterIsMinChanged, A, "Layout/minAutochapter", false, R, P) \
    X(bool, wordcountIsMin, setWordcountIsMin, wordcountIsMinChanged, A, "Layout/minWordCount", false, R, P) \
    X(bool, rankingIsMin, setRankingIsMin, rankingIsMinChanged, A, "Layout/minRanking", false, R, P) \
    X(bool, isHideToolBar, setIsHideToolBar, isHideToolBarChanged, N, "ToolBar/isHideToolBar", false, R, P) \
    X(bool, minimalistModel, setMinimalistModel, minimalistModelChanged, N, "App/minimalistModel", false, R, C) \
    X(int, mainWidth, setMainWidth, mainWidthChanged, A, "Window/width", 920, C, P) \
    X(int, mainHeight, setmainHeight, mainHeightChanged, A, "Window/hight", 600, C, P) \
    X(int, mainX, setMainX, mainXChanged, A, "Window/x", /* centred on the screen */ 0, C, P) \
    X(int, mainY, setMainY, mainYChanged, A, "Window/y", /* centred on the screen */ 0, C, P) \
    X(int, mainVisibility, setMainvisibility, mainvisibilityChanged, A, "Window/visibility", /* 0 and 3 read as 2 */ 2, C, C) \
    X(bool, mainIsFullScreen, setMainIsFullScreen, mainIsFullScreenChanged, N, "Window/isFullScreen", false, R, P) \
    X(QString, language, setLanguage, languageChanged, A, "language/language", localLanguage(), C, C) \
    X(bool, useLoginPassword, setUseLoginPassword, useLoginPasswordChanged, A, "LoginPassword/Check", false, R, P) \
    X(QString, loginPassword, setLoginPassword, loginPasswordChanged, A, "LoginPassword/password", QString(), R, P) \
    X(bool, useTouchId, setUseTouchId, useTouchIdChanged, A, "LoginPassword/touchid", false, R, P) \
    X(QString, currentFunction, setCurrentFunction, currentFunctionChanged, A, "HomeWidget/Current", QStringLiteral("files"), R, P) \
    X(int, searchMode, setSearchMode, searchModeChanged, A, "Find/SearchMode", 0, R, P) \
    X(bool, matchCaseSensitive, setMatchCaseSensitive, matchCaseSensitiveChanged, A, "Find/MatchCaseSensitive", false, R, P) \
    X(QString, editFontName, setEditFontName, editFontNameChanged, A, "Edit/Font", defaultEditFontName(), C, C) \
    X(double, editFontSize, setEditFontSize, editFontSizeChanged, A, "Edit/FontSize", 12.0, R, C) \
    X(QString, editFontColor, setEditFontColor, editFontColorChanged, A, "Edit/FontColor", QStringLiteral("black"), R, P) \
    X(double, wordCountFontSize, setWordCountFontSize, wordCountFontSizeChanged, N, "WordCount/FontSize", 12.0, R, F) \
    X(int, historyTime, setHistoryTime, historyTimeChanged, N, "File/HistoryTime", 10, R, P) \
    X(int, subtleType, setSubtleType, subtleTypeChanged, A, "Subtle/Type", 0, C, C) \
    X(int, subtleLevel, setSubtleLevel, subtleLevelChanged, A, "Subtle/Level", 0, C, C) \
    X(bool, subtleAutoMark, setSubtleAutoMark, subtleAutoMarkChanged, A, "Subtle/AutoMark", true, C, C) \
    X(QString, subtleUserKeyString, setSubtleUserKeyString, subtleUserKeyStringChanged, A, "Subtle/Keys", /* a string list */ QString(), C, C) \
    X(int, royalties, setRoyalties, royaltiesChanged, N, "Count/Royalty", 0, R, C) \
    X(bool, editGlobalCenter, setEditGlobalCenter, editGlobalCenterChanged, N, "Edit/GlobalCenter", false, R, P) \
    X(bool, TitleColorSame, setTitleColorSame, TitleColorSameChanged, A, "Edit/TitleColorSame", true, R, P) \
    X(double, TitleMultiple, setTitleMultiple, TitleMultipleChanged, A, "Edit/TitleMultiple", 1.5, R, P) \
    X(QString, TitleColor, setTitleColor, TitleColorChanged, A, "Edit/TitleColor", m_editFontColor, R, P) \
    X(bool, useCloud, setUseCloud, useCloudChanged, N, "Cloud/UseCloud", true, R, P) \
    X(bool, cloudOnQuit, setCloudOnQuit, cloudOnQuitChanged, A, "Cloud/CloudOnQuit", false, R, P) \
    X(int, miniTipsX, setMiniTipsX, miniTipsXChanged, N, "miniTips/x", -1, R, P) \
    X(int, miniTipsY, setMiniTipsY, miniTipsYChanged, N, "miniTips/y", -1, R, P) \
    X(QString, fileDialogPath, setFileDialogPath, fileDialogPathChanged, N, "fileDialog/path", documentsLocation(), C, C) \
    X(bool, isShowNotesList, setIsShowNotesList, isShowNotesListChanged, N, "Notes/ShowNotesList", true, R, P) \
    X(bool, lumoModel, setLumoModel, lumoModelChanged, A, "", false, M, M) \
    X(int, tmpMainX, setTmpMainX, tmpMainXChanged, N, "", 0, M, M) \
    X(int, tmpMainY, setTmpMainY, tmpMainYChanged, N, "", 0, M, M) \
    X(int, tmpMainWidth, setTmpMainWidth, tmpMainWidthChanged, N, "", 0, M, M) \
    X(int, tmpMainHeight, setTmpMainHeight, tmpMainHeightChanged, N, "", 0, M, M) \
    X(QString, sensitiveWords, setSensitiveWords, sensitiveWordsChanged, A, "", QString(), M, M) \
    X(bool, addEmptyLineAtEndByEnter, setAddEmptyLineAtEndByEnter, addEmptyLineAtEndByEnterChanged, A, "", false, M, M)
// clang-format on

#define PENLARK_SETTINGS_SIGNAL_A(Type, signal, name) Q_SIGNAL void signal(Type name);
#define PENLARK_SETTINGS_SIGNAL_N(Type, signal, name) Q_SIGNAL void signal();
#define PENLARK_SETTINGS_SIGNAL_P(Type, signal, name) Q_SIGNAL void signal(Type cursorPostion);

#define PENLARK_SETTINGS_DECLARE(Type, name, setter, signal, sig, key, def, read, write) \
    Q_PROPERTY(Type name READ name WRITE setter NOTIFY signal)                           \
public:                                                                                  \
    Type name() const { return m_##name; }                                               \
    Q_SLOT void setter(Type value);                                                      \
    PENLARK_SETTINGS_SIGNAL_##sig(Type, signal, name)                                    \
private:                                                                                 \
    Type name##Default() const { return def; }                                           \
    Type m_##name {};

// The configuration object over the INI file, exposed to QML as "csettings".
// Every stored property writes its key at once and emits its change signal
// only on a change; nothing is written when the object goes away. The object
// reads its keys once, in the constructor, and from then on its members are
// the truth for the QML scene.
class Settings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QFont editFont READ editFont WRITE setEditFont NOTIFY editFontChanged)
    Q_PROPERTY(QString langKey READ langKey NOTIFY langKeyChanged)
    Q_PROPERTY(bool isDailyLogined READ isDailyLogined WRITE setIsDailyLogined NOTIFY isDailyLoginedChanged)

public:
    explicit Settings(QObject* parent = nullptr);

    QFont editFont() const { return m_editFont; }
    QString langKey() const { return m_langKey; }
    // True while today's sign-in award is still to be claimed.
    bool isDailyLogined() const;

    // The chapter-title patterns as global holds them.
    Q_INVOKABLE QStringList autoChapterKeysList() const;

    // A room's remembered password belongs to the signed-in account; with
    // nobody signed in nothing is remembered or read.
    Q_INVOKABLE void setRoomPassword(const QString& roomKey, const QString& roomPassword);
    Q_INVOKABLE QString roomPassword(const QString& roomKey) const;
    // The room entered last (roomName) belongs to the account that entered
    // it: another account gets an empty name, and starts in the hall.
    Q_INVOKABLE QString enteredRoom(const QString& login) const;
    void setEnteredRoom(const QString& roomKey, const QString& login);

    // Writes the cursor position without touching the property, so the
    // editor can save it while typing without re-triggering bindings.
    Q_INVOKABLE void saveCursorPosition(int postion);
    // The same; the position belongs to the current file.
    Q_INVOKABLE void saveCursorPosition(const QUrl& file, int position);

    Q_INVOKABLE QString homeHost() const;
    Q_INVOKABLE QString apiV1Host() const;
    Q_INVOKABLE QString apiV2Host() const;

    // Rebuilds the sensitive-word pattern from the four "Subtle/" keys.
    Q_INVOKABLE void reloadSensitiveWords();

    // Two doubles are equal when their difference times 10^12 is at most the
    // smaller magnitude (so 0 equals only 0).
    static bool fuzzyEqual(double a, double b);

    // The saved window rectangle fitted to the screens (the first screen is
    // the current one); no screens leaves it as stored. A size below the
    // window's minimum is raised to the minimum, a size of zero or less is
    // the default one. Missing x or y
    // (invalid variants) mean centred.
    static QRect fitWindowRect(const QList<QRect>& screens, int width, int height, const QVariant& x, const QVariant& y);
    // The code of the interface language for a display name ("en" when
    // unknown).
    static QString languageCode(const QString& displayName);

public slots:
    void setEditFont(const QFont& font);
    void setIsDailyLogined(bool value);

signals:
    void editFontChanged(const QFont& editFont);
    void langKeyChanged();
    void isDailyLoginedChanged();
    // Asks the shell to show the sign-in page; emitted by QML pages and by
    // the sync when a writer starts it signed out.
    void showLogin();

private:
    static bool storeFuzzyChange(double& member, double value, const char* key);
    static QString localLanguage();
    static QString defaultEditFontName();
    static QString documentsLocation();
    void checkMainRect();
    void updateLangKey(QString language);
    void readFileDialogPath();

    QFont m_editFont;
    QString m_langKey;

    PENLARK_SETTINGS_TABLE(PENLARK_SETTINGS_DECLARE)
};

#endif
