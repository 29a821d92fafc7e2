#ifndef QIACTIONSHEET_H
#define QIACTIONSHEET_H

#include <QQuickItem>
#include <QStringList>

// Action sheet shown by a platform layer. On the desktop nothing answers, so
// after the first show() the sheet stays running.
class QIActionSheet : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QStringList otherButtonTitles READ otherButtonTitles WRITE setOtherButtonTitles NOTIFY otherButtonTitlesChanged)
    Q_PROPERTY(int clickedButtonIndex READ clickedButtonIndex WRITE setClickedButtonIndex NOTIFY clickedButtonIndexChanged)
    Q_PROPERTY(QString cancelButtonTitle READ cancelButtonTitle WRITE setCancelButtonTitle NOTIFY cancelButtonTitleChanged)

public:
    explicit QIActionSheet(QQuickItem* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QStringList otherButtonTitles() const { return m_otherButtonTitles; }
    void setOtherButtonTitles(const QStringList& titles);
    int clickedButtonIndex() const { return m_clickedButtonIndex; }
    void setClickedButtonIndex(int index);
    QString cancelButtonTitle() const { return m_cancelButtonTitle; }
    void setCancelButtonTitle(const QString& title);

    Q_INVOKABLE void show();

signals:
    void clicked(int buttonIndex);
    void titleChanged();
    void otherButtonTitlesChanged();
    void clickedButtonIndexChanged();
    void cancelButtonTitleChanged();
    void dismissed(int buttonIndex);

private:
    Q_INVOKABLE void onReceived(const QString& name, const QVariantMap& data);

    QString m_title;
    QStringList m_otherButtonTitles;
    QString m_cancelButtonTitle;
    int m_clickedButtonIndex = -1;
    bool m_running = false;
};

#endif
