#include "textarea/textnodekeeper.h"

#include <QAbstractTextDocumentLayout>
#include <QQuickTextDocument>
#include <QTextBlock>
#include <QTextDocument>
#include <QThread>
#include <private/qquicktextedit_p.h>
#include <private/qquicktextedit_p_p.h>
#include <private/qquicktextnode_p.h>
#include <private/qquickwindow_p.h>
#include <private/qsgabstractsoftwarerenderer_p.h>
#include <private/qsgsoftwarerenderablenode_p.h>

namespace {

// Calls visit for every node under node (itself included) that the
// renderer draws.
template<typename Visit>
void forEachDrawn(QSGAbstractSoftwareRenderer* renderer, QSGNode* node, const Visit& visit)
{
    if (QSGSoftwareRenderableNode* drawn = renderer->renderableNode(node))
        visit(node, drawn);
    for (QSGNode* child = node->firstChild(); child; child = child->nextSibling())
        forEachDrawn(renderer, child, visit);
}

// Qt's software renderable node keeps the region it painted last until it
// paints again, and adds that region to the repaint whenever it is marked
// dirty. A line scrolled out of the view never paints again, so once it has
// been painted over, its old place would be repainted with every later edit.
// The member is reached through an explicit instantiation, which may name
// private members.
struct PreviousDirtyRegion {
    using Type = QRegion QSGSoftwareRenderableNode::*;
    friend Type memberOf(PreviousDirtyRegion);
};
template<typename Tag, typename Tag::Type Member>
struct PrivateMember {
    friend typename Tag::Type memberOf(Tag) { return Member; }
};
template struct PrivateMember<PreviousDirtyRegion, &QSGSoftwareRenderableNode::m_previousDirtyRegion>;

} // namespace

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
    connect(edit, &QQuickItem::windowChanged, this, &TextNodeKeeper::setWindow);
    setWindow(edit->window());
}

void TextNodeKeeper::setWindow(QQuickWindow* window)
{
    if (m_window)
        disconnect(m_window, nullptr, this, nullptr);
    m_window = window;
    m_survivors.clear();
    m_painted.clear();
    // Only Qt's software renderer is helped (the only one that repaints
    // by dirty regions).
    if (!window || QQuickWindow::sceneGraphBackend() != QLatin1String("software"))
        return;
    connect(window, &QQuickWindow::beforeSynchronizing, this, &TextNodeKeeper::beforeSynchronizing, Qt::DirectConnection);
    connect(window, &QQuickWindow::afterSynchronizing, this, &TextNodeKeeper::afterSynchronizing, Qt::DirectConnection);
}

QSGAbstractSoftwareRenderer* TextNodeKeeper::softwareRenderer() const
{
    return m_window ? dynamic_cast<QSGAbstractSoftwareRenderer*>(QQuickWindowPrivate::get(m_window)->renderer) : nullptr;
}

void TextNodeKeeper::beforeSynchronizing()
{
    m_survivors.clear();
    m_painted.clear();
    // A render thread of its own is left alone: the keeper may go away
    // while that thread synchronises.
    if (QThread::currentThread() != thread())
        return;
    m_renderer = softwareRenderer();
    m_root = m_edit ? QQuickItemPrivate::get(m_edit)->paintNode : nullptr;
    if (!m_renderer || !m_root)
        return;
    const QList<QQuickTextEditPrivate::Node>& nodes = QQuickTextEditPrivate::get(m_edit)->textNodeMap;
    int firstDirty = 0;
    while (firstDirty < nodes.size() && !nodes.at(firstDirty).dirty())
        ++firstDirty;
    // Without a dirty node the text edit rebuilds nothing.
    if (firstDirty == nodes.size())
        return;
    // A line outside the window is never painted, marked dirty or not: only
    // the lines in it are worth remembering (the text edit holds a few view
    // heights of lines beyond the view).
    const QRect window(QPoint(0, 0), m_window->size() * m_window->effectiveDevicePixelRatio());
    for (int i = 0; i < firstDirty; ++i) {
        QSGNode* survivor = nodes.at(i).textNode();
        m_survivors.append(survivor);
        forEachDrawn(m_renderer, survivor, [this, &window](QSGNode* node, QSGSoftwareRenderableNode* drawn) {
            if (drawn->isDirty())
                return;
            const QRect rect = drawn->boundingRectMax();
            // A clean piece was painted, or its old place painted over, in
            // the last frame: with nothing left in view it has no place to
            // paint over (the rebuild is about to mark it dirty).
            if (rect.isEmpty())
                drawn->*memberOf(PreviousDirtyRegion()) = QRegion();
            if (rect.intersects(window))
                m_painted.insert(node, { drawn->transform(), rect, drawn->clipRegion(), drawn->opacity() });
        });
    }
}

void TextNodeKeeper::afterSynchronizing()
{
    m_unpaintedByLastFrame = 0;
    if (m_painted.isEmpty())
        return;
    const QHash<QSGNode*, Painted> painted = std::exchange(m_painted, {});
    const QVector<QSGNode*> survivors = std::exchange(m_survivors, {});
    // A new renderer or a new root node means every node was made anew.
    if (!m_edit || softwareRenderer() != m_renderer || QQuickItemPrivate::get(m_edit)->paintNode != m_root)
        return;
    const QList<QQuickTextEditPrivate::Node>& nodes = QQuickTextEditPrivate::get(m_edit)->textNodeMap;
    for (int i = 0; i < survivors.size() && i < nodes.size() && nodes.at(i).textNode() == survivors.at(i); ++i) {
        forEachDrawn(m_renderer, survivors.at(i), [&](QSGNode* node, QSGSoftwareRenderableNode* drawn) {
            const auto before = painted.constFind(node);
            if (before == painted.constEnd() || !drawn->isDirty())
                return;
            if (before->transform != drawn->transform() || before->rect != drawn->boundingRectMax()
                || before->clip != drawn->clipRegion() || before->opacity != drawn->opacity())
                return;
            drawn->subtractDirtyRegion(QRegion(drawn->boundingRectMax()));
            ++m_unpaintedByLastFrame;
        });
    }
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
