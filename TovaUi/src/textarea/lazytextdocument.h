#ifndef LAZYTEXTDOCUMENT_H
#define LAZYTEXTDOCUMENT_H

#include <QColor>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFuture>
#include <QHash>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QRegularExpression>
#include <QUrl>

#include "TovaUi/textarea/editorparts.h"
#include "TovaUi/textarea/editorfile.h"
#include "TovaUi/textarea/documentloader.h"
#include "TovaUi/textarea/editwindow.h"
#include "TovaUi/textarea/historysnapshots.h"
#include "TovaUi/textarea/windowformat.h"
#include "TovaUi/textarea/typingrun.h"
#include "TovaUi/textarea/windowmap.h"
#include "TovaUi/textarea/windowmirror.h"
#include "TovaUi/textarea/windowscroller.h"
#include "TovaUi/textarea/writerselection.h"

#include <memory>

class DocumentSaver;
class RawTextCopy;
class TextNodeKeeper;
class WholeDocument;

class QFileSystemWatcher;
#include <QQuickTextDocument>
class QTimer;
class QTextCharFormat;

// Windowed editor document: the whole file lives in one text document (the
// whole document); the QML text area edits only a window of consecutive lines
// of it (the window document). The window follows the view in chunks, and
// every edit made in the window is applied at once to the whole document,
// which is what is saved, counted and searched.
//
// Invariants kept by every operation: the window's text equals the whole
// document's text from startPosition() on, over the window's length; the
// text area (property textEdit) is the one source of the cursor and the
// selection, and the whole selection is what it shows (see WindowMap).
class LazyTextDocument : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double lineSpacing READ lineSpacing WRITE setLineSpacing NOTIFY lineSpacingChanged)
    Q_PROPERTY(double paragraphHeight READ paragraphHeight WRITE setParagraphHeight NOTIFY paragraphHeightChanged)
    Q_PROPERTY(double textIndent READ textIndent WRITE setTextIndent NOTIFY textIndentChanged)
    Q_PROPERTY(int editHeight READ editHeight WRITE setEditHeight NOTIFY editHeightChanged)
    Q_PROPERTY(int contentY READ contentY WRITE setContentY NOTIFY contentYChanged)
    Q_PROPERTY(int contentHeight READ contentHeight WRITE setContentHeight NOTIFY contentHeightChanged)
    Q_PROPERTY(int editLineCount READ editLineCount WRITE setEditLineCount NOTIFY editLineCountChanged)
    Q_PROPERTY(double scrollPostion READ scrollPostion WRITE setScrollPostion NOTIFY scrollPostionChanged)
    Q_PROPERTY(double scrollSize READ scrollSize NOTIFY scrollSizeChanged)
    Q_PROPERTY(int lineCount READ lineCount NOTIFY lineCountChanged)
    Q_PROPERTY(int startPosition READ startPosition NOTIFY startPositionChanged)
    Q_PROPERTY(QString startLineText READ startLineText NOTIFY startLineTextChanged)
    Q_PROPERTY(QUrl fileName READ fileName WRITE setFileName NOTIFY fileNameChanged)
    Q_PROPERTY(QString fileType READ fileType WRITE setFileType NOTIFY fileTypeChanged)
    Q_PROPERTY(QQuickTextDocument* document READ document WRITE setDocument NOTIFY documentChanged)
    Q_PROPERTY(QTextDocument* editDocument READ editDocument NOTIFY editDocumentChanged)
    Q_PROPERTY(QObject* textEdit READ textEdit WRITE setTextEdit NOTIFY textEditChanged)
    Q_PROPERTY(QTextDocument* allTextDocument READ allTextDocument NOTIFY allTextDocumentChanged)
    Q_PROPERTY(QString allText READ allText NOTIFY allTextChanged)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly NOTIFY readOnlyChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(bool textLoaded READ textLoaded NOTIFY textLoadedChanged)
    Q_PROPERTY(bool isModified READ isModified WRITE setIsModified NOTIFY isModifiedChanged)
    Q_PROPERTY(bool isTmpModified READ isTmpModified WRITE setIsTmpModified NOTIFY isTmpModifiedChanged)
    Q_PROPERTY(QDateTime lastModification READ lastModification NOTIFY lastModificationChanged)
    Q_PROPERTY(int allSelectionStart READ allSelectionStart WRITE setAllSelectionStart NOTIFY allSelectionStartChanged)
    Q_PROPERTY(int allSelectionEnd READ allSelectionEnd WRITE setAllSelectionEnd NOTIFY allSelectionEndChanged)
    Q_PROPERTY(int allCursorPostion READ allCursorPostion WRITE setAllCursorPostion NOTIFY allCursorPostionChanged)
    Q_PROPERTY(QString allSelectedText READ allSelectedText NOTIFY allSelectedTextChanged)
    Q_PROPERTY(int editSelectionStart READ editSelectionStart NOTIFY editSelectionStartChanged)
    Q_PROPERTY(int editSelectionEnd READ editSelectionEnd NOTIFY editSelectionEndChanged)
    Q_PROPERTY(int editCursorPostion READ editCursorPostion NOTIFY editCursorPostionChanged)
    Q_PROPERTY(QString editSelectedText READ editSelectedText NOTIFY editSelectedTextChanged)
    Q_PROPERTY(bool isSelectedAll READ isSelectedAll NOTIFY isSelectedAllChanged)
    Q_PROPERTY(int cursorLineNumber READ cursorLineNumber NOTIFY cursorLineNumberChanged)
    Q_PROPERTY(int cursorLinePostion READ cursorLinePostion NOTIFY cursorLinePostionChanged)
    Q_PROPERTY(QString cursorLinePreText READ cursorLinePreText NOTIFY cursorLinePreTextChanged)
    Q_PROPERTY(bool addEmptyLineAtEndByEnter READ addEmptyLineAtEndByEnter WRITE setAddEmptyLineAtEndByEnter NOTIFY addEmptyLineAtEndByEnterChanged)
    Q_PROPERTY(bool add2SpaceAtFrontByEnter READ add2SpaceAtFrontByEnter WRITE setAdd2SpaceAtFrontByEnter NOTIFY add2SpaceAtFrontByEnterChanged)
    Q_PROPERTY(int autoAddChapterName READ autoAddChapterName WRITE setAutoAddChapterName NOTIFY autoAddChapterNameChanged)
    Q_PROPERTY(int seriseEnterNumber READ seriseEnterNumber WRITE setSeriseEnterNumber NOTIFY seriseEnterNumberChanged)
    Q_PROPERTY(QString selectedText READ selectedText WRITE setSelectedText NOTIFY selectedTextChanged)
    Q_PROPERTY(QString replaceText READ replaceText WRITE setReplaceText NOTIFY replaceTextChanged)
    Q_PROPERTY(SearchMode searchMode READ searchMode WRITE setSearchMode NOTIFY searchModeChanged)
    Q_PROPERTY(bool replaceMode READ replaceMode WRITE setReplaceMode NOTIFY replaceModeChanged)
    Q_PROPERTY(bool matchCaseSensitive READ matchCaseSensitive WRITE setMatchCaseSensitive NOTIFY matchCaseSensitiveChanged)
    Q_PROPERTY(bool markdownForFormat READ markdownForFormat WRITE setMarkdownForFormat NOTIFY markdownForFormatChanged)
    Q_PROPERTY(QUrl historyPath READ historyPath WRITE setHistoryPath NOTIFY historyPathChanged)
    Q_PROPERTY(int historyTime READ historyTime WRITE setHistoryTime NOTIFY historyTimeChanged)
    Q_PROPERTY(int initPosition READ initPosition WRITE setInitPosition NOTIFY initPositionChanged)
    Q_PROPERTY(bool isUndoAvailable READ isUndoAvailable NOTIFY isUndoAvailableChanged)
    Q_PROPERTY(bool isRedoAvailable READ isRedoAvailable NOTIFY isRedoAvailableChanged)
    Q_PROPERTY(QStringList chapterKeys READ chapterKeys WRITE setChapterKeys NOTIFY chapterKeysChanged)
    Q_PROPERTY(QString testTips READ testTips WRITE setTestTips NOTIFY testTipsChanged)
    Q_PROPERTY(bool bold READ bold WRITE setBold NOTIFY boldChanged)
    Q_PROPERTY(bool italic READ italic WRITE setItalic NOTIFY italicChanged)
    Q_PROPERTY(bool underline READ underline WRITE setUnderline NOTIFY underlineChanged)
    Q_PROPERTY(QString fontFamily READ fontFamily WRITE setFontFamily NOTIFY fontFamilyChanged)
    Q_PROPERTY(int fontSize READ fontSize WRITE setFontSize NOTIFY fontSizeChanged)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor NOTIFY textColorChanged)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment NOTIFY alignmentChanged)

