#include "sound.h"

sound::sound(QObject* parent)
    : QObject(parent)
{
}
