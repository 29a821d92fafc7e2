#ifndef QIIMAGEPICKER_H
#define QIIMAGEPICKER_H

#include <QImage>
#include <QQuickItem>

// Picks an image for QML: on the desktop an open-file dialog; saves the
// picked image on the global thread pool.
class QIImagePicker : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(SourceType sourceType READ sourceType WRITE setSourceType NOTIFY sourceTypeChanged)
    Q_PROPERTY(QImage image READ image WRITE setImage NOTIFY imageChanged)
    Q_PROPERTY(Status status READ status WRITE setStatus NOTIFY statusChanged)
    Q_PROPERTY(bool busy READ busy WRITE setBusy NOTIFY busyChanged)
    Q_PROPERTY(QString mediaType READ mediaType WRITE setMediaType NOTIFY mediaTypeChanged)
    Q_PROPERTY(QString mediaUrl READ mediaUrl WRITE setMediaUrl NOTIFY mediaUrlChanged)
    Q_PROPERTY(QString referenceUrl READ referenceUrl WRITE setReferenceUrl NOTIFY referenceUrlChanged)

public:
    enum SourceType { PhotoLibrary = 0, Camera = 1, SavedPhotosAlbum = 2 };
    Q_ENUM(SourceType)
    enum Status { Null = 0, Running = 1, Ready = 2, Saving = 3 };
    Q_ENUM(Status)

    explicit QIImagePicker(QQuickItem* parent = nullptr);

    SourceType sourceType() const { return m_sourceType; }
    void setSourceType(SourceType type);
    QImage image() const { return m_image; }
    void setImage(const QImage& image);
    Status status() const { return m_status; }
    void setStatus(Status status);
    bool busy() const { return m_busy; }
    void setBusy(bool busy);
    QString mediaType() const { return m_mediaType; }
    void setMediaType(const QString& value);
    QString mediaUrl() const { return m_mediaUrl; }
    void setMediaUrl(const QString& value);
    QString referenceUrl() const { return m_referenceUrl; }
    void setReferenceUrl(const QString& value);

    Q_INVOKABLE void show(bool animated = true);
    Q_INVOKABLE void close(bool animated = true);
    Q_INVOKABLE void save(const QString& fileName);
    Q_INVOKABLE void saveAsTemp();
    Q_INVOKABLE void clear();

signals:
    void sourceTypeChanged();
    void imageChanged();
    void statusChanged();
    void busyChanged();
    void referenceUrlChanged();
    void mediaTypeChanged();
    void mediaUrlChanged();
    void ready();
    void saved(QString url);

private:
    Q_INVOKABLE void onReceived(const QString& name, const QVariantMap& data);
    // A failed write is reported as a notice, never as `saved`.
    Q_INVOKABLE void endSave(const QString& fileName, bool ok, const QString& error);

    SourceType m_sourceType = PhotoLibrary;
    QImage m_image;
    Status m_status = Null;
    bool m_busy = false;
    QString m_mediaType;
    QString m_mediaUrl;
    QString m_referenceUrl;
};

#endif
