#ifndef ROOMDOWNLOADS_H
#define ROOMDOWNLOADS_H

#include "function/downloadthread.h"

#include <QString>

class DataReply;

// The downloads of the writing rooms' documents. Anyone signed in can put
// anything in a room, so a document is fetched on the download thread and
// only within its kind's size: one that its listing shows larger is refused
// without a request, one whose answer announces more (or brings more) is
// stopped there. A version refused once (by its size, or because it did not
// read) is remembered by its ETag and not fetched again while the listing
// still shows that ETag; a changed document is fetched afresh. A document
// that comes too slowly is given up (see pace()), so a trickling peer costs
// only its own document.
class RoomDownloads
{
public:
    // What a listing says of one object; a size of -1 is not known.
    struct Listed {
        QString key;
        QString eTag;
        qint64 size = -1;
    };

    // The document, checked; a refused one arrives as kind TooLarge with
    // status 0 and no body.
    static DataReply* fetch(const Listed& listed, qint64 maxBytes);
    // The same for a document not listed yet: its key alone is listed first
    // (no request for its body when it is not there).
    static DataReply* fetchListed(const QString& key, qint64 maxBytes);
    // The version with this ETag did not read: it stays refused.
    static void refuse(const QString& key, const QString& eTag);
    static bool isRefused(const Listed& listed);
    static QString refusedText();
    // The pace a document of at most maxBytes must keep: 64 bytes a second
    // over any 5 s, and its end within 10 s plus the time its largest size
    // takes at 64 KiB a second.
    static DownloadThread::Pace pace(qint64 maxBytes);
};

#endif
