// SPDX-License-Identifier: MIT
#include "frm_resize_fixture.h"
#include "support/frm_resize_test_view.h"

namespace {

const QString kNewUser = QStringLiteral("New User Information");

TEST_F(FrmResizeTest, FreshUserGetsEveryDefault) {
    FrmResize& w = load();

    EXPECT_EQ(w.windowTitle(), "Corvel XP");
    EXPECT_FALSE(w.isHidden());
    EXPECT_EQ(view(w).txtwidth->text(), "110");
    EXPECT_EQ(view(w).txtHeight->text(), "130");
    EXPECT_TRUE(view(w).optJPG->isChecked());
    EXPECT_FALSE(view(w).optBMP->isChecked() || view(w).optGIF->isChecked());
    EXPECT_TRUE(view(w).mnujpg->isChecked());
    EXPECT_EQ(view(w).txtExtention->text(), ".jpg");
    EXPECT_TRUE(view(w).frameQuality->isEnabled());
    EXPECT_EQ(view(w).txtQuality->text(), "100");
    EXPECT_TRUE(view(w).chkPrefix->isChecked());
    EXPECT_TRUE(view(w).mnuPrefix->isChecked());
    EXPECT_EQ(view(w).txtLetters->text(), "th_");
    EXPECT_EQ(view(w).txtIncrementer->text(), "th_");
    EXPECT_FALSE(view(w).chkOverwrite->isChecked() || view(w).chkFileLocation->isChecked() ||
                 view(w).chkLandscape->isChecked());
    // Every light red: the green prompt picture hidden, the two red fronts shown.
    EXPECT_TRUE(view(w).imgRedLightOff22->isHidden());
    EXPECT_FALSE(view(w).imgRedOff->isHidden());
    EXPECT_FALSE(view(w).imgGreenOff22->isHidden());
    EXPECT_EQ(view(w).txtDestName->text(), "/FilePath/");
    EXPECT_EQ(view(w).lblPath->text(), "Choose Path");
    EXPECT_FALSE(view(w).lblPath->isHidden());
    EXPECT_TRUE(view(w).lblDestPath->isHidden());
    EXPECT_EQ(view(w).tips.indTips(), 1);
    EXPECT_TRUE(view(w).mnuTips->isChecked());
    EXPECT_TRUE(view(w).imgHelperTips_Off->isHidden());
    EXPECT_FALSE(view(w).lblThumbnail->isHidden());
    EXPECT_TRUE(view(w).Picture2->isHidden());
    EXPECT_EQ(view(w).indLoading, 0);

    EXPECT_EQ(boxesTitled(kNewUser), 1);
    EXPECT_EQ(platform.stored("PHT"), "1");
    EXPECT_EQ(platform.stored("Path"), platform.programFolder());
    // The first-run registration command names no program here: nothing is started.
    EXPECT_TRUE(platform.shell.calls.empty());
}

TEST_F(FrmResizeTest, NewUserMessageComesAfterThePauseAndOnlyOnce) {
    FrmResize& first = load();
    EXPECT_GE(platform.loop.tickCount(), 2000u);
    first.cmdExit_Click();
    platform.store("Path", "/elsewhere");
    platform.verifyAndReset();

    load();
    EXPECT_EQ(boxesTitled(kNewUser), 0);
    EXPECT_EQ(platform.stored("Path"), "/elsewhere");
}

TEST_F(FrmResizeTest, DeletingTheMarkerBringsTheMessageBack) {
    platform.store("PHT", "0");
    load();
    EXPECT_EQ(boxesTitled(kNewUser), 1);
}

struct StoredCase {
    const char* key;
    const char* stored;
    QString (*shown)(const FrmResize&);
    const char* expected;
};

QString typeShown(const FrmResize& w) {
    return view(w).optBMP->isChecked()   ? "BMP " + view(w).txtExtention->text()
           : view(w).optGIF->isChecked() ? "GIF " + view(w).txtExtention->text()
           : view(w).optJPG->isChecked() ? "JPG " + view(w).txtExtention->text()
                                         : "none";
}

QString nameShown(const FrmResize& w) {
    const QString rule = view(w).chkPrefix->isChecked()   ? "Prefix"
                         : view(w).chkSufix->isChecked()  ? "Suffix"
                         : view(w).chkNumber->isChecked() ? "Number"
                                                          : "none";
    return rule +
           (view(w).txtLetters->isEnabled() ? " " + view(w).txtLetters->text() : " disabled") +
           (view(w).txtIncrementer->isHidden() ? " hidden" : "");
}

QString qualityShown(const FrmResize& w) {
    return view(w).txtQuality->text();
}
QString widthShown(const FrmResize& w) {
    return view(w).txtwidth->text();
}
QString heightShown(const FrmResize& w) {
    return view(w).txtHeight->text();
}
QString tipsShown(const FrmResize& w) {
    return QString::number(view(w).tips.indTips()) +
           (view(w).imgHelperTips_Off->isHidden() ? " on" : " off");
}
QString landscapeShown(const FrmResize& w) {
    return QString(view(w).chkLandscape->isChecked() ? "checked" : "unchecked") +
           (view(w).imgGreenOff22->isHidden() ? " green" : " red") +
           (view(w).mnuLandscape->isChecked() ? " menu" : "");
}
QString overwriteShown(const FrmResize& w) {
    return QString(view(w).chkOverwrite->isChecked() ? "checked" : "unchecked") +
           (view(w).imgRedLightOff22->isHidden() ? " red" : " green") +
           (view(w).mnuOverwrite->isChecked() ? " menu" : "");
}

TEST_F(FrmResizeTest, StoredValuesLoadWithTheirRules) {
    const StoredCase cases[] = {
        {"Type", "Bmp", typeShown, "BMP .bmp"},
        {"Type", "Gif", typeShown, "GIF .gif"},
        {"Type", "bmp", typeShown, "JPG .jpg"},  // compared case and all
        {"Type", "", typeShown, "JPG .jpg"},
        {"Name", "Suffix", nameShown, "Suffix _th"},
        {"Name", "Number", nameShown, "Number 1"},
        {"Name", "prefix", nameShown, "none disabled hidden"},
        {"Name", "", nameShown, "none disabled hidden"},
        {"Quality", "0", qualityShown, "100"},
        {"Quality", "101", qualityShown, "100"},
        {"Quality", "", qualityShown, "100"},
        {"Quality", "best", qualityShown, "100"},
        {"Quality", "99", qualityShown, "99"},
        {"Height", "250", heightShown, "240"},
        {"Height", "abc", heightShown, "130"},  // not a number: the default
        {"Width", "250", widthShown, "250"},
        {"Width", "300", widthShown, "280"},
        {"Tips", "0", tipsShown, "0 off"},
        {"Tips", "yes", tipsShown, "0 off"},
        {"Landscape", "1", landscapeShown, "checked green menu"},
        {"Landscape", "x", landscapeShown, "unchecked red"},
        {"Overwrite", "1", overwriteShown, "checked green menu"},
        {"Overwrite", "0", overwriteShown, "unchecked red"},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        testing_support::TestPlatform fresh;
        fresh.store("PHT", "1");
        fresh.store(c.key, c.stored);
        FrmResize w(fresh.services());
        w.onEndProgram = [] {};
        w.Form_Load();
        EXPECT_EQ(c.shown(w), c.expected);
        fresh.verifyAndReset();
    }
}

TEST_F(FrmResizeTest, StoredNumbersOutOfRangeAreBroughtIntoTheBoxesRange) {
    // What typing and the arrows could never leave in a box does not come back from the store.
    using Box = QLineEdit* (*)(FrmResize&);
    const Box width = [](FrmResize& w) { return view(w).txtwidth; };
    const Box height = [](FrmResize& w) { return view(w).txtHeight; };
    const Box quality = [](FrmResize& w) { return view(w).txtQuality; };
    const Box letters = [](FrmResize& w) { return view(w).txtLetters; };
    const struct {
        const char* key;
        const char* stored;
        Box box;
        const char* shown;
    } cases[] = {
        {"Width", "-40", width, "1"},         {"Width", "0", width, "1"},
        {"Width", "1e9", width, "280"},       {"Width", " 90 ", width, "90"},
        {"Width", "nan", width, "110"},       {"Width", "", width, "110"},
        {"Height", "-3", height, "1"},        {"Height", "280", height, "240"},
        {"Height", "inf", height, "130"},     {"Quality", "-5", quality, "100"},
        {"Quality", "70000", quality, "100"}, {"Quality", "1", quality, "1"},
        {"Numbers", "-4", letters, "0"},      {"Numbers", "1003", letters, "1003"},
        {"Numbers", "12.5", letters, "12"},   {"Numbers", "abc", letters, "1"},
        {"Numbers", "", letters, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        testing_support::TestPlatform fresh;
        fresh.store("PHT", "1");
        fresh.store("Name", "Number");
        fresh.store(c.key, c.stored);
        FrmResize w(fresh.services());
        w.onEndProgram = [] {};
        w.Form_Load();
        EXPECT_EQ(c.box(w)->text(), c.shown);
        if (QByteArray(c.key) == "Numbers") {
            EXPECT_EQ(view(w).txtIncrementer->text(), c.shown);
        }
        fresh.verifyAndReset();
    }
}

TEST_F(FrmResizeTest, StoredLettersOfTheActiveRuleAreShown) {
    platform.store("Name", "Suffix");
    platform.store("Suffix", "-s");
    platform.store("Prefix", "p-");
    FrmResize& w = load();
    EXPECT_EQ(view(w).txtLetters->text(), "-s");
    EXPECT_EQ(view(w).txtIncrementer->text(), "-s");
    EXPECT_TRUE(view(w).mnuSuffix->isChecked());
    EXPECT_FALSE(view(w).mnuPrefix->isChecked());
}

TEST_F(FrmResizeTest, PathLabelShowsTheStoredDestinationShortened) {
    const QString sixty = "/" + QString(59, 'd');
    platform.store("Destination", sixty);
    FrmResize& w = load();
    EXPECT_EQ(view(w).txtDestName->text(), sixty);
    EXPECT_EQ(view(w).lblPath->text(), sixty.left(21) + "..." + sixty.right(21));
    EXPECT_EQ(view(w).lblPath->toolTip(), sixty);
}

TEST_F(FrmResizeTest, SameFolderStoredOnShowsSameLocation) {
    platform.store("FileLocation", "1");
    platform.store("Destination", "/home/ann/thumbs");
    FrmResize& w = load();
    EXPECT_EQ(view(w).lblPath->text(), "Same Location As Source Pictures");
    EXPECT_EQ(view(w).lblPath->toolTip(), "Save thumbnails to same location as source pictures");
    EXPECT_EQ(view(w).txtDestName->text(), "/FilePath/");
    EXPECT_FALSE(view(w).txtDestName->isEnabled());
    EXPECT_TRUE(view(w).imgRedOff->isHidden());
    EXPECT_TRUE(view(w).mnuSame->isChecked() && view(w).mnuSamel2->isChecked());
}

TEST_F(FrmResizeTest, SpecialFoldersAreResolvedAtLoad) {
    FrmResize& w = load();
    EXPECT_EQ(view(w).varMyDocs, platform.documents() + "/");
    EXPECT_EQ(view(w).varMyPics, platform.pictures() + "/");
    EXPECT_EQ(view(w).Dir1->path(), platform.documents());
}

TEST_F(FrmResizeTest, OversizeLayoutAtTwelveTwipsPerPixelOnly) {
    platform.screen.twipsPerPixel = 12;
    FrmResize& big = load();
    EXPECT_EQ(view(big).indoversize, 1);
    EXPECT_FALSE(view(big).form->hasPicture());
    EXPECT_FALSE(view(big).lineDiv->isHidden());
    EXPECT_FALSE(view(big).lineDiv2->isHidden());
    EXPECT_FALSE(view(big).lblSource->isHidden());
    EXPECT_FALSE(view(big).lblDest->isHidden());
    EXPECT_EQ(view(big).chkNumber->text(), "No.");
    // Lights line up after "Thumbnail Images": landscape, then prompt on overwrite.
    EXPECT_GT(view(big).imgGreenOff22->x(), view(big).lblDest->x());
    EXPECT_GT(view(big).imgRedLightOn22->x(), view(big).lblLandscape->x());
    EXPECT_EQ(view(big).imgRedLightOn22->x(), view(big).imgRedLightOff22->x());
    // The preview sits 100 pixels further right.
    view(big).txtwidth->setText("111");
    EXPECT_EQ(view(big).Picture2->x() + view(big).Picture2->width() / 2, 618);

    testing_support::TestPlatform normal;
    normal.store("PHT", "1");
    FrmResize usual(normal.services());
    usual.onEndProgram = [] {};
    usual.Form_Load();
    EXPECT_EQ(view(usual).indoversize, 0);
    EXPECT_TRUE(view(usual).form->hasPicture());
    EXPECT_TRUE(view(usual).lineDiv->isHidden());
    EXPECT_EQ(view(usual).chkNumber->text(), "Number");
    view(usual).txtwidth->setText("111");
    EXPECT_EQ(view(usual).Picture2->x() + view(usual).Picture2->width() / 2, 518);
}

TEST_F(FrmResizeTest, CompactLayoutOnAShortScreen) {
    platform.screen.width = 640;
    platform.screen.height = 480;
    FrmResize& w = load();
    EXPECT_EQ(view(w).twips.height(view(w).form), 6945);
    EXPECT_EQ(view(w).Frame3->title(), "Rename:");
    EXPECT_EQ(view(w).Frame1->title(), "Save As:");
    EXPECT_TRUE(view(w).frameani->isHidden());
    EXPECT_TRUE(view(w).txtSourcePath->isHidden());
    EXPECT_EQ(view(w).twips.top(view(w).cmdExit), 1600);
    EXPECT_FALSE(view(w).cmdExit->isHidden());  // inside the window now, and usable
    EXPECT_EQ(view(w).twips.height(view(w).Dir1), 540);

    testing_support::TestPlatform tall;
    tall.store("PHT", "1");
    FrmResize usual(tall.services());
    usual.onEndProgram = [] {};
    usual.Form_Load();
    EXPECT_EQ(view(usual).twips.height(view(usual).form), 7230);
    EXPECT_EQ(view(usual).Frame3->title(), "Thumbnail Name");
    // Out of sight beyond the edge, its Alt+C must not clash with the buttons one can see.
    EXPECT_TRUE(view(usual).cmdExit->isHidden());
}

TEST_F(FrmResizeTest, WindowIsCentredOnTheScreen) {
    FrmResize& w = load();
    // (7680 - 5205) and (5760 - 3615) twips.
    EXPECT_EQ(w.x(), 165);
    EXPECT_EQ(w.y(), 143);
}

TEST_F(FrmResizeTest, SecondInstanceIsRefusedBeforeAnythingElse) {
    platform.instance.otherInstanceRunning = true;
    FrmResize& w = load();
    ASSERT_EQ(platform.dialogs.shown.size(), 1u);
    EXPECT_EQ(platform.dialogs.shown[0].text, "A version of Corvel is already running!");
    EXPECT_EQ(platform.dialogs.shown[0].title, "Program Running");
    EXPECT_EQ(platform.dialogs.shown[0].icon, platform::Icon::Information);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(w.programEnded());
    EXPECT_TRUE(w.isHidden());
    EXPECT_FALSE(platform.isStored("PHT"));
    EXPECT_FALSE(platform.isStored("Path"));
}

TEST_F(FrmResizeTest, CloseCommandSavesEveryOptionAndEndsOnce) {
    FrmResize& w = load();
    view(w).txtwidth->setText("90");
    view(w).txtHeight->setText("80");
    w.mnugif_Click();
    view(w).txtQuality->setText("75");
    w.mnuNumber_Click();
    view(w).txtLetters->setText("7");
    w.Image3_Click();
    w.Image6_Click();
    w.Image7_Click();

    const std::pair<const char*, const char*> expected[] = {
        {"Width", "90"},    {"Height", "80"},      {"Type", "Gif"},  {"Quality", "75"},
        {"Name", "Number"}, {"Letters", "7"},      {"Numbers", "7"}, {"Overwrite", "1"},
        {"Landscape", "1"}, {"FileLocation", "0"},
    };
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(platform.stored(key), value) << key;
    }
    // The destination box holds its placeholder: nothing is written as a destination.
    EXPECT_FALSE(platform.isStored("Destination"));
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(w.programEnded());
    // A later close of the hidden window does not save or end a second time.
    platform.store("Width", "1");
    w.close();
    EXPECT_EQ(platform.stored("Width"), "1");
    EXPECT_EQ(ends, 1);
}

TEST_F(FrmResizeTest, TitleBarCloseSavesAsWell) {
    platform.store("Destination", "/srv/thumbs");
    FrmResize& w = load();
    w.mnubmp_Click();
    w.close();
    EXPECT_EQ(platform.stored("Type"), "Bmp");
    EXPECT_EQ(platform.stored("Destination"), "/srv/thumbs");
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(w.isHidden());
}

TEST_F(FrmResizeTest, ShutdownWithSameFolderOnKeepsTheStoredDestination) {
    platform.store("Destination", "/srv/thumbs");
    FrmResize& w = load();
    w.Image18_Click();
    ASSERT_TRUE(view(w).chkFileLocation->isChecked());
    w.cmdExit_Click();
    EXPECT_EQ(platform.stored("FileLocation"), "1");
    EXPECT_EQ(platform.stored("Destination"), "/srv/thumbs");
}

TEST_F(FrmResizeTest, ChoosePathIsNeverStoredAsADestination) {
    platform.store("FileLocation", "1");
    FrmResize& w = load();
    w.Image18_Click();  // off, with nothing stored
    EXPECT_EQ(view(w).txtDestName->text(), "Choose Path");
    EXPECT_EQ(view(w).lblPath->text(), "Choose Path");
    w.cmdExit_Click();
    EXPECT_FALSE(platform.isStored("Destination"));
}

TEST_F(FrmResizeTest, ClosingDuringTheStartUpPauseEndsWithoutTheMessage) {
    auto w = create();
    platform.loop.after(1000, [&] { w->cmdExit_Click(); });
    w->Form_Load();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(boxesTitled(kNewUser), 0);
    EXPECT_EQ(platform.stored("Width"), "110");
}

}  // namespace
