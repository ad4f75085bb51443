// SPDX-License-Identifier: MIT
#pragma once

#include "glimmer/controls/property_bag.h"
#include "glimmer/controls/tip_window.h"
#include "glimmer/controls/user_control.h"
#include "platform/timer.h"

#include <QPointer>

#include <functional>

namespace ui {
class Image;
}

namespace glimmer {

// A push button that draws itself: a gradient face, a caption and a picture placed on a
// three-by-three grid, a flat border that rises under the mouse and sinks while pressed, a
// hover look, a press look one pixel down and to the right with the gradient reversed, and a
// tooltip with title, icon and balloon shape.
class LumenCommand : public UserControl {
    Q_OBJECT
  public:
    explicit LumenCommand(const platform::Services& services, QWidget* parent = nullptr);
    ~LumenCommand() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int captionAlignment() const { return captionAlignment_; }
    void setCaptionAlignment(int alignment);
    int captionXOffset() const { return captionXOffset_; }
    void setCaptionXOffset(int offset);
    int captionYOffset() const { return captionYOffset_; }
    void setCaptionYOffset(int offset);
    QImage picture() const { return picture_; }
    void setPicture(const QImage& picture);
    int pictureAlignment() const { return pictureAlignment_; }
    void setPictureAlignment(int alignment);
    int pictureXOffset() const { return pictureXOffset_; }
    void setPictureXOffset(int offset);
    int pictureYOffset() const { return pictureYOffset_; }
    void setPictureYOffset(int offset);
    bool useHoverProperties() const { return useHover_; }
    void setUseHoverProperties(bool on);
    OleColour fontColorOnHover() const { return hoverColour_; }
    void setFontColorOnHover(OleColour colour);
    bool fontBoldOnHover() const { return hoverBold_; }
    void setFontBoldOnHover(bool on);
    bool useGradientFill() const { return useGradient_; }
    void setUseGradientFill(bool on);
    OleColour gradientFromColor() const { return gradientFrom_; }
    void setGradientFromColor(OleColour colour);
    OleColour gradientToColor() const { return gradientTo_; }
    void setGradientToColor(OleColour colour);
    int gradientOrientation() const { return gradientOrientation_; }
    void setGradientOrientation(int orientation);
    bool gradientInverseOnPress() const { return inverseOnPress_; }
    void setGradientInverseOnPress(bool on);
    bool alwaysShowBorder() const { return alwaysShowBorder_; }
    void setAlwaysShowBorder(bool on);
    int border3DStyle() const { return border3DStyle_; }
    void setBorder3DStyle(int style);
    QString toolTip() const { return toolTip_; }
    void setToolTip(const QString& tip);
    QString toolTipTitle() const { return toolTipTitle_; }
    void setToolTipTitle(const QString& title);
    int toolTipIcon() const { return toolTipIcon_; }
    void setToolTipIcon(int icon);
    int toolTipStyle() const { return toolTipStyle_; }
    void setToolTipStyle(int style);
    bool toolTipCentered() const { return toolTipCentered_; }
    void setToolTipCentered(bool on);
    OleColour toolTipForeColor() const { return toolTipFore_; }
    void setToolTipForeColor(OleColour colour);
    OleColour toolTipBackColor() const { return toolTipBack_; }
    void setToolTipBackColor(OleColour colour);
    OleColour backColor() const { return backColor_; }
    void setBackColor(OleColour colour);
    OleColour foreColor() const { return foreColor_; }
    void setForeColor(OleColour colour);
    QFont buttonFont() const { return font_; }
    void setButtonFont(const QFont& font);
    short mousePointer() const { return mousePointer_; }
    void setMousePointer(short pointer);
    // The Enabled setting: the button's own enabled state.
    bool buttonEnabled() const { return QWidget::isEnabled(); }
    void setButtonEnabled(bool on);
    void setDontReleaseCapture(bool on) { dontReleaseCapture_ = on; }
    // True raises Click; nothing is kept.
    void setValue(bool on);
    QWidget* hWnd() const { return surface(); }

    ui::Image* imgPicture() const { return imgPicture_; }
    // The tip window while the mouse is over a button with a tip, else none.
    TipWindow* toolTipWindow() const { return tipWindow_; }

    // What the last Layout worked out and the state last drawn.
    int captionX() const { return captionX_; }
    int captionY() const { return captionY_; }
    int pictureX() const { return pictureX_; }
    int pictureY() const { return pictureY_; }
    int paintOffset() const { return paintOffset_; }
    int borderState() const { return borderState_; }
    bool isHovering() const { return isHovering_; }
    bool isPressed() const { return isPressed_; }

    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    void ApplyBorder3DStyle();
    void Layout();
    void PaintFace(int offset, bool inverse);
    void PaintGradient(bool inverse);
    void DrawBorder(int state);
    void CreateToolTip();
    void DestroyToolTip();

  signals:
    void Click();
    void DblClick();
    void MouseEnter();
    void MouseExit();
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);

  protected:
    void UserControl_Resize() override;
    void UserControl_Show() override;
    void UserControl_Paint() override;
    void paintFrame(QPainter& painter) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void changed(const char* name);
    // Runs `paint` with the caption in the hover colour and weight, then puts them back.
    void withHoverLook(const std::function<void()>& paint);
    void capture();
    void releaseCapture();
    void mouseMoved(short button, short shift, float x, float y, QPoint global);
    void mousePressed(Qt::MouseButton which, short button, short shift, float x, float y);
    void mouseReleased(Qt::MouseButton which, short button, short shift, float x, float y);
    void toRest();

    ui::Image* imgPicture_;
    QPointer<TipWindow> tipWindow_;
    platform::Timer tipDelay_;
    QPoint lastPointer_;
    qint64 shownPicture_ = 0;  // the picture imgPicture shows, by its cache key

    QString caption_;
    int captionAlignment_ = 4;
    int captionXOffset_ = 0;
    int captionYOffset_ = 0;
    QImage picture_;
    int pictureAlignment_ = 1;
    int pictureXOffset_ = 0;
    int pictureYOffset_ = 0;
    bool useHover_ = true;
    OleColour hoverColour_ = 0x00FF0000;
    bool hoverBold_ = false;
    bool useGradient_ = true;
    OleColour gradientFrom_ = sys::ButtonHighlight;
    OleColour gradientTo_ = sys::ButtonShadow;
    int gradientOrientation_ = 0;
    bool inverseOnPress_ = true;
    bool alwaysShowBorder_ = false;
    int border3DStyle_ = 0;
    QString toolTip_;
    QString toolTipTitle_;
    int toolTipIcon_ = 0;
    int toolTipStyle_ = 0;
    bool toolTipCentered_ = false;
    OleColour toolTipFore_ = sys::InfoText;
    OleColour toolTipBack_ = sys::InfoBackground;
    OleColour backColor_ = sys::ButtonFace;
    OleColour foreColor_ = sys::ButtonText;
    QFont font_;
    short mousePointer_ = 0;
    bool dontReleaseCapture_ = false;

    int captionX_ = 0;
    int captionY_ = 0;
    int pictureX_ = 0;
    int pictureY_ = 0;
    int paintOffset_ = 0;
    int borderState_ = 0;
    bool isHovering_ = false;
    bool isPressed_ = false;
    bool focusByMouse_ = false;
    bool painting_ = false;
};

}  // namespace glimmer
