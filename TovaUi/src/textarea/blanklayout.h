#ifndef BLANKLAYOUT_H
#define BLANKLAYOUT_H

#include <QAbstractTextDocumentLayout>

// A document layout that lays out nothing, for a text document that is
// never shown (the editor's whole document). A document reports its changes
// only once it has a layout; a real one would also shape the changed line
// on every edit and every line a cursor is put on, which nobody reads.
// Every geometry it gives is empty and every point hits nothing. It tells
// every change of the document through changed(), also the ones made with
// the document's signals blocked.
class BlankLayout : public QAbstractTextDocumentLayout
{
    Q_OBJECT
public:
    explicit BlankLayout(QTextDocument* document);

    void draw(QPainter* painter, const PaintContext& context) override;
    int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override;
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

signals:
    // As QTextDocument::contentsChange() gives it.
    void changed(int from, int charsRemoved, int charsAdded);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
};

#endif // BLANKLAYOUT_H
