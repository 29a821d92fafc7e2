#ifndef POPUPCOVER_H
#define POPUPCOVER_H

#include <QObject>
#include <QPointer>
#include <QQuickWindow>

// Whether a modal popup (a sheet, a dialog) is open over a window: the pages
// below it then take no keys, and the window's own shortcuts stay off. Menus,
// tool tips and notices are not modal and do not cover. Reads the Quick
// Controls overlay's popup items through their meta-objects only.
class PopupCover : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QQuickWindow* window READ window WRITE setWindow NOTIFY windowChanged)
    Q_PROPERTY(bool covered READ covered NOTIFY coveredChanged)
public:
    explicit PopupCover(QObject* parent = nullptr);

    QQuickWindow* window() const { return m_window; }
    void setWindow(QQuickWindow* window);
    bool covered() const { return m_covered; }

signals:
    void windowChanged();
    void coveredChanged();

private:
    // Finds the overlay (made with the first popup) and watches its items.
    void watch();
    void update();

    QPointer<QQuickWindow> m_window;
    QPointer<QQuickItem> m_overlay;
    bool m_covered = false;
};

#endif
