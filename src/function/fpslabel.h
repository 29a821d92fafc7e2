#ifndef FPSLABEL_H
#define FPSLABEL_H

#include <QList>
#include <QQuickPaintedItem>

// Shows how many frames the window draws per second: each paint records its
// time, counts the paints of the last second and asks for the next paint at
// once. QML type "FPSLabel".
class FPSLabel : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(int value READ value NOTIFY valueChanged)

public:
    explicit FPSLabel(QQuickItem* parent = nullptr);

    int value() const { return m_value; }
    void paint(QPainter* painter) override;

    // Records one frame at nowMs (milliseconds since the epoch) and updates
    // the value: the mean of this and the previous second's count.
    void measure(qint64 nowMs);

signals:
    void valueChanged(int value);

private:
    int m_value = -1;
    int m_previousCount = 0;
    QList<qint64> m_times;
};

#endif
