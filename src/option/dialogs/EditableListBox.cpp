#include "option/dialogs/EditableListBox.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <algorithm>

#include "option/skin/ContextMenus.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinResources.h"

namespace orvyn {

namespace {

const QColor kBackground(18, 18, 18);
const QColor kText(255, 255, 255);
const QColor kDisabledText(130, 130, 130);
const QColor kSelection(255, 0, 0);
constexpr int kIconLeft = 5;
constexpr int kIconTop = 2;
constexpr int kIconColumn = 16;
constexpr int kTextGap = 5;
constexpr int kNewRowInsetLeft = 1;
constexpr int kNewRowInsetRight = 2;
// A kept row this far from both ends also shows the two rows below it.
constexpr int kKeepMargin = 3;
constexpr int kRowsBelowKept = 2;

class RowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override {
        return QSize(option.rect.width(), EditableListBox::kRowHeight);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        const QRect r = option.rect;
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const bool enabled = (option.state & QStyle::State_Enabled) != 0;
        painter->save();
        painter->fillRect(r, selected ? kSelection : kBackground);
        const auto icon = static_cast<uint16_t>(index.data(Qt::UserRole).toUInt() & 0xFFFF);
        int textLeft = r.left() + kTextGap;
        if (icon != 0) {
            const QImage picture = EditableListBox::rowIcon(icon);
            if (!picture.isNull())
                painter->drawImage(QPoint(r.left() + kIconLeft, r.top() + kIconTop), picture);
            textLeft = r.left() + kIconLeft + kIconColumn + kTextGap;
        }
        painter->setPen(enabled ? kText : kDisabledText);
        painter->setFont(option.font);
        painter->drawText(QRect(textLeft, r.top(), std::max(0, r.right() - textLeft), r.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

} // namespace

QImage EditableListBox::rowIcon(uint16_t icon) {
    // Loaded once per skin folder.
    static QString loadedFrom;
    static std::map<uint16_t, QImage> cache;
    if (loadedFrom != skinFolder()) {
        cache.clear();
        loadedFrom = skinFolder();
    }
    auto it = cache.find(icon);
    if (it != cache.end())
        return it->second;
    QImage image = loadResourceIcon(icon).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == 0)
                line[x] = 0;
    }
    cache[icon] = image;
    return image;
}

EditableListBox::EditableListBox(int id, QWidget *parent) : QListWidget(parent), id_(id) {
    setItemDelegate(new RowDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setFont(skinFont(FontFace::Eurostile, 12, 0, 300));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, kBackground);
        pal.setColor(group, QPalette::Window, kBackground);
        pal.setColor(group, QPalette::Text, kText);
    }
    setPalette(pal);
    verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { background: rgb(30,30,30); width: 10px; margin: 0; }"
                       "QScrollBar::handle:vertical { background: rgb(96,96,96); min-height: 18px; }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
}

void EditableListBox::addRow(const QString &text, uint32_t value) {
    auto *item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, value);
    addItem(item);
}

uint32_t EditableListBox::rowValue(int row) const {
    const QListWidgetItem *it = item(row);
    return it ? it->data(Qt::UserRole).toUInt() : 0;
}

QString EditableListBox::rowText(int row) const {
    const QListWidgetItem *it = item(row);
    return it ? it->text() : QString();
}

void EditableListBox::startEditingNewRow() {
    if (editing())
        finishEdit(EditEnd::CommitKeepSelection);
    addRow(QString());
    const int row = count() - 1;
    scrollToItem(item(row));
    openEditor(row, kNewRowInsetLeft, QString(), kNameEditMaxChars, false);
}

void EditableListBox::startEditingSelectedRow(const QString &text) {
    const int row = currentRow();
    if (row < 0 || !item(row)->isSelected())
        return;
    if (editing())
        finishEdit(EditEnd::CommitKeepSelection);
    const bool hasIcon = (rowValue(row) & 0xFFFF) != 0;
    openEditor(row, hasIcon ? kIconLeft + kIconColumn : kNewRowInsetLeft, text, kDigitsEditMaxChars, true);
}

void EditableListBox::openEditor(int row, int left, const QString &text, int maxChars, bool digitsOnly) {
    const QRect rowRect = visualItemRect(item(row));
    auto *field = new QLineEdit(viewport());
    field->setFrame(true);
    field->setFont(font());
    field->setMaxLength(maxChars);
    if (digitsOnly)
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setText(text);
    field->selectAll();
    field->setGeometry(QRect(QPoint(rowRect.left() + left, rowRect.top()),
                             QPoint(rowRect.right() - kNewRowInsetRight, rowRect.bottom())));
    field->installEventFilter(this);
    useSkinnedEditMenu(*field);
    editField_ = field;
    editedRow_ = row;
    field->show();
    field->setFocus(Qt::OtherFocusReason);
}

void EditableListBox::finishEdit(EditEnd end) {
    if (!editField_ || finishing_)
        return;
    finishing_ = true;
    QLineEdit *field = editField_;
    const QString text = field->text();
    const int row = editedRow_;
    editField_ = nullptr;
    editedRow_ = -1;
    field->removeEventFilter(this);
    field->hide();
    field->deleteLater();
    if (end != EditEnd::CommitKeepSelection)
        setFocus(Qt::OtherFocusReason);
    finishing_ = false;

    if (end == EditEnd::Drop || text.isEmpty()) {
        delete takeItem(row);
        emit editDropped(id_);
        return;
    }
    item(row)->setText(text);
    if (end == EditEnd::Commit)
        setCurrentRow(row);
    emit editDone(row, id_);
}

bool EditableListBox::eventFilter(QObject *watched, QEvent *event) {
    if (watched == editField_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                finishEdit(EditEnd::Commit);
                return true;
            }
            if (key == Qt::Key_Escape) {
                finishEdit(EditEnd::Drop);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // The window going to the background, or the field's own menu
            // opening over it, keeps the edit open.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                finishEdit(EditEnd::CommitKeepSelection);
        }
    }
    return QListWidget::eventFilter(watched, event);
}

void EditableListBox::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        menuPosition_ = event->globalPosition().toPoint();
        emit rightButtonPressed(id_);
        return;
    }
    QListWidget::mousePressEvent(event);
}

void EditableListBox::keyPressEvent(QKeyEvent *event) {
    if (isMenuShortcut(*event)) {
        event->accept();
        requestMenuByKeyboard(*this);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void EditableListBox::contextMenuEvent(QContextMenuEvent *event) {
    // The right button has had its say at the press.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->accept();
        return;
    }
    event->accept();
    const QListWidgetItem *current = currentItem();
    const QRect row = current ? visualItemRect(current) : QRect();
    const QPoint at = row.isValid() && viewport()->rect().intersects(row) ? row.bottomLeft() : QPoint(0, 0);
    menuPosition_ = viewport()->mapToGlobal(at);
    emit rightButtonPressed(id_);
}

void EditableListBox::wheelEvent(QWheelEvent *event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        QScrollBar *bar = verticalScrollBar();
        bar->setValue(bar->value() + (delta > 0 ? -1 : 1));
    }
    event->accept();
}

void EditableListBox::keepInView(int row) {
    const int n = count();
    if (n == 0)
        return;
    if (row < 0 || row >= n)
        row = n - 1;
    scrollToItem(item(row), QAbstractItemView::EnsureVisible);
    if (row > kKeepMargin && row < n - 1 - kKeepMargin)
        scrollToItem(item(row + kRowsBelowKept), QAbstractItemView::EnsureVisible);
}

} // namespace orvyn
