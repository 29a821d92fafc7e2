#ifndef WHOLEDOCUMENT_H
#define WHOLEDOCUMENT_H

#include <QObject>
#include <QString>

#include <memory>

class QTextDocument;
class RawTextCopy;

// The whole document: the text of the entire file in one QTextDocument,
// which is never shown (it has a layout that lays out nothing), with the
// copy of its raw text that saves hand over. Edits made here run with the
// document's signals blocked and are told afterwards, once, through
// announce(); the edit revision counts the edits of the text.
class WholeDocument : public QObject
{
    Q_OBJECT
public:
    explicit WholeDocument(QObject* parent = nullptr);
    ~WholeDocument() override;

    QTextDocument* document() const { return m_document; }
    RawTextCopy& rawCopy() { return *m_rawCopy; }

    // Characters, the document's last separator not counted.
    int length() const;
    int blockCount() const;
    // Raw text (paragraph separators for line breaks) of [start, end),
    // clamped to the text; of the lines first through last.
    QString range(int start, int end) const;
    QString lines(int first, int last) const;
    // The same for any document of that length.
    static QString rangeOf(QTextDocument* document, int length, int start, int end);
    // The whole text with line feeds; as the document holds it.
    QString text() const;
    QString rawText() const;
    static QString toLineFeeds(QString rawText);

    // Replaces [start, end) by text; returns how many characters the
    // document holds in its place ("\r\n" becomes one separator). With
    // joinUndo (here or set for a while), the edit is undone together with
    // the one before it.
    int replace(int start, int end, const QString& text, bool joinUndo = false);
    void setJoinUndo(bool join) { m_joinUndo = join; }
    bool joinsUndo() const { return m_joinUndo; }
    // Replaces the whole text (load, typesetting, masking): no undo step.
    void replaceAll(const QString& text, bool asHtml = false);
    // Appends text as it stands (a long file's load, part by part).
    void appendRaw(const QString& text);

    quint64 revision() const { return m_revision; }
    // Tells an edit made with the signals blocked: the document's own
    // contentsChange (removed -1: the whole text went), then changed().
    void announce(int position, int removed, int added);
    // Tells that the text changed by other ways (its own signals, a load).
    void settle(bool textEdited);

signals:
    // textEdited: an edit of the text (not a load), counted in revision().
    void changed(bool textEdited);

private:
    QTextDocument* m_document = nullptr;
    std::unique_ptr<RawTextCopy> m_rawCopy;
    // The length, read once per change (with the raw copy's bookkeeping)
    // and again inside grouped edits: reading it walks the document's
    // piece tree, and it is asked for several times per key.
    mutable int m_length = -1;
    bool m_joinUndo = false;
    quint64 m_revision = 0;
};

#endif
