#ifndef FILES_H
#define FILES_H

#include <QHash>
#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <functional>

class cloudDisk;
#include "files/filefiltermodel.h"
class LumoFileSystemModel;

// The document tree object behind the file pages ("files"): the tree models
// of the document folder, the current folder and file followed in the tree,
// document and book creation, rename and deletion, the sort direction,
// recent files and the relay to the document sync engine.
class files : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QModelIndex index READ index WRITE setIndex NOTIFY indexChanged)
    Q_PROPERTY(FileFilterModel* model READ model WRITE setModel NOTIFY modelChanged)
    Q_PROPERTY(QModelIndex historyIndex READ historyIndex NOTIFY historyIndexChanged)
    Q_PROPERTY(FileFilterModel* historyModel READ historyModel WRITE setHistoryModel NOTIFY historyModelChanged)
    Q_PROPERTY(QUrl historyPath READ historyPath WRITE setHistoryPath NOTIFY historyPathChanged)
    Q_PROPERTY(QModelIndex notesIndex READ notesIndex WRITE setNotesIndex NOTIFY notesIndexChanged)
    Q_PROPERTY(FileFilterModel* notesModel READ notesModel WRITE setNotesModel NOTIFY notesModelChanged)
    Q_PROPERTY(QUrl noteCurrentFile READ noteCurrentFile WRITE setNoteCurrentFile NOTIFY noteCurrentFileChanged)
    Q_PROPERTY(bool conflictVisible READ conflictVisible WRITE setConflictVisible NOTIFY conflictVisibleChanged)
    Q_PROPERTY(QString localText READ localText WRITE setLocalText NOTIFY localTextChanged)
    Q_PROPERTY(QString serverText READ serverText WRITE setServerText NOTIFY serverTextChanged)
    Q_PROPERTY(QString checkValue READ checkValue WRITE setCheckValue NOTIFY checkValueChanged)
    Q_PROPERTY(QUrl noteRootUrl READ noteRootUrl NOTIFY noteRootUrlChanged)
    Q_PROPERTY(QStringList recentFiles READ recentFiles WRITE setRecentFiles NOTIFY recentFilesChanged)
    Q_PROPERTY(QStringList recentNotes READ recentNotes WRITE setRecentNotes NOTIFY recentNotesChanged)
    Q_PROPERTY(QString sortIcon READ sortIcon WRITE setSortIcon NOTIFY sortIconChanged)
    Q_PROPERTY(bool updating READ updating WRITE setUpdating NOTIFY updatingChanged)
    Q_PROPERTY(QString cloudTips READ cloudTips WRITE setCloudTips NOTIFY cloudTipsChanged)
    Q_PROPERTY(QString documentPath READ documentPath WRITE setDocumentPath NOTIFY documentPathChanged)
    Q_PROPERTY(QUrl documentUrl READ documentUrl WRITE setDocumentUrl NOTIFY documentUrlChanged)
    Q_PROPERTY(bool loading READ loading WRITE setLoading NOTIFY loadingChanged)
    Q_PROPERTY(QUrl currentPath READ currentPath WRITE setCurrentPath NOTIFY currentPathChanged)
    Q_PROPERTY(QUrl currentFile READ currentFile WRITE setCurrentFile NOTIFY currentFileChanged)

