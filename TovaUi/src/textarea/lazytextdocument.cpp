#include "lazytextdocument.h"

LazyTextDocument::LazyTextDocument(QObject* parent)
    : QObject(parent)
{
}
