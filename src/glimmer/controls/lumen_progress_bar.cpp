// SPDX-License-Identifier: MIT
#include "glimmer/controls/lumen_progress_bar.h"

#include "glimmer/controls/number_text.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace glimmer {

namespace {

QLabel* valueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setMouseTracking(true);
    return label;
}

}  // namespace

LumenProgressBar::LumenProgressBar(const platform::Services& services, QWidget* parent)
    : UserControl(services, parent),
      picProgress_(nullptr),
      lblValue_(valueLabel(surface())),
      lblValue2_(nullptr),
      valueFont_(containerFont()) {
    // The cover box is made after lblValue, so that it lies above it.
    picProgress_ = new QWidget(surface());
    picProgress_->setAutoFillBackground(true);
    picProgress_->setMouseTracking(true);
    lblValue2_ = valueLabel(picProgress_);
    for (QObject* part : {static_cast<QObject*>(surface()), static_cast<QObject*>(picProgress_),
                          static_cast<QObject*>(lblValue_), static_cast<QObject*>(lblValue2_)}) {
        part->installEventFilter(this);
    }
    surface()->setBackground(colour(backColor_));
    applyRemainColour();
    applyLabelColours();
    lblValue_->setFont(valueFont_);
    lblValue2_->setFont(valueFont_);
    setLabelTexts(valueText(value_));
    setFrameWidth(1);
}

void LumenProgressBar::changed(const char* name) {
    emit PropertyChanged(QString::fromLatin1(name));
}

QString LumenProgressBar::valueText(float v) const {
    return prefix_ + generalNumber(v) + suffix_;
}

void LumenProgressBar::setLabelTexts(const QString& text) {
    lblValue_->setText(text);
    lblValue_->adjustSize();
    lblValue2_->setText(text);
    lblValue2_->adjustSize();
}

void LumenProgressBar::applyRemainColour() {
    QPalette p = picProgress_->palette();
    p.setColor(QPalette::Window, colour(remainColor_));
    picProgress_->setPalette(p);
}

void LumenProgressBar::applyLabelColours() {
    const auto paint = [this](QLabel* label, OleColour c) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, colour(c));
        label->setPalette(p);
    };
    paint(lblValue_, valueColour_);
    paint(lblValue2_, value2Colour_);
}

void LumenProgressBar::placeCover() {
    picProgress_->setGeometry(floorInt(coverLeft_), floorInt(coverTop_), surfaceSize().width(),
                              surfaceSize().height());
}

void LumenProgressBar::placeLabels() {
    lblValue_->move(floorInt(labelLeft_), floorInt(labelTop_));
    lblValue2_->move(floorInt(label2Left_), floorInt(label2Top_));
}

// --- settings ---------------------------------------------------------------------------

void LumenProgressBar::setValue(float v) {
    value_ = std::clamp(v, min_, max_);
    PositionFill(value_);
    changed("Value");
}

void LumenProgressBar::setMin(float v) {
    if (v >= max_) {
        return;
    }
    min_ = v;
    value_ = std::max(value_, min_);
    DrawBlocks();
    PositionFill(value_);
    changed("Min");
}

void LumenProgressBar::setMax(float v) {
    if (min_ >= v) {
        return;
    }
    max_ = v;
    value_ = std::min(value_, max_);
    DrawBlocks();
    PositionFill(value_);
    changed("Max");
}

void LumenProgressBar::setOrientation(int orientation) {
    orientation_ = orientation;
    Relayout();
    changed("Orientation");
}

void LumenProgressBar::setScrolling(int scrolling) {
    scrolling_ = scrolling;
    DrawBlocks();
    Relayout();
    changed("Scrolling");
}

void LumenProgressBar::setProgressBlockWidth(int width) {
    blockWidth_ = static_cast<short>(std::clamp(width, 0, 32767));
    DrawBlocks();
    changed("ProgressBlockWidth");
}

void LumenProgressBar::setUseGradientColors(bool on) {
    useGradient_ = on;
    if (on) {
        DrawGradient();
    } else {
        surface()->clear();
        DrawBlocks();
        PositionFill(value_);
    }
    surface()->update();
    changed("UseGradientColors");
}

void LumenProgressBar::setGradientFromColor(OleColour c) {
    gradientFrom_ = plainColour(colour(c));
    DrawGradient();
    changed("GradientFromColor");
}

void LumenProgressBar::setGradientToColor(OleColour c) {
    gradientTo_ = plainColour(colour(c));
    DrawGradient();
    changed("GradientToColor");
}

void LumenProgressBar::setProgressBackColor(OleColour c) {
    // A new background clears what the surface holds.
    backColor_ = c;
    surface()->setBackground(colour(c));
    surface()->clear();
    PositionFill(value_);
    DrawBlocks();
    surface()->update();
    changed("ProgressBackColor");
}

