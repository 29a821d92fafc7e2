#ifndef MARKDOWNEVENT_H
#define MARKDOWNEVENT_H

#include <QObject>

// The highlighter's event companion: named after the text area it serves and
// installed as an application event filter; it lets every event pass.
class MarkdownEvent : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString EventObjectName READ eventObjectName WRITE setEventObjectName NOTIFY EventObjectNameChanged)

public:
    explicit MarkdownEvent(QObject* parent = nullptr);

    QString eventObjectName() const { return m_eventObjectName; }
    void setEventObjectName(const QString& name);

signals:
    void EventObjectNameChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_eventObjectName = QStringLiteral("noObject");
};

#endif
