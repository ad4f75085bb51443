// SPDX-License-Identifier: MIT
#pragma once

#include "glimmer/controls/property_bag.h"
#include "glimmer/controls/user_control.h"

class QLineEdit;
class QProxyStyle;

namespace glimmer {

// A flat single-line text box: a borderless inner box inside a one-pixel frame that the
// control draws, in one colour at rest and another while the box has the focus.
class XPText : public UserControl {
    Q_OBJECT
  public:
    static constexpr OleColour kBorderColor = 0x00B99D7F;          // #7F9DB9
    static constexpr OleColour kBorderColorFocus = 0x00F0D0B0;     // #B0D0F0
    static constexpr OleColour kBorderColorDisabled = 0x0080A7BF;  // #BFA780

    explicit XPText(const platform::Services& services, QWidget* parent = nullptr);

    QLineEdit* MyTxt() const { return MyTxt_; }

    QString text() const;
    void setText(const QString& text);
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text);
    bool locked() const;
    void setLocked(bool on);
    int maxLength() const;
    void setMaxLength(int length);
    QString passwordChar() const { return passwordChar_; }
    void setPasswordChar(const QString& c);
    int alignment() const;
    void setAlignment(int alignment);
    OleColour foreColor() const { return foreColor_; }
    void setForeColor(OleColour colour);
    OleColour backColor() const { return backColor_; }
    QFont textFont() const;
    void setTextFont(const QFont& font);
    QString toolTipText() const;
    void setToolTipText(const QString& tip);
    // The Enabled setting lives in the inner box; the control itself stays enabled.
    bool textEnabled() const;
    void setTextEnabled(bool on);
    double value() const;
    void setValue(double value);
    OleColour borderColor() const { return borderColor_; }
    void setBorderColor(OleColour colour);
    OleColour borderColorFocus() const { return borderColorFocus_; }
    void setBorderColorFocus(OleColour colour);

    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    void RePos();
    void DrawFrame();
    void DrawBorderColor(OleColour colour);

  signals:
    void Change();
    void Click();
    void DblClick();
    // A changed KeyAscii goes to the text box in place of the key typed; 0 drops the key.
    void KeyPress(short& KeyAscii);
    void MouseMove(short Button, short Shift, float X, float Y);

  protected:
    void UserControl_Resize() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void changed(const char* name);
    void putText(const QString& text);
    void applyAlignment(int alignment);
    void applyColours();
    void applyPasswordChar(const QString& c);
    bool keyPressed(QKeyEvent* key);

    QLineEdit* MyTxt_;
    QProxyStyle* passwordStyle_ = nullptr;  // a child of the control, outliving MyTxt
    QString passwordChar_;
    OleColour foreColor_ = sys::WindowText;
    OleColour backColor_ = sys::Window;
    OleColour borderColor_ = kBorderColor;
    OleColour borderColorFocus_ = kBorderColorFocus;
    bool pressed_ = false;
    bool retyping_ = false;
};

}  // namespace glimmer
