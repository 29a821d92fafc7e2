#ifndef T_H
#define T_H

#include <QAtomicPointer>
#include <QHash>
#include <QMutex>
#include <QObject>

// Identifier translation: some texts reach the interface as identifiers
// (shortcut actions, theme names, challenge modes, server errors). r() gives
// the display text of an identifier, or the identifier itself when the table
// has no non-empty text for it. Display texts are translated once, when the
// table is built at the first lookup.
class t : public QObject
{
    Q_OBJECT

public:
    static t* instance();
    Q_INVOKABLE static QString r(const QString& key);
    QString get(const QString& key);

private:
    t();
    static t* instancePtr();
    static QAtomicPointer<t> self;
    static QMutex mutex;

    void build();

    QMutex m_tableMutex;
    bool m_built = false;
    QHash<QString, QString> m_table;
};

#endif
