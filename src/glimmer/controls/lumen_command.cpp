// SPDX-License-Identifier: MIT
#include "glimmer/controls/lumen_command.h"

#include "ui/image.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace glimmer {

namespace {

constexpr OleColour kWhite = 0x00FFFFFF;
constexpr OleColour kDarkShadow = 0x80000015;  // 3-D dark shadow
constexpr OleColour kLight = 0x80000016;       // 3-D light
// A tooltip comes up when the pointer has rested this long, as the desktop's do.
constexpr int kTipDelayMs = 500;

struct Place {
    double across;
    double down;
};

// The grid, numbered by columns: 0-2 left, 3-5 centre, 6-8 right; top, middle, bottom in each.
// `rightInset` and `bottomInset` keep the far edges inside the surface.
Place gridPlace(int alignment, double sw, double sh, double w, double h, double rightInset,
                double bottomInset) {
    Place p{0, 0};
    if (alignment < 0 || alignment > 8) {
        return p;
    }
    const int column = alignment / 3;
    const int row = alignment % 3;
    p.across = column == 0 ? 1 : column == 1 ? (sw - w) / 2 : sw - w - rightInset;
    p.down = row == 0 ? 1 : row == 1 ? (sh - h) / 2 : sh - h - bottomInset;
    return p;
}

}  // namespace

LumenCommand::LumenCommand(const platform::Services& services, QWidget* parent)
    : UserControl(services, parent),
      imgPicture_(new ui::Image(surface())),
      tipDelay_(services.loop, kTipDelayMs),
      font_(containerFont()) {
    twips_.place(imgPicture_, 45, 90, 330, 330);
    imgPicture_->setMouseTracking(true);
    imgPicture_->installEventFilter(this);
    surface()->installEventFilter(this);
    // The button takes the focus from a press itself, after noting that the mouse brought it.
    surface()->setFocusPolicy(Qt::TabFocus);
    setFocusProxy(surface());
    tipDelay_.onTick([this] {
        tipDelay_.setEnabled(false);
        if (tipWindow_) {
            tipWindow_->popUp(lastPointer_,
                              QRect(surface()->mapToGlobal(QPoint(0, 0)), surface()->size()));
        }
    });
}

LumenCommand::~LumenCommand() {
    releaseCapture();
    DestroyToolTip();
}

void LumenCommand::changed(const char* name) {
    emit PropertyChanged(QString::fromLatin1(name));
}

// --- settings ---------------------------------------------------------------------------

void LumenCommand::setCaption(const QString& caption) {
    caption_ = caption;
    Layout();
    PaintFace(0, false);
    changed("Caption");
}

void LumenCommand::setCaptionAlignment(int alignment) {
    captionAlignment_ = alignment;
    Layout();
    PaintFace(0, false);
    changed("CaptionAlignment");
}

void LumenCommand::setCaptionXOffset(int offset) {
    captionXOffset_ = offset;
    Layout();
    PaintFace(0, false);
    changed("CaptionXOffset");
}

void LumenCommand::setCaptionYOffset(int offset) {
    captionYOffset_ = offset;
    Layout();
    PaintFace(0, false);
    changed("CaptionYOffset");
}

void LumenCommand::setPicture(const QImage& picture) {
    picture_ = picture;
    Layout();
    PaintFace(0, false);
    changed("Picture");
}

void LumenCommand::setPictureAlignment(int alignment) {
    pictureAlignment_ = alignment;
    Layout();
    PaintFace(0, false);
    changed("PictureAlignment");
}

void LumenCommand::setPictureXOffset(int offset) {
    pictureXOffset_ = offset;
    Layout();
    PaintFace(0, false);
    changed("PictureXOffset");
}

void LumenCommand::setPictureYOffset(int offset) {
    pictureYOffset_ = offset;
    Layout();
    PaintFace(0, false);
    changed("PictureYOffset");
}

void LumenCommand::setUseHoverProperties(bool on) {
    useHover_ = on;
    changed("UseHoverProperties");
}

void LumenCommand::setFontColorOnHover(OleColour c) {
    hoverColour_ = c;
    changed("FontColorOnHover");
}

