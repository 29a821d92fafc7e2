#include "layoutcheck.h"

#include "screencheck.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>

#include <private/qquickaccessibleattached_p.h>

namespace {

bool shown(const QQuickItem* item)
{
    return item->isVisible() && item->opacity() > 0.0 && item->width() > 0 && item->height() > 0;
}

// Where an item is, with the object names above it, for a fault line.
QString describe(const QQuickItem* item)
{
    QStringList names;
    for (const QQuickItem* p = item; p && names.size() < 3; p = p->parentItem())
        if (!p->objectName().isEmpty())
            names.prepend(p->objectName());
    const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    QString text = item->property("text").toString().simplified().left(30);
    return QStringLiteral("%1 [%2] \"%3\" at %4,%5")
        .arg(QLatin1String(item->metaObject()->className()), names.join(QLatin1Char('/')), text)
        .arg(qRound(box.x()))
        .arg(qRound(box.y()));
}

// Takes a click, a tap, keys or typed text. Items a screen reader is told
// to pass over (the window frame's move and resize areas) do not count.
bool actsOnInput(const QQuickItem* item)
{
    if (!item->isEnabled() || QQuickAccessibleAttached::property(item, "ignored").toBool())
        return false;
    if (item->inherits("QQuickMouseArea"))
        return item->property("acceptedButtons").toInt() != Qt::NoButton;
    if (item->inherits("QQuickAbstractButton") || item->inherits("QQuickComboBox"))
        return true;
    if (item->inherits("QQuickTextInput"))
        return !item->property("readOnly").toBool();
    for (const QObject* child : item->children())
        if (child->inherits("QQuickTapHandler") && child->property("enabled").toBool())
            return true;
    return false;
}

// Roles a screen reader offers to act on.
bool actionable(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button: case QAccessible::CheckBox: case QAccessible::RadioButton:
    case QAccessible::ComboBox: case QAccessible::EditableText: case QAccessible::MenuItem:
    case QAccessible::PageTab: case QAccessible::ListItem: case QAccessible::Link:
    case QAccessible::SpinBox: case QAccessible::Slider: case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown: case QAccessible::Cell: case QAccessible::TreeItem:
    case QAccessible::ScrollBar: case QAccessible::Tree: case QAccessible::List:
    case QAccessible::MenuBar: // Qt's role for an entry of a menu bar
        return true;
    default:
        return false;
    }
}

// The nearest item, the item itself included, that a screen reader offers
// as something to act on; the input it takes is that item's.
QAccessibleInterface* actionOwner(QQuickItem* item)
{
    for (QQuickItem* p = item; p; p = p->parentItem()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(p);
        if (face && actionable(face->role()))
            return face;
    }
    return nullptr;
}

// A name says something only with a letter or a digit in it: a glyph
// ("+", "☁", an icon-font character) is no name.
bool spoken(const QString& name)
{
    for (const QChar ch : name)
        if (ch.isLetterOrNumber())
            return true;
    return false;
}

// Qt 5 hides the name of a password field (the attached name reads empty
// while the field is in password mode); such a field is spoken by its
// description.
QString nameOf(QAccessibleInterface* face)
{
    return face->state().passwordEdit ? face->text(QAccessible::Description) : face->text(QAccessible::Name);
}

void collectUnnamed(QQuickItem* item, QStringList* faults)
{
    if (!shown(item) && !item->inherits("QQuickRootItem"))
        return;
    if (actsOnInput(item)) {
        QAccessibleInterface* owner = actionOwner(item);
        if (!owner)
            *faults << QStringLiteral("no accessible role: %1").arg(describe(item));
        else if (!spoken(nameOf(owner)))
            *faults << QStringLiteral("no accessible name: %1").arg(describe(item));
    }
    for (QQuickItem* child : item->childItems())
        collectUnnamed(child, faults);
}

qreal sceneLeft(const QQuickItem* item) { return item->mapToScene(QPointF(0, 0)).x(); }
qreal sceneCentre(const QQuickItem* item) { return item->mapToScene(QPointF(item->width() / 2, 0)).x(); }

QList<QQuickItem*> shownChildren(const QQuickItem* item)
{
    QList<QQuickItem*> kids;
    for (QQuickItem* child : item->childItems())
        if (shown(child) && !child->inherits("QQuickRepeater"))
            kids << child;
    return kids;
}

// The texts drawn under `item`, in item order.
void texts(QQuickItem* item, QList<QQuickItem*>* found)
{
    if (!item->isVisible())
        return;
    if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty())
        *found << item;
    for (QQuickItem* child : item->childItems())
        texts(child, found);
}

void collectUnmirrored(QQuickItem* item, bool rtl, QStringList* faults)
{
    if (!item->isVisible())
        return;
    const QString name = item->objectName();
    if (item->inherits("QQuickRow") || item->inherits("QQuickRowLayout")) {
        // The first item of a row stands at its start: the right in a
        // right-to-left language.
        const QList<QQuickItem*> kids = shownChildren(item);
        if (kids.size() >= 2 && (sceneLeft(kids.at(0)) > sceneLeft(kids.at(1))) != rtl)
            *faults << QStringLiteral("row runs the wrong way: %1").arg(describe(item));
    } else if ((item->inherits("QQuickCheckBox") || item->inherits("QQuickRadioButton"))
               && !item->property("text").toString().isEmpty()) {
        auto* box = item->property("indicator").value<QQuickItem*>();
        auto* label = item->property("contentItem").value<QQuickItem*>();
        if (box && label && shown(box) && (sceneCentre(box) > sceneCentre(label)) != rtl)
            *faults << QStringLiteral("box on the wrong side: %1").arg(describe(item));
    } else if (item->inherits("QQuickPopupItem") && shown(item) && item->parent()
               && item->parent()->property("modal").toBool()) {
        // A sheet stands in the middle of the window, whatever holds it.
        const qreal middle = item->window()->width() / 2.0;
        if (qAbs(sceneCentre(item) - middle) > 2)
            *faults << QStringLiteral("sheet not centred: %1").arg(describe(item));
    } else if (name == QLatin1String("homeBar") && shown(item)) {
        const qreal middle = item->window()->width() / 2.0;
        if ((sceneCentre(item) > middle) != rtl)
            *faults << QStringLiteral("navigation bar on the wrong side: %1").arg(describe(item));
    } else if (name == QLatin1String("figure")) {
        // A caption and its value below it start at the same edge.
        QList<QQuickItem*> drawn;
        texts(item, &drawn);
        if (drawn.size() >= 2) {
            const QRectF caption = drawn.at(0)->mapRectToScene(ScreenCheck::textRect(drawn.at(0)));
            const QRectF value = drawn.at(1)->mapRectToScene(ScreenCheck::textRect(drawn.at(1)));
            const qreal apart = rtl ? caption.right() - value.right() : caption.left() - value.left();
            if (qAbs(apart) > 2)
                *faults << QStringLiteral("value not under its caption: %1 / %2").arg(describe(drawn.at(0)), describe(drawn.at(1)));
        }
    }
    for (QQuickItem* child : item->childItems())
        collectUnmirrored(child, rtl, faults);
}

} // namespace

QStringList LayoutCheck::unnamed(QQuickWindow* window)
{
    QStringList faults;
    collectUnnamed(window->contentItem(), &faults);
    return faults;
}

QStringList LayoutCheck::unmirrored(QQuickWindow* window, bool rightToLeft)
{
    QStringList faults;
    collectUnmirrored(window->contentItem(), rightToLeft, &faults);
    return faults;
}
