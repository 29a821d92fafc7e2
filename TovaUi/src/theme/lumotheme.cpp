#include "lumotheme.h"

LumoTheme::LumoTheme(QObject* parent)
    : QObject(parent)
{
}
