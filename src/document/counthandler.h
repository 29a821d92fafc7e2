#ifndef COUNTHANDLER_H
#define COUNTHANDLER_H

#include <QObject>
#include <QTextDocument>
#include <QUrl>

// Live counting of one editor document: binds to the whole-file document and
// feeds the word-count registry.
class CountHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QTextDocument* textDocument READ textDocument WRITE setTextDocument NOTIFY textDocumentChanged)
    Q_PROPERTY(QString selectedText READ selectedText WRITE setSelectedText NOTIFY selectedTextChanged)
    Q_PROPERTY(QUrl fileName READ fileName WRITE setFileName NOTIFY fileNameChanged)
    Q_PROPERTY(int cursorLineNumber READ cursorLineNumber WRITE setCursorLineNumber NOTIFY cursorLineNumberChanged)
    Q_PROPERTY(int cursorLinePostion READ cursorLinePostion WRITE setCursorLinePostion NOTIFY cursorLinePostionChanged)
    Q_PROPERTY(QString cursorLinePreText READ cursorLinePreText WRITE setCursorLinePreText NOTIFY cursorLinePreTextChanged)
    Q_PROPERTY(bool counting READ counting WRITE setCounting NOTIFY countingChanged)
    Q_PROPERTY(int cursorPosition READ cursorPosition WRITE setCursorPosition NOTIFY cursorPositionChanged)

public:
    explicit CountHandler(QObject* parent = nullptr);
    QTextDocument* textDocument() const { return m_textDocument; }
    void setTextDocument(QTextDocument* value);
    QString selectedText() const { return m_selectedText; }
    void setSelectedText(const QString& value);
    QUrl fileName() const { return m_fileName; }
    void setFileName(const QUrl& value);
    int cursorLineNumber() const { return m_cursorLineNumber; }
    void setCursorLineNumber(int value);
    int cursorLinePostion() const { return m_cursorLinePostion; }
    void setCursorLinePostion(int value);
    QString cursorLinePreText() const { return m_cursorLinePreText; }
    void setCursorLinePreText(const QString& value);
    bool counting() const { return m_counting; }
    void setCounting(bool value);
    int cursorPosition() const { return m_cursorPosition; }
    void setCursorPosition(int value);
    Q_INVOKABLE void setInited(bool inited);
    Q_INVOKABLE void selectThisChapter();
    Q_INVOKABLE int getNextTitleNumber(int editLineNumber);
    Q_INVOKABLE void exit();

signals:
    void textDocumentChanged(QTextDocument* textDocument);
    void selectedTextChanged(const QString& selectedText);
    void fileNameChanged(const QUrl& fileName);
    void cursorLineNumberChanged(int cursorLineNumber);
    void cursorLinePostionChanged(int cursorLinePostion);
    void cursorLinePreTextChanged(const QString& cursorLinePreText);
    void countingChanged(bool counting);
    void cursorPositionChanged(int cursorPosition);
    void selectLine(int start, int end);

private:
    QTextDocument* m_textDocument = nullptr;
    QString m_selectedText;
    QUrl m_fileName;
    int m_cursorLineNumber = 0;
    int m_cursorLinePostion = 0;
    QString m_cursorLinePreText;
    bool m_counting = false;
    int m_cursorPosition = 0;
    bool m_inited = false;
};

#endif
