#ifndef EDITWINDOW_H
#define EDITWINDOW_H

#include "TovaUi/textarea/editorparts.h"
#include "TovaUi/textarea/windowmap.h"

#include <QObject>
#include <QPointer>
#include <QTextCursor>

class QQuickTextDocument;
class QTextDocument;

// The editing window: the text area's own document (not owned), which
// holds a run of whole lines of the whole document, and the map of where
// they lie. It fills the window, moves it a chunk of lines at either end,
// rebuilds it around a position, and brackets every change it makes by its
// own hand: the mirror of window edits is off, the text area's reports are
// held, and the writer's selection is shown again afterwards. The window
// keeps no undo history (it would undo window moves and so corrupt the
// mirror); undo runs on the whole document.
class EditWindow : public QObject
{
    Q_OBJECT
public:
    EditWindow(const EditorParts& parts, QObject* parent);

    QQuickTextDocument* quickDocument() const { return m_quickDocument; }
    void setQuickDocument(QQuickTextDocument* document);
    QTextDocument* document() const { return m_document; }
    void setDocument(QTextDocument* document);

    const WindowMap& map() const { return m_map; }
    WindowMap& map() { return m_map; }
    // The window's own cursor: the format is read there, and it stands in
    // for the text area when there is none.
    QTextCursor& cursor() { return m_cursor; }
    const QTextCursor& cursor() const { return m_cursor; }
    int length() const;
    QString range(int start, int end) const;

    // Lines the window is filled with at first, moved by at either end, and
    // held either side of a jump's line. The text area rebuilds the text
    // nodes of every line from the edited one to the window's end on every
    // keystroke, so a keystroke costs in proportion to the window: it holds
    // a few view heights, not hundreds of lines; scrolling loads more in
    // chunks.
    int size() const { return 100; }
    int chunk() const { return 40; }
    int jumpSpan() const { return 40; }

    // Window moves.
    void setDocumentForAllTextFromAll(int start, int end);
    void appendDocmentTextOnBottomFromAll(int first, int last);
    void insertDocmentTextOnTopFromAll(int count);
    void removeTopLineDocumentTextFromAll(int count);
    void removeBottomDocumentTextFromAll(int count);
    // Whether the last move dropped lines at the bottom (once).
    bool takeRemovedBottom();

    // Rebuilds after bulk changes of the whole document: the same lines
    // again; an empty window (filled again by the maintenance).
    void reloadEditDocument();
    void reloadEditText();
    // The window around a whole offset; and with the cursor put there, in
    // view.
    void fillAround(int allPostion);
    void rebuildAt(int allPostion);
    // The window becomes empty and the cursor goes to 0, before the whole
    // text is replaced; clear() only empties it.
    void empty();
    void clear();
    // The whole document was edited outside the window.
    void wholeEditedOutside(int position, int removed, int added, int blockDelta);
    // The window starts or ends inside a line after an edit: it is rebuilt
    // from the whole document once the text area's edit is over.
    bool realignPending() const { return m_realignPending; }
    void requestRealign();

    // The window's text changes by the document's own hand between these
    // two calls: nothing is mirrored, the text area's reports are its
    // consequences, and the writer's selection is shown again at the end
    // (keepView: the view stays where it was over a window that moved).
    void beginChange(bool takeWriter = true);
    void endChange(bool keepView);
    void connectEditAndAllDocument(bool connect);
    bool isConnected() const { return m_connected; }

    // Shows a whole selection, the window brought to its cursor.
    void showWhole(const WindowMap::Selection& whole);
    // Whether the writer's cursor lies outside the window (the view was
    // scrolled away from it; the text area shows it at the window's edge),
    // and bringing the window back to it (also to the cursor of a selection
    // reaching beyond the window).
    bool isCursorAway() const;
    void returnToCursor();
    // Backspace at the window's first character and Delete after its last
    // one act on the line beyond the window, which the window takes in
    // first (the view stays where it is).
    void reachBeyond(int key);

private slots:
    void keepShaping(int position, int charsRemoved, int charsAdded);
    void realign();

private:
    void fill(int start, int end);

    const EditorParts& m_parts;
    QPointer<QQuickTextDocument> m_quickDocument;
    QPointer<QTextDocument> m_document;
    QTextCursor m_cursor;
    WindowMap m_map;
    bool m_connected = false;
    bool m_removedBottom = false;
    bool m_realignPending = false;
};

#endif
