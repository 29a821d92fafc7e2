#ifndef LIBRARYPATH_H
#define LIBRARYPATH_H

#include <QString>

// The one answer to "is this inside the library?" for every operation that
// creates, renames, moves, imports, exports or deletes.
//
// Paths are compared resolved: every existing folder on the way is replaced
// by its target (symbolic links followed), "." and ".." are applied to what
// they really name, and repeated or trailing separators are dropped. A
// sibling folder whose name merely begins with the library's ("docs2" beside
// "docs") is outside, and so is a book that is a link to a folder elsewhere:
// nothing may be written into it, renamed in it or removed from it.
class LibraryPath
{
public:
    // The document folder, resolved.
    static QString root();

    // `path` made absolute and resolved as far as it exists; the missing
    // rest is appended as written, without ".". A ".." after a missing
    // folder names nothing, as for the system: the result is empty.
    static QString resolved(const QString& path);

    // The entry `path` names: its folder resolved, its own name as written,
    // so a link stays the link; empty when it names no entry (".", "..", or
    // a folder that is not there followed by "..").
    static QString entry(const QString& path);

    // Whether the entry at `path` lies in the library: its folder, resolved,
    // is the document folder or below it, and its own name is an ordinary
    // name. The entry itself is not followed, so removing or renaming a
    // link in the library acts on the link and never on what it points to.
    static bool contains(const QString& path);

    // Whether what is written into the folder `folder` lands in the library:
    // the folder itself, resolved, is the document folder or below it.
    static bool holds(const QString& folder);

    // Whether anything (a file, a folder or a link, even a dangling one)
    // has the name `path`. A free name is one for which this is false.
    static bool taken(const QString& path);

    // Creates the empty file `path` when it is a free name in the library
    // (through the one writer of user files); false, with nothing created,
    // otherwise. A dangling link counts as taken: writing through it would
    // create its target, wherever that is.
    static bool createEmptyFile(const QString& path);

private:
    static bool within(const QString& resolvedPath, const QString& resolvedRoot);
};

#endif
