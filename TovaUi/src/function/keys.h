#ifndef KEYS_H
#define KEYS_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStandardItemModel>

// Shortcut schemes: the default scheme ":/source/keys/default.json" always
// lies underneath, and a chosen scheme lists only what it changes. Key texts
// come back in the portable form that function::keyEventToString produces.
class keys : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStandardItemModel* fileModel READ fileModel WRITE setFileModel NOTIFY fileModelChanged)
    Q_PROPERTY(QStandardItemModel* keysModel READ keysModel WRITE setKeysModel NOTIFY keysModelChanged)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(QString currentName READ currentName WRITE setCurrentName NOTIFY currentNameChanged)
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY messageChanged)

public:
    explicit keys(QObject* parent = nullptr);

    QStandardItemModel* fileModel() const { return m_fileModel; }
    void setFileModel(QStandardItemModel* model);
    QStandardItemModel* keysModel() const { return m_keysModel; }
    void setKeysModel(QStandardItemModel* model);
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);
    QString currentName() const { return m_currentName; }
    void setCurrentName(const QString& name);
    QString message() const { return m_message; }
    void setMessage(const QString& value);

    Q_INVOKABLE QString getKey(const QString& functionName) const;
    Q_INVOKABLE QString display(const QString& functionName) const;
    Q_INVOKABLE QString macKeyDisplay(const QString& key) const;
    Q_INVOKABLE QString windowsKeyDisplay(const QString& key) const;

signals:
    void currentIndexChanged();
    void currentNameChanged();
    void messageChanged();
    void fileModelChanged();
    void keysModelChanged();

private:
    void loadKeys();

    QHash<QString, QString> m_currentKeys;
    QHash<QString, QString> m_defaultKeys;
    int m_currentIndex = -1;
    QString m_currentName;
    QString m_message;
    QPointer<QStandardItemModel> m_fileModel;
    QPointer<QStandardItemModel> m_keysModel;
};

#endif
