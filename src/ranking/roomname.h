#ifndef ROOMNAME_H
#define ROOMNAME_H

#include <QString>

// A room's name is its key: it becomes part of object keys in the bucket
// ("ranking/hall/" + name + ".room.xml") and of local cache file names. So
// it is checked like a file name before anything is written: a "/" would
// put the room into a folder of its own, where the hall never lists it.
class RoomName
{
public:
    enum Problem { None, Empty, Slash, ControlCharacter, DotName, TooLong };

    static constexpr int MaxLength = 32;

    static Problem check(const QString& name);
};

#endif
