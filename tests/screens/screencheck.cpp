#include "screencheck.h"

#include "TovaUi/theme/colorcontrast.h"

#include <QFont>
#include <QHash>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtMath>

#include <algorithm>

namespace {

struct Shown {
    int order = 0;               // paint order
    QQuickItem* item = nullptr;
    QQuickItem* layer = nullptr; // the popup it lies in, or null for the window content
    QRectF painted;              // the drawn text in window coordinates
    QRectF visible;              // the part of it that clipping leaves
};

// An opaque rectangle and where it lies in paint order: a text painted
// before it and lying under it is hidden.
struct Cover {
    int order = 0;
    QQuickItem* item = nullptr;
    QQuickItem* layer = nullptr;
    QRectF box;
};

struct Walk {
    QList<Shown> shown;
    QList<Cover> covers;
    QStringList faults;
    int order = 0;
};

bool isText(const QQuickItem* item) { return item->inherits("QQuickText"); }
bool isEditable(const QQuickItem* item)
{
    return item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
}
bool isPopupItem(const QQuickItem* item) { return item->inherits("QQuickPopupItem"); }

QString textOf(const QQuickItem* item) { return item->property("text").toString(); }

QString quoted(const QQuickItem* item)
{
    QString text = textOf(item).simplified();
    if (text.size() > 60)
        text = text.left(57) + QStringLiteral("...");
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString describe(const QRectF& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(qRound(r.x())).arg(qRound(r.y())).arg(qRound(r.width())).arg(qRound(r.height()));
}

double effectiveOpacity(const QQuickItem* item)
{
    double opacity = 1.0;
    for (const QQuickItem* p = item; p; p = p->parentItem())
        opacity *= p->opacity();
    return opacity;
}

// A flickable or scroll view lets its content scroll past its edges on
// purpose: content cut there in a direction it scrolls is not cut off.
bool scrollsX(const QQuickItem* view)
{
    return view->property("contentWidth").toReal() > view->width() + 1;
}
bool scrollsY(const QQuickItem* view)
{
    return view->property("contentHeight").toReal() > view->height() + 1;
}

} // namespace

QRectF ScreenCheck::textRect(const QQuickItem* item)
{
    const qreal w = item->property("contentWidth").toReal();
    const qreal h = item->property("contentHeight").toReal();
    const qreal left = item->property("leftPadding").toReal();
    const qreal right = item->property("rightPadding").toReal();
    const qreal top = item->property("topPadding").toReal();
    const qreal bottom = item->property("bottomPadding").toReal();
    const int hAlign = item->property("effectiveHorizontalAlignment").toInt();
    const int vAlign = item->property("verticalAlignment").toInt();
    const qreal roomW = item->width() - left - right;
    const qreal roomH = item->height() - top - bottom;
    qreal x = left;
    if (hAlign & Qt::AlignRight)
        x = left + roomW - w;
    else if (hAlign & Qt::AlignHCenter)
        x = left + (roomW - w) / 2;
    qreal y = top;
    if (vAlign & Qt::AlignBottom)
        y = top + roomH - h;
    else if (vAlign & Qt::AlignVCenter)
        y = top + (roomH - h) / 2;
    return QRectF(x, y, w, h);
}

namespace {

// Large text, icons and secondary text need 3:1, body text 4.5:1.
double neededRatio(const QQuickItem* item, const QColor& color, const ScreenCheck::Options& options)
{
    const QFont font = item->property("font").value<QFont>();
    const QString family = font.family();
    if (family == QLatin1String("iconfont") || family == QLatin1String("fontello"))
        return ColorContrast::secondary;
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * 96.0 / 72.0);
    if (pixels >= 24 || (font.bold() && pixels >= 19))
        return ColorContrast::secondary;
    if (item->inherits("QQuickPlaceholderText"))
        return ColorContrast::secondary;
    if (options.secondaryText.isValid() && options.secondaryText != options.foreground
            && color.rgb() == options.secondaryText.rgb())
        return ColorContrast::secondary;
    const QString text = textOf(item);
    bool hasWord = false;
    for (const QChar ch : text)
        hasWord = hasWord || ch.isLetterOrNumber();
    return hasWord ? ColorContrast::bodyText : ColorContrast::secondary;
}

// `clip` is what the item's ancestors leave visible; `limit` is the area a
// text must stay inside not to be cut off: like `clip`, but a flickable
// only limits it in the directions it does not scroll (text cut there can
// be scrolled into view).
void collect(QQuickItem* item, QQuickItem* layer, QRectF clip, QRectF limit, Walk* walk, QQuickWindow* window)
{
    if (!item->isVisible() || item->opacity() <= 0.0)
        return;
    if (isPopupItem(item)) {
        layer = item;
        clip = limit = QRectF(QPointF(0, 0), QSizeF(window->width(), window->height()));
    }
    const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    const int order = ++walk->order;
    if (item->inherits("QQuickRectangle") && item->property("color").value<QColor>().alpha() == 255
            && qFuzzyCompare(item->opacity(), 1.0) && !box.intersected(clip).isEmpty())
        walk->covers.append({ order, item, layer, box.intersected(clip) });

    if ((isText(item) || isEditable(item)) && !textOf(item).trimmed().isEmpty()) {
        Shown s;
        s.order = order;
        s.item = item;
        s.layer = layer;
        s.painted = item->mapRectToScene(item->boundingRect());
        QStringList own;
        if (isText(item)) {
            // Text with a width of its own: what does not fit runs out of it.
            const qreal contentWidth = item->property("contentWidth").toReal();
            if (item->property("truncated").toBool())
                own.append(QStringLiteral("elided %1 in %2").arg(quoted(item), describe(box)));
            else if (item->property("wrapMode").toInt() == 0 && contentWidth > item->width() + 1.0)
                own.append(QStringLiteral("wider than its box %1: %2 > %3")
                               .arg(quoted(item)).arg(qRound(contentWidth)).arg(qRound(item->width())));
            s.painted = item->mapRectToScene(ScreenCheck::textRect(item));
        }
        s.visible = s.painted.intersected(clip);
        // Scrolled away or hidden behind a clipping edge: not drawn at all.
        if (s.visible.isEmpty())
            return;
        if (isText(item) && !limit.adjusted(-1, -1, 1, 1).contains(s.painted))
            own.append(QStringLiteral("cut off %1: drawn %2, room %3")
                           .arg(quoted(item), describe(s.painted), describe(limit.intersected(s.painted.adjusted(-500, -500, 500, 500)))));
        walk->faults.append(own);
        walk->shown.append(s);
    }

    if (item->clip()) {
        clip = clip.intersected(box);
        const QRectF edge = box;
        limit = limit.intersected(edge);
        // Content of a view that scrolls may run past its edges and past
        // those of the window: it can be scrolled into view.
        if (item->property("contentHeight").isValid() && item->property("contentWidth").isValid()) {
            if (scrollsX(item)) {
                limit.setLeft(-1e6);
                limit.setRight(1e6);
            }
            if (scrollsY(item)) {
                limit.setTop(-1e6);
                limit.setBottom(1e6);
            }
        }
    }
    // Children in paint order: by z, then in the order they were added.
    QList<QQuickItem*> children = item->childItems();
    std::stable_sort(children.begin(), children.end(), [](QQuickItem* a, QQuickItem* b) { return a->z() < b->z(); });
    for (QQuickItem* child : qAsConst(children))
        collect(child, layer, clip, limit, walk, window);
}

} // namespace

