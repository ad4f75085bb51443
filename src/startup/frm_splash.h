// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"
#include "platform/timer.h"
#include "startup/about_host.h"
#include "ui/twips.h"

#include <QColor>
#include <QDialog>

#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class Image;
}  // namespace ui

namespace about {

// The platform label's colour cycle: black, green, orange, purple, and back to black.
// A colour that is not in the cycle is kept.
QColor nextPlatformColour(const QColor& current);

// What the platform label says: the host this program was built for.
QString platformCaption();
QString platformTip();

// The about window `frmSplash` of the thumbnail maker (the splash program has a window of the
// same name, hence the namespace): the product's title panel, and when opened as the about
// window, its credits, the notice and three buttons. It has no title bar; OK is its way out,
// and a close by the desktop (Alt+F4) or Escape takes the same way.
class FrmSplash : public QDialog {
  public:
    FrmSplash(AboutHost& host, platform::Services services);
    ~FrmSplash() override;

    // Lays the window out, waits its moment and shows it; false when it could not be shown.
    bool Form_Load();
    void cmdOk_Click();
    void cmdWeb_Click();
    void Command2_Click();
    void Label6_Click();
    void lblPlatform_Click();
    void Timer2_Timer();

    // Called once the window has unloaded; the owner deletes it then.
    std::function<void()> onUnloaded;
    bool unloaded() const { return unloaded_; }

    AboutHost& host;
    platform::Services services;
    ui::Twips twips;

    QFrame* border = nullptr;  // the fixed dialog border
    QGroupBox* Frame1 = nullptr;
    ui::Image* picLogo = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblPlatform2 = nullptr;
    QLabel* lblVersion = nullptr;
    QFrame* line = nullptr;  // the rule under the titles
    QLabel* lblPlatform = nullptr;
    QLabel* Label6 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* buttonPanel = nullptr;
    QLabel* lblCredits = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdWeb = nullptr;
    QPushButton* Command2 = nullptr;

    platform::Timer Timer2;

  protected:
    // Escape
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void connectHandlers();
    void centreOnScreen();
    void fitLogo();
    void Form_Unload();

    bool closing_ = false;
    bool unloaded_ = false;
};

}  // namespace about