void LumenProgressBar::setProgressForeColor(OleColour c) {
    foreColor_ = c;
    PositionFill(value_);
    DrawBlocks();
    changed("ProgressForeColor");
}

void LumenProgressBar::setProgressRemainColor(OleColour c) {
    remainColor_ = c;
    applyRemainColour();
    changed("ProgressRemainColor");
}

void LumenProgressBar::setShowValue(bool on) {
    showValue_ = on;
    lblValue_->setVisible(on);
    lblValue2_->setVisible(on);
    setLabelTexts(valueText(value_));
    CentreValueText();
    changed("ShowValue");
}

void LumenProgressBar::setValuePrefix(const QString& prefix) {
    prefix_ = prefix;
    setLabelTexts(valueText(value_));
    CentreValueText();
    changed("ValuePrefix");
}

void LumenProgressBar::setValueSuffix(const QString& suffix) {
    suffix_ = suffix;
    setLabelTexts(valueText(value_));
    CentreValueText();
    changed("ValueSuffix");
}

void LumenProgressBar::setValueForeColor(OleColour c) {
    valueColour_ = c;
    value2Colour_ = c;
    applyLabelColours();
    changed("ValueForeColor");
}

void LumenProgressBar::setValueFont(const QFont& font) {
    valueFont_ = font;
    lblValue_->setFont(font);
    lblValue_->adjustSize();
    lblValue2_->setFont(font);
    lblValue2_->adjustSize();
    CentreValueText();
    changed("Font");
}

void LumenProgressBar::setBorderStyle(short style) {
    borderStyle_ = style;
    setFrameWidth(style == 1 ? 1 : 0);
    changed("BorderStyle");
}

void LumenProgressBar::setMousePointer(short pointer) {
    mousePointer_ = pointer;
    applyMousePointer(this, pointer, mouseIcon_);
    changed("MousePointer");
}

void LumenProgressBar::setMouseIcon(const QImage& icon) {
    mouseIcon_ = icon;
    applyMousePointer(this, mousePointer_, mouseIcon_);
    changed("MouseIcon");
}

void LumenProgressBar::AboutBox() {
    services_.dialogs.message(
        QStringLiteral("LumenProgressBar user control\n"
                       "Written for the Glimmer splash program by the Corvel developers."),
        QStringLiteral("About LumenProgressBar user control..."), platform::Icon::Information,
        platform::Buttons::Ok);
}

// --- drawing ----------------------------------------------------------------------------

void LumenProgressBar::Relayout() {
    if (twips_.width(this) < 90) {
        twips_.setWidth(this, 90);
    }
    if (twips_.height(this) < 90) {
        twips_.setHeight(this, 90);
    }
    coverLeft_ = 0;
    coverTop_ = 0;
    placeCover();
    PositionFill(value_);
    DrawGradient();
    DrawBlocks();
    CentreValueText();
}

void LumenProgressBar::PositionFill(float v) {
    const QSize area = surfaceSize();
    const float span = max_ - min_;
    float p = 0;
    if (orientation_ == 0) {
        p = (v - min_) * static_cast<float>(area.width()) / span;
    } else if (orientation_ == 1) {
        p = (v - min_) * static_cast<float>(area.height()) / span;
    } else {
        return;
    }
    // Loaded settings can hold Min = Max, whose position cannot be worked out: the cover box
    // stays where it is. A box moved past the far edge shows the same as one at the edge.
    if (!std::isfinite(p)) {
        return;
    }
    const float reach = static_cast<float>(std::max(area.width(), area.height()) + 1);
    p = std::clamp(p, -reach, reach);
    if (orientation_ == 0) {
        coverLeft_ = p;
    } else {
        coverTop_ = -p;
    }
    placeCover();
    if (showValue_) {
        lblValue_->setText(valueText(v));
        lblValue_->adjustSize();
        label2Left_ = labelLeft_ - coverLeft_;
        label2Top_ = labelTop_ - coverTop_;
        lblValue2_->setText(lblValue_->text());
        lblValue2_->adjustSize();
        placeLabels();
    }
    update();
}

void LumenProgressBar::DrawBlocks() {
    if (useGradient_) {
        return;
    }
    Surface* s = surface();
    s->clear();
    const QSize area = surfaceSize();
    const int sw = area.width();
    const int sh = area.height();
    const QColor fore = colour(foreColor_);
    const int w = blockWidth_;
    const int step = w + 2;
    if (scrolling_ == 0 && orientation_ == 0) {
        for (int i = 0; i <= nearest(sw); i += step) {
            s->box({i + 1, 1}, {i + w, sh - 2}, fore);
        }
    } else if (scrolling_ == 0 && orientation_ == 1) {
        for (int i = nearest(sh); i >= 0; i -= step) {
            s->box({1, i - 1}, {sw - 2, i - w}, fore);
        }
    } else if (scrolling_ == 1) {
        s->box({0, 0}, {sw, sh}, fore);
    }
    s->update();
}

