// The program's dark popup menus: every item drawn by the menu itself, a
// thin red-and-black frame, checked entries in light blue, an optional "TM"
// mark after an item and the program's arrow icon on submenu entries.
#pragma once

#include <QColor>
#include <QFont>
#include <QMenu>
#include <QProxyStyle>
#include <vector>

namespace orvyn {

enum class ItemCheck { NotCheckable = -1, Unchecked = 0, Checked = 1 };
enum class ItemMark { None, Trademark };

// Command value that asks for a separator.
inline constexpr int kMenuSeparatorCommand = 2048;
// Item identifiers with a meaning of their own: 0 is drawn as a separator
// line, 1 takes no room at all.
inline constexpr int kMenuSeparatorItem = 0;
inline constexpr int kMenuHiddenItem = 1;

struct MenuColours {
    QColor background{18, 18, 18};
    QColor text{240, 240, 240};
    QColor selectedBackground{255, 0, 0};
    QColor selectedText{255, 255, 255};
    QColor separator{255, 0, 0};
    QColor checkedText{68, 191, 255};
    QColor disabledText{110, 110, 110}; // an entry that would do nothing now
};

// Frame of every menu window: one pixel (250, 0, 0), two pixels (18, 18, 18).
inline constexpr int kMenuFrameWidth = 3;
inline constexpr int kMenuItemHeight = 18; // drawn 2 pixels taller
inline constexpr int kMenuSeparatorHeight = 5;
inline constexpr int kMenuPixelsPerCharacter = 8;

class SkinnedMenu;

// Draws the items and the frame of SkinnedMenus (one per menu, owned by it).
class SkinnedMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit SkinnedMenuStyle(SkinnedMenu *menu);

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                           const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

private:
    SkinnedMenu *menu_;
};

class SkinnedMenu : public QMenu {
    Q_OBJECT
public:
    // `font` is the font the items are drawn in.
    explicit SkinnedMenu(const QFont &font, QWidget *parent = nullptr);
    ~SkinnedMenu() override;

    // Appends an item; `command` kMenuSeparatorCommand appends a separator.
    // The item width grows to 8 pixels per character of the text.
    QAction *append(int command, const QString &text, ItemCheck check = ItemCheck::NotCheckable,
                    ItemMark mark = ItemMark::None);
    // Appends an entry that opens `submenu`; the menu takes ownership.
    QAction *appendSubmenu(SkinnedMenu *submenu, const QString &text,
                           ItemCheck check = ItemCheck::NotCheckable, ItemMark mark = ItemMark::None);

    // Overrides the width of every item.
    void setItemWidth(int pixels);
    int itemWidth() const { return itemWidth_; }

    void setBackgroundColours(const QColor &background, const QColor &selectedBackground);
    void setSeparatorColour(const QColor &colour);
    const MenuColours &colours() const { return colours_; }
    const QFont &itemFont() const { return font_; }

    // The command of an item (0 for separators and unknown actions).
    static int commandOf(const QAction *action);
    static ItemCheck checkOf(const QAction *action);
    static ItemMark markOf(const QAction *action);

    // Opens the menu at a screen position and waits; the chosen command,
    // or 0 when the menu was dismissed.
    int run(const QPoint &globalPos);

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;

private:
    void grow(const QString &text);

    QFont font_;
    int itemWidth_ = 0;
    MenuColours colours_;
    SkinnedMenuStyle *style_;
};

} // namespace orvyn
