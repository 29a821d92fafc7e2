#ifndef UPDATE_H
#define UPDATE_H

#include <QObject>

// The new-version check against the update feed.
class update : public QObject
{
    Q_OBJECT

public:
    explicit update(QObject* parent = nullptr);
    Q_INVOKABLE void checkNewVersion();

signals:

private:
};

#endif
