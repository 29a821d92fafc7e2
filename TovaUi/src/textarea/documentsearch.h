#ifndef DOCUMENTSEARCH_H
#define DOCUMENTSEARCH_H

#include "TovaUi/textarea/editorparts.h"

#include <QRegularExpression>
#include <QString>
#include <QTextDocument>

// Search and replace over the whole document, the find bar's: the search
// text (plain, whole words or a regular expression, case-sensitive or not)
// is looked for from the selection on, down or up, wrapping around once
// with a notice; a match is brought into the window and selected there.
// Replace takes the next match; replace-all replaces every match in one
// edit of the whole document, never with an empty text.
class DocumentSearch
{
public:
    explicit DocumentSearch(const EditorParts& parts);

    // The search text (the find bar's input; not the selection).
    QString selectedText() const { return m_selectedText; }
    void setSelectedText(const QString& value);
    QString replaceText() const { return m_replaceText; }
    void setReplaceText(const QString& value);
    // LazyTextDocument::SearchMode.
    int searchMode() const { return m_searchMode; }
    void setSearchMode(int value);
    bool replaceMode() const { return m_replaceMode; }
    void setReplaceMode(bool value);
    bool matchCaseSensitive() const { return m_matchCaseSensitive; }
    void setMatchCaseSensitive(bool value);

    bool doSearch(bool searchDown, bool allowRestartAtTop);
    bool doReplace(bool forAll);
    void doReplaceAll();

private:
    // One match of the search text in the whole document: start and length,
    // start -1 when there is none.
    struct Match {
        int start = -1;
        int length = 0;
    };
    Match findMatch(const QRegularExpression& expression, int from, bool backward, QTextDocument::FindFlags flags,
        bool allowEmpty) const;
    Match findExpression(const QRegularExpression& expression, int from, bool backward) const;
    QRegularExpression searchExpression() const;
    bool isExpression() const;

    const EditorParts& m_parts;
    QString m_selectedText;
    QString m_replaceText;
    int m_searchMode = 0;
    bool m_replaceMode = false;
    bool m_matchCaseSensitive = false;
};

#endif
