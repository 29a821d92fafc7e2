#ifndef WINDOWMIRROR_H
#define WINDOWMIRROR_H

#include "TovaUi/textarea/editorparts.h"

#include <QObject>

// Applies every edit made in the window to the whole document at once, at
// the same place (whole offset = window offset + the window's start), and
// tells it once; a text area that replaced the part it shows of a selection
// reaching beyond the window replaces the whole selection. Follows every
// change of the window's content too (its first line, the scroll position,
// the Enter count, the completion of an Enter).
class WindowMirror : public QObject
{
    Q_OBJECT
public:
    WindowMirror(const EditorParts& parts, QObject* parent);

public slots:
    // The window document's contentsChange, while the window is connected.
    void editContentsChange(int position, int charsRemoved, int charsAdded);
    // The window document's contentsChanged.
    void windowChanged();

private:
    const EditorParts& m_parts;
};

#endif
