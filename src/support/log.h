#ifndef PENLARK_LOG_H
#define PENLARK_LOG_H

#include <QDebug>
#include <QLoggingCategory>
#include <QString>

// One logging category per area, so that one area can be switched on
// without the rest (QT_LOGGING_RULES="penlark.sync.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcApp)      // penlark.app: start-up, settings, languages, updates
Q_DECLARE_LOGGING_CATEGORY(lcEditor)   // penlark.editor: the editor and its marks
Q_DECLARE_LOGGING_CATEGORY(lcFiles)    // penlark.files: the document tree and user files
Q_DECLARE_LOGGING_CATEGORY(lcStats)    // penlark.stats: counting, chapters, statistics, challenge
Q_DECLARE_LOGGING_CATEGORY(lcSync)     // penlark.sync: object storage and document sync
Q_DECLARE_LOGGING_CATEGORY(lcAccount)  // penlark.account: network, account, analytics
Q_DECLARE_LOGGING_CATEGORY(lcRooms)    // penlark.rooms: writing rooms and rankings
Q_DECLARE_LOGGING_CATEGORY(lcUi)       // penlark.ui: themes, dialogs, shortcut schemes

// Every diagnostic line starts with its source location as
// "file:///../../<path relative to the source root>:<line> -", then the
// function name and ":", then the message words. The build maps the source
// root away from __FILE__, so the path is already relative.
#define PENLARK_LOG_PLACE                                                      \
    (QStringLiteral("file:///../../" __FILE__ ":") + QString::number(__LINE__) \
     + QStringLiteral(" -"))

// Diagnostics at debug level; failures at warning level.
#define logDebug(category) qCDebug(category).noquote() << PENLARK_LOG_PLACE << __func__ << ":"
#define logWarning(category) qCWarning(category).noquote() << PENLARK_LOG_PLACE << __func__ << ":"

#endif
