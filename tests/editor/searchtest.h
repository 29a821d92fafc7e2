#ifndef SEARCHTEST_H
#define SEARCHTEST_H

#include <QObject>
#include <QStringList>

class SearchTest : public QObject
{
    Q_OBJECT

public:
    explicit SearchTest(QObject* parent = nullptr);

private slots:
    void initTestCase();
    void replaceAll_data();
    void replaceAll();
    void searchWrapsAround();
    void searchModes_data();
    void searchModes();
    void replaceOne();

private:
    QString newPath();
    QString lastMessage() const;
    QStringList m_messages;
    int m_file = 0;
};

#endif
