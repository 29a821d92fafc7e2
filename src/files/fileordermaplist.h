#ifndef FILEORDERMAPLIST_H
#define FILEORDERMAPLIST_H

#include <QMutex>
#include <QString>
#include <QStringList>

// True for the ideographs U+4E00..U+9FA5.
bool isUnicodeHz(unsigned short c);
// Pinyin initial (lower-case letter code) of an ideograph of that range, or
// 126 ("~") outside it.
int getSyllableLetter(unsigned short c);
// The text with every ideograph of the range replaced by its initial.
QString getPinyin1Astr(const QString& text);

// The reading order of books and chapters below the document folder, kept
// process-wide and stored in the document folder as "books.list" (one path
// relative to the document folder per line, "/" separators).
class fileordermaplist
{
public:
    fileordermaplist();

    // Creates the two lists when missing and returns the shared instance
    // pointer (no code path sets it).
    static fileordermaplist* init();
    static void release();

    // The part of a path after the last "My Books" folder; a book's
    // "index.txt" stands for its folder. Paths without "My Books" unchanged.
    static QString getShortPath(QString path);
    // Natural comparison: digit runs by value, ideographs by pinyin initial,
    // ASCII before other characters. -1, 0 or 1.
    static int strLogicCompare(const QString& a, const QString& b);

    static bool load();
    static void virtualLoad();
    static int getObjectOrderList(const QString& prefix, QStringList& out);
    static bool save();

    static void append(const QString& path, bool save);
    static bool append(QStringList& paths);
    static void insertBefore(const QString& path, QString anchor, bool save);
    static void insertAfter(const QString& path, QString anchor, bool save);
    static bool insertBefore(QStringList& paths, QString anchor);
    static bool insertAfter(QStringList& paths, QString anchor);
    static void remove(const QString& path);
    static void rename(const QString& from, const QString& to, bool save);
    // 0 when moved; -1 when either entry is not listed.
    static int move(const QString& from, const QString& to);
    static bool setFileList(QStringList list);
    static bool setFileList(QString text);
    static bool savetmp(QStringList list);
    static void beginRename(const QString& from, const QString& to);
    static void endRename(bool ok);
    static bool isNext(QString a, QString b);
    static bool LonelyCompare(const QString& a, const QString& b);
    static void pickObjectByPrefix(const QString& prefix, int level, QStringList& out, int& index);
    static QStringList getFileList();
    static bool booksListReload();
    static bool isEmpty();
    static bool isNeedRetrive() { return false; }
    static bool isRenaming() { return renaming; }
    static QString orderText() { return fileOrderStr; }

private:
    static void ensureLists();
    static void loadIfEmpty();
    static int indexOfEntry(const QString& entry);
    static QStringList renamedList(const QString& from, const QString& to, bool* listed);
    static void insertAt(const QString& path, const QString& anchor, bool after, bool save);
    static void swapIn(const QStringList& list);

    static QStringList* fileOrderList;
    static QStringList* fileOdrList_adapter;
    static QString fileOrderStr;
    static QString orderFilePath;
    static QString renameAdaptOrderStr;
    static bool renaming;
    static QMutex orderMutex;
    static fileordermaplist* self;
};

#endif
