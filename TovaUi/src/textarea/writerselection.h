#ifndef WRITERSELECTION_H
#define WRITERSELECTION_H

#include "TovaUi/textarea/editorparts.h"
#include "TovaUi/textarea/windowmap.h"

#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextCursor>

class TextNodeKeeper;

// The writer's cursor and selection: held in whole offsets (the writer's
// selection), and what the text area shows of it in window offsets (through
// the window's map). The text area's text edit is the one source of both:
// its reports become the writer's selection unless the document itself is
// changing the window (the reports are held then), and the writer's
// selection is shown by writing the text edit's cursor and selection.
// Without a text edit, the window's own cursor stands in for it. Also keeps
// the cursor's line, column and the line's text before the cursor.
class WriterSelection : public QObject
{
    Q_OBJECT
public:
    WriterSelection(const EditorParts& parts, QObject* parent);

    WindowMap::Selection whole() const { return m_whole; }
    WindowMap::Selection shown() const { return m_shown; }
    void setWhole(const WindowMap::Selection& whole);
    void setShown(const WindowMap::Selection& shown);
    bool isSelectedAll() const;
    // Signals isSelectedAll once it differs from what was last told.
    void refreshSelectedAll();
    // The selected text: of the whole document, of the window.
    QString wholeText() const;
    QString shownText() const;
    QTextCursor wholeCursor() const;
    QTextCursor shownCursor() const;

    // The text area's selection in window offsets; false without a window.
    bool read(WindowMap::Selection* shown) const;
    // Takes what the text area shows as the writer's selection.
    void take();
    // Shows the writer's selection in the text area.
    void show();

    // While held (the document changes the window by its own hand), the
    // text area's reports are its consequences and are not taken.
    bool isHeld() const { return m_holds > 0; }
    void hold() { ++m_holds; }
    void release() { --m_holds; }

    // The text area's text edit: its cursorPosition, selectionStart and
    // selectionEnd are read whenever one of them changes, and its
    // cursorPosition and select(anchor, cursor) show the writer's
    // selection. Its keys, input-method events and clicks are watched: a
    // cursor the window no longer holds is brought back before the text
    // area acts on it, and given up for a click elsewhere.
    QObject* textEdit() const { return m_textEdit; }
    void setTextEdit(QObject* edit);

    int cursorLineNumber() const { return m_cursorLineNumber; }
    int cursorLinePostion() const { return m_cursorLinePostion; }
    QString cursorLinePreText() const { return m_cursorLinePreText; }
    void updateCursorLine();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void textAreaChanged();

private:
    void setCursorLine(int line, int column, const QString& preText);

    const EditorParts& m_parts;
    WindowMap::Selection m_whole;
    WindowMap::Selection m_shown;
    bool m_selectedAll = false;
    int m_holds = 0;
    // A drag with the mouse: from its press to its release the anchor stays
    // where the press put it (in whole offsets), however the window moves
    // under the text area and whatever the text area then shows of it.
    enum class Drag { None, Pressed, Anchored };
    Drag m_drag = Drag::None;
    int m_dragAnchor = 0;
    QPointer<QObject> m_textEdit;
    // Keeps the text area from redrawing the lines in front of each edit.
    TextNodeKeeper* m_nodeKeeper = nullptr;
    QMetaProperty m_cursorProperty;
    QMetaProperty m_selectionStartProperty;
    QMetaProperty m_selectionEndProperty;
    int m_cursorLineNumber = -1;
    int m_cursorLinePostion = -1;
    QString m_cursorLinePreText;
};

#endif