public:
    enum SearchMode {
        PlainTextMode = 0,
        WholeWordsMode = 1,
        RegularExpressionMode = 2
    };
    Q_ENUM(SearchMode)

    explicit LazyTextDocument(QObject* parent = nullptr);
    ~LazyTextDocument() override;

    Q_INVOKABLE static int timeElapsed();

    // Paragraph format.
    double lineSpacing() const { return m_format->lineSpacing(); }
    void setLineSpacing(double value) { m_format->setLineSpacing(value); }
    double paragraphHeight() const { return m_format->paragraphHeight(); }
    void setParagraphHeight(double value) { m_format->setParagraphHeight(value); }
    double textIndent() const { return m_format->textIndent(); }
    void setTextIndent(double value) { m_format->setTextIndent(value); }

    // View geometry pushed in from QML.
    int editHeight() const { return m_scroller->editHeight(); }
    void setEditHeight(int value) { m_scroller->setEditHeight(value); }
    int contentY() const { return m_scroller->contentY(); }
    void setContentY(int value) { m_scroller->setContentY(value); }
    int contentHeight() const { return m_scroller->contentHeight(); }
    void setContentHeight(int value) { m_scroller->setContentHeight(value); }
    int editLineCount() const { return m_scroller->editLineCount(); }
    void setEditLineCount(int value) { m_scroller->setEditLineCount(value); }
    double scrollPostion() const { return m_scroller->scrollPostion(); }
    void setScrollPostion(double value) { m_scroller->setScrollPostion(value); }
    double scrollSize() const { return m_scroller->scrollSize(); }

    int lineCount() const;
    int startPosition() const { return windowMap().start(); }
    QString startLineText() const { return m_startLineText; }
    int startLine() const { return windowMap().firstLine(); }
    int endLine() const { return windowMap().lastLine(); }
    int windowSize() const { return m_window->size(); }
    const WindowMap& windowMap() const { return static_cast<const EditWindow*>(m_window)->map(); }

    QUrl fileName() const { return m_file->fileName(); }
    void setFileName(const QUrl& url) { m_file->setFileName(url); }
    QString fileType() const { return m_file->fileType(); }
    void setFileType(const QString& type) { m_file->setFileType(type); }

    QQuickTextDocument* document() const { return m_window->quickDocument(); }
    void setDocument(QQuickTextDocument* document) { m_window->setQuickDocument(document); }
    // The window document itself; QML hands it in through setDocument.
    QTextDocument* editDocument() const { return m_window->document(); }
    void setEditDocument(QTextDocument* document) { m_window->setDocument(document); }
    QTextDocument* allTextDocument() const { return m_allDoc; }
    // The text area's text edit (see WriterSelection).
    QObject* textEdit() const { return m_selection->textEdit(); }
    void setTextEdit(QObject* edit) { m_selection->setTextEdit(edit); }

    Q_INVOKABLE QString allText() const;
    Q_INVOKABLE QString allRawText() const;
    Q_INVOKABLE void setAllText(const QString& text) { m_loader->setAllText(text); }

    bool readOnly() const { return m_file->readOnly(); }
    void setReadOnly(bool value) { m_file->setReadOnly(value); }
    bool loading() const { return m_file->loading(); }
    bool textLoaded() const { return m_file->textLoaded(); }
    bool isModified() const { return m_file->isModified(); }
    void setIsModified(bool value) { m_file->setIsModified(value); }
    bool isTmpModified() const { return m_history->isTmpModified(); }
    void setIsTmpModified(bool value) { m_history->setIsTmpModified(value); }
    QDateTime lastModification() const { return m_file->lastModification(); }

    // The whole selection, ordered, and its cursor end.
    int allSelectionStart() const { return wholeSelection().start(); }
    void setAllSelectionStart(int value);
    int allSelectionEnd() const { return wholeSelection().end(); }
    void setAllSelectionEnd(int value);
    int allCursorPostion() const { return wholeSelection().cursor; }
    Q_INVOKABLE void setAllCursorPostion(int value);
    QString allSelectedText() const { return m_selection->wholeText(); }
    WindowMap::Selection wholeSelection() const { return m_selection->whole(); }

    // What the text area shows, in window offsets.
    int editSelectionStart() const { return m_selection->shown().start(); }
    int editSelectionEnd() const { return m_selection->shown().end(); }
    int editCursorPostion() const { return m_selection->shown().cursor; }
    QString editSelectedText() const { return m_selection->shownText(); }
    bool isSelectedAll() const { return m_selection->isSelectedAll(); }

    int cursorLineNumber() const { return m_selection->cursorLineNumber(); }
    int cursorLinePostion() const { return m_selection->cursorLinePostion(); }
    QString cursorLinePreText() const { return m_selection->cursorLinePreText(); }

    bool addEmptyLineAtEndByEnter() const { return m_addEmptyLineAtEndByEnter; }
    void setAddEmptyLineAtEndByEnter(bool value);
    bool add2SpaceAtFrontByEnter() const { return m_add2SpaceAtFrontByEnter; }
    void setAdd2SpaceAtFrontByEnter(bool value);
    int autoAddChapterName() const { return m_autoAddChapterName; }
    void setAutoAddChapterName(int value);
    int seriseEnterNumber() const { return m_seriseEnterNumber; }
    void setSeriseEnterNumber(int value);

    QString selectedText() const { return m_selectedText; }
    void setSelectedText(const QString& value);
    QString replaceText() const { return m_replaceText; }
    void setReplaceText(const QString& value);
    SearchMode searchMode() const { return m_searchMode; }
    void setSearchMode(SearchMode value);
    bool replaceMode() const { return m_replaceMode; }
    void setReplaceMode(bool value);
    bool matchCaseSensitive() const { return m_matchCaseSensitive; }
    void setMatchCaseSensitive(bool value);
    bool markdownForFormat() const { return m_markdownForFormat; }
    void setMarkdownForFormat(bool value);

    QUrl historyPath() const { return m_history->historyPath(); }
    void setHistoryPath(const QUrl& value) { m_history->setHistoryPath(value); }
    int historyTime() const { return m_history->historyTime(); }
    void setHistoryTime(int minutes) { m_history->setHistoryTime(minutes); }
    int initPosition() const { return m_file->initPosition(); }
    void setInitPosition(int value) { m_file->setInitPosition(value); }

    bool isUndoAvailable() const;
    bool isRedoAvailable() const;
    QStringList chapterKeys() const { return m_chapterKeys; }
    void setChapterKeys(const QStringList& value);
    QString testTips() const { return m_testTips; }
    void setTestTips(const QString& value);

    // Rich-text formatting of the window.
    bool bold() const { return m_format->bold(); }
    void setBold(bool value) { m_format->setBold(value); }
    bool italic() const { return m_format->italic(); }
    void setItalic(bool value) { m_format->setItalic(value); }
    bool underline() const { return m_format->underline(); }
    void setUnderline(bool value) { m_format->setUnderline(value); }
    QString fontFamily() const { return m_format->fontFamily(); }
    void setFontFamily(const QString& value) { m_format->setFontFamily(value); }
    int fontSize() const { return m_format->fontSize(); }
    void setFontSize(int value) { m_format->setFontSize(value); }
    QColor textColor() const { return m_format->textColor(); }
    void setTextColor(const QColor& value) { m_format->setTextColor(value); }
    Qt::Alignment alignment() const { return m_format->alignment(); }
    void setAlignment(Qt::Alignment value) { m_format->setAlignment(value); }

    // Window maintenance and jumps.
    Q_INVOKABLE void updateEditContent() { m_scroller->updateEditContent(); }
    Q_INVOKABLE void reloadEditDocument() { m_window->reloadEditDocument(); }
    Q_INVOKABLE bool gotoPostionByAll(int allPostion) { return m_scroller->gotoPostionByAll(allPostion); }
    Q_INVOKABLE void gotoLine(int line) { m_scroller->gotoLine(line); }
    Q_INVOKABLE void gotoStart() { m_scroller->gotoStart(); }
    Q_INVOKABLE void gotoEnd() { m_scroller->gotoEnd(); }
    // Moves the cursor to a whole offset, extending the selection from its
    // anchor (Shift with Ctrl+Home or Ctrl+End).
    Q_INVOKABLE void selectTo(int allPostion) { m_scroller->selectTo(allPostion); }
    Q_INVOKABLE void editSetAllPosition(int cursorPostion) { setAllCursorPostion(windowMap().toWhole(cursorPostion)); }
    Q_INVOKABLE void updateFormat() { m_format->apply(); }
    Q_INVOKABLE void update() { updateFormat(); }

    // Whole-document ranges by whole offsets.
    Q_INVOKABLE QString getText(int start, int end) const;
    Q_INVOKABLE void remove(int start, int end);
    Q_INVOKABLE void append(const QString& text);

    // Loading, saving, snapshots (DocumentLoader, EditorFile,
    // SaveSchedule, HistorySnapshots).
    static void setStepLoading(qint64 fromBytes, int charactersPerStep) { DocumentLoader::setStepLoading(fromBytes, charactersPerStep); }
    static void readAhead(const QUrl& url) { DocumentLoader::readAhead(url); }
    Q_INVOKABLE bool save() { return m_file->save(); }
    Q_INVOKABLE bool saveAs(const QUrl& fileUrl) { return m_file->saveAs(fileUrl); }
    Q_INVOKABLE void saveInBackground() { m_file->saveInBackground(); }
    bool isSaving() const { return m_file->isSaving(); }
    void waitForSaves() { m_file->waitForSaves(); }
    Q_INVOKABLE bool saveTmpFile() { return m_history->saveTmpFile(); }
    Q_INVOKABLE void followRename(const QUrl& url) { m_file->followRename(url); }
    bool saveTmpFile(const QString& filePath, const QString& text, const QString& historyDir = QString())
    {
        return m_history->saveTmpFile(filePath, text, historyDir);
    }
    Q_INVOKABLE static QString getNameFromUrl(const QUrl& url) { return HistorySnapshots::documentName(url); }
    Q_INVOKABLE void exit() { m_file->exit(); }

    // Editing operations.
    Q_INVOKABLE void select(int start, int end);
    Q_INVOKABLE void selectByDocument(int start, int end);
    Q_INVOKABLE void selectLine(int startLine, int endLine);
    Q_INVOKABLE void selectAll();
    Q_INVOKABLE void deselect();
    Q_INVOKABLE void copy();
    Q_INVOKABLE void cut();
    Q_INVOKABLE void paste();
    Q_INVOKABLE void removeSelect(bool removeEditText = false);
    Q_INVOKABLE void undo();
    Q_INVOKABLE void redo();
    Q_INVOKABLE void enterPressed();
    Q_INVOKABLE void addChapterName(int nextTitleIndex);
    Q_INVOKABLE void makeup();
    Q_INVOKABLE QString selectedPlainText() const;
    // Inserts text at the text area's cursor as if typed (mirrored like
    // typing).
    void insertAtEditCursor(const QString& text);
    // Replaces the selection (or inserts at the cursor): through the window
    // when the selection lies in it and the text is short, else in the
    // whole document, whose window is then rebuilt at the new cursor.
    void replaceSelection(const QString& text);

    // Search and replace over the whole document with the search text
    // (selectedText), replaceText, searchMode and matchCaseSensitive.
    Q_INVOKABLE bool doSearch(bool searchDown, bool allowRestartAtTop);
    Q_INVOKABLE bool doSearchDown() { return doSearch(true, true); }
    Q_INVOKABLE bool doSearchUp() { return doSearch(false, true); }
    Q_INVOKABLE bool doReplace(bool forAll = false);
    Q_INVOKABLE void doReplaceAll();
    Q_INVOKABLE void activateReplace() {}

    // While the whole document announces a loaded text, it may carry the
    // texts of its blocks (QStringList) under this property, valid when the
    // second one equals its revision: a reader of every line can take them
    // instead of asking each block.
    static constexpr const char* lineTextsProperty = "penlarkLineTexts";
    static constexpr const char* lineTextsRevisionProperty = "penlarkLineTextsRevision";

    // Longest paste that goes through the window; longer ones go straight
    // into the whole document.
    static constexpr int maxWindowPaste = 2000;

