#ifndef MARKUPSCANNER_H
#define MARKUPSCANNER_H

#include <QStringView>

// Follows the markup of a document as it is handed to the XML parser, a
// slice at a time, and counts the attributes (namespace declarations
// included) of each start tag. The parser compares an element's attributes
// pairwise once its tag is complete, so a tag with very many of them costs
// the square of their number; counted here first, such a tag is refused
// before the parser sees any of it. Comments, processing instructions,
// character data sections and the document type are stepped over, so
// nothing in them is counted. Past malformed markup the count may be off,
// but the parser stops at that point anyway.
class MarkupScanner
{
public:
    void reset();
    // Follows the characters; false once a start tag holds more than
    // `limit` attributes (the scanner then stays where it stopped).
    bool scan(QStringView text, int limit);

private:
    enum class State {
        Text,
        Open,
        EndTag,
        StartTag,
        Bang,
        BangDash,
        Comment,
        CData,
        Instruction,
        Declaration,
        Subset,
        SubsetOpen,
        SubsetDeclaration,
        Quoted,
    };

    State m_state = State::Text;
    // Where a comment, instruction or quoted value returns to.
    State m_return = State::Text;
    // Inside the document type's internal subset ('<!' there opens a
    // declaration of the subset).
    bool m_inSubset = false;
    QChar m_quote;
    // Closing characters seen in a row ('-', ']' or '?').
    int m_run = 0;
    int m_attributes = 0;
};

#endif
