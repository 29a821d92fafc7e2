#include "qiimagepicker.h"

#include "dialog/qiimagepickersaver.h"
#include "function/qisystemdispatcher.h"
#include "support/writenotice.h"

#include <QFileDialog>
#include <QImageReader>
#include <QStandardPaths>
#include <QThreadPool>
#include <QUrl>

QIImagePicker::QIImagePicker(QQuickItem* parent)
    : QQuickItem(parent)
{
}

void QIImagePicker::setSourceType(SourceType type)
{
    m_sourceType = type;
    emit sourceTypeChanged();
}

void QIImagePicker::setImage(const QImage& image)
{
    m_image = image;
    emit imageChanged();
}

void QIImagePicker::setStatus(Status status)
{
    if (m_status == status)
        return;
    m_status = status;
    emit statusChanged();
}

void QIImagePicker::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    QISystemDispatcher::instance()->dispatch(QStringLiteral("imagePickerControllerSetIndicator"),
        { { QStringLiteral("active"), busy } });
    emit busyChanged();
}

void QIImagePicker::setMediaType(const QString& value)
{
    m_mediaType = value;
    emit mediaTypeChanged();
}

void QIImagePicker::setMediaUrl(const QString& value)
{
    m_mediaUrl = value;
    emit mediaUrlChanged();
}

void QIImagePicker::setReferenceUrl(const QString& value)
{
    m_referenceUrl = value;
    emit referenceUrlChanged();
}

void QIImagePicker::show(bool animated)
{
    Q_UNUSED(animated)
    if (m_status == Running || m_status == Saving)
        return;
    setStatus(Running);
    const QString fileName = QFileDialog::getOpenFileName(nullptr, tr("Import Image"),
        QStandardPaths::standardLocations(QStandardPaths::DownloadLocation).value(0),
        QStringLiteral("Images (*.png *.xpm *.jpg)"));
    if (fileName.isEmpty()) {
        setStatus(Null);
        return;
    }
    QImageReader reader(fileName);
    const QImage picked = reader.read();
    if (picked.isNull()) {
        setStatus(Null);
        return;
    }
    setImage(picked);
    setMediaType(QStringLiteral("public.image"));
    setReferenceUrl(QUrl::fromLocalFile(fileName).toString());
    setStatus(Ready);
    emit ready();
}

void QIImagePicker::close(bool animated)
{
    QISystemDispatcher::instance()->dispatch(QStringLiteral("imagePickerControllerDismiss"),
        { { QStringLiteral("animated"), animated } });
}

void QIImagePicker::save(const QString& fileName)
{
    QThreadPool::globalInstance()->start(new QIImagePickerSaver(this, m_image, fileName));
}

void QIImagePicker::saveAsTemp()
{
    save(QString());
}

void QIImagePicker::clear()
{
    setImage(QImage());
    setStatus(Null);
}

void QIImagePicker::onReceived(const QString& name, const QVariantMap& data)
{
    if (name == QLatin1String("imagePickerControllerDidCancel")) {
        setStatus(Null);
        disconnect(QISystemDispatcher::instance(), nullptr, this, nullptr);
        close(true);
    } else if (name == QLatin1String("imagePickerControllerDisFinishPickingMetaWithInfo")) {
        disconnect(QISystemDispatcher::instance(), nullptr, this, nullptr);
        setImage(data.value(QStringLiteral("image")).value<QImage>());
        setMediaType(data.value(QStringLiteral("mediaType")).toString());
        setMediaUrl(data.value(QStringLiteral("mediaUrl")).toString());
        setReferenceUrl(data.value(QStringLiteral("referenceUrl")).toString());
        setStatus(Ready);
        emit ready();
    }
}

void QIImagePicker::endSave(const QString& fileName, bool ok, const QString& error)
{
    if (ok)
        emit saved(QUrl::fromLocalFile(fileName).toString());
    else
        WriteNotice::show(tr("Failed to save the image") + QStringLiteral(": "), fileName, error);
    setStatus(m_image.isNull() ? Null : Ready);
}
