#include "qiimagepickersaver.h"

#include "dialog/qiimagepicker.h"
#include "support/log.h"
#include "support/userfile.h"

#include <QBuffer>
#include <QFileInfo>
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
    // Encoded in memory, then written whole through the one checked writer.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QFileInfo(fileName).suffix().toLatin1());
    UserFile::Result written { false, QString() };
    if (fileName.isEmpty() || !writer.write(m_image))
        written.error = writer.errorString();
    else
        written = UserFile::write(fileName, bytes, UserFile::NoOptions);
    if (!written)
        logWarning(lcUi) << QStringLiteral("Failed to save %1 : %2").arg(fileName, written.error);
    if (m_picker)
        QMetaObject::invokeMethod(m_picker, "endSave", Qt::QueuedConnection, Q_ARG(QString, fileName),
                                  Q_ARG(bool, written.ok), Q_ARG(QString, written.error));
}
