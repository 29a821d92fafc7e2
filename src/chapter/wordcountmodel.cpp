#include "wordcountmodel.h"

#include "data/global.h"

WordCountModel::WordCountModel(QObject* parent)
    : QObject(parent)
{
    m_defaultCount = new WordsTypeClass(this);
    m_defaultChapters = new AutoChapterModel(this);
    m_currentCount = m_defaultCount;
    m_currentChapters = m_defaultChapters;
    connect(global::instance(), &global::isCurrentEditChanged, this, &WordCountModel::setIsCurrentEdit);
}

void WordCountModel::makeCurrent(WordsTypeClass* counts, AutoChapterModel* chapters)
{
    if (m_currentCount != counts) {
        m_currentCount = counts;
        emit currentCountClassChanged();
    }
    if (m_currentChapters != chapters) {
        m_currentChapters = chapters;
        emit currentAutoChapterModelChanged();
    }
}

void WordCountModel::setCurrentFile(const QUrl& file)
{
    if (file == m_currentFile)
        return;
    if (!m_counts.value(file))
        m_counts.insert(file, new WordsTypeClass(this));
    if (!m_chapters.value(file))
        m_chapters.insert(file, new AutoChapterModel(this));
    makeCurrent(m_counts.value(file), m_chapters.value(file));
    m_currentFile = file;
    emit currentFileChanged(file);
}

void WordCountModel::closeFile(const QUrl& file)
{
    if (WordsTypeClass* counts = m_counts.take(file)) {
        if (m_currentCount == counts)
            makeCurrent(m_defaultCount, m_currentChapters);
        counts->deleteLater();
    }
    if (AutoChapterModel* chapters = m_chapters.take(file)) {
        if (m_currentChapters == chapters)
            makeCurrent(m_currentCount, m_defaultChapters);
        chapters->deleteLater();
    }
}

void WordCountModel::setIsCurrentEdit(bool isCurrentEdit)
{
    if (isCurrentEdit)
        makeCurrent(m_counts.value(m_currentFile) ? m_counts.value(m_currentFile).data() : m_defaultCount,
                    m_chapters.value(m_currentFile) ? m_chapters.value(m_currentFile).data() : m_defaultChapters);
    else
        makeCurrent(m_defaultCount, m_defaultChapters);
}
