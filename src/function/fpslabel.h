#ifndef FPSLABEL_H
#define FPSLABEL_H

#include <QObject>
#include <QQuickItem>

// Frame-rate label.
class FPSLabel : public QQuickItem
{
    Q_OBJECT

public:
    explicit FPSLabel(QQuickItem* parent = nullptr);

signals:

private:
};

#endif
