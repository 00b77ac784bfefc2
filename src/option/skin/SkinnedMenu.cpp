#include "option/skin/SkinnedMenu.h"

#include "option/skin/SkinFonts.h"
#include "option/skin/SkinResources.h"
#include "platform/Trace.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace orvyn {

namespace {

const char *const kCommandProperty = "orvynMenuCommand";
const char *const kCheckProperty = "orvynMenuCheck";
const char *const kMarkProperty = "orvynMenuMark";
// The mark travels to the style after a tab in the item's option text.
const QChar kMarkSeparator = u'\t';

const QFont &markFont() {
    static const QFont font = skinFont(FontFace::Eurostile, 8, 0, 400);
    return font;
}

// The arrow is drawn the size the window system draws icons.
constexpr int kIconSide = 32;
constexpr int kArrowLeftOfRight = 19;
constexpr int kArrowAboveTop = 9;

QImage submenuArrow() {
    static QString loadedFrom;
    static QImage arrow;
    const QString folder = skinFolder();
    if (folder != loadedFrom) {
        arrow = loadResourceIcon(kSubmenuArrowIcon);
        loadedFrom = folder;
    }
    return arrow;
}

const SkinnedMenu *menuOf(const QWidget *widget, const SkinnedMenu *fallback) {
    if (auto *menu = qobject_cast<const SkinnedMenu *>(widget))
        return menu;
    return fallback;
}

} // namespace

SkinnedMenuStyle::SkinnedMenuStyle(SkinnedMenu *menu) : QProxyStyle(), menu_(menu) {
    setParent(menu);
}

int SkinnedMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                  const QWidget *widget) const {
    switch (metric) {
    case PM_MenuPanelWidth:
        return kMenuFrameWidth;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
    case PM_SubMenuOverlap:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize SkinnedMenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                         const QSize &contentsSize, const QWidget *widget) const {
    if (type == CT_Menu)
        return contentsSize;
    if (type != CT_MenuItem)
        return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    const SkinnedMenu *menu = menuOf(widget, menu_);
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    const bool separator = item != nullptr && item->menuItemType == QStyleOptionMenuItem::Separator;
    return QSize(menu->itemWidth(), separator ? kMenuSeparatorHeight : kMenuItemHeight + 2);
}

int SkinnedMenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                QStyleHintReturn *returnData) const {
    switch (hint) {
    case SH_Menu_Mask:
    case SH_Menu_FlashTriggeredItem:
    case SH_Menu_FadeOutOnHide:
    case SH_Menu_SupportsSections:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void SkinnedMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const {
    const SkinnedMenu *menu = menuOf(widget, menu_);
    if (element == PE_PanelMenu) {
        painter->fillRect(option->rect, menu->colours().background);
        return;
    }
    if (element == PE_FrameMenu) {
        // The window rectangle at the origin: red, then two dark rings.
        const QRect outer(QPoint(0, 0), option->rect.size());
        painter->save();
        painter->setPen(Qt::NoPen);
        const QColor rings[kMenuFrameWidth] = {QColor(250, 0, 0), QColor(18, 18, 18), QColor(18, 18, 18)};
        for (int i = 0; i < kMenuFrameWidth; ++i) {
            const QRect ring = outer.adjusted(i, i, -i, -i);
            QRegion band(ring);
            band -= QRegion(ring.adjusted(1, 1, -1, -1));
            for (const QRect &r : band)
                painter->fillRect(r, rings[i]);
        }
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinnedMenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const {
    const SkinnedMenu *menu = menuOf(widget, menu_);
    const MenuColours &colours = menu->colours();
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, colours.background);
        return;
    }
    if (element != CE_MenuItem) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (item == nullptr)
        return;
    const QRect r = item->rect;
    painter->save();
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        painter->fillRect(r, colours.background);
        painter->fillRect(QRect(r.left(), r.top() + r.height() / 2, r.width(), 1), colours.separator);
        painter->restore();
        return;
    }

    const bool selected = (item->state & State_Selected) && (item->state & State_Enabled);
    painter->fillRect(r, selected ? colours.selectedBackground : colours.background);
    QColor textColour = selected ? colours.selectedText : colours.text;
    if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked)
        textColour = colours.checkedText;
    if (!(item->state & State_Enabled))
        textColour = colours.disabledText;

    QString label = item->text;
    QString mark;
    if (const qsizetype tab = label.indexOf(kMarkSeparator); tab >= 0) {
        mark = label.mid(tab + 1);
        label.truncate(tab);
    }
    painter->setPen(textColour);
    painter->setFont(menu->itemFont());
    const QRect textRect = r.adjusted(2, 0, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                      label);
    if (!mark.isEmpty()) {
        const QFontMetrics labelMetrics(menu->itemFont());
        const int markLeft = textRect.left() + labelMetrics.horizontalAdvance(QString(label).remove(u'&'));
        painter->setFont(markFont());
        painter->drawText(QRect(markLeft, r.top(), std::max(0, r.right() - markLeft + 1), r.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, mark);
    }
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        const QImage arrow = submenuArrow();
        if (!arrow.isNull()) {
            painter->setClipRect(r, Qt::IntersectClip);
            painter->drawImage(
                QRect(r.right() + 1 - kArrowLeftOfRight, r.top() - kArrowAboveTop, kIconSide, kIconSide),
                arrow);
        }
    }
    painter->restore();
}

