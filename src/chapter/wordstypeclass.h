#ifndef WORDSTYPECLASS_H
#define WORDSTYPECLASS_H

#include <QObject>

// Live counts of one open document.
class WordsTypeClass : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int All READ All WRITE setAll NOTIFY AllChanged)
    Q_PROPERTY(int NoBc READ NoBc WRITE setNoBc NOTIFY NoBcChanged)
    Q_PROPERTY(int NoSpace READ NoSpace WRITE setNoSpace NOTIFY NoSpaceChanged)
    Q_PROPERTY(int Chars READ Chars WRITE setChars NOTIFY CharsChanged)
    Q_PROPERTY(int Words READ Words WRITE setWords NOTIFY WordsChanged)
    Q_PROPERTY(int Numbers READ Numbers WRITE setNumbers NOTIFY NumbersChanged)
    Q_PROPERTY(int Letters READ Letters WRITE setLetters NOTIFY LettersChanged)
    Q_PROPERTY(int BC READ BC WRITE setBC NOTIFY BCChanged)
    Q_PROPERTY(int FullWidthSpace READ FullWidthSpace WRITE setFullWidthSpace NOTIFY FullWidthSpaceChanged)
    Q_PROPERTY(int HalfWidthSpace READ HalfWidthSpace WRITE setHalfWidthSpace NOTIFY HalfWidthSpaceChanged)
    Q_PROPERTY(int Paragraphs READ Paragraphs WRITE setParagraphs NOTIFY ParagraphsChanged)
    Q_PROPERTY(int Selection READ Selection WRITE setSelection NOTIFY SelectionChanged)
    Q_PROPERTY(int Front READ Front WRITE setFront NOTIFY FrontChanged)
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName NOTIFY fileNameChanged)

public:
    explicit WordsTypeClass(QObject* parent = nullptr);
    int All() const { return m_All; }
    void setAll(int value);
    int NoBc() const { return m_NoBc; }
    void setNoBc(int value);
    int NoSpace() const { return m_NoSpace; }
    void setNoSpace(int value);
    int Chars() const { return m_Chars; }
    void setChars(int value);
    int Words() const { return m_Words; }
    void setWords(int value);
    int Numbers() const { return m_Numbers; }
    void setNumbers(int value);
    int Letters() const { return m_Letters; }
    void setLetters(int value);
    int BC() const { return m_BC; }
    void setBC(int value);
    int FullWidthSpace() const { return m_FullWidthSpace; }
    void setFullWidthSpace(int value);
    int HalfWidthSpace() const { return m_HalfWidthSpace; }
    void setHalfWidthSpace(int value);
    int Paragraphs() const { return m_Paragraphs; }
    void setParagraphs(int value);
    int Selection() const { return m_Selection; }
    void setSelection(int value);
    int Front() const { return m_Front; }
    void setFront(int value);
    QString title() const { return m_title; }
    void setTitle(const QString& value);
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& value);

signals:
    void AllChanged(int All);
    void NoBcChanged(int NoBc);
    void NoSpaceChanged(int NoSpace);
    void CharsChanged(int Chars);
    void WordsChanged(int Words);
    void NumbersChanged(int Numbers);
    void LettersChanged(int Letters);
    void BCChanged(int BC);
    void FullWidthSpaceChanged(int FullWidthSpace);
    void HalfWidthSpaceChanged(int HalfWidthSpace);
    void ParagraphsChanged(int Paragraphs);
    void SelectionChanged(int Selection);
    void FrontChanged(int Front);
    void titleChanged(const QString& title);
    void fileNameChanged(const QString& fileName);

private:
    int m_All = -1;
    int m_NoBc = 0;
    int m_NoSpace = 0;
    int m_Chars = 0;
    int m_Words = 0;
    int m_Numbers = 0;
    int m_Letters = 0;
    int m_BC = 0;
    int m_FullWidthSpace = 0;
    int m_HalfWidthSpace = 0;
    int m_Paragraphs = 0;
    int m_Selection = 0;
    int m_Front = 0;
    QString m_title;
    QString m_fileName;
};

#endif
