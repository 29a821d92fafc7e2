#ifndef LUMOFONTMODEL_H
#define LUMOFONTMODEL_H

#include <QFontDatabase>
#include <QObject>
#include <QStandardItemModel>

// The installed font families of a writing system (Simplified Chinese unless
// told otherwise), listed by a fontThread off the GUI thread. Keeps the chosen
// family and its row; a family chosen before the list has arrived is
// remembered and selected once it does. QML type "FontModel".
class LumoFontModel : public QStandardItemModel
{
    Q_OBJECT
    Q_PROPERTY(QString currentFont READ currentFont WRITE setCurrentFont NOTIFY currentFontChanged)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)

public:
    enum Roles { TitleRole = Qt::UserRole + 10, FontNameRole = Qt::UserRole + 101 };

    explicit LumoFontModel(QObject* parent = nullptr);
    ~LumoFontModel() override;

    QHash<int, QByteArray> roleNames() const override;

    QString currentFont() const { return m_currentFont; }
    int currentIndex() const { return m_currentIndex; }

    Q_INVOKABLE void setWritingSystem(QFontDatabase::WritingSystem system);

signals:
    void currentFontChanged(const QString& currentFont);
    void currentIndexChanged(int currentIndex);

public slots:
    void setCurrentFont(const QString& currentFont);
    void setCurrentIndex(int currentIndex);

private:
    void applyFamilies(const QStringList& families, int generation);

    QString m_currentFont;
    int m_currentIndex = -1;
    QString m_pendingFont;
    // Only the newest listing is applied; older ones that finish later are dropped.
    int m_generation = 0;
};

#endif
