#include "layoutcheck.h"

#include "screencheck.h"

#include <QAccessible>
#include <algorithm>
#include <QQuickItem>
#include <QQuickWindow>

#include <private/qguiapplication_p.h>
#include <private/qquickaccessibleattached_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

bool shown(const QQuickItem* item)
{
    return item->isVisible() && item->opacity() > 0.0 && item->width() > 0 && item->height() > 0;
}

QString describe(const QQuickItem* item)
{
    const QPointF at = item->mapToScene(QPointF(0, 0));
    return QStringLiteral("%1 \"%2\" at %3,%4 in %5")
        .arg(QLatin1String(item->metaObject()->className()), item->property("text").toString().left(30))
        .arg(qRound(at.x())).arg(qRound(at.y()))
        .arg(item->parentItem() ? item->parentItem()->objectName() : QString());
}

// Takes a click, a tap, keys or typed text; items a screen reader is told to
// pass over (the window frame's move and resize areas) do not count.
bool actsOnInput(const QQuickItem* item)
{
    if (!item->isEnabled() || QQuickAccessibleAttached::property(item, "ignored").toBool())
        return false;
    if (item->inherits("QQuickMouseArea"))
        return item->property("acceptedButtons").toInt() != Qt::NoButton;
    if (item->inherits("QQuickTextInput"))
        return !item->property("readOnly").toBool();
    for (const QObject* child : item->children())
        if (child->inherits("QQuickTapHandler") && child->property("enabled").toBool())
            return true;
    return item->inherits("QQuickAbstractButton") || item->inherits("QQuickComboBox");
}

// The nearest item, itself included, that a screen reader offers as
// something to act on (a menu bar's titles are menus of their own).
QAccessibleInterface* actionOwner(QQuickItem* item)
{
    static const QList<QAccessible::Role> roles {
        QAccessible::Button, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::MenuItem, QAccessible::PageTab, QAccessible::ListItem,
        QAccessible::Link, QAccessible::SpinBox, QAccessible::Slider, QAccessible::ScrollBar,
        QAccessible::Tree, QAccessible::TreeItem, QAccessible::List, QAccessible::PopupMenu
    };
    for (QQuickItem* p = item; p; p = p->parentItem())
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(p))
            if (roles.contains(face->role()))
                return face;
    return nullptr;
}

// A name needs a letter or a digit: a glyph ("+", "☁") is no name. Qt 5
// hides the name of a password field, which is spoken by its description.
bool named(QAccessibleInterface* face)
{
    const QString name = face->text(face->state().passwordEdit ? QAccessible::Description : QAccessible::Name);
    return std::any_of(name.begin(), name.end(), [](QChar ch) { return ch.isLetterOrNumber(); });
}

qreal centre(const QQuickItem* item) { return item->mapToScene(QPointF(item->width() / 2, 0)).x(); }

void walk(QQuickItem* item, bool rtl, QStringList* faults)
{
    if (!shown(item) && !item->inherits("QQuickRootItem"))
        return;
    if (actsOnInput(item)) {
        QAccessibleInterface* owner = actionOwner(item);
        if (!owner || !named(owner))
            *faults << QStringLiteral("no accessible %1: %2").arg(owner ? "name" : "role", describe(item));
    }
    QList<QQuickItem*> kids;
    for (QQuickItem* child : item->childItems())
        if (shown(child) && !child->inherits("QQuickRepeater"))
            kids << child;
    const qreal middle = item->window()->width() / 2.0;
    const QString name = item->objectName();
    if ((item->inherits("QQuickRow") || item->inherits("QQuickRowLayout")) && kids.size() >= 2) {
        if ((centre(kids.at(0)) > centre(kids.at(1))) != rtl)
            *faults << QStringLiteral("row runs the wrong way: %1").arg(describe(item));
    } else if ((item->inherits("QQuickCheckBox") || item->inherits("QQuickRadioButton"))
               && !item->property("text").toString().isEmpty()) {
        auto* box = item->property("indicator").value<QQuickItem*>();
        auto* label = item->property("contentItem").value<QQuickItem*>();
        if (box && label && shown(box) && (centre(box) > centre(label)) != rtl)
            *faults << QStringLiteral("box on the wrong side: %1").arg(describe(item));
    } else if (item->inherits("QQuickPopupItem") && item->parent() && item->parent()->property("modal").toBool()) {
        if (qAbs(centre(item) - middle) > 2)
            *faults << QStringLiteral("sheet not centred: %1").arg(describe(item));
    } else if (name == QLatin1String("homeBar") && (centre(item) > middle) != rtl) {
        *faults << QStringLiteral("navigation bar on the wrong side: %1").arg(describe(item));
    } else if (name == QLatin1String("figure") && kids.size() >= 2) {
        // caption, then value: their first lines start at the same edge
        const QRectF caption = kids.at(0)->mapRectToScene(ScreenCheck::textRect(kids.at(0)));
        const QRectF value = kids.at(1)->mapRectToScene(ScreenCheck::textRect(kids.at(1)));
        if (qAbs(rtl ? caption.right() - value.right() : caption.left() - value.left()) > 2)
            *faults << QStringLiteral("value not under its caption: %1").arg(describe(kids.at(1)));
    }
    for (QQuickItem* child : item->childItems())
        walk(child, rtl, faults);
}