public slots:
    void doSetFile() { m_file->doSetFile(); }
    void editContentsChange(int position, int charsRemoved, int charsAdded)
    {
        m_parts.mirror->editContentsChange(position, charsRemoved, charsAdded);
    }
    void doRealTimeSave(int blockCount);
    void fileChanged(const QString& path) { m_file->fileChanged(path); }
    // The watcher watches no folder.
    void dirChanged(const QString& dir) { Q_UNUSED(dir) }
    void makeupFinished(const QStringList& list);
    bool subtleFinish(const QString& text);

signals:
    void lineSpacingChanged();
    void paragraphHeightChanged();
    void textIndentChanged();
    void editHeightChanged();
    void contentYChanged();
    void contentHeightChanged();
    void editLineCountChanged();
    void scrollPostionChanged();
    void scrollSizeChanged();
    void lineCountChanged();
    void startPositionChanged();
    void startLineTextChanged();
    void fileNameChanged(const QUrl& fileName);
    void fileTypeChanged();
    void documentChanged();
    void editDocumentChanged();
    void textEditChanged();
    void allTextDocumentChanged();
    void allTextChanged();
    void readOnlyChanged();
    void loadingChanged();
    void textLoadedChanged();
    void isModifiedChanged();
    void isTmpModifiedChanged();
    void lastModificationChanged();
    void allSelectionStartChanged();
    void allSelectionEndChanged();
    void allCursorPostionChanged();
    void allSelectedTextChanged();
    void editSelectionStartChanged();
    void editSelectionEndChanged();
    void editCursorPostionChanged();
    void editSelectedTextChanged();
    void isSelectedAllChanged(bool isSelectedAll);
    void cursorLineNumberChanged();
    void cursorLinePostionChanged();
    void cursorLinePreTextChanged();
    void addEmptyLineAtEndByEnterChanged();
    void add2SpaceAtFrontByEnterChanged();
    void autoAddChapterNameChanged();
    void seriseEnterNumberChanged();
    void selectedTextChanged();
    void replaceTextChanged();
    void searchModeChanged();
    void replaceModeChanged();
    void matchCaseSensitiveChanged();
    void markdownForFormatChanged();
    void historyPathChanged();
    void historyTimeChanged();
    void initPositionChanged(int initPosition);
    void isUndoAvailableChanged();
    void isRedoAvailableChanged();
    void chapterKeysChanged();
    void testTipsChanged();
    void boldChanged();
    void italicChanged();
    void underlineChanged();
    void fontFamilyChanged();
    void fontSizeChanged();
    void textColorChanged();
    void alignmentChanged();

    void sendEditPostion(int postion);
    void ensureVisible();
    void sendSave();
    void keyEnter(int key);
    void fileDeleted(const QUrl& fileName, bool isDeleted);
    void postionChanged(int postion);

