#include "wordcountmodel.h"

#include "data/global.h"
#include "support/log.h"

WordCountModel::WordCountModel(QObject* parent)
    : QObject(parent)
{
    m_standbyCount = new WordsTypeClass(this);
    m_standbyChapters = new AutoChapterModel(this);
    connect(global::instance(), &global::isCurrentEditChanged, this, &WordCountModel::setIsCurrentEdit);
}

WordCountModel::~WordCountModel()
{
    qDeleteAll(m_counts);
    qDeleteAll(m_chapters);
}

WordsTypeClass* WordCountModel::currentCountClass() const
{
    return m_currentCount ? m_currentCount.data() : m_standbyCount;
}

AutoChapterModel* WordCountModel::currentAutoChapterModel() const
{
    return m_currentChapters ? m_currentChapters.data() : m_standbyChapters;
}

WordsTypeClass* WordCountModel::countClass(const QUrl& file)
{
    WordsTypeClass*& counts = m_counts[file];
    if (!counts)
        counts = new WordsTypeClass();
    return counts;
}

AutoChapterModel* WordCountModel::autoChapterModel(const QUrl& file)
{
    AutoChapterModel*& chapters = m_chapters[file];
    if (!chapters)
        chapters = new AutoChapterModel();
    return chapters;
}

void WordCountModel::setCurrentCountClass(WordsTypeClass* countClass)
{
    if (currentCountClass() == (countClass ? countClass : m_standbyCount))
        return;
    m_currentCount = countClass;
    emit currentCountClassChanged(currentCountClass());
}

void WordCountModel::setCurrentAutoChapterModel(AutoChapterModel* chapterModel)
{
    if (currentAutoChapterModel() == (chapterModel ? chapterModel : m_standbyChapters))
        return;
    m_currentChapters = chapterModel;
    emit currentAutoChapterModelChanged(currentAutoChapterModel());
}

void WordCountModel::setCurrentFile(const QUrl& file)
{
    if (file == m_currentFile)
        return;
    setCurrentCountClass(countClass(file));
    setCurrentAutoChapterModel(autoChapterModel(file));
    m_currentFile = file;
    emit currentFileChanged(file);
}

void WordCountModel::closeFile(const QUrl& file)
{
    // The current objects switch to the stand-by ones at once, so QML never
    // holds an object that is about to be deleted.
    if (WordsTypeClass* counts = m_counts.take(file)) {
        if (m_currentCount == counts)
            setCurrentCountClass(nullptr);
        counts->deleteLater();
        logDebug(lcStats) << "closeFile" << ":" << "countClass size:" << m_counts.size() << "file:" << file;
    }
    if (AutoChapterModel* chapters = m_chapters.take(file)) {
        if (m_currentChapters == chapters)
            setCurrentAutoChapterModel(nullptr);
        chapters->deleteLater();
    }
}

void WordCountModel::setIsCurrentEdit(bool isCurrentEdit)
{
    if (isCurrentEdit) {
        setCurrentCountClass(countClass(m_currentFile));
        setCurrentAutoChapterModel(autoChapterModel(m_currentFile));
    } else {
        setCurrentCountClass(nullptr);
        setCurrentAutoChapterModel(nullptr);
    }
}
