#ifndef SUBTLE_H
#define SUBTLE_H

#include <QObject>
#include <QString>
#include <QUrl>

// Sensitive-word masking requests ("csubtle"): starts one Subtler thread
// per request, with the sensitive-word pattern the page passes in, and
// relays its result to every editor page; a page applies only a result for
// its own file.
class Subtle : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool subtleState READ subtleState WRITE setSubtleState NOTIFY subtleStateChanged)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)

public:
    explicit Subtle(QObject* parent = nullptr);

    bool subtleState() const { return m_subtleState; }
    QString text() const { return m_text; }

signals:
    void subtleStateChanged(bool subtleState);
    void subtleFinish(QString text, QUrl fileName);
    void textChanged(QString text);

public slots:
    void subtleText(QString text, QUrl fileName, QString sensitiveWords);
    void setSubtleState(bool subtleState);
    void setText(QString text);

private slots:
    void SubtlerStart();
    void SubtlerFinished();

private:
    bool m_subtleState = false;
    QString m_text;
};

#endif
