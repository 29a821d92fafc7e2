#ifndef MAKEUPER_H
#define MAKEUPER_H

#include <QStringList>
#include <QThread>

class QTextDocument;

// One-key typesetting worker: one thread object per request, deleted once
// its run is over. The text is handed over as lines (setTextList) or as a
// document read once at the start of the run. The four rules are read from
// the settings when the object is built.
class makeuper : public QThread
{
    Q_OBJECT
    Q_PROPERTY(QStringList textList READ textList WRITE setTextList NOTIFY textListChanged)

public:
    // Marks a line to be dropped inside the pipeline (U+2423).
    static const QString deleteKey;

    explicit makeuper(QObject* parent = nullptr);

    void setTextDocument(QTextDocument* document) { m_document = document; }
    void makeup();
    void makeupDocument();
    void makeupText();

    // The per-line steps.
    static QString removeSpaces(const QString& line);
    static QString removeEmptyLines(const QString& line);
    static QString spacesAtFront(const QString& line);
    static QStringList appendEmptyLineAtEnd(const QString& line);

    // The rules in force; tests and callers may change them before start().
    bool isAppendEmptyLineAtEnd() const { return m_appendEmptyLineAtEnd; }
    bool isRemoveEmptyLines() const { return m_removeEmptyLines; }
    bool isSpacesAtFront() const { return m_spacesAtFront; }
    bool isRemoveSpaces() const { return m_removeSpaces; }
    void setRules(bool appendEmptyLineAtEnd, bool removeEmptyLines, bool spacesAtFront, bool removeSpaces);

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
    bool m_appendEmptyLineAtEnd = true;
    bool m_removeEmptyLines = true;
    bool m_spacesAtFront = true;
    bool m_removeSpaces = false;
    QTextDocument* m_document = nullptr;
    QStringList m_textList;
};

#endif
