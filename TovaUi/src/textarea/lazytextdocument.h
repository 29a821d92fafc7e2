#ifndef LAZYTEXTDOCUMENT_H
#define LAZYTEXTDOCUMENT_H

#include "TovaUi/textarea/documentediting.h"
#include "TovaUi/textarea/editorfile.h"
#include "TovaUi/textarea/documentloader.h"
#include "TovaUi/textarea/documentsearch.h"
#include "TovaUi/textarea/editorparts.h"
#include "TovaUi/textarea/editwindow.h"
#include "TovaUi/textarea/historysnapshots.h"
#include "TovaUi/textarea/typingrules.h"
#include "TovaUi/textarea/windowformat.h"
#include "TovaUi/textarea/windowmap.h"
#include "TovaUi/textarea/windowmirror.h"
#include "TovaUi/textarea/windowscroller.h"
#include "TovaUi/textarea/writerselection.h"

#include <QColor>
#include <QDateTime>
#include <QObject>
#include <QQuickTextDocument>
#include <QStringList>
#include <QUrl>

#include <memory>

class QTextDocument;
class SaveSchedule;
class WholeDocument;

// Windowed editor document, the QML type LazyTextDocument: the whole file
// lives in one text document (the whole document); the QML text area edits
// only a window of consecutive lines of it (the window document). The
// window follows the view in chunks, and every edit made in the window is
// applied at once to the whole document, which is what is saved, counted
// and searched.
//
// Invariants kept by every operation: the window's text equals the whole
// document's text from startPosition() on, over the window's length; the
// text area (property textEdit) is the one source of the cursor and the
// selection, and the whole selection is what it shows (see WindowMap).
//
// This class is the type's face: its properties, signals and invokable
// operations. The work is done by its parts (EditorParts), each of which
// holds the state of its own properties and raises their signals.
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
    Q_PROPERTY(bool editable READ editable NOTIFY editableChanged)
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

    // Milliseconds since the last document was made.
    Q_INVOKABLE static int timeElapsed();

    // Paragraph format (WindowFormat).
    double lineSpacing() const { return m_format->lineSpacing(); }
    void setLineSpacing(double value) { m_format->setLineSpacing(value); }
    double paragraphHeight() const { return m_format->paragraphHeight(); }
    void setParagraphHeight(double value) { m_format->setParagraphHeight(value); }
    double textIndent() const { return m_format->textIndent(); }
    void setTextIndent(double value) { m_format->setTextIndent(value); }

    // View geometry pushed in from QML (WindowScroller).
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

    // The window (EditWindow) and the whole document.
    int lineCount() const;
    int startPosition() const { return windowMap().start(); }
    QString startLineText() const { return m_startLineText; }
    void setStartLineText(const QString& value);
    int startLine() const { return windowMap().firstLine(); }
    int endLine() const { return windowMap().lastLine(); }
    int windowSize() const { return m_window->size(); }
    const WindowMap& windowMap() const { return static_cast<const EditWindow*>(m_window)->map(); }
    QQuickTextDocument* document() const { return m_window->quickDocument(); }
    void setDocument(QQuickTextDocument* document) { m_window->setQuickDocument(document); }
    // The window document itself; QML hands it in through setDocument.
    QTextDocument* editDocument() const { return m_window->document(); }
    void setEditDocument(QTextDocument* document) { m_window->setDocument(document); }
    QTextDocument* allTextDocument() const { return m_allDoc; }
    Q_INVOKABLE QString allText() const;
    Q_INVOKABLE QString allRawText() const;
    Q_INVOKABLE void setAllText(const QString& text) { m_loader->setAllText(text); }
    bool isUndoAvailable() const;
    bool isRedoAvailable() const;

    // The file (EditorFile) and its snapshots (HistorySnapshots).
    QUrl fileName() const { return m_file->fileName(); }
    void setFileName(const QUrl& url) { m_file->setFileName(url); }
    QString fileType() const { return m_file->fileType(); }
    void setFileType(const QString& type) { m_file->setFileType(type); }
    bool readOnly() const { return m_file->readOnly(); }
    void setReadOnly(bool value) { m_file->setReadOnly(value); }
    bool loading() const { return m_file->loading(); }
    bool textLoaded() const { return m_file->textLoaded(); }
    // The one answer to "may the text be edited now" (not while loading,
    // not read-only); mayEdit() also tells a writer whose key came too soon.
    bool editable() const { return m_file->editable(); }
    Q_INVOKABLE bool mayEdit() const { return m_file->mayEdit(); }
    bool isModified() const { return m_file->isModified(); }
    void setIsModified(bool value) { m_file->setIsModified(value); }
    QDateTime lastModification() const { return m_file->lastModification(); }
    int initPosition() const { return m_file->initPosition(); }
    void setInitPosition(int value) { m_file->setInitPosition(value); }
    bool isTmpModified() const { return m_history->isTmpModified(); }
    void setIsTmpModified(bool value) { m_history->setIsTmpModified(value); }
    QUrl historyPath() const { return m_history->historyPath(); }
    void setHistoryPath(const QUrl& value) { m_history->setHistoryPath(value); }
    int historyTime() const { return m_history->historyTime(); }
    void setHistoryTime(int minutes) { m_history->setHistoryTime(minutes); }

    // The writer's selection (WriterSelection), in whole offsets, ordered,
    // and its cursor end; and what the text area shows, in window offsets.
    QObject* textEdit() const { return m_selection->textEdit(); }
    void setTextEdit(QObject* edit) { m_selection->setTextEdit(edit); }
    int allSelectionStart() const { return wholeSelection().start(); }
    void setAllSelectionStart(int value) { m_editing->setAllSelectionStart(value); }
    int allSelectionEnd() const { return wholeSelection().end(); }
    void setAllSelectionEnd(int value) { m_editing->setAllSelectionEnd(value); }
    int allCursorPostion() const { return wholeSelection().cursor; }
    Q_INVOKABLE void setAllCursorPostion(int value) { m_editing->setAllCursorPostion(value); }
    QString allSelectedText() const { return m_selection->wholeText(); }
    WindowMap::Selection wholeSelection() const { return m_selection->whole(); }
    int editSelectionStart() const { return m_selection->shown().start(); }
    int editSelectionEnd() const { return m_selection->shown().end(); }
    int editCursorPostion() const { return m_selection->shown().cursor; }
    QString editSelectedText() const { return m_selection->shownText(); }
    bool isSelectedAll() const { return m_selection->isSelectedAll(); }
    int cursorLineNumber() const { return m_selection->cursorLineNumber(); }
    int cursorLinePostion() const { return m_selection->cursorLinePostion(); }
    QString cursorLinePreText() const { return m_selection->cursorLinePreText(); }

    // What typing adds (TypingRules).
    bool addEmptyLineAtEndByEnter() const { return m_typing->addEmptyLineAtEndByEnter(); }
    void setAddEmptyLineAtEndByEnter(bool value) { m_typing->setAddEmptyLineAtEndByEnter(value); }
    bool add2SpaceAtFrontByEnter() const { return m_typing->add2SpaceAtFrontByEnter(); }
    void setAdd2SpaceAtFrontByEnter(bool value) { m_typing->setAdd2SpaceAtFrontByEnter(value); }
    int autoAddChapterName() const { return m_typing->autoAddChapterName(); }
    void setAutoAddChapterName(int value) { m_typing->setAutoAddChapterName(value); }
    int seriseEnterNumber() const { return m_typing->seriseEnterNumber(); }
    void setSeriseEnterNumber(int value) { m_typing->setSeriseEnterNumber(value); }
    QStringList chapterKeys() const { return m_typing->chapterKeys(); }
    void setChapterKeys(const QStringList& value) { m_typing->setChapterKeys(value); }

    // Search and replace (DocumentSearch).
    QString selectedText() const { return m_search->selectedText(); }
    void setSelectedText(const QString& value) { m_search->setSelectedText(value); }
    QString replaceText() const { return m_search->replaceText(); }
    void setReplaceText(const QString& value) { m_search->setReplaceText(value); }
    SearchMode searchMode() const { return SearchMode(m_search->searchMode()); }
    void setSearchMode(SearchMode value) { m_search->setSearchMode(value); }
    bool replaceMode() const { return m_search->replaceMode(); }
    void setReplaceMode(bool value) { m_search->setReplaceMode(value); }
    bool matchCaseSensitive() const { return m_search->matchCaseSensitive(); }
    void setMatchCaseSensitive(bool value) { m_search->setMatchCaseSensitive(value); }

    // Stored and signalled only.
    bool markdownForFormat() const { return m_markdownForFormat; }
    void setMarkdownForFormat(bool value);
    QString testTips() const { return m_testTips; }
    void setTestTips(const QString& value);

    // Rich-text formatting of the window (WindowFormat).
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

    // Window maintenance and jumps (WindowScroller, EditWindow).
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

    // Loading, saving, snapshots (DocumentLoader, EditorFile,
    // HistorySnapshots; SaveSchedule says when saves happen).
    static void setStepLoading(qint64 fromBytes, int charactersPerStep) { DocumentLoader::setStepLoading(fromBytes, charactersPerStep); }
    static void readAhead(const QUrl& url) { DocumentLoader::readAhead(url); }
    Q_INVOKABLE bool save() { return m_file->save(); }
    Q_INVOKABLE bool saveAs(const QUrl& fileUrl) { return m_file->saveAs(fileUrl); }
    // A copy of the text its file does not hold (made once per edit); its
    // path, empty when nothing could take it or nothing is unsaved.
    Q_INVOKABLE QString keepUnsaved() { return m_file->keepUnsaved(); }
    Q_INVOKABLE void saveInBackground() { m_file->saveInBackground(); }
    bool isSaving() const { return m_file->isSaving(); }
    void waitForSaves() { m_file->waitForSaves(); }
    Q_INVOKABLE bool saveTmpFile() { return m_history->saveTmpFile(); }
    bool saveTmpFile(const QString& filePath, const QString& text, const QString& historyDir = QString())
    {
        return m_history->saveTmpFile(filePath, text, historyDir);
    }
    Q_INVOKABLE void followRename(const QUrl& url) { m_file->followRename(url); }
    Q_INVOKABLE static QString getNameFromUrl(const QUrl& url) { return HistorySnapshots::documentName(url); }
    Q_INVOKABLE void exit() { m_file->exit(); }

    // Editing operations (DocumentEditing, TypingRules).
    Q_INVOKABLE QString getText(int start, int end) const { return m_editing->getText(start, end); }
    Q_INVOKABLE void remove(int start, int end) { m_editing->remove(start, end); }
    Q_INVOKABLE void append(const QString& text) { m_editing->append(text); }
    Q_INVOKABLE void select(int start, int end) { m_editing->select(start, end); }
    Q_INVOKABLE void selectByDocument(int start, int end) { m_editing->selectByDocument(start, end); }
    Q_INVOKABLE void selectLine(int startLine, int endLine) { m_editing->selectLine(startLine, endLine); }
    Q_INVOKABLE void selectAll() { m_editing->selectAll(); }
    Q_INVOKABLE void deselect() { m_editing->deselect(); }
    Q_INVOKABLE void copy() { m_editing->copy(); }
    Q_INVOKABLE void cut() { m_editing->cut(); }
    Q_INVOKABLE void paste() { m_editing->paste(); }
    Q_INVOKABLE void removeSelect(bool removeEditText = false) { m_editing->removeSelect(removeEditText); }
    Q_INVOKABLE void undo() { m_editing->undoRedo(true); }
    Q_INVOKABLE void redo() { m_editing->undoRedo(false); }
    Q_INVOKABLE QString selectedPlainText() const { return m_editing->selectedPlainText(); }
    void replaceSelection(const QString& text) { m_editing->replaceSelection(text); }
    Q_INVOKABLE void enterPressed() { m_typing->enterPressed(); }
    Q_INVOKABLE void addChapterName(int nextTitleIndex) { m_typing->addChapterName(nextTitleIndex); }
    Q_INVOKABLE void makeup() { m_typing->makeup(); }
    void insertAtEditCursor(const QString& text) { m_typing->insertAtEditCursor(text); }

    // Search and replace over the whole document with the search text
    // (selectedText), replaceText, searchMode and matchCaseSensitive.
    Q_INVOKABLE bool doSearch(bool searchDown, bool allowRestartAtTop) { return m_search->doSearch(searchDown, allowRestartAtTop); }
    Q_INVOKABLE bool doSearchDown() { return doSearch(true, true); }
    Q_INVOKABLE bool doSearchUp() { return doSearch(false, true); }
    Q_INVOKABLE bool doReplace(bool forAll = false) { return m_search->doReplace(forAll); }
    Q_INVOKABLE void doReplaceAll() { m_search->doReplaceAll(); }
    Q_INVOKABLE void activateReplace() {}

    // While the whole document announces a loaded text, it may carry the
    // texts of its blocks (QStringList) under this property, valid when the
    // second one equals its revision: a reader of every line can take them
    // instead of asking each block.
    static constexpr const char* lineTextsProperty = "penlarkLineTexts";
    static constexpr const char* lineTextsRevisionProperty = "penlarkLineTextsRevision";

    static constexpr int maxWindowPaste = DocumentEditing::maxWindowPaste;