void LumenCommand::setFontBoldOnHover(bool on) {
    hoverBold_ = on;
    changed("FontBoldOnHover");
}

void LumenCommand::setUseGradientFill(bool on) {
    if (on != useGradient_) {
        useGradient_ = on;
        Layout();
        PaintFace(0, false);
    }
    changed("UseGradientFill");
}

void LumenCommand::setGradientOrientation(int orientation) {
    if (orientation != gradientOrientation_) {
        gradientOrientation_ = orientation;
        Layout();
        PaintFace(0, false);
    }
    changed("GradientOrientation");
}

void LumenCommand::setGradientFromColor(OleColour c) {
    if (c != gradientFrom_) {
        gradientFrom_ = c;
        PaintFace(0, false);
    }
    changed("GradientFromColor");
}

void LumenCommand::setGradientToColor(OleColour c) {
    if (c != gradientTo_) {
        gradientTo_ = c;
        PaintFace(0, false);
    }
    changed("GradientToColor");
}

void LumenCommand::setGradientInverseOnPress(bool on) {
    inverseOnPress_ = on;
    PaintFace(0, false);
    changed("GradientInverseOnPress");
}

void LumenCommand::setAlwaysShowBorder(bool on) {
    alwaysShowBorder_ = on;
    DrawBorder(on ? 1 : 0);
    changed("AlwaysShowBorder");
}

void LumenCommand::setBorder3DStyle(int style) {
    border3DStyle_ = style;
    Layout();
    PaintFace(0, false);
    changed("Border3DStyle");
}

void LumenCommand::setToolTip(const QString& tip) {
    toolTip_ = tip;
    if (tipWindow_) {
        tipWindow_->setText(tip);
    }
    changed("ToolTip");
}

void LumenCommand::setToolTipTitle(const QString& title) {
    toolTipTitle_ = title;
    changed("ToolTipTitle");
}

void LumenCommand::setToolTipIcon(int icon) {
    toolTipIcon_ = icon;
    changed("ToolTipIcon");
}

void LumenCommand::setToolTipStyle(int style) {
    toolTipStyle_ = style;
    changed("ToolTipStyle");
}

void LumenCommand::setToolTipCentered(bool on) {
    toolTipCentered_ = on;
    changed("ToolTipCentered");
}

void LumenCommand::setToolTipForeColor(OleColour c) {
    toolTipFore_ = c;
    changed("ToolTipForeColor");
}

void LumenCommand::setToolTipBackColor(OleColour c) {
    toolTipBack_ = c;
    changed("ToolTipBackColor");
}

void LumenCommand::setBackColor(OleColour c) {
    backColor_ = c;
    PaintFace(0, false);
    DrawBorder(borderState_);
    changed("BackColor");
}

void LumenCommand::setForeColor(OleColour c) {
    foreColor_ = c;
    PaintFace(0, false);
    DrawBorder(borderState_);
    changed("ForeColor");
}

void LumenCommand::setButtonFont(const QFont& font) {
    font_ = font;
    Layout();
    PaintFace(0, false);
    changed("Font");
}

void LumenCommand::setMousePointer(short pointer) {
    mousePointer_ = pointer;
    applyMousePointer(this, pointer, {}, Qt::PointingHandCursor);
    changed("MousePointer");
}

void LumenCommand::setButtonEnabled(bool on) {
    QWidget::setEnabled(on);
    changed("Enabled");
}

void LumenCommand::setValue(bool on) {
    if (on) {
        emit Click();
    }
}

// --- drawing ----------------------------------------------------------------------------

void LumenCommand::ApplyBorder3DStyle() {
    // The desktop's window frames, drawn here by the control itself: none, sunken client
    // edge (2 pixels), raised dialog frame (3), thin static edge (1), and frame with client
    // edge inside (5).
    static constexpr int widths[] = {0, 2, 3, 1, 5};
    if (border3DStyle_ >= 0 && border3DStyle_ < static_cast<int>(std::size(widths))) {
        setFrameWidth(widths[border3DStyle_]);
    }
    update();
}

