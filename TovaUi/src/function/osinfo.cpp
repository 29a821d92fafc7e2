#include "osinfo.h"

#include <QSysInfo>

osInfo::osInfo(QObject* parent)
    : QObject(parent)
{
}

QString osInfo::osName() { return QSysInfo::productType(); }
QString osInfo::osVersion() { return QSysInfo::productVersion(); }
