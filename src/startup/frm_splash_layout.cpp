// SPDX-License-Identifier: MIT
// The about window's controls at their design places (twips within the frame), and the texts
// it shows.
#include "startup/frm_splash.h"

#include "launcher/addresses.h"
#include "ui/artwork.h"
#include "ui/builder.h"
#include "ui/controls.h"
#include "ui/image.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QUrl>

namespace about {
namespace {

using ui::Builder;
using ui::designFont;

// Design colours, as &H00BBGGRR& values.
constexpr quint32 kRed = 0x000000FF;
constexpr quint32 kBlue = 0x00FF0000;
constexpr quint32 kPurple = 0x00C000C0;

constexpr int kWidth = 7380;
constexpr int kHeight = 4470;
constexpr int kBorder = 30;  // the fixed dialog border, 2 pixels
// Where the rule under the titles ends: the address labels end there too.
constexpr int kRuleRight = 7080;
// The button panel's place in the frame; its controls are placed in frame twips too.
constexpr int kPanelLeft = 240;
constexpr int kPanelTop = 2760;

const QString kSlogan = QStringLiteral("Thumbnails made with care");
const QString kNotice = QStringLiteral(
    "Corvel is protected by copyright law. It is free software under the MIT licence: you "
    "may copy and share it, keeping its copyright and licence notice with every copy.");
const QString kCredits = QStringLiteral(
    "Programming: Tamsin Holloway\n"
    "Graphics: Odile Marchetti\n"
    "Consulting and testing: Ruben Adeyemi");

// A label whose caption ends at `right`, however long the caption is.
QLabel* rightAligned(const Builder& make, QWidget* parent, const QString& caption, int left,
                     int top, int right, const QFont& font, quint32 colour,
                     const QString& tip = {}) {
    QLabel* label = make.label(parent, caption, {left, top, right - left, -1}, font, colour, tip);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    ui::setCaption(label, caption);
    return label;
}

}  // namespace

QString platformCaption() {
#if defined(Q_OS_LINUX)
    return QStringLiteral("For Linux desktops");
#else
    return QStringLiteral("For ") + QSysInfo::kernelType() + QStringLiteral(" desktops");
#endif
}

QString platformTip() {
#if defined(Q_OS_LINUX)
    return QStringLiteral("Linux ") + QSysInfo::buildCpuArchitecture() +
           QStringLiteral(" Software");
#else
    return QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::buildCpuArchitecture() +
           QStringLiteral(" Software");
#endif
}

void FrmSplash::createControls() {
    const Builder make(twips);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, ui::bgrColor(ui::kGrey));
    setPalette(grey);
    setAutoFillBackground(true);
    twips.resize(this, kWidth, kHeight);

    border = new QFrame(this);
    border->setFrameStyle(QFrame::Panel | QFrame::Raised);
    border->setLineWidth(twips.pxX(kBorder));
    twips.place(border, 0, 0, kWidth, kHeight);

    Frame1 = make.frame(this, QString(),
                        {kBorder, kBorder, kWidth - 2 * kBorder, kHeight - 2 * kBorder}, QString());
    QWidget* f = Frame1;

    picLogo = make.image(f, ui::artwork(ui::Art::MakerLogo), {240, 240, 2055, 2265});
    picLogo->setBorder(true);
    lblCompanyProduct =
        make.label(f, QStringLiteral("Brindle Software"), {2400, 240}, ui::arial(18, true), kRed);
    Label7 = make.label(f, QStringLiteral("Presents"), {5760, 420},
                        designFont(QStringLiteral("Lucida Console"), 9.75), kPurple);
    Label7->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblProductName = make.label(f, QStringLiteral("Corvel Thumbnail Utility"), {2400, 720},
                                designFont(QStringLiteral("Verdana"), 15.75, true), ui::kBlack);
    lblPlatform2 = make.label(f, platformCaption(), {2400, 1080},
                              designFont(QStringLiteral("MS Sans Serif"), 9.75, true), ui::kBlack,
                              platformTip());
    lblPlatform2->hide();
    lblVersion = make.label(f, QStringLiteral("Version ") + QStringLiteral(CORVEL_VERSION),
                            {5880, 1080}, ui::arial(9.75, true), kBlue);

    line = new QFrame(f);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setLineWidth(1);
    twips.place(line, 2400, 2040 - 15, kRuleRight - 2400, 30);

    lblPlatform = rightAligned(make, f, QUrl(launcher::kMakerHomePage).host(), 3840, 2025,
                               kRuleRight, ui::arial(12, true), kBlue, launcher::kMakerHomePage);
    Label6 =
        rightAligned(make, f, launcher::kMakerMail, 3180, 2280, kRuleRight, ui::arial(12, true),
                     kBlue, QStringLiteral("Click To Send E-Mail To Brindle Software"));
    for (QLabel* address : {lblPlatform, Label6}) {
        address->setCursor(Qt::PointingHandCursor);
    }

    Text1 = new QPlainTextEdit(kNotice, f);
    Text1->setReadOnly(true);
    Text1->setFont(ui::arial(8.25));
    QPalette notice = Text1->palette();
    notice.setColor(QPalette::Base, ui::bgrColor(ui::kGrey));
    notice.setColor(QPalette::Text, ui::bgrColor(kBlue));
    Text1->setPalette(notice);
    Text1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Text1->setLineWidth(1);
    Text1->document()->setDocumentMargin(1);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setFocusPolicy(Qt::NoFocus);
    twips.place(Text1, 2400, 2040, 4695, 735);
    Text1->hide();

    Label1 = make.label(f, kSlogan, {200, 2520}, ui::arial(8.25), kRed);

    buttonPanel = new QFrame(f);
    twips.place(buttonPanel, kPanelLeft, kPanelTop, 6855, 1575);
    const auto inPanel = [](int left, int top, int width = -1, int height = -1) {
        return ui::Place{left - kPanelLeft, top - kPanelTop, width, height};
    };
    lblCredits = make.label(buttonPanel, kCredits, inPanel(kPanelLeft, 2880, 6855, 840),
                            ui::arial(8.25), ui::kBlack);
    lblCredits->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    cmdOk = make.button(buttonPanel, QStringLiteral("&OK"), inPanel(1560, 3840, 1095, 375), {});
    cmdWeb = make.button(buttonPanel, QStringLiteral("&Brindle On The Web"),
                         inPanel(2640, 3840, 2175, 375), {});
    Command2 =
        make.button(buttonPanel, QStringLiteral("&E-Mail"), inPanel(4800, 3840, 1095, 375), {});
    cmdOk->setDefault(true);
}

}  // namespace about