void LumenCommand::paintFrame(QPainter& painter) {
    const auto edge = [&](QRect r, OleColour topLeft, OleColour bottomRight) {
        const QColor light = colour(topLeft);
        const QColor dark = colour(bottomRight);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), light);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), light);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dark);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), dark);
    };
    QRect r = rect();
    const auto shrink = [&] { r.adjust(1, 1, -1, -1); };
    const bool modal = frameWidth() == 3 || frameWidth() == 5;
    const bool client = frameWidth() == 2 || frameWidth() == 5;
    if (modal) {
        edge(r, kLight, kDarkShadow);
        shrink();
        edge(r, sys::ButtonHighlight, sys::ButtonShadow);
        shrink();
        edge(r, sys::ButtonFace, sys::ButtonFace);
        shrink();
    }
    if (client) {
        edge(r, sys::ButtonShadow, sys::ButtonHighlight);
        shrink();
        edge(r, kDarkShadow, kLight);
    } else if (frameWidth() == 1) {
        edge(r, sys::ButtonShadow, sys::ButtonHighlight);
    }
}

void LumenCommand::Layout() {
    ApplyBorder3DStyle();
    const QSize area = surfaceSize();
    const double sw = area.width();
    const double sh = area.height();
    const QFontMetrics fm(font_);
    const double tw = fm.horizontalAdvance(caption_);
    const double th = fm.height();
    const Place c = gridPlace(captionAlignment_, sw, sh, tw, th, 2, 1);
    captionX_ = floorInt(c.across + captionXOffset_);
    captionY_ = floorInt(c.down + captionYOffset_);

    // The picture's size in hundredths of a millimetre, back to pixels through the screen's
    // twips per pixel and 1.75, which gives a little more than the picture's pixels.
    double pw = 0;
    double ph = 0;
    if (!picture_.isNull()) {
        const auto himetric = [](int px, int twipsPerPixel) {
            return std::round(px * 2540.0 * twipsPerPixel / 1440.0);
        };
        const int tx = twips_.twipsX(1);
        const int ty = twips_.twipsY(1);
        pw = himetric(picture_.width(), tx) / tx / 1.75;
        ph = himetric(picture_.height(), ty) / ty / 1.75;
    }
    const Place p = gridPlace(pictureAlignment_, sw, sh, pw, ph, 1, 1);
    pictureX_ = floorInt(p.across + pictureXOffset_);
    pictureY_ = floorInt(p.down + pictureYOffset_);
}

void LumenCommand::PaintFace(int offset, bool inverse) {
    Surface* s = surface();
    s->setBackground(colour(backColor_));
    s->clear();
    PaintGradient(inverse);
    if (!picture_.isNull()) {
        const QPoint at(pictureX_ + offset, pictureY_ + offset);
        if (imgPicture_->pos() != at) {
            imgPicture_->move(at);
        }
        if (shownPicture_ != picture_.cacheKey()) {
            imgPicture_->setPicture(picture_);
            imgPicture_->resize(picture_.size());
            shownPicture_ = picture_.cacheKey();
        }
    }
    {
        QPainter painter(&s->image());
        painter.setFont(font_);
        painter.setPen(colour(foreColor_));
        const QFontMetrics fm(font_);
        painter.drawText(QPoint(captionX_ + offset, captionY_ + offset + fm.ascent()), caption_);
    }
    paintOffset_ = offset;
    if (alwaysShowBorder_) {
        DrawBorder(1);
    }
    if (!painting_) {
        s->update();
    }
}

void LumenCommand::PaintGradient(bool inverse) {
    if (!useGradient_) {
        return;
    }
    QColor from = colour(gradientFrom_);
    QColor to = colour(gradientTo_);
    if (inverse) {
        std::swap(from, to);
    }
    if (gradientOrientation_ == 1) {
        surface()->gradient(from, to, Surface::Run::Columns);
    } else if (gradientOrientation_ == 0) {
        surface()->gradient(from, to, Surface::Run::RowsDown);
    }
}

void LumenCommand::DrawBorder(int state) {
    QColor light = colour(kWhite);
    QColor dark = colour(sys::ButtonShadow);
    if (state == 2) {
        std::swap(light, dark);
    } else if (state != 1 && !alwaysShowBorder_) {
        light = dark = colour(backColor_);
    }
    const QSize area = surfaceSize();
    const int w = area.width() - 1;
    const int h = area.height() - 1;
    Surface* s = surface();
    s->line({0, h}, {0, 0}, light);
    s->line({0, 0}, {w, 0}, light);
    s->line({w, -1}, {w, h}, dark);
    s->line({w, h}, {-1, h}, dark);
    borderState_ = state;
    if (!painting_) {
        s->update();
    }
}

