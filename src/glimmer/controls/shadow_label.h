// SPDX-License-Identifier: MIT
#pragma once

#include "glimmer/controls/property_bag.h"
#include "glimmer/controls/user_control.h"

namespace glimmer {

// The colour `r` percent of the way from `p` to `q` (r held within 0 to 100), each channel
// rounded to the nearest integer, halves to even.
QColor Blend(QColor p, QColor q, double r);

// A label whose caption has a soft drop shadow: three rings of copies up to three pixels to
// the right of and below the text, fading from the shadow colour into the background.
class ShadowLabel : public UserControl {
    Q_OBJECT
  public:
    explicit ShadowLabel(const platform::Services& services, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int alignment() const { return alignment_; }
    void setAlignment(int alignment);
    bool autosize() const { return autosize_; }
    void setAutosize(bool on);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    OleColour foreColor() const { return foreColor_; }
    void setForeColor(OleColour colour);
    OleColour backColor() const { return backColor_; }
    void setBackColor(OleColour colour);
    OleColour shadowColor() const { return shadowColor_; }
    void setShadowColor(OleColour colour);
    QFont captionFont() const { return font_; }
    void setCaptionFont(const QFont& font);
    // The Enabled setting: off greys the caption; the control still raises its events, so it
    // is not the widget's own enabled state.
    bool captionEnabled() const { return enabled_; }
    void setCaptionEnabled(bool on);

    // A new control in its container: the defaults, the container's name as caption.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    void Redraw();

  signals:
    void Click();
    void DblClick();
    void Change();
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);

  protected:
    void UserControl_Resize() override;
    void UserControl_Show() override;
    void UserControl_Paint() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void changed(const char* name);

    QString caption_;
    int alignment_ = 0;
    bool autosize_ = false;
    bool wordWrap_ = true;
    OleColour foreColor_ = sys::ButtonText;
    OleColour backColor_ = sys::ButtonFace;
    OleColour shadowColor_ = sys::ButtonShadow;
    QFont font_;
    bool enabled_ = true;

    bool redrawing_ = false;
    bool painting_ = false;
    bool pressed_ = false;
};

}  // namespace glimmer
