#ifndef LAZYTEXTDOCUMENT_H
#define LAZYTEXTDOCUMENT_H

#include <QObject>

// Windowed editor document: the whole file in one text document, a window of
// lines edited by the QML text area.
class LazyTextDocument : public QObject
{
    Q_OBJECT

public:
    explicit LazyTextDocument(QObject* parent = nullptr);

signals:

private:
};

#endif