void LumenCommand::CreateToolTip() {
    DestroyToolTip();
    TipWindow::Look look;
    look.title = toolTipTitle_;
    look.icon = toolTipIcon_ >= 1 && toolTipIcon_ <= 3
                    ? static_cast<TipWindow::TitleIcon>(toolTipIcon_)
                    : TipWindow::TitleIcon::None;
    look.balloon = toolTipStyle_ == 1;
    look.centred = toolTipCentered_;
    look.text = colour(toolTipFore_);
    look.background = colour(toolTipBack_);
    tipWindow_ = new TipWindow(this, toolTip_, look);
    tipDelay_.setEnabled(true);
}

void LumenCommand::DestroyToolTip() {
    tipDelay_.setEnabled(false);
    delete tipWindow_.data();
    tipWindow_ = nullptr;
}

// --- events -----------------------------------------------------------------------------

void LumenCommand::UserControl_Resize() {
    Layout();
    PaintFace(0, false);
}

void LumenCommand::UserControl_Show() {
    Layout();
    PaintFace(0, false);
}

void LumenCommand::UserControl_Paint() {
    if (borderState_ != 0) {
        painting_ = true;
        DrawBorder(borderState_);
        painting_ = false;
    }
}

void LumenCommand::withHoverLook(const std::function<void()>& paint) {
    const OleColour colour = foreColor_;
    const bool bold = font_.bold();
    foreColor_ = hoverColour_;
    font_.setBold(hoverBold_);
    paint();
    font_.setBold(bold);
    foreColor_ = colour;
}

void LumenCommand::capture() {
    if (QWidget::mouseGrabber() != surface()) {
        surface()->grabMouse();
    }
}

void LumenCommand::releaseCapture() {
    if (QWidget::mouseGrabber() == surface()) {
        surface()->releaseMouse();
    }
}

void LumenCommand::toRest() {
    DestroyToolTip();
    isPressed_ = false;
    releaseCapture();
    Layout();
    PaintFace(0, false);
    isHovering_ = false;
    DrawBorder(0);
}

void LumenCommand::hideEvent(QHideEvent* event) {
    // A hidden button holds neither the mouse nor a tip.
    if (!event->spontaneous() && (isHovering_ || tipWindow_)) {
        toRest();
    }
    UserControl::hideEvent(event);
}

void LumenCommand::mouseMoved(short button, short shift, float x, float y, QPoint global) {
    lastPointer_ = global;
    const QSize area = surfaceSize();
    const QWidget* under =
        QApplication::widgetAt(surface()->mapToGlobal(QPoint(nearest(x), nearest(y))));
    // The picture is part of the button's window, and the tip never stands in its way.
    const bool own =
        under == surface() || under == imgPicture_ || (tipWindow_ && under == tipWindow_.data());
    const bool inside = own && x >= 0 && x <= area.width() && y >= 0 && y <= area.height();
    if (inside && !isHovering_) {
        if (!toolTip_.isEmpty()) {
            CreateToolTip();
        }
        emit MouseEnter();
        capture();
        if (useHover_) {
            withHoverLook([this] {
                Layout();
                PaintFace(paintOffset_, false);
            });
        }
        DrawBorder(1);
        isHovering_ = true;
    } else if (!inside && !dontReleaseCapture_) {
        emit MouseExit();
        toRest();
    }
    emit MouseMove(button, shift, x, y);
}

void LumenCommand::mousePressed(Qt::MouseButton which, short button, short shift, float x,
                                float y) {
    focusByMouse_ = true;
    isPressed_ = true;
    if (which == Qt::LeftButton) {
        surface()->setFocus(Qt::MouseFocusReason);
    }
    emit MouseDown(button, shift, x, y);
    if (which == Qt::LeftButton) {
        withHoverLook([this] {
            Layout();
            PaintFace(1, useGradient_ && inverseOnPress_);
        });
        Layout();
        DrawBorder(2);
    }
    capture();
    isHovering_ = true;
}

