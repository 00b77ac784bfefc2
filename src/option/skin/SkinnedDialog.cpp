#include "option/skin/SkinnedDialog.h"

#include "option/skin/FocusOrder.h"
#include "option/skin/SkinAccessible.h"
#include "option/skin/SkinImage.h"
#include "option/skin/SkinResources.h"
#include "platform/Trace.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace orvyn {

namespace {

QRect rectOf(const ControlPlacement &p) {
    return QRect(p.left, p.top, p.width(), p.height());
}

// Qt removes a window's mask when given an empty region; a mask that is
// white everywhere must instead leave nothing of the window visible.
QRegion nothingVisible() {
    return QRegion(-1, -1, 1, 1);
}

// Reads a window's skin file and its [SCREEN] pictures: decoded into
// `states` and `mask` when given, else only checked. With `deferred`, the
// pointer-over and disabled pictures are only checked now and left there
// to be decoded on first use. The "Normal" picture comes first: its size
// is the window's and bounds the others. Every picture is read even after
// a problem; `problem` gets the first.
SkinFile readWindowSkin(const QString &fileName, StatePictures *states, QImage *mask, std::string *problem,
                        DeferredPictures *deferred = nullptr) {
    const QString folder = skinFolder();
    SkinFile skin = SkinFile::load((folder + fileName).toStdString(), problem);
    QSize window;
    if (deferred)
        *deferred = {};
    auto read = [&](SkinPicture picture, QImage *target,
                    std::shared_ptr<DeferredSkinImage> *later = nullptr) {
        const std::string name = skin.pictureName(picture);
        if (target)
            *target = QImage();
        if (name.empty())
            return; // the mask may be left out; the others were reported
        const QString path = folder + QString::fromStdString(name);
        const qint64 pixelsMax = skinPicturePixelsMax(window);
        std::string error;
        QSize size;
        if (target && !later)
            size = LoadSkinImage(path, *target, pixelsMax, &error);
        else
            error = checkSkinImage(path, pixelsMax, &size);
        if (later && error.empty())
            *later = std::make_shared<DeferredSkinImage>(path, pixelsMax);
        if (picture == SkinPicture::Normal && error.empty())
            window = size;
        if (problem->empty())
            *problem = std::move(error);
    };
    read(SkinPicture::Normal, states ? &(*states)[0] : nullptr);
    read(SkinPicture::Mask, mask);
    auto later = [&](StatePicture state) {
        return states && deferred ? &(*deferred)[static_cast<std::size_t>(state)] : nullptr;
    };
    read(SkinPicture::Over, states ? &(*states)[1] : nullptr, later(StatePicture::Over));
    read(SkinPicture::Down, states ? &(*states)[2] : nullptr);
    read(SkinPicture::Disable, states ? &(*states)[3] : nullptr, later(StatePicture::Disable));
    return skin;
}

} // namespace

std::string checkSkinFile(const QString &fileName) {
    std::string problem;
    readWindowSkin(fileName, nullptr, nullptr, &problem);
    return problem;
}

std::string checkSkinSet() {
    for (const char *file : kSkinFiles) {
        if (std::string problem = checkSkinFile(QString::fromLatin1(file)); !problem.empty())
            return problem;
    }
    return {};
}

std::vector<SkinControlSetup> pushButtons(std::span<const int> sections) {
    std::vector<SkinControlSetup> setups;
    for (int section : sections) {
        SkinControlSetup setup;
        setup.section = section;
        setup.index = section;
        setups.push_back(setup);
    }
    return setups;
}

std::vector<SkinControlSetup> pushButtons(std::initializer_list<int> sections) {
    return pushButtons(std::span<const int>(sections.begin(), sections.size()));
}

QPoint centredPlace(const QSize &size, const QRect &owner, const QRect &screen) {
    QPoint corner(owner.x() + (owner.width() - size.width()) / 2,
                  owner.y() + (owner.height() - size.height()) / 2);
    if (screen.isValid()) {
        corner.setX(std::max(screen.left(), std::min(corner.x(), screen.right() + 1 - size.width())));
        corner.setY(std::max(screen.top(), std::min(corner.y(), screen.bottom() + 1 - size.height())));
    }
    return corner;
}

