#include "clouddisk.h"

#include "data/global.h"
#include "data/settings.h"
#include "function/message.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QSettings>

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
    QString refusal;
    if (!Users::instance()->getUserData()->logined())
        refusal = tr("没有登陆");
    else if (!global::instance()->settings()->property("useCloud").toBool()
             && !QSettings().value(QStringLiteral("Cloud/UseCloud"), true).toBool())
        refusal = tr("设置中取消了云同步功能");
    else if (m_updating)
        refusal = tr("另一个云同步线程正在运行");
    if (!refusal.isEmpty()) {
        if (showError)
            message::show(Message::Error, tr("云同步") + QStringLiteral(": ") + refusal, 5000);
        return;
    }

    setUpdating(true);
    setCloudTips(tr("云同步开始"));
    setConflictFileList(QStringList());
    // The transfer queue is empty: the run ends on the next turn of the loop.
    QTimer::singleShot(0, this, [this, showError] { finishRun(showError); });
}

void cloudDisk::finishRun(bool showError)
{
    const bool conflicts = !m_conflictFileList.isEmpty();
    setCloudTips(conflicts ? tr("有冲突文件待处理") : tr("同步完成"));
    setUpdating(false);
    if (!showError)
        return;
    if (conflicts)
        message::show(Message::Warn, tr("云同步:有冲突文件待处理"), 5000);
    else
        message::show(Message::Note, tr("同步完成"), 5000);
}
