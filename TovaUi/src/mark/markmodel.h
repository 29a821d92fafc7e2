#ifndef MARKMODEL_H
#define MARKMODEL_H

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

class QFileSystemWatcher;

// The word marks of the current document's folder: a colour and a note per
// marked word, kept in the folder's ".index.mark" JSON file, watched for
// outside changes. Two mark files can be merged (cloud sync conflicts).
class MarkModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList colorList READ colorList WRITE setColorList NOTIFY colorListChanged)
    Q_PROPERTY(QStringList wordList READ wordList WRITE setWordList NOTIFY wordListChanged)
    Q_PROPERTY(QUrl fileName READ fileName WRITE setFileName NOTIFY fileNameChanged)

public:
    struct MarkItem {
        QString color;
        QString word;
        QString note;
        qint64 time = 0;
    };
    using MarkMap = QMap<QString, MarkItem>;

    static constexpr int maxNoteLength = 200;

    explicit MarkModel(QObject* parent = nullptr);

    QStringList colorList() const { return m_colorList; }
    void setColorList(const QStringList& list);
    QStringList wordList() const { return m_wordList; }
    void setWordList(const QStringList& list);
    QUrl fileName() const { return m_fileName; }
    void setFileName(const QUrl& url);

    Q_INVOKABLE void setMark(QString word, const QString& color, QString note);
    Q_INVOKABLE void deleteMark(const QString& word);
    Q_INVOKABLE QString getColor(const QString& word) const;
    Q_INVOKABLE QString getNote(const QString& word) const;
    Q_INVOKABLE bool isExist(const QString& word) const;
    Q_INVOKABLE QString markTextRegex() const;

    MarkItem item(const QString& word) const { return m_marks.value(word); }

    // The marks of a mark file (empty when it cannot be read or parsed).
    static MarkMap jsonFileToMarkItem(const QString& path);
    // Two mark files merged, newer mark per word (the second wins a tie),
    // as compact JSON text; nothing is written.
    static QString mergeJsonFiles(const QString& path1, const QString& path2);
    // The mark file serving a document path.
    static QString markFileOf(const QString& documentPath);

    QString markFileName() const;
    void loadFile();
    bool saveFile();
    void loadJsonFile(const QString& path);
    bool saveJsonFile(const QString& path);

signals:
    void colorListChanged();
    void wordListChanged();
    void markModelChanged();
    void fileNameChanged();

public slots:
    void fileChanged(const QString& path);

private:
    void watch(const QString& path);
    static QByteArray toJson(const MarkMap& marks, bool compact);

    QStringList m_colorList;
    QStringList m_wordList;
    MarkMap m_marks;
    QUrl m_fileName;
    QPointer<QFileSystemWatcher> m_watcher;
    // An existing mark file that could not be read is never written over.
    QString m_unreadablePath;
};

#endif
