#ifndef COUNTHANDLER_H
#define COUNTHANDLER_H

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>

class AutoChapterModel;
class LumoCounter;

// Live counting of one editor page (QML type CountHandler): watches the
// editor's whole-file document, turns each change into line operations for
// its counting thread, passes on the cursor and the selection, and hooks the
// thread to the file's chapter list and counts.
class CountHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QTextDocument* textDocument READ textDocument WRITE setTextDocument NOTIFY textDocumentChanged)
    Q_PROPERTY(QString selectedText READ selectedText WRITE setSelectedText NOTIFY selectedTextChanged)
    Q_PROPERTY(int cursorPosition READ cursorPosition WRITE setCursorPosition NOTIFY cursorPositionChanged)
    Q_PROPERTY(QUrl fileName READ fileName WRITE setFileName NOTIFY fileNameChanged)
    Q_PROPERTY(int cursorLineNumber READ cursorLineNumber WRITE setCursorLineNumber NOTIFY cursorLineNumberChanged)
    Q_PROPERTY(int cursorLinePostion READ cursorLinePostion WRITE setcursorLinePostion NOTIFY cursorLinePostionChanged)
    Q_PROPERTY(QString cursorLinePreText READ cursorLinePreText WRITE setCursorLinePreText NOTIFY cursorLinePreTextChanged)
    Q_PROPERTY(bool counting READ counting WRITE setCounting NOTIFY countingChanged)

public:
    explicit CountHandler(QObject* parent = nullptr);
    ~CountHandler() override;

    QTextDocument* textDocument() const { return m_textDocument; }
    void setTextDocument(QTextDocument* value);
    QString selectedText() const { return m_selectedText; }
    void setSelectedText(const QString& value);
    int cursorPosition() const { return m_cursorPosition; }
    void setCursorPosition(int value);
    QUrl fileName() const { return m_fileName; }
    void setFileName(const QUrl& value);
    int cursorLineNumber() const { return m_cursorLineNumber; }
    void setCursorLineNumber(int value);
    int cursorLinePostion() const { return m_cursorLinePostion; }
    void setcursorLinePostion(int value);
    void setCursorLinePostion(int value) { setcursorLinePostion(value); }
    QString cursorLinePreText() const { return m_cursorLinePreText; }
    void setCursorLinePreText(const QString& value);
    bool counting() const { return m_counting; }
    void setCounting(bool value);

    Q_INVOKABLE void selectThisChapter();
    Q_INVOKABLE int getNextTitleNumber(int editLineNumber);
    Q_INVOKABLE void exit();
    Q_INVOKABLE void setInited(bool inited);

    LumoCounter* counter() const { return m_counter; }

signals:
    void textDocumentChanged(QTextDocument* textDocument);
    void selectedTextChanged(const QString& selectedText);
    void cursorPositionChanged(int cursorPosition);
    void fileNameChanged(const QUrl& fileName);
    void cursorLineNumberChanged(int cursorLineNumber);
    void cursorLinePostionChanged(int cursorLinePostion);
    void cursorLinePreTextChanged(const QString& cursorLinePreText);
    void selectLine(int start, int end);
    void countingChanged(bool counting);

private slots:
    void editContentsChange(int position, int charsRemoved, int charsAdded);

private:
    QString blockText(int number) const;
    // Counts the document again from its lines; rebase: by new counting
    // rules, which the statistics do not take for writing.
    void recountAll(bool rebase = false);
    void disconnectChapters();

    QPointer<QTextDocument> m_textDocument;
    LumoCounter* m_counter = nullptr;
    // The document's lines as of the last change handled: tells how many
    // lines a change removed and whether a same-length change changed text.
    QStringList m_lines;
    QString m_selectedText;
    int m_cursorPosition = 0;
    QUrl m_fileName;
    int m_cursorLineNumber = -1;
    int m_cursorLinePostion = -1;
    QString m_cursorLinePreText;
    bool m_counting = false;
    QPointer<AutoChapterModel> m_chapterModel;
    QList<QMetaObject::Connection> m_chapterConnections;
};

#endif
