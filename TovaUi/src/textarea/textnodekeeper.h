#ifndef TEXTNODEKEEPER_H
#define TEXTNODEKEEPER_H

#include <QObject>
#include <QPointer>
#include <QVector>

class QQuickTextEdit;
class QTextDocument;

// Keeps a Qt Quick text edit from rebuilding and repainting the lines in
// front of an edit. Qt 5.15's text edit marks every one of its text nodes
// dirty whenever its text changes, so each keystroke rebuilds the nodes of
// every line it holds and repaints the whole visible text. Nothing in front
// of the changed line can change with the edit (its text, its position and
// its highlighting stay), so those nodes get back the state they had before
// the edit; the changed line and everything after it are rebuilt as before.
//
// Nothing is kept when the text's direction or alignment changes with the
// edit (every line is laid out anew then), nor for a change that was not
// reported with its position.
class TextNodeKeeper : public QObject
{
    Q_OBJECT
public:
    // Watches the text edit and its own document (edit is a QML TextEdit;
    // for any other object the keeper does nothing).
    explicit TextNodeKeeper(QObject* edit, QObject* parent = nullptr);

    // How many text nodes the last edit kept from being rebuilt (tests).
    int keptByLastEdit() const { return m_keptByLastEdit; }

private:
    void contentsChange(int position, int removed, int added);
    void textChanged();
    int alignmentKey() const;

    QPointer<QQuickTextEdit> m_edit;
    QTextDocument* m_document = nullptr;
    // Start positions of the nodes in front of the edit that were clean
    // before it, and the position of the first line the edit changed.
    QVector<int> m_clean;
    int m_boundary = -1;
    int m_alignment = -1;
    int m_keptByLastEdit = 0;
};

#endif // TEXTNODEKEEPER_H
