#ifndef MAKEUPER_H
#define MAKEUPER_H

#include <QStringList>
#include <QThread>

class QTextDocument;

// One-key typesetting worker: one thread object per request, deleted once
// its run is over. The text is handed over as lines (setTextList) or as a
// document read once at the start of the run.
class makeuper : public QThread
{
    Q_OBJECT
    Q_PROPERTY(QStringList textList READ textList WRITE setTextList NOTIFY textListChanged)

public:
    explicit makeuper(QObject* parent = nullptr);

    void setTextDocument(QTextDocument* document) { m_document = document; }
    void makeup();
    void makeupDocument();
    void makeupText();

public slots:
    void setTextList(const QStringList& textList);
    QStringList textList() const { return m_textList; }

signals:
    void preparing();
    void typesetStarted();
    void blockSetted(int blockNum, const QString& blockText);
    void blockSetted(int settedBlocks);
    void makeupFinished(const QStringList& list);
    void textListChanged(const QStringList& textList);

protected:
    void run() override;

private:
    QTextDocument* m_document = nullptr;
    QStringList m_textList;
};

#endif
