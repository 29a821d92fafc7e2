#include "signalobject.h"

SignalObject::SignalObject(QObject* parent)
    : QObject(parent)
{
}
