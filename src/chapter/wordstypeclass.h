#ifndef WORDSTYPECLASS_H
#define WORDSTYPECLASS_H

#include "chapter/chaptertype.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

// Live counts of one open document, shown by the word-count pages. All is -1
// until the document's counting thread has handed over its first totals.
// Every value is set on the GUI thread (the counter's hand-over tick).
class WordsTypeClass : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int All READ All WRITE setAll NOTIFY AllChanged)
    Q_PROPERTY(int Selection READ Selection WRITE setSelection NOTIFY SelectionChanged)
    Q_PROPERTY(int Numbers READ Numbers WRITE setNumbers NOTIFY NumbersChanged)
    Q_PROPERTY(int FullWidthSpace READ FullWidthSpace WRITE setFullWidthSpace NOTIFY FullWidthSpaceChanged)
    Q_PROPERTY(int HalfWidthSpace READ HalfWidthSpace WRITE setHalfWidthSpace NOTIFY HalfWidthSpaceChanged)
    Q_PROPERTY(int Chars READ Chars WRITE setChars NOTIFY CharsChanged)
    Q_PROPERTY(int Words READ Words WRITE setWords NOTIFY WordsChanged)
    Q_PROPERTY(int BC READ BC WRITE setBC NOTIFY BCChanged)
    Q_PROPERTY(bool isTitle READ isTitle WRITE setIsTitle NOTIFY isTitleChanged)
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(int Letters READ Letters WRITE setLetters NOTIFY LettersChanged)
    Q_PROPERTY(int Paragraphs READ Paragraphs WRITE setParagraphs NOTIFY ParagraphsChanged)
    Q_PROPERTY(int Front READ Front WRITE setFront NOTIFY FrontChanged)
    Q_PROPERTY(QUrl fileName READ fileName WRITE setFileName NOTIFY fileNameChanged)
    Q_PROPERTY(int thisChapterWords READ thisChapterWords WRITE setThisChapterWords NOTIFY thisChapterWordsChanged)
    Q_PROPERTY(int thisChapterIndex READ thisChapterIndex WRITE setThisChapterIndex NOTIFY thisChapterIndexChanged)
    Q_PROPERTY(QList<ChapterType>* chapterList READ chapterList WRITE setChapterList NOTIFY chapterListChanged)
    Q_PROPERTY(int NoBc READ NoBc WRITE setNoBc NOTIFY NoBcChanged)
    Q_PROPERTY(int NoSpace READ NoSpace WRITE setNoSpace NOTIFY NoSpaceChanged)

public:
    explicit WordsTypeClass(QObject* parent = nullptr);
    int All() const { return m_All; }
    int Selection() const { return m_Selection; }
    int Numbers() const { return m_Numbers; }
    int FullWidthSpace() const { return m_FullWidthSpace; }
    int HalfWidthSpace() const { return m_HalfWidthSpace; }
    int Chars() const { return m_Chars; }
    int Words() const { return m_Words; }
    int BC() const { return m_BC; }
    bool isTitle() const { return m_isTitle; }
    QString title() const { return m_title; }
    int Letters() const { return m_Letters; }
    int Paragraphs() const { return m_Paragraphs; }
    int Front() const { return m_Front; }
    QUrl fileName() const { return m_fileName; }
    int thisChapterWords() const { return m_thisChapterWords; }
    int thisChapterIndex() const { return m_thisChapterIndex; }
    QList<ChapterType>* chapterList() const { return m_chapterList; }
    int NoBc() const { return m_NoBc; }
    int NoSpace() const { return m_NoSpace; }

public slots:
    void setAll(int value);
    void setSelection(int value);
    void setNumbers(int value);
    void setFullWidthSpace(int value);
    void setHalfWidthSpace(int value);
    void setChars(int value);
    void setWords(int value);
    void setBC(int value);
    void setIsTitle(bool value);
    void setTitle(const QString& value);
    void setLetters(int value);
    void setParagraphs(int value);
    void setFront(int value);
    void setFileName(const QUrl& value);
    void setThisChapterWords(int value);
    void setThisChapterIndex(int value);
    void setChapterList(QList<ChapterType>* value);
    void setNoBc(int value);
    void setNoSpace(int value);

signals:
    void AllChanged(int All);
    void SelectionChanged(int Selection);
    void NumbersChanged(int Numbers);
    void FullWidthSpaceChanged(int FullWidthSpace);
    void HalfWidthSpaceChanged(int HalfWidthSpace);
    void CharsChanged(int Chars);
    void WordsChanged(int Words);
    void BCChanged(int BC);
    void isTitleChanged(bool isTitle);
    void titleChanged(const QString& title);
    void LettersChanged(int Letters);
    void ParagraphsChanged(int Paragraphs);
    void FrontChanged(int Front);
    void fileNameChanged(const QUrl& fileName);
    void thisChapterWordsChanged(int thisChapterWords);
    void thisChapterIndexChanged(int thisChapterIndex);
    void chapterListChanged(QList<ChapterType>* chapterList);
    void NoBcChanged(int NoBc);
    void NoSpaceChanged(int NoSpace);
    // Declared for the pages; there is no Cursor property.
    void CursorChanged(int Cursor);

private:
    int m_All = -1;
    int m_Selection = 0;
    int m_Numbers = 0;
    int m_FullWidthSpace = 0;
    int m_HalfWidthSpace = 0;
    int m_Chars = 0;
    int m_Words = 0;
    int m_BC = 0;
    bool m_isTitle = false;
    QString m_title;
    int m_Letters = 0;
    int m_Paragraphs = 0;
    int m_Front = 0;
    QUrl m_fileName;
    int m_thisChapterWords = -1;
    int m_thisChapterIndex = -1;
    QList<ChapterType>* m_chapterList = nullptr;
    int m_NoBc = 0;
    int m_NoSpace = 0;
};

#endif