private:
    // Interim: the parts still reach the Enter state and the typing run here.
    friend class WindowMirror;
    friend class WindowScroller;
    friend class WriterSelection;

    // Refreshes the state that follows every change of the whole text.
    void afterWholeChange(bool textEdited);
    // Whether an edit of the text area joins the undo step of the typing
    // before it.
    bool joinsTypingRun(int position, int removed, const QString& inserted);
    // Keys that move the cursor, and clicks, end a run of typing.
    void endTypingRunOn(const QEvent* event);
    void undoRedo(bool undo);
    void setStartLineText(const QString& value);
    // One match of the search text in the whole document: start and length,
    // start -1 when there is none.
    struct Match {
        int start = -1;
        int length = 0;
    };
    Match findMatch(const QRegularExpression& expression, int from, bool backward, QTextDocument::FindFlags flags,
        bool allowEmpty) const;
    Match findExpression(const QRegularExpression& expression, int from, bool backward) const;
    QRegularExpression searchExpression() const;

    EditorParts m_parts;
    WholeDocument* m_wholeDoc = nullptr;
    QTextDocument* m_allDoc = nullptr;
    WriterSelection* m_selection = nullptr;
    EditWindow* m_window = nullptr;
    WindowScroller* m_scroller = nullptr;
    std::unique_ptr<WindowFormat> m_format;
    EditorFile* m_file = nullptr;
    DocumentLoader* m_loader = nullptr;
    HistorySnapshots* m_history = nullptr;
    SaveSchedule* m_saves = nullptr;

    bool m_inserting = false;
    TypingRun m_typingRun;
    bool m_enterBreak = false;
    int m_lineCount = 1;
    QString m_startLineText;

    bool m_addEmptyLineAtEndByEnter = true;
    bool m_add2SpaceAtFrontByEnter = true;
    int m_autoAddChapterName = 0;
    int m_seriseEnterNumber = 0;
    bool m_enterPressed = false;
    bool m_makeupRunning = false;
    quint64 m_makeupRevision = 0;

    QString m_selectedText;
    QString m_replaceText;
    SearchMode m_searchMode = PlainTextMode;
    bool m_replaceMode = false;
    bool m_matchCaseSensitive = false;
    bool m_markdownForFormat = false;
    QStringList m_chapterKeys;
    QString m_testTips;
    bool m_undoAvailable = false;
    bool m_redoAvailable = false;
};

#endif
