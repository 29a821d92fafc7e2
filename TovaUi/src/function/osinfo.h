#ifndef OSINFO_H
#define OSINFO_H

#include <QObject>

// Operating-system information for the QML scene and the feedback mail.
class osInfo : public QObject
{
    Q_OBJECT

public:
    explicit osInfo(QObject* parent = nullptr);
    Q_INVOKABLE static QString osName();
    Q_INVOKABLE static QString osVersion();

signals:

private:
};

#endif