void LumenCommand::mouseReleased(Qt::MouseButton which, short button, short shift, float x,
                                 float y) {
    focusByMouse_ = false;
    if (which == Qt::LeftButton && isPressed_) {
        emit Click();
    }
    isPressed_ = false;
    emit MouseUp(button, shift, x, y);
    if (which == Qt::LeftButton) {
        withHoverLook([this] {
            Layout();
            PaintFace(0, false);
        });
        Layout();
        DrawBorder(1);
    }
    capture();
    isHovering_ = true;
}

bool LumenCommand::eventFilter(QObject* watched, QEvent* event) {
    if (watched != surface() && watched != imgPicture_) {
        return UserControl::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (watched != surface() || reason == Qt::PopupFocusReason ||
                reason == Qt::ActiveWindowFocusReason) {
                break;
            }
            if (event->type() == QEvent::FocusOut) {
                PaintFace(0, false);
                DrawBorder(0);
            } else if (focusByMouse_) {
                focusByMouse_ = false;
            } else {
                DrawBorder(1);
                DrawBorder(0);
            }
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // The picture reports in twips, divided by 15 on the way.
            const double scale = watched == imgPicture_ ? twips_.twipsX(1) / 15.0 : 1.0;
            const float x = static_cast<float>(mouse->position().x() * scale);
            const float y = static_cast<float>(mouse->position().y() * scale);
            const short button = buttonOf(mouse);
            const short shift = shiftCode(mouse->modifiers());
            if (event->type() == QEvent::MouseMove) {
                mouseMoved(button, shift, x, y, mouse->globalPosition().toPoint());
            } else if (event->type() == QEvent::MouseButtonPress) {
                mousePressed(mouse->button(), button, shift, x, y);
            } else {
                mouseReleased(mouse->button(), button, shift, x, y);
            }
            return true;
        }
        case QEvent::MouseButtonDblClick:
            emit DblClick();
            return true;
        default:
            break;
    }
    return UserControl::eventFilter(watched, event);
}

// --- saving and loading -----------------------------------------------------------------

void LumenCommand::InitProperties() {
    caption_ = containerName();
    font_ = containerFont();
    picture_ = QImage();
    backColor_ = kWhite;
    mousePointer_ = 99;
    applyMousePointer(this, mousePointer_, {}, Qt::PointingHandCursor);
}

void LumenCommand::ReadProperties(const PropertyBag& bag) {
    caption_ = bag.readText(QStringLiteral("Caption"), containerName());
    captionAlignment_ = bag.readInt(QStringLiteral("CaptionAlignment"), 4);
    captionXOffset_ = bag.readInt(QStringLiteral("CaptionXOffset"), 0);
    captionYOffset_ = bag.readInt(QStringLiteral("CaptionYOffset"), 0);
    useHover_ = bag.readBool(QStringLiteral("UseHoverProperties"), true);
    hoverBold_ = bag.readBool(QStringLiteral("FontBoldOnHover"), false);
    hoverColour_ = bag.readColour(QStringLiteral("FontColorOnHover"), 0x00FF0000);
    backColor_ = bag.readColour(QStringLiteral("BackColor"), sys::ButtonFace);
    foreColor_ = bag.readColour(QStringLiteral("ForeColor"), sys::ButtonText);
    font_ = bag.readFont(QStringLiteral("Font"), containerFont());
    picture_ = bag.readPicture(QStringLiteral("Picture"));
    pictureAlignment_ = bag.readInt(QStringLiteral("PictureAlignment"), 1);
    pictureXOffset_ = bag.readInt(QStringLiteral("PictureXOffset"), 0);
    pictureYOffset_ = bag.readInt(QStringLiteral("PictureYOffset"), 0);
    alwaysShowBorder_ = bag.readBool(QStringLiteral("AlwaysShowBorder"), false);
    toolTip_ = bag.readText(QStringLiteral("ToolTip"), {});
    toolTipTitle_ = bag.readText(QStringLiteral("ToolTipTitle"), {});
    toolTipBack_ = bag.readColour(QStringLiteral("ToolTipBackColor"), sys::InfoBackground);
    toolTipFore_ = bag.readColour(QStringLiteral("ToolTipForeColor"), sys::InfoText);
    toolTipIcon_ = bag.readInt(QStringLiteral("ToolTipIcon"), 0);
    toolTipStyle_ = bag.readInt(QStringLiteral("ToolTipStyle"), 0);
    border3DStyle_ = bag.readInt(QStringLiteral("Border3DStyle"), 0);
    gradientOrientation_ = bag.readInt(QStringLiteral("GradientOrientation"), 0);
    useGradient_ = bag.readBool(QStringLiteral("UseGradientFill"), true);
    gradientFrom_ = bag.readColour(QStringLiteral("GradientFromColor"), sys::ButtonHighlight);
    gradientTo_ = bag.readColour(QStringLiteral("GradientToColor"), sys::ButtonShadow);
    inverseOnPress_ = bag.readBool(QStringLiteral("GradientInverseOnPress"), true);
    mousePointer_ = static_cast<short>(bag.readInt(QStringLiteral("MousePointer"), 0));
    applyMousePointer(this, mousePointer_, {}, Qt::PointingHandCursor);
    QWidget::setEnabled(bag.readBool(QStringLiteral("Enabled"), true));
}

