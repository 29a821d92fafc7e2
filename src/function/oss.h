#ifndef OSS_H
#define OSS_H

#include <QObject>

// Object-storage client. Starts with no credentials; the cloud issue fills in
// the requests.
class oss : public QObject
{
    Q_OBJECT

public:
    explicit oss(QObject* parent = nullptr);

signals:

private:
};

#endif