public:
    explicit files(QObject* parent = nullptr);
    ~files() override;

    // Modal boxes go through these hooks, so tests (and other front ends)
    // can answer them. The question returns a QMessageBox::StandardButton.
    using QuestionHandler = std::function<int(const QString& title, const QString& text)>;
    using AboutHandler = std::function<void(const QString& title, const QString& text)>;
    static void setQuestionHandler(QuestionHandler handler);
    static void setAboutHandler(AboutHandler handler);

    cloudDisk* fileCloudDisk() const { return m_cloudDisk; }
    FileFilterModel* filterModel() const { return m_model; }
    LumoFileSystemModel* fileSystemModel() const { return m_fileSystemModel; }

    void initModel();
    void showDocumentFolder();
    QModelIndex index();
    void setIndex(const QModelIndex& index);
    FileFilterModel* model();
    void setModel(FileFilterModel* model);
    QModelIndex fileSystemIndex() const { return m_fileSystemIndex; }
    void setFileSystemIndex(const QModelIndex& index);
    QStringList loadedFolders() const { return m_loadedFolders; }

    QUrl currentPath() const { return m_currentPath; }
    void setCurrentPath(const QUrl& path);
    QUrl currentFile() const { return m_currentFile; }
    void setCurrentFile(const QUrl& file);
    QUrl historyPath() const { return m_historyPath; }
    void setHistoryPath(const QUrl& path);
    QString cloudTips() const { return m_cloudTips; }
    void setCloudTips(const QString& tips);
    QString documentPath() const;
    void setDocumentPath(const QString& path);
    QUrl documentUrl() const;
    void setDocumentUrl(const QUrl& url);
    QStringList recentFiles() const { return m_recentFiles; }
    void setRecentFiles(const QStringList& list);
    bool updating() const { return m_updating; }
    void setUpdating(bool updating);
    bool conflictVisible() const { return m_conflictVisible; }
    void setConflictVisible(bool value);
    QString localText() const { return m_localText; }
    void setLocalText(const QString& text);
    QString serverText() const { return m_serverText; }
    void setServerText(const QString& text);
    QString checkValue() const { return m_checkValue; }
    void setCheckValue(const QString& value);
    QString sortIcon() const { return m_sortIcon; }
    void setSortIcon(const QString& icon);
    bool loading() const { return m_loading; }
    void setLoading(bool loading);

    // Notes, recent lists and history.
    QUrl noteRootUrl() const;
    Q_INVOKABLE QUrl notesPath() const;
    QUrl noteCurrentFile();
    void setNoteCurrentFile(const QUrl& url);
    Q_INVOKABLE QUrl newNoteFile();
    Q_INVOKABLE QUrl deleteNoteFile();
    FileFilterModel* notesModel();
    void setNotesModel(FileFilterModel* model);
    QModelIndex notesIndex() const { return QModelIndex(); }
    void setNotesIndex(const QModelIndex& index);
    QStringList recentNotes() const { return m_recentNotes; }
    void setRecentNotes(const QStringList& list);
    Q_INVOKABLE void setRecentNote(const QUrl& file);
    Q_INVOKABLE void clearRecentNotes();
    FileFilterModel* historyModel();
    void setHistoryModel(FileFilterModel* model);
    QModelIndex historyIndex();
    Q_INVOKABLE void showFileHistory(const QString& url);
    // The history of one document and its restore (HistoryRestore says
    // how); failures are told.
    Q_INVOKABLE static QStringList historyFilters(const QUrl& document);
    // Where copies of unsaved text go that the history cannot take; empty
    // when the program keeps none.
    Q_INVOKABLE QUrl keptCopiesPath() const;
    Q_INVOKABLE QUrl historyDocument(const QUrl& copy, const QUrl& preferred);
    // A copy's text for the editor (null when unreadable), and for reading.
    Q_INVOKABLE QVariant historyText(const QUrl& copy);
    Q_INVOKABLE QString historyPreview(const QUrl& copy);
    // Puts a copy's text into a document no tab holds, in the document's
    // own form, after a snapshot of its current text. False (with a
    // notice) when anything fails; the document is then unchanged.
    Q_INVOKABLE bool restoreHistory(const QUrl& snapshot, const QUrl& document);

    // Import and export.
    Q_INVOKABLE void importNotesDir(const QUrl& url, const QUrl& localPath = QUrl());
    Q_INVOKABLE void importNotesFiles(const QList<QUrl>& files, const QUrl& localUrl = QUrl());
    Q_INVOKABLE void exportThisBook(const QUrl& path, const QUrl& filename);
    // The text documents under a folder, sub-folders' first; hidden entries
    // and symbolic-link loops left out.
    static void getAllFiles(const QString& path, QStringList& out);
    // A book's documents in chapter order, relative to the folder.
    static QStringList getFileListByPath(const QString& folder, const QStringList& nameFilters);

    Q_INVOKABLE void setRecentFile(const QUrl& file);
    Q_INVOKABLE void clearRecentFiles();
    Q_INVOKABLE QUrl newFile();
    Q_INVOKABLE QString newDir();
    Q_INVOKABLE void delFile();
    Q_INVOKABLE bool renameFile(const QString& newBaseName, const QString& oldFullName);
    Q_INVOKABLE void importFiles(const QList<QUrl>& files, const QUrl& localUrl = QUrl());
    Q_INVOKABLE void importDir(const QUrl& url, const QUrl& localPath = QUrl());
    Q_INVOKABLE void showInFinder();
    Q_INVOKABLE void sortFile();
    Q_INVOKABLE QModelIndex indexOfFile(const QString& path) const;
    Q_INVOKABLE bool IndexIsDir(const QModelIndex& index) const;
    Q_INVOKABLE void setCurrentEditing() {}
    void showCurrentIndex(const QString& localPath);
    // The tree row that stands for a document (a book's "index.txt" stands
    // for the book); invalid when the tree does not show it.
    Q_INVOKABLE QModelIndex treeIndex(const QUrl& file) const;
    // The answer to changing(): an open tab's document (a LazyTextDocument).
    Q_INVOKABLE void offerOpenDocument(QObject* document);

public slots:
    void doCloud(bool showError);
    void doCloud() { doCloud(false); }

