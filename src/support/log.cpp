#include "support/log.h"

Q_LOGGING_CATEGORY(lcApp, "penlark.app")
Q_LOGGING_CATEGORY(lcEditor, "penlark.editor")
Q_LOGGING_CATEGORY(lcFiles, "penlark.files")
Q_LOGGING_CATEGORY(lcStats, "penlark.stats")
Q_LOGGING_CATEGORY(lcSync, "penlark.sync")
Q_LOGGING_CATEGORY(lcAccount, "penlark.account")
Q_LOGGING_CATEGORY(lcRooms, "penlark.rooms")
Q_LOGGING_CATEGORY(lcUi, "penlark.ui")
