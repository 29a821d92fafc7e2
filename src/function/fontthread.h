#ifndef FONTTHREAD_H
#define FONTTHREAD_H

#include <QFontDatabase>
#include <QStringList>
#include <QThread>

#include <functional>

// Lists the font families of one writing system away from the GUI thread
// and hands them back through the queued signal familiesListed. Families
// whose names begin with "." (hidden system fonts) are left out.
class fontThread : public QThread
{
    Q_OBJECT

public:
    using Lister = std::function<QStringList(QFontDatabase::WritingSystem)>;

    fontThread(QObject* parent, QFontDatabase::WritingSystem system, int generation);

    // Replaces the font-database query (tests); an empty function restores it.
    static void setFamilyLister(Lister lister);

signals:
    void familiesListed(const QStringList& families, int generation);

protected:
    void run() override;

private:
    QFontDatabase::WritingSystem m_system;
    int m_generation;
};

#endif