QColor ScreenCheck::backgroundOf(const QImage& picture, const QRect& area, const QColor& text)
{
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(picture.rect());
    const int tr = text.red(), tg = text.green(), tb = text.blue();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = line[x] | 0xff000000u;
            const int dr = qRed(p) - tr, dg = qGreen(p) - tg, db = qBlue(p) - tb;
            if (dr * dr + dg * dg + db * db < 24 * 24)
                continue;
            ++counts[p];
        }
    }
    QRgb best = text.rgb();
    int most = 0;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    }
    return QColor(best);
}

QStringList ScreenCheck::check(QQuickWindow* window, const QImage& grabbed, const Options& options)
{
    const QImage picture = grabbed.convertToFormat(QImage::Format_RGB32);
    Walk walk;
    const QRectF whole(QPointF(0, 0), QSizeF(window->width(), window->height()));
    collect(window->contentItem(), nullptr, whole, whole, &walk, window);
    QStringList& faults = walk.faults;

    // A text that something opaque painted later covers completely is not
    // seen (a drawer over the tabs); one it covers in part runs under its
    // neighbour (a row too wide for its pane).
    QList<Shown> shown;
    for (const Shown& s : qAsConst(walk.shown)) {
        bool hidden = false;
        for (const Cover& c : qAsConst(walk.covers)) {
            if (c.order <= s.order || c.item->isAncestorOf(s.item))
                continue;
            const QRectF under = c.box.intersected(s.visible);
            const double part = under.width() * under.height() / (s.visible.width() * s.visible.height());
            if (part > 0.95) {
                hidden = true;
                break;
            }
            if (part > 0.05 && isText(s.item) && c.layer == s.layer) {
                faults.append(QStringLiteral("partly covered %1: %2 under %3")
                                  .arg(quoted(s.item), describe(under), describe(c.box)));
                hidden = true;
                break;
            }
        }
        if (!hidden)
            shown.append(s);
    }

    // A modal sheet dims everything beneath it on purpose: only the sheet
    // and what lies above it must be readable.
    QList<QQuickItem*> above;
    QQuickItem* overlay = nullptr;
    for (QQuickItem* item : window->contentItem()->findChildren<QQuickItem*>()) {
        if (item->inherits("QQuickOverlay")) {
            overlay = item;
            break;
        }
    }
    bool dimmed = false;
    if (overlay) {
        QList<QQuickItem*> order = overlay->childItems();
        std::stable_sort(order.begin(), order.end(), [](QQuickItem* a, QQuickItem* b) { return a->z() < b->z(); });
        for (QQuickItem* item : qAsConst(order)) {
            if (!isPopupItem(item) || !item->isVisible())
                continue;
            QObject* popup = item->parent();
            if (popup && popup->property("modal").toBool() && popup->property("dim").toBool()) {
                above.clear();
                dimmed = true;
            }
            above << item;
        }
    }

    const double scale = picture.width() / double(qMax(1, window->width()));
    for (const Shown& s : qAsConst(shown)) {
        if (dimmed && !above.contains(s.layer))
            continue;
        // Inside a popup the text stays within the popup's own box.
        if (s.layer && isText(s.item)) {
            const QRectF popupBox = s.layer->mapRectToScene(QRectF(0, 0, s.layer->width(), s.layer->height()));
            if (!popupBox.adjusted(-1, -1, 1, 1).contains(s.visible))
                faults.append(QStringLiteral("outside its sheet %1: %2 not in %3")
                                  .arg(quoted(s.item), describe(s.visible), describe(popupBox)));
        }
        // Readability against what was painted behind the text; a disabled
        // control is exempt.
        if (!s.item->isEnabled())
            continue;
        const double opacity = effectiveOpacity(s.item);
        if (opacity < 0.05)
            continue;
        QColor color = s.item->property("color").value<QColor>();
        const QRect area(qFloor(s.visible.left() * scale), qFloor(s.visible.top() * scale),
                         qCeil(s.visible.width() * scale), qCeil(s.visible.height() * scale));
        const QColor background = backgroundOf(picture, area, color);
        color.setAlphaF(color.alphaF() * opacity);
        const double needed = neededRatio(s.item, s.item->property("color").value<QColor>(), options);
        const double ratio = ColorContrast::ratio(color, background, background);
        if (ratio + 1e-9 < needed)
            faults.append(QStringLiteral("unreadable %1: %2 on %3 is %4:1, needs %5:1")
                              .arg(quoted(s.item), ColorContrast::over(color, background).name(), background.name())
                              .arg(ratio, 0, 'f', 2)
                              .arg(needed, 0, 'f', 1));
    }

    // Texts of one layer that run into each other.
    for (int i = 0; i < shown.size(); ++i) {
        if (!isText(shown.at(i).item))
            continue;
        for (int j = i + 1; j < shown.size(); ++j) {
            const Shown& a = shown.at(i);
            const Shown& b = shown.at(j);
            if (!isText(b.item) || a.layer != b.layer || (dimmed && !above.contains(a.layer)))
                continue;
            const QRectF common = a.visible.intersected(b.visible);
            if (common.width() > 2 && common.height() > 2)
                faults.append(QStringLiteral("overlap %1 and %2 at %3").arg(quoted(a.item), quoted(b.item), describe(common)));
        }
    }
    return faults;
}
