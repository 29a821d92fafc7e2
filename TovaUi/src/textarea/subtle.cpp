#include "subtle.h"

#include "textarea/subtler.h"

Subtle::Subtle(QObject* parent)
    : QObject(parent)
{
}

void Subtle::subtleText(QString text, QUrl fileName, QString sensitiveWords)
{
    setText(text);
    auto* worker = new Subtler(text, fileName, sensitiveWords);
    connect(worker, &Subtler::subtleFinish, this, &Subtle::subtleFinish);
    connect(worker, &Subtler::SubtlerFinished, this, &Subtle::SubtlerFinished);
    connect(worker, &Subtler::SubtlerStart, this, &Subtle::SubtlerStart);
    // The thread object has no parent: it goes once its run is over.
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void Subtle::setSubtleState(bool subtleState)
{
    if (m_subtleState == subtleState)
        return;
    m_subtleState = subtleState;
    emit subtleStateChanged(subtleState);
}

void Subtle::setText(QString text)
{
    if (m_text == text)
        return;
    m_text = text;
    emit textChanged(m_text);
}

void Subtle::SubtlerStart()
{
    setSubtleState(true);
}

void Subtle::SubtlerFinished()
{
    setSubtleState(false);
}
