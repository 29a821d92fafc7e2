#ifndef QIIMAGEPICKERSAVER_H
#define QIIMAGEPICKERSAVER_H

#include <QImage>
#include <QPointer>
#include <QRunnable>
#include <QString>

class QIImagePicker;

// Writes a copy of a picked image on a pool thread and reports the file name
// back to the picker, when it still exists, by a queued call.
class QIImagePickerSaver : public QRunnable
{
public:
    QIImagePickerSaver(QIImagePicker* picker, const QImage& image, const QString& fileName);
    void run() override;

private:
    QPointer<QIImagePicker> m_picker;
    QImage m_image;
    QString m_fileName;
};

#endif