void reach(QAccessibleInterface* face, int depth, QList<QAccessibleInterface*>* found)
{
    if (face && face->isValid() && !face->state().invisible && depth < 60) {
        *found << face;
        for (int i = 0; i < face->childCount(); ++i)
            reach(face->child(i), depth + 1, found);
    }
}
} // namespace

QStringList LayoutCheck::check(QQuickWindow* window, bool rightToLeft)
{
    QStringList faults;
    walk(window->contentItem(), rightToLeft, &faults);
    return faults;
}

QStringList LayoutCheck::readerCheck(QQuickWindow* window, const QString& text, int caret, const QString& openBook, int menus)
{
    QList<QAccessibleInterface*> found;
    reach(QAccessible::queryAccessibleInterface(window), 0, &found);
    QStringList have;
    for (QAccessibleInterface* face : qAsConst(found)) {
        QAccessibleTextInterface* t = face->textInterface();
        int start = -1, end = -1;
        if (face->role() == QAccessible::EditableText && t && t->text(0, t->characterCount()).contains(text)) {
            t->selection(0, &start, &end);
            have << QStringLiteral("text %1 %2-%3").arg(t->cursorPosition()).arg(start).arg(end);
        } else if (face->role() == QAccessible::TreeItem && named(face)) {
            have << (face->state().expanded ? QStringLiteral("open row ") : QStringLiteral("row ")) + face->text(QAccessible::Name);
        } else if (face->role() == QAccessible::PopupMenu && named(face) && face->parent()->role() == QAccessible::MenuBar) {
            have << QStringLiteral("menu");
        }
    }
    QStringList faults;
    for (const QString& w : { QStringLiteral("text %1 0-%1").arg(caret), QStringLiteral("open row ") + openBook })
        if (!have.contains(w))
            faults << QStringLiteral("screen reader: no %1 in %2").arg(w, have.join(QLatin1Char(',')));
    if (have.count(QStringLiteral("menu")) != menus || have.filter(QStringLiteral("row ")).size() < 3)
        faults << QStringLiteral("screen reader: menus or rows missing in %1").arg(have.join(QLatin1Char(',')));
    return faults;
}

namespace {
QStringList* heard = nullptr;

// The words the notes use for events and roles; others by their number.
const QHash<int, QString> eventWords { { QAccessible::Focus, "focus" }, { QAccessible::ObjectShow, "shown" } };
const QHash<int, QString> roleWords { { QAccessible::TreeItem, "row" }, { QAccessible::MenuItem, "menu entry" },
    { QAccessible::ListItem, "list entry" }, { QAccessible::AlertMessage, "alert" }, { QAccessible::EditableText, "text" },
    { QAccessible::Dialog, "dialog" } };
QString said(const QHash<int, QString>& words, int value, const QString& other)
{
    return words.value(value, QStringLiteral("%1-%2").arg(other).arg(value, 0, 16));
}

// Every event Qt sends towards the screen reader, noted as "<event>
// <role> <name>" ("focus row Novel (open)"), then passed on to the
// platform's bridge as Qt does.
void overhear(QAccessibleEvent* event)
{
    QAccessibleInterface* face = event->accessibleInterface();
    if (heard && face && face->isValid()) {
        const QAccessible::State s = face->state();
        *heard << QStringLiteral("%1 %2 %3%4").arg(said(eventWords, event->type(), "event"), said(roleWords, face->role(), "role"), face->text(QAccessible::Name),
                                                   s.expandable ? (s.expanded ? QStringLiteral(" (open)") : QStringLiteral(" (closed)")) : QString());
    }
    if (QPlatformAccessibility* bridge = QGuiApplicationPrivate::platformIntegration()->accessibility())
        bridge->notifyAccessibilityUpdate(event);
}
} // namespace

QStringList LayoutCheck::listen(const std::function<void()>& action)
{
    QStringList events;
    heard = &events;
    QAccessible::installUpdateHandler(overhear);
    action();
    QAccessible::installUpdateHandler(nullptr);
    heard = nullptr;
    return events;
}
