#ifndef WINDOWMAP_H
#define WINDOWMAP_H

// Where the editing window lies in the whole document, and the one place that
// translates between the two. The window holds the whole lines firstLine()
// through lastLine(); its text is the whole document's text from start() on,
// length() characters long (line separators included). Window offset p is
// whole offset start() + p.
//
// A selection is an anchor and a cursor. The text area shows the part of a
// whole-document selection that lies in the window: an end beyond the window
// is shown at the window's edge. A whole selection may reach beyond the
// window only while some of it is shown; otherwise it is only its cursor. A
// cursor the window no longer holds (the view was scrolled away from it) is
// shown at the window's edge and stays where the writer left it.
class WindowMap
{
public:
    struct Selection {
        int anchor = 0;
        int cursor = 0;
        int start() const { return anchor < cursor ? anchor : cursor; }
        int end() const { return anchor < cursor ? cursor : anchor; }
        bool isEmpty() const { return anchor == cursor; }
        bool operator==(const Selection& other) const { return anchor == other.anchor && cursor == other.cursor; }
        bool operator!=(const Selection& other) const { return !(*this == other); }
        // After an edit of the whole document that replaced `removed`
        // characters at `position` by `added` ones, as text cursors there
        // would move.
        Selection shifted(int position, int removed, int added) const
        {
            return Selection { shift(anchor, position, removed, added), shift(cursor, position, removed, added) };
        }
        static int shift(int value, int position, int removed, int added)
        {
            if (value >= position + removed)
                return value + added - removed;
            return value > position ? position + added : value;
        }
    };
    static Selection at(int position) { return Selection { position, position }; }

    WindowMap() = default;
    WindowMap(int firstLine, int lineCount, int start, int length);

    int firstLine() const { return m_firstLine; }
    int lineCount() const { return m_lineCount; }
    int lastLine() const { return m_firstLine + m_lineCount - 1; }
    int start() const { return m_start; }
    int length() const { return m_length; }
    // The whole offset just after the window's last character.
    int end() const { return m_start + m_length; }

    // Positions, clamped to the window.
    int toWhole(int windowPosition) const;
    int toWindow(int wholePosition) const;
    bool contains(int wholePosition) const { return wholePosition >= m_start && wholePosition <= end(); }

    // The part of a whole selection that the text area shows.
    Selection toWindow(const Selection& whole) const;
    // The whole selection after the text area reported `shown`, given the
    // whole selection `before` whose window part it showed until then. Only
    // a selection extended from an anchor beyond the window keeps that
    // anchor; every other report is taken as it stands.
    Selection toWhole(const Selection& shown, const Selection& before) const;
    // A whole selection after the window moved: a selection of which
    // nothing is shown any more becomes its cursor.
    Selection settled(const Selection& whole) const;

    // Window moves: whole lines and their characters (separators included)
    // added to or dropped from either end.
    void addAbove(int lines, int characters);
    void dropAbove(int lines, int characters);
    void addBelow(int lines, int characters);
    void dropBelow(int lines, int characters);
    // An edit made inside the window.
    void editInside(int removed, int added, int lineDelta);
    // An edit of the whole document at a whole offset. An edit that ends
    // before the separator ahead of the window only moves the window;
    // false when it touches the window (which then has to be rebuilt).
    bool editOutside(int position, int removed, int added, int lineDelta);

    // The scroll position over the whole document (the share of the
    // document above the view's top), estimated from the window's average
    // line height; and the view's share of the whole document.
    double scrollPosition(double contentY, double contentHeight, int totalLines) const;
    double viewShare(double viewHeight, double contentHeight, int totalLines) const;
    // The window's scroll offset that puts scroll position `position` at
    // the view's top, or -1 when that place lies outside the window.
    double contentYFor(double position, double viewHeight, double contentHeight, int totalLines) const;
    // The whole line at a scroll position.
    static int lineAt(double position, int totalLines);

private:
    double lineHeight(double contentHeight) const;

    int m_firstLine = 0;
    int m_lineCount = 1;
    int m_start = 0;
    int m_length = 0;
};

#endif
