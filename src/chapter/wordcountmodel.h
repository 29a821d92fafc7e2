#ifndef WORDCOUNTMODEL_H
#define WORDCOUNTMODEL_H

#include "chapter/autochaptermodel.h"
#include "chapter/wordstypeclass.h"
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUrl>

// Registry, by file URL, of each open document's live counts and chapter list,
// with the current pair.
class WordCountModel : public QObject
{
    Q_OBJECT

public:
    explicit WordCountModel(QObject* parent = nullptr);
    Q_PROPERTY(WordsTypeClass* currentCountClass READ currentCountClass NOTIFY currentCountClassChanged)
    Q_PROPERTY(AutoChapterModel* currentAutoChapterModel READ currentAutoChapterModel NOTIFY currentAutoChapterModelChanged)
    Q_PROPERTY(QUrl currentFile READ currentFile NOTIFY currentFileChanged)
    WordsTypeClass* currentCountClass() const { return m_currentCount; }
    AutoChapterModel* currentAutoChapterModel() const { return m_currentChapters; }
    QUrl currentFile() const { return m_currentFile; }
    WordsTypeClass* countClass(const QUrl& file) const { return m_counts.value(file); }
    AutoChapterModel* autoChapterModel(const QUrl& file) const { return m_chapters.value(file); }
    Q_INVOKABLE void setCurrentFile(const QUrl& file);
    Q_INVOKABLE void closeFile(const QUrl& file);

signals:
    void currentCountClassChanged();
    void currentAutoChapterModelChanged();
    void currentFileChanged(const QUrl& file);

private:
    void makeCurrent(WordsTypeClass* counts, AutoChapterModel* chapters);
    void setIsCurrentEdit(bool isCurrentEdit);
    QHash<QUrl, QPointer<WordsTypeClass>> m_counts;
    QHash<QUrl, QPointer<AutoChapterModel>> m_chapters;
    WordsTypeClass* m_defaultCount = nullptr;
    AutoChapterModel* m_defaultChapters = nullptr;
    QPointer<WordsTypeClass> m_currentCount;
    QPointer<AutoChapterModel> m_currentChapters;
    QUrl m_currentFile;
};

#endif