SkinnedDialog::SkinnedDialog(SkinWindowKind kind, QWidget *parent) : QDialog(parent), kind_(kind) {
    if (kind == SkinWindowKind::ChildPage)
        setWindowFlags(Qt::Widget);
    else
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    installSkinAccessibility();
    // The background picture covers every pixel: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    connect(this, &SkinnedDialog::controlCommand, this, [this](int section) { command(section); });
}

SkinnedDialog::~SkinnedDialog() {
    // Tearing the window down moves the focus away from its controls once
    // this object is only half there; their notifications must not reach it
    // (or a window built on it) any more.
    for (QWidget *child : findChildren<QWidget *>())
        child->blockSignals(true);
}

void SkinnedDialog::loadSkin(const QString &fileName, std::vector<SkinControlSetup> controls,
                             WindowPictures keep) {
    // A window skinned again drops the controls of its previous skin.
    for (auto &[section, control] : controls_)
        delete control.widget.data();
    controls_.clear();

    // A window that keeps its pictures has them all decoded; otherwise the
    // pointer-over and disabled ones wait until a control first shows them.
    skin_ = readWindowSkin(fileName, &windowPictures_, &mask_, &skinProblem_,
                           keep == WindowPictures::Keep ? nullptr : &deferredPictures_);
    if (!skinProblem_.empty())
        warn("skin " + skinProblem_ + "\n");
    // The background is the "Normal" picture; pictures are shared, not
    // decoded twice.
    background_ = windowPictures_[0];
    const QSize size = background_.size();

    // A page sits at the top-left of its parent; a popup is centred over
    // its owner when it first opens (setVisible).
    if (kind_ == SkinWindowKind::ChildPage)
        move(0, 0);
    if (!size.isEmpty())
        setFixedSize(size);

    std::sort(controls.begin(), controls.end(),
              [](const SkinControlSetup &a, const SkinControlSetup &b) { return a.section < b.section; });
    for (const SkinControlSetup &setup : controls)
        createControl(setup);
    deferredPictures_ = {}; // the controls share what they still need

    if (keep == WindowPictures::Discard)
        windowPictures_ = StatePictures();

    outline_ = RegionFromMask(mask_, kMaskTransparent, kMaskTolerance);
    if (outline_)
        setMask(outline_->isEmpty() ? nothingVisible() : *outline_);
    else
        clearMask();
    update();
}

void SkinnedDialog::createControl(const SkinControlSetup &setup) {
    Control control;
    control.placement = skin_.placement(setup.section);
    control.kind = setup.kind;
    const QRect rect = rectOf(control.placement);
    const int section = setup.section;

    if (setup.kind == SkinControlKind::Button) {
        auto *button = new BitmapButton(this);
        button->setGeometry(rect);
        button->setImages(windowPictures_, rect);
        for (std::size_t i = 0; i < deferredPictures_.size(); ++i) {
            if (deferredPictures_[i])
                button->deferStatePicture(static_cast<StatePicture>(i), deferredPictures_[i], rect);
        }
        button->setHelpText(QString::fromUtf8(control.placement.help));
        button->setIndex(setup.index);
        button->setToggleMode(setup.toggleMode);
        button->setChecked(setup.initial);
        connect(button, &BitmapButton::command, this, [this, section] { emit controlCommand(section); });
        connect(button, &BitmapButton::skinHover, this, &SkinnedDialog::skinHover);
        button->show();
        control.widget = button;
    } else if (setup.kind == SkinControlKind::Edit) {
        auto *edit = new BitmapEdit(this);
        edit->setGeometry(rect);
        edit->setAccessibleName(QString::fromUtf8(control.placement.help));
        connect(edit, &BitmapEdit::editKillFocus, this, &SkinnedDialog::editKillFocus);
        connect(edit, &BitmapEdit::editChanged, this, &SkinnedDialog::editChanged);
        edit->show();
        control.widget = edit;
    }
    controls_[section] = control;
}

