#ifndef HISTORYSNAPSHOTS_H
#define HISTORYSNAPSHOTS_H

#include "TovaUi/textarea/editorparts.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

class QTimer;

// History snapshots: copies of a document's text named "<name up to its
// first dot>---<seconds since the epoch>.txt" in a history folder. A
// snapshot is never replaced: when the name of this second is taken (two
// documents with one base name, or two snapshots in one second), the next
// free second is used. The naming is the one for every snapshot of the
// program (static); an instance takes the snapshots of one open document:
// every historyTime minutes when its text changed since the last one, and
// when asked (select-all, typesetting, masking, an outside change).
class HistorySnapshots : public QObject
{
    Q_OBJECT
public:
    HistorySnapshots(const EditorParts& parts, QObject* parent);

    // The start of a document's snapshot names: its name before the first
    // ".", cut to leave room for the rest of the snapshot's name.
    static QString baseName(const QString& documentName);
    static QString fileName(const QString& documentName, qint64 seconds);
    // Where a new snapshot of the document named documentName goes in
    // folder; empty when the thousand seconds from now on are all taken.
    static QString newPath(const QString& folder, const QString& documentName);
    // A document's name: its file name, except that a file named
    // "index.txt" takes the name of its folder (a book's index).
    static QString documentName(const QUrl& url);

    QUrl historyPath() const { return m_historyPath; }
    void setHistoryPath(const QUrl& value);
    QString historyDir() const;
    int historyTime() const { return m_historyTime; }
    void setHistoryTime(int minutes);
    // Whether the text changed since the last snapshot.
    bool isTmpModified() const { return m_isTmpModified; }
    void setIsTmpModified(bool value);

    // A snapshot of the document when its text changed since the last one;
    // true when there is one of this text.
    bool saveTmpFile();
    // A snapshot of text as the file at filePath, in historyDir (the
    // history folder when empty); never of a snapshot, nor of a read-only
    // or blank text.
    bool saveTmpFile(const QString& filePath, const QString& text, const QString& historyDir);
    // Writes it; a failure is told once per document.
    bool writeSnapshot(const QString& filePath, const QString& text, const QString& historyDir);

    // The program's own folder for texts the history cannot take (set by
    // the program; empty: none).
    static void setFallbackFolder(const QString& folder);
    static QString fallbackFolder();
    // A copy of the unsaved text of the document at filePath, for a text
    // its file cannot take, as the file would hold it (bytes): in the
    // history folder, else in the fallback folder. Returns the copy's path;
    // empty when neither took it (logged).
    QString keepUnsaved(const QString& filePath, const QByteArray& bytes);
    // Copies kept as the program ended, noted in the fallback folder so
    // that the next start can name them; taken once (the note goes).
    static void noteKeptAtEnd(const QString& copy);
    static QStringList takeKeptAtEnd();

private:
    const EditorParts& m_parts;
    QUrl m_historyPath;
    int m_historyTime = 10;
    bool m_isTmpModified = true;
    QTimer* m_timer = nullptr;
};

#endif