void LumenCommand::WriteProperties(PropertyBag& bag) const {
    using C = PropertyBag::Colour;
    using I = qint32;
    bag.write(QStringLiteral("Caption"), caption_, containerName());
    bag.write(QStringLiteral("CaptionAlignment"), I{captionAlignment_}, I{4});
    bag.write(QStringLiteral("CaptionXOffset"), I{captionXOffset_}, I{0});
    bag.write(QStringLiteral("CaptionYOffset"), I{captionYOffset_}, I{0});
    bag.write(QStringLiteral("UseHoverProperties"), useHover_, true);
    bag.write(QStringLiteral("FontBoldOnHover"), hoverBold_, false);
    bag.write(QStringLiteral("FontColorOnHover"), C{hoverColour_}, C{0x00FF0000});
    bag.write(QStringLiteral("BackColor"), C{backColor_}, C{sys::ButtonFace});
    bag.write(QStringLiteral("ForeColor"), C{foreColor_}, C{sys::ButtonText});
    bag.write(QStringLiteral("Font"), font_, containerFont());
    bag.write(QStringLiteral("Picture"), picture_, QImage());
    bag.write(QStringLiteral("PictureAlignment"), I{pictureAlignment_}, I{1});
    bag.write(QStringLiteral("PictureXOffset"), I{pictureXOffset_}, I{0});
    bag.write(QStringLiteral("PictureYOffset"), I{pictureYOffset_}, I{0});
    bag.write(QStringLiteral("AlwaysShowBorder"), alwaysShowBorder_, false);
    bag.write(QStringLiteral("ToolTip"), toolTip_, QString());
    bag.write(QStringLiteral("ToolTipTitle"), toolTipTitle_, QString());
    bag.write(QStringLiteral("ToolTipBackColor"), C{toolTipBack_}, C{sys::InfoBackground});
    bag.write(QStringLiteral("ToolTipForeColor"), C{toolTipFore_}, C{sys::InfoText});
    bag.write(QStringLiteral("ToolTipIcon"), I{toolTipIcon_}, I{0});
    bag.write(QStringLiteral("ToolTipStyle"), I{toolTipStyle_}, I{0});
    bag.write(QStringLiteral("Border3DStyle"), I{border3DStyle_}, I{0});
    bag.write(QStringLiteral("GradientOrientation"), I{gradientOrientation_}, I{0});
    bag.write(QStringLiteral("UseGradientFill"), useGradient_, true);
    bag.write(QStringLiteral("GradientFromColor"), C{gradientFrom_}, C{sys::ButtonHighlight});
    bag.write(QStringLiteral("GradientToColor"), C{gradientTo_}, C{sys::ButtonShadow});
    bag.write(QStringLiteral("GradientInverseOnPress"), inverseOnPress_, true);
    bag.write(QStringLiteral("MousePointer"), I{mousePointer_}, I{0});
    bag.write(QStringLiteral("Enabled"), buttonEnabled(), true);
}

}  // namespace glimmer