SkinnedMenu::SkinnedMenu(const QFont &font, QWidget *parent)
    : QMenu(parent), font_(font), style_(new SkinnedMenuStyle(this)) {
    setStyle(style_);
    setFont(font_);
    setSeparatorsCollapsible(false);
}

SkinnedMenu::~SkinnedMenu() = default;

void SkinnedMenu::grow(const QString &text) {
    itemWidth_ = std::max(itemWidth_, kMenuPixelsPerCharacter * static_cast<int>(text.size()));
}

QAction *SkinnedMenu::append(int command, const QString &text, ItemCheck check, ItemMark mark) {
    QAction *action = addAction(text);
    action->setProperty(kCommandProperty, command == kMenuSeparatorCommand ? 0 : command);
    action->setProperty(kCheckProperty, static_cast<int>(check));
    action->setProperty(kMarkProperty, static_cast<int>(mark));
    if (command == kMenuSeparatorCommand || command == kMenuSeparatorItem)
        action->setSeparator(true);
    else if (command == kMenuHiddenItem)
        action->setVisible(false); // takes no room and cannot be chosen
    grow(text);
    return action;
}

QAction *SkinnedMenu::appendSubmenu(SkinnedMenu *submenu, const QString &text, ItemCheck check,
                                    ItemMark mark) {
    submenu->setParent(this, submenu->windowFlags());
    submenu->setTitle(text);
    QAction *action = addMenu(submenu);
    action->setProperty(kCommandProperty, 0);
    action->setProperty(kCheckProperty, static_cast<int>(check));
    action->setProperty(kMarkProperty, static_cast<int>(mark));
    grow(text);
    return action;
}

void SkinnedMenu::setItemWidth(int pixels) {
    itemWidth_ = std::max(0, pixels);
    // The menu measures its items again only after a style or font change.
    QEvent changed(QEvent::StyleChange);
    QCoreApplication::sendEvent(this, &changed);
    updateGeometry();
    update();
}

void SkinnedMenu::setBackgroundColours(const QColor &background, const QColor &selectedBackground) {
    colours_.background = background;
    colours_.selectedBackground = selectedBackground;
    update();
}

void SkinnedMenu::setSeparatorColour(const QColor &colour) {
    colours_.separator = colour;
    update();
}

int SkinnedMenu::commandOf(const QAction *action) {
    return action == nullptr ? 0 : action->property(kCommandProperty).toInt();
}

ItemCheck SkinnedMenu::checkOf(const QAction *action) {
    if (action == nullptr)
        return ItemCheck::NotCheckable;
    const QVariant value = action->property(kCheckProperty);
    return value.isValid() ? static_cast<ItemCheck>(value.toInt()) : ItemCheck::NotCheckable;
}

ItemMark SkinnedMenu::markOf(const QAction *action) {
    return action != nullptr &&
                   action->property(kMarkProperty).toInt() == static_cast<int>(ItemMark::Trademark)
               ? ItemMark::Trademark
               : ItemMark::None;
}

int SkinnedMenu::run(const QPoint &globalPos) {
    // What the menu shows, for tests that cannot reach a popup's texts.
    if (traceEnabled()) {
        QStringList items;
        for (const QAction *action : actions())
            if (!action->isSeparator())
                items << action->text().section(kMarkSeparator, 0, 0);
        trace(("Option: menu shows " + items.join(QStringLiteral(" | ")) + "\n").toStdString());
    }
    return commandOf(exec(globalPos));
}

void SkinnedMenu::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const {
    QMenu::initStyleOption(option, action);
    const ItemCheck check = checkOf(action);
    option->checkType = check == ItemCheck::NotCheckable ? QStyleOptionMenuItem::NotCheckable
                                                         : QStyleOptionMenuItem::NonExclusive;
    option->checked = check == ItemCheck::Checked;
    option->font = font_;
    if (markOf(action) == ItemMark::Trademark)
        option->text += kMarkSeparator + QStringLiteral("TM");
}

} // namespace orvyn
