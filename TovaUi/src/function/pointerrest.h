#ifndef POINTERREST_H
#define POINTERREST_H

#include <QObject>
#include <QPointer>
#include <QQuickWindow>

// Whether the pointer rests while the user types: from a key press in the
// window until the pointer moves, presses, scrolls or leaves. While it rests
// nothing under it changes for the user, yet Qt Quick tests the hover of
// every item under the pointer on each frame, and typing draws a frame per
// key: the window's hover cover takes that test while this says so.
class PointerRest : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QQuickWindow* window READ window WRITE setWindow NOTIFY windowChanged)
    Q_PROPERTY(bool resting READ resting NOTIFY restingChanged)
public:
    explicit PointerRest(QObject* parent = nullptr);

    QQuickWindow* window() const { return m_window; }
    void setWindow(QQuickWindow* window);
    bool resting() const { return m_resting; }

signals:
    void windowChanged();
    void restingChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setResting(bool resting);

    QPointer<QQuickWindow> m_window;
    bool m_resting = false;
};

#endif