public slots:
    void doSetFile() { m_file->doSetFile(); }
    void editContentsChange(int position, int charsRemoved, int charsAdded)
    {
        m_parts.mirror->editContentsChange(position, charsRemoved, charsAdded);
    }
    void doRealTimeSave(int blockCount) { m_typing->doRealTimeSave(blockCount); }
    void fileChanged(const QString& path) { m_file->fileChanged(path); }
    // The watcher watches no folder.
    void dirChanged(const QString& dir) { Q_UNUSED(dir) }
    void makeupFinished(const QStringList& list) { m_typing->makeupFinished(list); }
    bool subtleFinish(const QString& text) { return m_typing->subtleFinish(text); }
    bool restoreText(const QString& text) { return m_typing->restoreText(text); }

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
    void editableChanged();
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
    // Refreshes the state that follows every change of the whole text.
    void afterWholeChange(bool textEdited);

    EditorParts m_parts;
    QTextDocument* m_allDoc = nullptr;
    WriterSelection* m_selection = nullptr;
    EditWindow* m_window = nullptr;
    WindowScroller* m_scroller = nullptr;
    EditorFile* m_file = nullptr;
    DocumentLoader* m_loader = nullptr;
    HistorySnapshots* m_history = nullptr;
    SaveSchedule* m_saves = nullptr;
    TypingRules* m_typing = nullptr;
    std::unique_ptr<WindowFormat> m_format;
    std::unique_ptr<DocumentSearch> m_search;
    std::unique_ptr<DocumentEditing> m_editing;

    int m_lineCount = 1;
    bool m_undoAvailable = false;
    bool m_redoAvailable = false;
    QString m_startLineText;
    bool m_markdownForFormat = false;
    QString m_testTips;
};

#endif
