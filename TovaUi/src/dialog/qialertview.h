#ifndef QIALERTVIEW_H
#define QIALERTVIEW_H

#include <QPointer>
#include <QQuickItem>
#include <QStringList>

class QMessageBox;

// Alert with a title, a message and a row of buttons. On the desktop each
// show() opens a non-blocking message box; a click reports the button's index.
class QIAlertView : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY messageChanged)
    Q_PROPERTY(QStringList buttons READ buttons WRITE setButtons NOTIFY buttonsChanged)
    Q_PROPERTY(int clickedButtonIndex READ clickedButtonIndex WRITE setClickedButtonIndex NOTIFY clickedButtonIndexChanged)

public:
    explicit QIAlertView(QQuickItem* parent = nullptr);
    ~QIAlertView() override;

    virtual QString title() const;
    QString message() const { return m_message; }
    QStringList buttons() const { return m_buttons; }
    void setButtons(const QStringList& buttons);
    int clickedButtonIndex() const { return m_clickedButtonIndex; }
    void setClickedButtonIndex(int index);

public slots:
    virtual void setTitle(const QString& title);
    void setMessage(const QString& message);
    void show();
    void dismiss(int clickedButtonIndex, bool animated = true);

signals:
    void titleChanged();
    void messageChanged();
    void buttonsChanged();
    void clicked(int buttonIndex);
    void clickedButtonIndexChanged();

private:
    Q_INVOKABLE void onReceived(const QString& name, const QVariantMap& data);
    Q_INVOKABLE void onFinished(int index);

    QString m_title;
    QString m_message;
    QStringList m_buttons;
    bool m_running = false;
    int m_clickedButtonIndex = -1;
    QPointer<QMessageBox> m_box;
};

#endif
