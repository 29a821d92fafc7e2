#ifndef TEXTNODEKEEPER_H
#define TEXTNODEKEEPER_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QTransform>
#include <QVector>

class QQuickTextEdit;
class QQuickWindow;
class QSGAbstractSoftwareRenderer;
class QSGNode;
class QTextDocument;

// Keeps a Qt Quick text edit from rebuilding and repainting the lines in
// front of an edit. Qt 5.15's text edit marks every one of its text nodes
// dirty whenever its text changes, so each keystroke rebuilds the nodes of
// every line it holds and repaints the whole visible text. Nothing in front
// of the changed line can change with the edit (its text, its position and
// its highlighting stay), so those nodes get back the state they had before
// the edit; the changed line and everything after it are rebuilt as before.
//
// Qt's software renderer would still repaint every kept line: the text edit
// sets its root node's offset on every rebuild, even an unchanged one, and
// the renderer then marks everything under that node dirty. Lines that the
// renderer finds exactly where they were (same place, size, clip and
// opacity) and that were painted before are taken off the repaint. A kept
// line scrolled out of the view has its old place forgotten once it has been
// painted over (the renderer would paint that place again on every edit).
//
// Nothing is kept when the text's direction or alignment changes with the
// edit (every line is laid out anew then), nor for a change that was not
// reported with its position.
class TextNodeKeeper : public QObject
{
    Q_OBJECT
public:
    // Watches the text edit and its own document (edit is a QML TextEdit;
    // for any other object the keeper does nothing).
    explicit TextNodeKeeper(QObject* edit, QObject* parent = nullptr);

    // How many text nodes the last edit kept from being rebuilt (tests).
    int keptByLastEdit() const { return m_keptByLastEdit; }
    // How many drawn pieces the last frame took off the repaint (tests).
    int unpaintedByLastFrame() const { return m_unpaintedByLastFrame; }

private:
    void contentsChange(int position, int removed, int added);
    void textChanged();
    int alignmentKey() const;
    void setWindow(QQuickWindow* window);
    void beforeSynchronizing();
    void afterSynchronizing();
    QSGAbstractSoftwareRenderer* softwareRenderer() const;

    // Where the renderer had a drawn piece when its last frame was painted.
    struct Painted {
        QTransform transform;
        QRect rect;
        QRegion clip;
        float opacity = 1;
    };

    QPointer<QQuickTextEdit> m_edit;
    QTextDocument* m_document = nullptr;
    // Start positions of the nodes in front of the edit that were clean
    // before it, and the position of the first line the edit changed.
    QVector<int> m_clean;
    int m_boundary = -1;
    int m_alignment = -1;
    int m_keptByLastEdit = 0;

    // The text nodes in front of the first dirty one when the frame's
    // synchronisation began (the rebuild leaves them in place), with the
    // painted state of the pieces under them.
    QPointer<QQuickWindow> m_window;
    QSGAbstractSoftwareRenderer* m_renderer = nullptr;
    QSGNode* m_root = nullptr;
    QVector<QSGNode*> m_survivors;
    QHash<QSGNode*, Painted> m_painted;
    int m_unpaintedByLastFrame = 0;
};

#endif // TEXTNODEKEEPER_H
