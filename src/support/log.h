#ifndef PENLARK_LOG_H
#define PENLARK_LOG_H

#include <QDebug>
#include <QString>

// Every diagnostic line starts with its source location as
// "file:///../../<path relative to the source root>:<line> -", then the
// function name and ":", then the message words. The build maps the source
// root away from __FILE__, so the path is already relative.
#define PLOG                                                                   \
    qDebug().noquote() << (QStringLiteral("file:///../../" __FILE__ ":")       \
                           + QString::number(__LINE__) + QStringLiteral(" -")) \
                       << __func__ << ":"

#endif