BitmapButton *SkinnedDialog::button(int section) const {
    auto it = controls_.find(section);
    if (it == controls_.end() || it->second.kind != SkinControlKind::Button)
        return nullptr;
    return static_cast<BitmapButton *>(it->second.widget.data());
}

BitmapEdit *SkinnedDialog::edit(int section) const {
    auto it = controls_.find(section);
    if (it == controls_.end() || it->second.kind != SkinControlKind::Edit)
        return nullptr;
    return static_cast<BitmapEdit *>(it->second.widget.data());
}

ControlPlacement SkinnedDialog::placement(int section) const {
    auto it = controls_.find(section);
    if (it != controls_.end())
        return it->second.placement;
    return ParseControlLine("");
}

QRect SkinnedDialog::controlRect(int section) const {
    return rectOf(placement(section));
}

int SkinnedDialog::sectionOf(const QObject *control) const {
    for (const auto &[section, entry] : controls_) {
        if (entry.widget != nullptr && entry.widget == control)
            return section;
    }
    return -1;
}

void SkinnedDialog::command(int section) {
    if (section == kNoSection)
        return;
    if (section == dialogButtons_.ok)
        accept();
    else if (section == dialogButtons_.cancel || section == dialogButtons_.close)
        reject();
}

void SkinnedDialog::setVisible(bool visible) {
    // Placed before the window is mapped, so Qt knows where it is from the
    // start: a window the window manager places itself is only learnt of
    // once it moves, and until then everything mapped to the screen from it
    // (menus, dialogs) lands as if it sat at the screen's corner. QDialog's
    // own centring also allows for a title bar these windows lack.
    if (visible && kind_ == SkinWindowKind::ModalPopup && !testAttribute(Qt::WA_Moved) && !isVisible()) {
        const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
        QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        const QRect free = screen ? screen->availableGeometry() : QRect();
        const QRect over = owner && owner->isVisible() ? owner->geometry() : free;
        if (over.isValid())
            move(centredPlace(size(), over, free));
    }
    QDialog::setVisible(visible);
}

void SkinnedDialog::paintSkinTexts(QPainter &) {}

void SkinnedDialog::paintEvent(QPaintEvent *) {
    // Qt paints into the window's back buffer and shows the result in one
    // transfer: the background and the texts never flicker.
    QPainter painter(this);
    if (background_.isNull())
        painter.fillRect(rect(), QColor(18, 18, 18));
    else
        painter.drawImage(QPoint(0, 0), background_);
    paintSkinTexts(painter);
}

void SkinnedDialog::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    // A press on the surface itself (controls take their own presses) drags
    // the whole top-level window, from any point.
    event->accept();
    QWidget *top = window();
    QWindow *handle = top->windowHandle();
    if (handle != nullptr && handle->startSystemMove())
        return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - top->frameGeometry().topLeft();
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent *event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void SkinnedDialog::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
    QDialog::mouseReleaseEvent(event);
}

void SkinnedDialog::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!isWindow()) {
            event->ignore(); // a page leaves it to its window
            return;
        }
        event->accept();
        // Through command(), so a window's own Cancel does what a click does.
        if (escapeKey_ == EscapeKey::Ignored)
            return;
        if (dialogButtons_.cancel != kNoSection)
            command(dialogButtons_.cancel);
        else if (dialogButtons_.close != kNoSection)
            command(dialogButtons_.close);
        else if (QWidget *focus = focusWidget())
            focus->clearFocus(); // the main window: nothing that loses work
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool SkinnedDialog::focusNextPrevChild(bool next) {
    if (!isWindow())
        return QDialog::focusNextPrevChild(next); // the window orders its pages
    return stepFocus(*this, next ? FocusStep::Next : FocusStep::Previous);
}

} // namespace orvyn
