#ifndef DOCUMENTEDITING_H
#define DOCUMENTEDITING_H

#include "TovaUi/textarea/editorparts.h"

#include <QString>

// The editing operations besides typing: selecting in the whole document
// (ranges, lines, everything), the clipboard, replacing or deleting the
// selection, undo and redo, and whole-document ranges by whole offsets.
// What lies in the window and is short is edited there and mirrored like
// typing; everything else is edited in the whole document, whose window is
// then rebuilt at the new cursor, and told once.
class DocumentEditing
{
public:
    explicit DocumentEditing(const EditorParts& parts);

    void select(int start, int end);
    // Jumps to start, then selects start..end.
    void selectByDocument(int start, int end);
    // Whole lines, the cursor at their start (the chapter selection); both
    // -1: every line.
    void selectLine(int startLine, int endLine);
    void selectAll();
    void deselect();
    void setAllSelectionStart(int value);
    void setAllSelectionEnd(int value);
    void setAllCursorPostion(int value);
    // The selection with line feeds for its paragraph separators.
    QString selectedPlainText() const;

    void copy();
    void cut();
    void paste();
    // Replaces the selection (or inserts at the cursor).
    void replaceSelection(const QString& text);
    // Deletes the selection; one the window holds only when asked
    // (removeEditText), as the text area's own deletion removes it.
    void removeSelect(bool removeEditText);
    void undoRedo(bool undo);

    QString getText(int start, int end) const;
    void remove(int start, int end);
    void append(const QString& text);

    // Longest paste that goes through the window; longer ones go straight
    // into the whole document.
    static constexpr int maxWindowPaste = 2000;

private:
    // While the text is not all in (the writer is told): nothing is selected whole, copied or cut.
    bool refusedWhileLoading() const;

    const EditorParts& m_parts;
};

#endif
