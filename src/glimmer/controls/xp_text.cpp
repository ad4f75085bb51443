// SPDX-License-Identifier: MIT
#include "glimmer/controls/xp_text.h"

#include "glimmer/controls/number_text.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProxyStyle>

namespace glimmer {

namespace {

// Shows a chosen character for every character of a password.
class PasswordStyle : public QProxyStyle {
  public:
    explicit PasswordStyle(QChar c) : c_(c) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) {
            return c_.unicode();
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

  private:
    QChar c_;
};

// The text box's own "no limit".
constexpr int kNoLimit = 32767;

}  // namespace

XPText::XPText(const platform::Services& services, QWidget* parent)
    : UserControl(services, parent), MyTxt_(new QLineEdit(surface())) {
    MyTxt_->setFrame(false);
    MyTxt_->setMouseTracking(true);
    MyTxt_->installEventFilter(this);
    setFocusProxy(MyTxt_);
    surface()->setBackground(Qt::white);
    connect(MyTxt_, &QLineEdit::textChanged, this, [this] { emit Change(); });
    applyColours();
}

void XPText::changed(const char* name) {
    emit PropertyChanged(QString::fromLatin1(name));
}

QString XPText::text() const {
    return MyTxt_->text();
}

void XPText::setText(const QString& text) {
    putText(text);
    changed("Text");
}

void XPText::putText(const QString& text) {
    // A new text leaves the caret at its start, as the desktop's text box does.
    MyTxt_->setText(text);
    MyTxt_->setCursorPosition(0);
}

int XPText::selStart() const {
    return MyTxt_->hasSelectedText() ? MyTxt_->selectionStart() : MyTxt_->cursorPosition();
}

void XPText::setSelStart(int start) {
    MyTxt_->setCursorPosition(start);
    changed("SelStart");
}

int XPText::selLength() const {
    return MyTxt_->selectionLength();
}

void XPText::setSelLength(int length) {
    MyTxt_->setSelection(selStart(), std::max(0, length));
    changed("SelLength");
}

QString XPText::selText() const {
    return MyTxt_->selectedText();
}

void XPText::setSelText(const QString& text) {
    MyTxt_->insert(text);
    changed("SelText");
}

bool XPText::locked() const {
    return MyTxt_->isReadOnly();
}

void XPText::setLocked(bool on) {
    MyTxt_->setReadOnly(on);
    changed("Locked");
}

int XPText::maxLength() const {
    return MyTxt_->maxLength() >= kNoLimit ? 0 : MyTxt_->maxLength();
}

void XPText::setMaxLength(int length) {
    MyTxt_->setMaxLength(length <= 0 ? kNoLimit : length);
    changed("MaxLength");
}

void XPText::applyPasswordChar(const QString& c) {
    passwordChar_ = c.left(1);
    if (passwordChar_.isEmpty()) {
        MyTxt_->setEchoMode(QLineEdit::Normal);
        return;
    }
    auto* style = new PasswordStyle(passwordChar_[0]);
    style->setParent(this);
    MyTxt_->setStyle(style);
    delete passwordStyle_;
    passwordStyle_ = style;
    MyTxt_->setEchoMode(QLineEdit::Password);
}

void XPText::setPasswordChar(const QString& c) {
    applyPasswordChar(c);
    changed("PasswordChar");
}

int XPText::alignment() const {
    const Qt::Alignment a = MyTxt_->alignment();
    if (a & Qt::AlignRight) {
        return 1;
    }
    return (a & Qt::AlignHCenter) ? 2 : 0;
}

void XPText::applyAlignment(int alignment) {
    const Qt::Alignment across = alignment == 1   ? Qt::AlignRight
                                 : alignment == 2 ? Qt::AlignHCenter
                                                  : Qt::AlignLeft;
    MyTxt_->setAlignment(across | Qt::AlignVCenter);
}

void XPText::setAlignment(int alignment) {
    applyAlignment(alignment);
    changed("Alignment");
}

void XPText::applyColours() {
    QPalette p = MyTxt_->palette();
    p.setColor(QPalette::Text, colour(foreColor_));
    p.setColor(QPalette::Base, colour(backColor_));
    MyTxt_->setPalette(p);
}

void XPText::setForeColor(OleColour c) {
    foreColor_ = c;
    applyColours();
    changed("ForeColor");
}

QFont XPText::textFont() const {
    return MyTxt_->font();
}

void XPText::setTextFont(const QFont& font) {
    MyTxt_->setFont(font);
    changed("Font");
}

QString XPText::toolTipText() const {
    return MyTxt_->toolTip();
}

void XPText::setToolTipText(const QString& tip) {
    MyTxt_->setToolTip(tip);
    changed("ToolTipText");
}

bool XPText::textEnabled() const {
    return MyTxt_->isEnabled();
}

void XPText::setTextEnabled(bool on) {
    MyTxt_->setEnabled(on);
    // Enabled shows the standard frame colour whatever BorderColor says.
    DrawBorderColor(on ? kBorderColor : kBorderColorDisabled);
    changed("Enabled");
}

double XPText::value() const {
    return leadingNumber(MyTxt_->text());
}

void XPText::setValue(double v) {
    putText(generalNumber(v));
    changed("Value");
}

void XPText::setBorderColor(OleColour c) {
    borderColor_ = c;
    DrawFrame();
    changed("BorderColor");
}

void XPText::setBorderColorFocus(OleColour c) {
    borderColorFocus_ = c;
    changed("BorderColorOver");
}

void XPText::RePos() {
    const int w = twips_.width(this);
    const int h = twips_.height(this);
    twips_.place(MyTxt_, 60, 60, std::max(0, w - 120), std::max(0, h - 120));
}

void XPText::DrawBorderColor(OleColour c) {
    const int w = twips_.width(this);
    const int h = twips_.height(this);
    const auto px = [this](int x, int y) { return QPoint(twips_.pxX(x), twips_.pxY(y)); };
    const QColor pen = colour(c);
    Surface* s = surface();
    s->line(px(0, 0), px(w, 0), pen);
    s->line(px(0, 0), px(0, h), pen);
    s->line(px(w - 15, 0), px(w - 15, h), pen);
    s->line(px(0, h - 15), px(w, h - 15), pen);
    s->update();
}

void XPText::DrawFrame() {
    surface()->setBackground(Qt::white);
    surface()->clear();
    MyTxt_->setFrame(false);
    // The inner box keeps the colours, the enabled state and the locking it was given: a
    // resize must not turn a locked or disabled box into an editable one.
    DrawBorderColor(MyTxt_->isEnabled() ? borderColor_ : kBorderColorDisabled);
}

void XPText::UserControl_Resize() {
    RePos();
    DrawFrame();
}

void XPText::InitProperties() {
    putText(QStringLiteral("Text") + containerName().mid(10));
    twips_.setHeight(this, 330);
    QFont font = containerFont();
    font.setFamily(ui::designFont(QStringLiteral("Verdana"), font.pointSizeF()).family());
    MyTxt_->setFont(font);
    RePos();
    DrawFrame();
    borderColor_ = kBorderColor;
    borderColorFocus_ = kBorderColorFocus;
}

void XPText::ReadProperties(const PropertyBag& bag) {
    applyAlignment(bag.readInt(QStringLiteral("Alignment"), 0));
    backColor_ = bag.readColour(QStringLiteral("BackColor"), sys::Window);
    MyTxt_->setEnabled(bag.readBool(QStringLiteral("Enabled"), true));
    MyTxt_->setFont(bag.readFont(QStringLiteral("Font"), containerFont()));
    foreColor_ = bag.readColour(QStringLiteral("ForeColor"), sys::WindowText);
    applyColours();
    MyTxt_->setReadOnly(bag.readBool(QStringLiteral("Locked"), false));
    const int maxLength = bag.readInt(QStringLiteral("MaxLength"), 0);
    MyTxt_->setMaxLength(maxLength <= 0 ? kNoLimit : maxLength);
    applyPasswordChar(bag.readText(QStringLiteral("PasswordChar"), {}));
    MyTxt_->setCursorPosition(bag.readInt(QStringLiteral("SelStart"), 0));
    MyTxt_->insert(bag.readText(QStringLiteral("SelText"), {}));
    MyTxt_->setSelection(selStart(), std::max(0, bag.readInt(QStringLiteral("SelLength"), 0)));
    putText(bag.readText(QStringLiteral("Text"), QStringLiteral("Text1")));
    MyTxt_->setToolTip(bag.readText(QStringLiteral("ToolTipText"), {}));
    borderColor_ = bag.readColour(QStringLiteral("BorderColor"), kBorderColor);
    borderColorFocus_ = bag.readColour(QStringLiteral("BorderColorOver"), kBorderColorFocus);
}

void XPText::WriteProperties(PropertyBag& bag) const {
    using C = PropertyBag::Colour;
    bag.write(QStringLiteral("Alignment"), qint32{alignment()}, qint32{0});
    bag.write(QStringLiteral("BackColor"), C{backColor_}, C{sys::Window});
    bag.write(QStringLiteral("Enabled"), textEnabled(), true);
    bag.write(QStringLiteral("Font"), textFont(), containerFont());
    bag.write(QStringLiteral("ForeColor"), C{foreColor_}, C{sys::WindowText});
    bag.write(QStringLiteral("Locked"), locked(), false);
    bag.write(QStringLiteral("MaxLength"), qint32{maxLength()}, qint32{0});
    bag.write(QStringLiteral("PasswordChar"), passwordChar_, QString());
    bag.write(QStringLiteral("SelStart"), qint32{selStart()}, qint32{0});
    bag.write(QStringLiteral("SelText"), selText(), QString());
    bag.write(QStringLiteral("SelLength"), qint32{selLength()}, qint32{0});
    bag.write(QStringLiteral("Text"), text(), QStringLiteral("Text1"));
    bag.write(QStringLiteral("ToolTipText"), toolTipText(), QString());
    bag.write(QStringLiteral("Value"), value(), 0.0);
    bag.write(QStringLiteral("BorderColor"), C{borderColor_}, C{kBorderColor});
    bag.write(QStringLiteral("BorderColorOver"), C{borderColorFocus_}, C{kBorderColorFocus});
}

bool XPText::keyPressed(QKeyEvent* key) {
    if (retyping_ || key->text().size() != 1) {
        return false;
    }
    const QChar typed = key->text()[0];
    short keyAscii = static_cast<short>(typed.unicode());
    emit KeyPress(keyAscii);
    if (keyAscii == static_cast<short>(typed.unicode())) {
        return false;
    }
    if (keyAscii != 0) {
        const QString replaced(QChar(static_cast<char16_t>(keyAscii)));
        QKeyEvent retyped(QEvent::KeyPress, Qt::Key_unknown, key->modifiers(), replaced);
        retyping_ = true;
        QApplication::sendEvent(MyTxt_, &retyped);
        retyping_ = false;
    }
    return true;
}

bool XPText::eventFilter(QObject* watched, QEvent* event) {
    if (watched != MyTxt_) {
        return UserControl::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::FocusIn:
            DrawBorderColor(borderColorFocus_);
            break;
        case QEvent::FocusOut: {
            // A menu of the box or another window taking over keeps the focus look, as the
            // focus has not left the control for another of the window.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                DrawBorderColor(borderColor_);
            }
            break;
        }
        case QEvent::KeyPress:
            return keyPressed(static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
            pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            break;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (pressed_ && mouse->button() == Qt::LeftButton &&
                MyTxt_->rect().contains(mouse->position().toPoint())) {
                emit Click();
            }
            pressed_ = false;
            break;
        }
        case QEvent::MouseButtonDblClick:
            pressed_ = false;
            emit DblClick();
            break;
        case QEvent::MouseMove: {
            // The box reports in the control's unit, twips.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            emit MouseMove(buttonOf(mouse), shiftCode(mouse->modifiers()),
                           static_cast<float>(mouse->position().x() * twips_.twipsX(1)),
                           static_cast<float>(mouse->position().y() * twips_.twipsY(1)));
            break;
        }
        default:
            break;
    }
    return UserControl::eventFilter(watched, event);
}

}  // namespace glimmer
