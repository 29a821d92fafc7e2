#ifndef AVATARSTORE_H
#define AVATARSTORE_H

#include <QByteArray>
#include <QString>

// Avatar pictures in one folder. An upload is accepted only when it decodes
// as a picture of sensible size; it is stored re-encoded as PNG (at most
// maxSide pixels a side) under the MD5 of those bytes, so a changed picture
// gets a new address.
class AvatarStore
{
public:
    bool open(const QString& folder, QString* error);
    // The stored file's name; empty with the reason when refused.
    QString save(const QByteArray& upload, QString* problem) const;
    // The picture's bytes; empty when there is none of that name.
    QByteArray read(const QString& name) const;

    static const int maxUpload = 2 * 1024 * 1024;
    static const int maxSide = 512;

private:
    QString m_folder;
};

#endif
