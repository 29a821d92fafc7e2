#include "clouddisk.h"

cloudDisk::cloudDisk(int period, QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(period);
    connect(&m_timer, &QTimer::timeout, this, [this] { doUpdate(false); });
    m_timer.start();
}

void cloudDisk::setUpdating(bool value)
{
    if (m_updating == value)
        return;
    m_updating = value;
    emit updatingChanged(value);
}

void cloudDisk::setCloudTips(const QString& value)
{
    if (m_cloudTips == value)
        return;
    m_cloudTips = value;
    emit cloudTipsChanged(value);
}

void cloudDisk::setConflictFileList(const QStringList& value)
{
    if (m_conflictFileList == value)
        return;
    m_conflictFileList = value;
    emit conflictFileListChanged(value);
}

void cloudDisk::doUpdate(bool showError)
{
    Q_UNUSED(showError)
}
