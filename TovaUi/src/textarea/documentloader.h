#ifndef DOCUMENTLOADER_H
#define DOCUMENTLOADER_H

#include "TovaUi/textarea/editorparts.h"

#include <QFuture>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QIODevice;

// Reads the document's file into the whole document: the encoding (UTF-8,
// else GBK; a byte-order mark wins), every line ending with a line break,
// an empty file pre-filled with the indentation, and the cursor put at the
// start position. A long file is read and decoded off the GUI thread and
// put into the whole document a part at a time (read ahead at start when it
// is the one to be reopened). Every load replaces the whole text: no undo
// step, the window emptied first and rebuilt afterwards.
class DocumentLoader : public QObject
{
    Q_OBJECT
public:
    DocumentLoader(const EditorParts& parts, QObject* parent);

    // inSteps: a file larger than the step size is loaded in parts.
    bool loadText(const QUrl& url, bool inSteps = false);
    // The file again (written by another program): false when it is gone.
    bool reloadText();
    // Replaces the whole text, as a load does.
    void setAllText(const QString& text);
    // A load still in parts stops at its next part.
    void cancel() { ++m_generation; }

    // Files larger than fromBytes are opened in steps of that many
    // characters (tests and benchmarks; 4 MiB and 1 Mi characters by default).
    static void setStepLoading(qint64 fromBytes, int charactersPerStep);
    // Starts reading a long local file that is about to be opened (the
    // start's current file) while the interface is still being built; the
    // first load takes the read if it is of that file and the file has not
    // changed since, or drops it.
    static void readAhead(const QUrl& url);
    static QString getCodecName(QIODevice* device);

private:
    // readAhead: the file's read when it was read ahead, else a default
    // future (which is a canceled one).
    void loadInSteps(const QString& path, const QFuture<QStringList>& readAhead);
    void insertStep(quint64 generation, const QString& text, const QStringList& lines, int from, bool hadText,
        const QString& path);
    void textTaken(const QString& path, bool resource);
    // Around a replacement of the whole text; true when it replaces a text.
    bool beginTextReplacement();
    void endTextReplacement(bool hadText);

    const EditorParts& m_parts;
    quint64 m_generation = 0;
};

#endif
