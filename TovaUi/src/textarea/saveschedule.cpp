#include "saveschedule.h"

#include "textarea/editorfile.h"
#include "textarea/lazytextdocument.h"

#include <QTimer>

SaveSchedule::SaveSchedule(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("saveTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(3000);
    connect(m_timer, &QTimer::timeout, parts.document, &LazyTextDocument::sendSave);
    connect(parts.document, &LazyTextDocument::isModifiedChanged, m_timer, qOverload<>(&QTimer::start));
    // A queued call, so that QML can ask without waiting.
    connect(parts.document, &LazyTextDocument::sendSave, this, &SaveSchedule::save, Qt::QueuedConnection);
}

void SaveSchedule::save()
{
    m_parts.file->saveInBackground();
}

void SaveSchedule::enterCompleted()
{
    if (m_enterSavePending)
        return;
    m_enterSavePending = true;
    // Posted to the document, as its other deferred work.
    QTimer::singleShot(0, m_parts.document, [this] { handOverEnterSave(); });
}

void SaveSchedule::handOverEnterSave()
{
    if (!m_enterSavePending)
        return;
    m_enterSavePending = false;
    save();
}

void SaveSchedule::jumpStarting()
{
    save();
}

void SaveSchedule::beforeTypesetting()
{
    save();
}

void SaveSchedule::afterReplaceAll()
{
    save();
}

void SaveSchedule::savedBehindEdits()
{
    m_timer->start();
}
