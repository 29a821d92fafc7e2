#ifndef WORDCOUNTMODEL_H
#define WORDCOUNTMODEL_H

#include "chapter/autochaptermodel.h"
#include "chapter/wordstypeclass.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUrl>

// Registry, by file URL, of each open document's live counts and chapter
// list, with the current pair (QML "wordCountModel"). When no document is
// current the properties give empty stand-by objects, never null. Used on
// the GUI thread only: the counting threads hand their results to the GUI
// thread before anything here is touched.
class WordCountModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(WordsTypeClass* currentCountClass READ currentCountClass NOTIFY currentCountClassChanged)
    Q_PROPERTY(AutoChapterModel* currentAutoChapterModel READ currentAutoChapterModel NOTIFY currentAutoChapterModelChanged)
    Q_PROPERTY(QUrl currentFile READ currentFile WRITE setCurrentFile NOTIFY currentFileChanged)

public:
    explicit WordCountModel(QObject* parent = nullptr);
    ~WordCountModel() override;

    WordsTypeClass* currentCountClass() const;
    AutoChapterModel* currentAutoChapterModel() const;
    QUrl currentFile() const { return m_currentFile; }

    // The objects of a file, created on first use.
    Q_INVOKABLE WordsTypeClass* countClass(const QUrl& file);
    Q_INVOKABLE AutoChapterModel* autoChapterModel(const QUrl& file);
    // Forgets a document; its objects are deleted later.
    Q_INVOKABLE void closeFile(const QUrl& file);

public slots:
    void setCurrentCountClass(WordsTypeClass* countClass);
    void setCurrentAutoChapterModel(AutoChapterModel* chapterModel);
    void setCurrentFile(const QUrl& file);

signals:
    void currentCountClassChanged(WordsTypeClass* currentCountClass);
    void currentAutoChapterModelChanged(AutoChapterModel* currentAutoChapterModel);
    void currentFileChanged(const QUrl& currentFile);

private slots:
    void setIsCurrentEdit(bool isCurrentEdit);

private:
    QHash<QUrl, WordsTypeClass*> m_counts;
    QHash<QUrl, AutoChapterModel*> m_chapters;
    WordsTypeClass* m_standbyCount = nullptr;
    AutoChapterModel* m_standbyChapters = nullptr;
    QPointer<WordsTypeClass> m_currentCount;
    QPointer<AutoChapterModel> m_currentChapters;
    QUrl m_currentFile;
};

#endif
