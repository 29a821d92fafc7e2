#ifndef SUBTLE_H
#define SUBTLE_H

#include <QObject>

// Sensitive-word masking requests ("csubtle").
class Subtle : public QObject
{
    Q_OBJECT

public:
    explicit Subtle(QObject* parent = nullptr);

signals:

private:
};

#endif
