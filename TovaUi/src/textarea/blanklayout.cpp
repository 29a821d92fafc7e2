#include "textarea/blanklayout.h"

BlankLayout::BlankLayout(QTextDocument* document)
    : QAbstractTextDocumentLayout(document)
{
}

void BlankLayout::draw(QPainter*, const PaintContext&)
{
}

int BlankLayout::hitTest(const QPointF&, Qt::HitTestAccuracy) const
{
    return -1;
}

int BlankLayout::pageCount() const
{
    return 1;
}

QSizeF BlankLayout::documentSize() const
{
    return QSizeF();
}

QRectF BlankLayout::frameBoundingRect(QTextFrame*) const
{
    return QRectF();
}

QRectF BlankLayout::blockBoundingRect(const QTextBlock&) const
{
    return QRectF();
}

void BlankLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    emit changed(from, charsRemoved, charsAdded);
}