void LumenProgressBar::DrawGradient() {
    if (!useGradient_) {
        return;
    }
    Surface* s = surface();
    s->clear();
    // The start colour lies at the left end, or at the bottom of a vertical bar.
    const QColor from = ui::bgrColor(gradientFrom_);
    const QColor to = ui::bgrColor(gradientTo_);
    if (orientation_ == 0) {
        s->gradient(from, to, Surface::Run::Columns);
    } else if (orientation_ == 1) {
        s->gradient(from, to, Surface::Run::RowsUp);
    }
    s->update();
}

void LumenProgressBar::CentreValueText() {
    if (!showValue_) {
        return;
    }
    const QSize area = surfaceSize();
    labelLeft_ = static_cast<float>(area.width() - lblValue_->width()) / 2;
    labelTop_ = static_cast<float>(area.height() - lblValue_->height()) / 2;
    label2Left_ = labelLeft_ - coverLeft_;
    label2Top_ = labelTop_ - coverTop_;
    placeLabels();
}

void LumenProgressBar::paintFrame(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void LumenProgressBar::UserControl_Resize() {
    Relayout();
}

void LumenProgressBar::UserControl_Show() {
    if (!shown_) {
        shown_ = true;
        Relayout();
    }
}

// --- saving and loading -----------------------------------------------------------------

void LumenProgressBar::InitProperties() {
    value_ = 50;
    min_ = 0;
    max_ = 100;
    orientation_ = 0;
    scrolling_ = 0;
    blockWidth_ = 15;
    useGradient_ = false;
    gradientFrom_ = 0x0000FF00;
    gradientTo_ = 0x000000FF;
    showValue_ = true;
    prefix_.clear();
    suffix_.clear();
    // The parts keep the colours they were designed with.
    backColor_ = sys::ButtonFace;
    foreColor_ = sys::Highlight;
    remainColor_ = sys::ButtonFace;
    valueColour_ = sys::HighlightText;
    value2Colour_ = sys::ButtonText;
    surface()->setBackground(colour(backColor_));
    applyRemainColour();
    applyLabelColours();
    valueFont_ = containerFont();
    lblValue_->setFont(valueFont_);
    lblValue2_->setFont(valueFont_);
    setLabelTexts(valueText(value_));
}

void LumenProgressBar::ReadProperties(const PropertyBag& bag) {
    value_ = bag.readSingle(QStringLiteral("Value"), 50);
    useGradient_ = bag.readBool(QStringLiteral("UseGradientColors"), false);
    gradientFrom_ = plainColour(colour(bag.readColour(QStringLiteral("GradientFromColor"), 65280)));
    gradientTo_ = plainColour(colour(bag.readColour(QStringLiteral("GradientToColor"), 255)));
    orientation_ = bag.readInt(QStringLiteral("Orientation"), 0);
    min_ = bag.readSingle(QStringLiteral("Min"), 0);
    max_ = bag.readSingle(QStringLiteral("Max"), 100);
    mouseIcon_ = bag.readPicture(QStringLiteral("MouseIcon"));
    mousePointer_ = static_cast<short>(bag.readInt(QStringLiteral("MousePointer"), 0));
    applyMousePointer(this, mousePointer_, mouseIcon_);
    scrolling_ = bag.readInt(QStringLiteral("Scrolling"), 0);
    borderStyle_ = static_cast<short>(bag.readInt(QStringLiteral("BorderStyle"), 1));
    setFrameWidth(borderStyle_ == 1 ? 1 : 0);
    backColor_ = bag.readColour(QStringLiteral("ProgressBackColor"), sys::ButtonFace);
    surface()->setBackground(colour(backColor_));
    foreColor_ = bag.readColour(QStringLiteral("ProgressForeColor"), sys::ButtonText);
    // A negative width would make the block loop stand still; the setter's rule holds here too.
    blockWidth_ = static_cast<short>(
        std::clamp(bag.readInt(QStringLiteral("ProgressBlockWidth"), 15), 0, 32767));
    remainColor_ = bag.readColour(QStringLiteral("ProgressRemainColor"), sys::ButtonFace);
    applyRemainColour();
    showValue_ = bag.readBool(QStringLiteral("ShowValue"), true);
    lblValue_->setVisible(showValue_);
    lblValue2_->setVisible(showValue_);

    CentreValueText();
    PositionFill(value_);
    DrawGradient();
    DrawBlocks();

    valueColour_ = bag.readColour(QStringLiteral("ValueForeColor"), sys::ButtonText);
    value2Colour_ = valueColour_;
    applyLabelColours();
    valueFont_ = bag.readFont(QStringLiteral("Font"), containerFont());
    lblValue_->setFont(valueFont_);
    lblValue2_->setFont(valueFont_);
    suffix_ = bag.readText(QStringLiteral("ValueSuffix"), {});
    prefix_ = bag.readText(QStringLiteral("ValuePrefix"), {});
}

void LumenProgressBar::WriteProperties(PropertyBag& bag) const {
    using C = PropertyBag::Colour;
    bag.write(QStringLiteral("Value"), value_, 50.0f);
    bag.write(QStringLiteral("UseGradientColors"), useGradient_, false);
    bag.write(QStringLiteral("GradientFromColor"), C{gradientFrom_}, C{65280});
    bag.write(QStringLiteral("GradientToColor"), C{gradientTo_}, C{255});
    bag.write(QStringLiteral("Orientation"), qint32{orientation_}, qint32{0});
    bag.write(QStringLiteral("Min"), min_, 0.0f);
    bag.write(QStringLiteral("Max"), max_, 100.0f);
    bag.write(QStringLiteral("MouseIcon"), mouseIcon_, QImage());
    bag.write(QStringLiteral("MousePointer"), qint32{mousePointer_}, qint32{0});
    bag.write(QStringLiteral("Scrolling"), qint32{scrolling_}, qint32{0});
    bag.write(QStringLiteral("BorderStyle"), qint32{borderStyle_}, qint32{1});
    bag.write(QStringLiteral("ProgressBackColor"), C{backColor_}, C{sys::ButtonFace});
    bag.write(QStringLiteral("ProgressForeColor"), C{foreColor_}, C{sys::ButtonText});
    bag.write(QStringLiteral("ProgressBlockWidth"), qint32{blockWidth_}, qint32{15});
    bag.write(QStringLiteral("ProgressRemainColor"), C{remainColor_}, C{sys::ButtonFace});
    bag.write(QStringLiteral("ShowValue"), showValue_, true);
    bag.write(QStringLiteral("ValueForeColor"), C{valueColour_}, C{sys::ButtonText});
    bag.write(QStringLiteral("Font"), valueFont_, containerFont());
    bag.write(QStringLiteral("ValueSuffix"), suffix_, QString());
    bag.write(QStringLiteral("ValuePrefix"), prefix_, QString());
}

// --- mouse ------------------------------------------------------------------------------

QPointF LumenProgressBar::controlPoint(const QObject* part, QPointF local) const {
    // The labels report in twips, which the control turns back into pixels.
    const auto labelPx = [this](double px, int perPixel) { return nearest(px * perPixel) / 15; };
    const int tx = twips_.twipsX(1);
    const int ty = twips_.twipsY(1);
    if (part == picProgress_) {
        return {local.x() + floorInt(coverLeft_) + 1, local.y()};
    }
    if (part == lblValue_) {
        return {static_cast<double>(labelPx(local.x(), tx) + floorInt(labelLeft_)),
                static_cast<double>(labelPx(local.y(), ty) + floorInt(labelTop_))};
    }
    if (part == lblValue2_) {
        return {static_cast<double>(labelPx(local.x(), tx) + floorInt(coverLeft_) + 1 +
                                    floorInt(label2Left_)),
                static_cast<double>(labelPx(local.y(), ty) + floorInt(label2Top_))};
    }
    return local;
}

bool LumenProgressBar::eventFilter(QObject* watched, QEvent* event) {
    const bool part = watched == surface() || watched == picProgress_ || watched == lblValue_ ||
                      watched == lblValue2_;
    const QEvent::Type type = event->type();
    if (!part || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
                  type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)) {
        return UserControl::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF p = controlPoint(watched, mouse->position());
    const short button = buttonOf(mouse);
    const short shift = shiftCode(mouse->modifiers());
    const float x = static_cast<float>(p.x());
    const float y = static_cast<float>(p.y());
    switch (type) {
        case QEvent::MouseButtonDblClick:
            // The second press of a double click is no press of its own for the container,
            // which the bar offers no double-click event.
            pressedPart_ = nullptr;
            break;
        case QEvent::MouseButtonPress:
            pressedPart_ = mouse->button() == Qt::LeftButton ? watched : nullptr;
            emit MouseDown(button, shift, x, y);
            break;
        case QEvent::MouseMove:
            emit MouseMove(button, shift, x, y);
            break;
        default: {
            emit MouseUp(button, shift, x, y);
            const auto* w = static_cast<const QWidget*>(watched);
            const bool click = mouse->button() == Qt::LeftButton && pressedPart_ == watched &&
                               w->rect().contains(mouse->position().toPoint());
            pressedPart_ = nullptr;
            if (click) {
                emit Click();
            }
            break;
        }
    }
    return true;
}

}  // namespace glimmer
