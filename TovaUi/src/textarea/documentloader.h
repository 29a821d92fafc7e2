#ifndef DOCUMENTLOADER_H
#define DOCUMENTLOADER_H

#include "TovaUi/textarea/editorparts.h"

#include <QFuture>
#include <QObject>
#include <QStringList>
#include <QUrl>

class FileIdentity;
class TextFileForm;
class QIODevice;
class QThreadPool;
struct DocumentRead;

// Reads the document's file into the whole document: the encoding (UTF-8,
// else GBK; a byte-order mark wins), every line ending with a line break,
// an empty file pre-filled with the indentation, and the cursor put at the
// start position. Every file is read and decoded on a reader thread, so a
// stalled file system never freezes the window; until its text is in, the
// document is loading (nothing shown, typed, saved or snapshotted), and a
// newer load drops a read still under way. A long file is put into the
// whole document a part at a time (and read ahead at start when it is the
// one to be reopened). Every load replaces the whole text: no undo step,
// the window emptied first and rebuilt afterwards.
class DocumentLoader : public QObject
{
    Q_OBJECT
public:
    DocumentLoader(const EditorParts& parts, QObject* parent);
    ~DocumentLoader() override;

    // Starts reading url (a resource is read at once); false when it is
    // no local file. inSteps: a file larger than the step size is put in
    // in parts.
    bool loadText(const QUrl& url, bool inSteps = false);
    // The local file again (written by another program), the cursor put
    // back at cursor once it is in. A file that cannot be read leaves the
    // text as it was.
    void reloadText(int cursor);
    // Replaces the whole text, as a load does.
    void setAllText(const QString& text);
    // A load under way is dropped (its read, or its next part).
    void cancel();
    // The file chosen is read from now on, while the page settles before
    // the load. A missing file is never made.
    void readEarly(const QUrl& url);

    // Files larger than fromBytes are opened in steps of that many
    // characters (tests and benchmarks; 4 MiB and 1 Mi characters by default).
    static void setStepLoading(qint64 fromBytes, int charactersPerStep);
    // Starts reading a long local file that is about to be opened (the
    // start's current file) while the interface is still being built; the
    // first load takes the read if it is of that file and the file has not
    // changed since, or drops it.
    static void readAhead(const QUrl& url);
    static QString getCodecName(QIODevice* device);
    // The threads that read documents. They are never waited for: a read
    // stalled on its file system does not keep the program from ending.
    static QThreadPool* readers();

signals:
    // The file a load read, as it was when its read began, and how its
    // bytes stand for the text (before the text is put in).
    void fileRead(const FileIdentity& file, const TextFileForm& form);
    // A local file's text is all in: the file may have changed since it
    // was read.
    void loaded();

private:
    // A read under way and what follows it.
    struct Load {
        quint64 generation = 0;
        QUrl url;
        bool inSteps = false;
        // A reload: the cursor is put back there, and a failed read keeps
        // the text.
        int cursor = -1;
    };
    void startRead(const Load& load, const QFuture<DocumentRead>& before);
    void textRead(const Load& load, const DocumentRead& read);
    // revision: the whole document's edit revision when the load began.
    void insertStep(quint64 generation, const QString& text, const QStringList& lines, int from, bool hadText,
        const QString& path, quint64 revision);
    // cursorAt: where a reload puts the cursor back; else at the start
    // position.
    void textTaken(const QString& path, bool resource, int cursorAt = -1);
    // Around a replacement of the whole text; true when it replaces a text.
    bool beginTextReplacement();
    void endTextReplacement(bool hadText);

    const EditorParts& m_parts;
    quint64 m_generation = 0;
    QUrl m_earlyUrl;
    QFuture<DocumentRead> m_early;
};

#endif
