#include "textarea/textnodekeeper.h"

#include <QAbstractTextDocumentLayout>
#include <QQuickTextDocument>
#include <QTextBlock>
#include <QTextDocument>
#include <private/qquicktextedit_p.h>
#include <private/qquicktextedit_p_p.h>

TextNodeKeeper::TextNodeKeeper(QObject* textEdit, QObject* parent)
    : QObject(parent)
{
    auto* edit = qobject_cast<QQuickTextEdit*>(textEdit);
    if (!edit || !edit->textDocument())
        return;
    m_edit = edit;
    m_document = edit->textDocument()->textDocument();
    connect(m_document, &QTextDocument::contentsChange, this, &TextNodeKeeper::contentsChange);
    // The text edit marks all its nodes dirty just before it reports its
    // new text (whatever the order of the document's own connections).
    connect(edit, &QQuickTextEdit::textChanged, this, &TextNodeKeeper::textChanged);
    // A line re-laid out for another reason (highlighting outside an edit)
    // is not kept.
    connect(m_document->documentLayout(), &QAbstractTextDocumentLayout::updateBlock, this, [this](const QTextBlock& block) {
        if (m_boundary >= 0 && block.position() < m_boundary)
            m_clean.clear();
    });
}

// The text edit's direction and alignment, which an edit can change for
// every line.
int TextNodeKeeper::alignmentKey() const
{
    return int(m_edit->effectiveHAlign()) * 4 + int(QQuickTextEditPrivate::get(m_edit)->contentDirection);
}

void TextNodeKeeper::contentsChange(int position, int removed, int added)
{
    Q_UNUSED(removed)
    Q_UNUSED(added)
    if (!m_edit)
        return;
    const QTextBlock block = m_document->findBlock(qMax(0, position));
    const int start = block.isValid() ? block.position() : 0;
    if (m_boundary < 0) {
        m_boundary = start;
        m_alignment = alignmentKey();
    } else {
        m_boundary = qMin(m_boundary, start);
    }
    // The text edit has already taken this change (its slot runs first):
    // nodes that are clean now and end in front of the changed line are the
    // ones the edit cannot touch.
    m_clean.clear();
    const QList<QQuickTextEditPrivate::Node>& nodes = QQuickTextEditPrivate::get(m_edit)->textNodeMap;
    for (int i = 0; i + 1 < nodes.size() && nodes.at(i + 1).startPos() <= m_boundary; ++i) {
        if (!nodes.at(i).dirty())
            m_clean.append(nodes.at(i).startPos());
    }
}

void TextNodeKeeper::textChanged()
{
    m_keptByLastEdit = 0;
    if (m_boundary < 0 || !m_edit)
        return;
    if (alignmentKey() == m_alignment && !m_clean.isEmpty()) {
        QList<QQuickTextEditPrivate::Node>& nodes = QQuickTextEditPrivate::get(m_edit)->textNodeMap;
        int next = 0;
        for (int i = 0; i < nodes.size() && next < m_clean.size(); ++i) {
            const QQuickTextEditPrivate::Node node = nodes.at(i);
            if (node.startPos() != m_clean.at(next))
                continue;
            ++next;
            if (node.dirty()) {
                nodes[i] = QQuickTextEditPrivate::Node(node.startPos(), node.textNode());
                ++m_keptByLastEdit;
            }
        }
    }
    m_boundary = -1;
    m_alignment = -1;
    m_clean.clear();
}
