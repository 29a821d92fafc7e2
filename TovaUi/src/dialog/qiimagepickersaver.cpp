#include "qiimagepickersaver.h"

#include "dialog/qiimagepicker.h"
#include "support/log.h"

#include <QImageWriter>
#include <QMetaObject>
#include <QStandardPaths>
#include <QTemporaryFile>

QIImagePickerSaver::QIImagePickerSaver(QIImagePicker* picker, const QImage& image, const QString& fileName)
    : m_picker(picker)
    , m_image(image)
    , m_fileName(fileName)
{
}

void QIImagePickerSaver::run()
{
    QString fileName = m_fileName;
    if (fileName.isNull()) {
        const QStringList locations = QStandardPaths::standardLocations(QStandardPaths::TempLocation);
        QTemporaryFile reserve(locations.value(0) + QStringLiteral("/XXXXXX.jpg"));
        reserve.setAutoRemove(false);
        if (reserve.open()) {
            fileName = reserve.fileName();
            reserve.close();
        }
    }
    QImageWriter writer(fileName);
    const bool ok = writer.write(m_image);
    if (!ok)
        PLOG << QStringLiteral("Failed to save %1 : %2").arg(fileName, writer.errorString());
    if (m_picker)
        QMetaObject::invokeMethod(m_picker, "endSave", Qt::QueuedConnection, Q_ARG(QString, fileName), Q_ARG(bool, ok));
}
