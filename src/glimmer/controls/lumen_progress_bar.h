// SPDX-License-Identifier: MIT
#pragma once

#include "glimmer/controls/property_bag.h"
#include "glimmer/controls/user_control.h"

class QLabel;

namespace glimmer {

// A progress bar that draws its whole length once (blocks, one solid fill or a gradient) and
// slides a cover box in the remaining colour over the part not yet reached: a new value only
// moves the box. Horizontal bars fill from the left, vertical ones from the bottom.
class LumenProgressBar : public UserControl {
    Q_OBJECT
  public:
    explicit LumenProgressBar(const platform::Services& services, QWidget* parent = nullptr);

    float value() const { return value_; }
    void setValue(float value);
    float min() const { return min_; }
    void setMin(float min);
    float max() const { return max_; }
    void setMax(float max);
    int orientation() const { return orientation_; }
    void setOrientation(int orientation);
    int scrolling() const { return scrolling_; }
    void setScrolling(int scrolling);
    short progressBlockWidth() const { return blockWidth_; }
    void setProgressBlockWidth(int width);
    bool useGradientColors() const { return useGradient_; }
    void setUseGradientColors(bool on);
    OleColour gradientFromColor() const { return gradientFrom_; }
    void setGradientFromColor(OleColour colour);
    OleColour gradientToColor() const { return gradientTo_; }
    void setGradientToColor(OleColour colour);
    OleColour progressBackColor() const { return backColor_; }
    void setProgressBackColor(OleColour colour);
    OleColour progressForeColor() const { return foreColor_; }
    void setProgressForeColor(OleColour colour);
    OleColour progressRemainColor() const { return remainColor_; }
    void setProgressRemainColor(OleColour colour);
    bool showValue() const { return showValue_; }
    void setShowValue(bool on);
    QString valuePrefix() const { return prefix_; }
    void setValuePrefix(const QString& prefix);
    QString valueSuffix() const { return suffix_; }
    void setValueSuffix(const QString& suffix);
    OleColour valueForeColor() const { return valueColour_; }
    void setValueForeColor(OleColour colour);
    QFont valueFont() const { return valueFont_; }
    void setValueFont(const QFont& font);
    short borderStyle() const { return borderStyle_; }
    void setBorderStyle(short style);
    short mousePointer() const { return mousePointer_; }
    void setMousePointer(short pointer);
    QImage mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QImage& icon);
    // The control's own window.
    QWidget* hWnd() const { return surface(); }

    void AboutBox();

    // The parts: the cover box and the two value labels (one on the surface, one riding in
    // the cover box at the same place on the screen).
    QWidget* picProgress() const { return picProgress_; }
    QLabel* lblValue() const { return lblValue_; }
    QLabel* lblValue2() const { return lblValue2_; }
    // The value text for `v`: prefix, number, suffix.
    QString valueText(float v) const;

    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    void Relayout();
    void PositionFill(float v);
    void DrawBlocks();
    void DrawGradient();
    void CentreValueText();

  signals:
    void Click();
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);

  protected:
    void UserControl_Resize() override;
    void UserControl_Show() override;
    void paintFrame(QPainter& painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void changed(const char* name);
    void applyRemainColour();
    void applyLabelColours();
    void setLabelTexts(const QString& text);
    void placeCover();
    void placeLabels();
    // The mouse position a part reports, in control pixels.
    QPointF controlPoint(const QObject* part, QPointF local) const;

    QWidget* picProgress_;
    QLabel* lblValue_;
    QLabel* lblValue2_;

    float value_ = 50;
    float min_ = 0;
    float max_ = 100;
    int orientation_ = 0;
    int scrolling_ = 0;
    short blockWidth_ = 15;
    bool useGradient_ = false;
    OleColour gradientFrom_ = 0x0000FF00;
    OleColour gradientTo_ = 0x000000FF;
    OleColour backColor_ = sys::ButtonFace;
    OleColour foreColor_ = sys::ButtonText;
    OleColour remainColor_ = sys::ButtonFace;
    bool showValue_ = true;
    QString prefix_;
    QString suffix_;
    OleColour valueColour_ = sys::ButtonText;   // lblValue's text colour
    OleColour value2Colour_ = sys::ButtonText;  // lblValue2's
    QFont valueFont_;
    short borderStyle_ = 1;
    short mousePointer_ = 0;
    QImage mouseIcon_;

    // Places in surface pixels, kept as worked out; the windows sit at the whole pixels.
    float coverLeft_ = 0;
    float coverTop_ = 0;
    float labelLeft_ = 0;
    float labelTop_ = 0;
    float label2Left_ = 0;
    float label2Top_ = 0;

    bool shown_ = false;
    const QObject* pressedPart_ = nullptr;
};

}  // namespace glimmer
