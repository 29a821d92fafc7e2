#ifndef STATSFOLDER_H
#define STATSFOLDER_H

#include <QDate>
#include <QString>

// The statistics folder as a whole: the names of its files, written with
// ASCII digits whatever the locale; files once named under other digits,
// folded into the ASCII-named ones; and the account its statistics belong
// to. Each account's statistics keep a folder of their own: the signed-in
// account's is the statistics folder, the others wait beside it.
class StatsFolder
{
public:
    // A date in a stored name or key: the format's fields with ASCII digits.
    static QString dateText(const QDate& date, const QString& format);

    // Folds every record and per-document table of the folder whose name
    // has other digits into the file of the ASCII name, then removes it; a
    // file that stays is listed and never folded again. A start stopped at
    // any moment counts each file once. Returns how many files were folded
    // in.
    static int foldForeignNames(const QString& root);

    // The account whose statistics the folder holds; empty when they are
    // nobody's (written while nobody was signed in, or before accounts
    // owned statistics): those go to the next account.
    static QString owner(const QString& root);

    enum class Adoption { Kept, Taken, Switched, Failed };
    // Makes the folder the account's: a folder of another account is put
    // aside and the account's own, when it has one, takes its place.
    // Failed leaves the folder to its owner (or to nobody) and tells so.
    static Adoption adopt(const QString& root, const QString& login);

private:
    static QString asideFolder(const QString& root, const QString& login);
    static bool setOwner(const QString& root, const QString& login);
};

#endif
