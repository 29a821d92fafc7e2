#include "subtle.h"

Subtle::Subtle(QObject* parent)
    : QObject(parent)
{
}
