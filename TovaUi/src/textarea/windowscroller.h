#ifndef WINDOWSCROLLER_H
#define WINDOWSCROLLER_H

#include "TovaUi/textarea/editorparts.h"

#include <QObject>

// Where the view stands: the text area's geometry pushed in from QML
// (scroll offset, view and content height, visual lines), the scroll
// position over the whole document both ways, the window's maintenance (a
// chunk loaded ahead of the end the view nears, one dropped from the end it
// left, the view kept where it was), and the jumps to a whole offset, which
// bring the window there.
class WindowScroller : public QObject
{
    Q_OBJECT
public:
    WindowScroller(const EditorParts& parts, QObject* parent);

    int editHeight() const { return m_editHeight; }
    void setEditHeight(int value);
    int contentY() const { return m_contentY; }
    void setContentY(int value);
    int contentHeight() const { return m_contentHeight; }
    void setContentHeight(int value);
    int editLineCount() const { return m_editLineCount; }
    void setEditLineCount(int value);
    double scrollPostion() const { return m_scrollPostion; }
    void setScrollPostion(double value);
    // The view's share of the whole document (the scroll bar's size).
    double scrollSize() const { return m_scrollSize; }
    void updateScrollPostion();
    void updateEditFromPostion(double postion);

    // Keeps the window around the view; after the text area's own signals
    // are all delivered (scheduleMaintenance).
    void updateEditContent();
    void scheduleMaintenance();
    // Whether the text area's view shows its cursor's whole line.
    bool viewShowsCursor() const;

    // Jumps: the writer's cursor to a whole offset, the window brought
    // there (each first asks for a save). False for a position beyond the
    // document.
    bool gotoPostionByAll(int allPostion);
    void gotoLine(int line);
    void gotoStart();
    void gotoEnd();
    // The cursor to a whole offset, the selection extended from its anchor.
    void selectTo(int allPostion);

public slots:
    void updateY();

private:
    const EditorParts& m_parts;
    int m_contentY = -1;
    int m_editHeight = -1;
    int m_contentHeight = -1;
    int m_editLineCount = 0;
    double m_scrollPostion = 0;
    double m_scrollSize = 1;
    bool m_maintaining = false;
    bool m_maintenanceQueued = false;
};

#endif
