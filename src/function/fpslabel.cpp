#include "fpslabel.h"

FPSLabel::FPSLabel(QQuickItem* parent)
    : QQuickItem(parent)
{
}
