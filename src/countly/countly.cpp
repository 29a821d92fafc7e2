#include "countly.h"

countly::countly(QObject* parent)
    : QObject(parent)
{
}

void countly::start() {}
void countly::stop() {}
