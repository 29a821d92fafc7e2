#include "i18n.h"

I18n::I18n(QObject* app, QObject* engine)
    : QObject(nullptr)
{
}
