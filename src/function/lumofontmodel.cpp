#include "lumofontmodel.h"

#include "function/fontthread.h"
#include "support/log.h"

LumoFontModel::LumoFontModel(QObject* parent)
    : QStandardItemModel(parent)
{
    setWritingSystem(QFontDatabase::SimplifiedChinese);
}

// The listing threads are children of the model: each is waited for, so none
// outlives the model it reports to.
LumoFontModel::~LumoFontModel()
{
    const QList<fontThread*> threads = findChildren<fontThread*>(QString(), Qt::FindDirectChildrenOnly);
    for (fontThread* thread : threads)
        thread->wait();
}

QHash<int, QByteArray> LumoFontModel::roleNames() const
{
    return { { TitleRole, "title" }, { FontNameRole, "fontName" } };
}

void LumoFontModel::setWritingSystem(QFontDatabase::WritingSystem system)
{
    auto* thread = new fontThread(this, system, ++m_generation);
    connect(thread, &fontThread::familiesListed, this, &LumoFontModel::applyFamilies, Qt::QueuedConnection);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void LumoFontModel::applyFamilies(const QStringList& families, int generation)
{
    if (generation != m_generation)
        return;
    setRowCount(0);
    for (const QString& family : families) {
        auto* item = new QStandardItem(family);
        item->setData(family, TitleRole);
        item->setData(family, FontNameRole);
        appendRow(item);
    }
    if (!m_pendingFont.isEmpty()) {
        const QString pending = m_pendingFont;
        m_pendingFont.clear();
        logDebug(lcUi) << "set tmp font:" << pending;
        setCurrentFont(pending);
    }
}

void LumoFontModel::setCurrentFont(const QString& currentFont)
{
    if (currentFont == m_currentFont)
        return;
    if (rowCount() == 0) {
        m_pendingFont = currentFont;
        return;
    }
    int row = -1;
    for (int i = 0; i < rowCount(); ++i) {
        if (item(i)->data(FontNameRole).toString() == currentFont) {
            row = i;
            break;
        }
    }
    // Stored before the index moves, so the index setter's own call back
    // here finds nothing to do and the change is announced once.
    m_currentFont = currentFont;
    if (row >= 0)
        setCurrentIndex(row);
    emit currentFontChanged(m_currentFont);
}

void LumoFontModel::setCurrentIndex(int currentIndex)
{
    if (currentIndex == m_currentIndex)
        return;
    m_currentIndex = currentIndex;
    if (currentIndex >= 0 && currentIndex < rowCount())
        setCurrentFont(item(currentIndex)->data(FontNameRole).toString());
    emit currentIndexChanged(m_currentIndex);
}
