#ifndef QIACTIVITYINDICATOR_H
#define QIACTIVITYINDICATOR_H

#include <QQuickItem>

// Busy indicator drawn by a platform layer; on the desktop it only sends its
// start and stop requests.
class QIActivityIndicator : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(bool isAnimating READ isAnimating WRITE setIsAnimating NOTIFY isAnimatingChanged)
    Q_PROPERTY(Style style READ style WRITE setStyle NOTIFY styleChanged)

public:
    enum Style { WhiteLarge = 0, White = 1, Gray = 2 };
    Q_ENUM(Style)

    explicit QIActivityIndicator(QQuickItem* parent = nullptr);

    bool isAnimating() const { return m_isAnimating; }
    void setIsAnimating(bool value);
    Style style() const { return m_style; }
    void setStyle(Style style);

    Q_INVOKABLE void startAnimation();
    Q_INVOKABLE void stopAnimation();

signals:
    void isAnimatingChanged();
    void styleChanged();

private:
    bool m_isAnimating = false;
    Style m_style = Gray;
};

#endif