signals:
    void indexChanged(const QModelIndex& index);
    void historyModelChanged(FileFilterModel* historyModel);
    void conflictVisibleChanged(bool conflictVisible);
    void localTextChanged(const QString& localText);
    void serverTextChanged(const QString& serverText);
    void checkValueChanged(const QString& checkValue);
    void sortIconChanged(const QString& sortIcon);
    void updatingChanged(bool updating);
    void notesModelChanged(FileFilterModel* notesModel);
    void notesIndexChanged(const QModelIndex& notesIndex);
    void noteCurrentFileChanged(const QUrl& noteCurrentFile);
    void documentPathChanged(const QString& documentPath);
    void loadingChanged(bool loading);
    void documentUrlChanged(const QUrl& documentUrl);
    void currentPathChanged(const QUrl& currentPath);
    void currentFileChanged(const QUrl& currentFile);
    void historyIndexChanged();
    void cloudTipsChanged(const QString& cloudTips);
    void closeFile(const QUrl& file);
    void historyPathChanged(const QUrl& historyPath);
    void rootUrlChanged(const QUrl& rootUrl);
    void noteRootUrlChanged(const QUrl& noteRootUrl);
    void fileSystemIndexChanged();
    void fileSystemModelChanged();
    void modelChanged();
    void expand(const QModelIndex& index);
    void ensureVisible(const QModelIndex& index);
    void recentFilesChanged();
    void recentNotesChanged();
    // A document or a book was renamed from `from` to `to`: what shows it
    // (the editor tabs) follows, so nothing is written under the old name.
    void moved(const QUrl& from, const QUrl& to);
    // Before a document or book is renamed or deleted: every open tab hands
    // its document to offerOpenDocument() at once, which lets the writes in
    // flight of those at or under `target` finish (so that none lands under
    // the old name afterwards) and, for a delete, takes their texts for the
    // history copies.
    void changing(const QUrl& target);
    // The tree's rows were re-sorted, added or removed (sent once after a
    // burst of changes): the view lines its highlight up with the current
    // file again, as rows keep their places but not their entries.
    void treeChanged();

private:
    void onDirectoryLoaded(const QString& path);
    static QString relativeToDocuments(const QString& root, const QString& path);
    // Expands the tree down to the existing file `localPath` in the
    // document folder `root`.
    void showIndexUnder(const QString& localPath, const QString& root);
    // The folder new documents and books go into: the current folder when it
    // exists inside the document folder, else the document folder.
    QString creationFolder();
    // A book's "index.txt" stands for its folder, but only for a folder
    // strictly inside the document folder. Returns the path as written (the
    // file's, or its folder's), for LibraryPath::entry() to resolve.
    static QString targetOf(const QString& path);
    // The files a delete of `target` (resolved) removes, links left out:
    // returns those that get no history copy (not a document, or one too
    // large to read whole); the others go to *documents.
    static QStringList removedFiles(const QString& target, bool book, QStringList* documents);
    // History copies of `documents`, those at or under `target`: an open
    // tab's text, else the file. Returns the documents whose copy could not
    // be made; then the copies that were made are removed again.
    QStringList keepCopies(const QString& target, const QStringList& documents);
    // Has every open tab of a document at or under `target` (resolved)
    // finish its writes in flight (changing()); with wantTexts, returns the
    // texts of those that differ from their files, by resolved path.
    QHash<QString, QString> settleOpenDocuments(const QString& target, bool wantTexts);
    // After a rename of `from` to `to` (both absolute): the open tabs, the
    // current file and folder and the recent files follow.
    void followMove(const QString& from, const QString& to);
    void announceTreeChange();
    // `spelled` is the folder as the tabs name it, for closeFile().
    bool removeTree(const QString& folder, const QString& spelled, QStringList* failed);
    void loadRecentFiles();
    void loadRecentNotes();
    // Imports one file under `relative` into `target`: identical contents
    // are skipped, a taken name gets a free one, nothing is overwritten.
    enum class ImportResult { Copied, Same, Failed };
    // On failure *error holds the reason.
    ImportResult importOne(const QString& source, const QString& target, QString* written, QString* error);
    void importFolder(const QUrl& url, const QUrl& localPath, bool notes);
    void importFileList(const QList<QUrl>& list, const QUrl& localUrl, bool notes);
    void reportImport(int copied, const QStringList& same, const QStringList& failed, const QString& target, bool notes);

    LumoFileSystemModel* m_fileSystemModel = nullptr;
    QPointer<FileFilterModel> m_model;
    QModelIndex m_index;
    bool m_conflictVisible = false;
    QString m_localText;
    QString m_serverText;
    QString m_checkValue;
    QString m_sortIcon;
    cloudDisk* m_cloudDisk = nullptr;
    bool m_updating = false;
    bool m_treeChangePending = false;
    QString m_documentPath;
    bool m_loading = true;
    QUrl m_documentUrl;
    QUrl m_currentPath;
    QUrl m_currentFile;
    QString m_cloudTips;
    QUrl m_historyPath;
    QModelIndex m_fileSystemIndex;
    QStringList m_loadedFolders;
    QStringList m_recentFiles;
    QStringList m_recentNotes;
    QPointer<FileFilterModel> m_notesModel;
    QPointer<FileFilterModel> m_historyModel;
    LumoFileSystemModel* m_historyFileSystemModel = nullptr;
    QModelIndex m_notesIndex;
    // While changing() is under way: its target (resolved), whether texts
    // are wanted, and the texts offered.
    QString m_changing;
    bool m_wantTexts = false;
    QHash<QString, QString> m_openTexts;
};

#endif
