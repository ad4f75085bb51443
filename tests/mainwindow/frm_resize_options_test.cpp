// SPDX-License-Identifier: MIT
#include "frm_resize_fixture.h"
#include "support/frm_resize_test_view.h"

using testing_support::click;
using testing_support::typeKeys;

namespace {

class OptionsPanel : public ReturningUserTest {
  protected:
    // Replaces the box's text as a user does: select everything, type over it.
    static void retype(QLineEdit* box, const QString& text) {
        box->selectAll();
        typeKeys(box, text);
    }
};

TEST_F(OptionsPanel, TypedSizesAreClampedAndOnlyDigitsTaken) {
    FrmResize& w = load();
    const struct {
        QLineEdit* box;
        const char* typed;
        const char* shown;
    } cases[] = {
        {view(w).txtwidth, "300", "280"}, {view(w).txtHeight, "250", "240"},
        {view(w).txtwidth, "250", "250"}, {view(w).txtHeight, "1a2.", "12"},
        {view(w).txtwidth, "9\b7", "7"},  {view(w).txtHeight, "4567", "240"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        retype(c.box, c.typed);
        EXPECT_EQ(c.box->text(), c.shown);
    }
    // The height box ends at 240 too: its limit is 240 whatever the tooltip says.
    EXPECT_EQ(view(w).txtHeight->text(), "240");
    EXPECT_EQ(view(w).txtHeight->toolTip(), "Max Height 280 Pixels");
}

TEST_F(OptionsPanel, SizeChangeDrawsThePreviewAndShowsTheCaption) {
    FrmResize& w = load();
    retype(view(w).txtwidth, "50");
    EXPECT_FALSE(view(w).Picture2->isHidden());
    EXPECT_TRUE(view(w).lblThumbnail->isHidden());
    // The sample picture at the new size, inside a one-pixel frame.
    EXPECT_EQ(view(w).Picture2->size(), QSize(52, 132));
    EXPECT_EQ(view(w).Picture2->pos(), QPoint(518 - 26, 155 - 66));
    EXPECT_EQ(view(w).lblWidth2->text(), "50");
    EXPECT_EQ(view(w).lblHeight2->text(), "130");
    EXPECT_FALSE(view(w).lblWidth2->isHidden());
    EXPECT_FALSE(view(w).lblxx->isHidden());
    EXPECT_EQ(view(w).indFirstRun, 1);
}

TEST_F(OptionsPanel, ArrowsBeepAtTheirEnds) {
    FrmResize& w = load();
    const struct {
        QLineEdit* box;
        ui::ImageButton* arrow;
        const char* start;
        const char* after;
        int beeps;
    } cases[] = {
        {view(w).txtHeight, view(w).btnUp2, "240", "240", 0},  // the clamp holds it, silently
        {view(w).txtHeight, view(w).btnUp2, "100", "101", 0},
        {view(w).txtwidth, view(w).btnUp, "280", "280", 1},
        {view(w).txtwidth, view(w).btnUp, "279", "280", 0},
        {view(w).txtwidth, view(w).btnDown, "1", "1", 1},
        {view(w).txtwidth, view(w).btnDown, "2", "1", 0},
        {view(w).txtHeight, view(w).btnDown2, "130", "129", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " -> " + c.after);
        c.box->setText(c.start);
        platform.dialogs.beeps = 0;
        click(c.arrow);
        EXPECT_EQ(c.box->text(), c.after);
        EXPECT_EQ(platform.dialogs.beeps, c.beeps);
    }
}

TEST_F(OptionsPanel, ArrowShowsItsPressedTwinForItsPause) {
    FrmResize& w = load();
    bool pressedMeanwhile = false;
    platform.loop.after(150, [&] { pressedMeanwhile = !view(w).btnUp_Pressed->isHidden(); });
    const quint32 before = platform.loop.tickCount();
    w.btnUp_Click();
    EXPECT_TRUE(pressedMeanwhile);
    EXPECT_TRUE(view(w).btnUp_Pressed->isHidden());
    EXPECT_GE(platform.loop.tickCount() - before, 300u);
    EXPECT_EQ(view(w).txtwidth->text(), "111");
}

TEST_F(OptionsPanel, QualityChecksTheTextBeforeEachKey) {
    FrmResize& w = load();
    view(w).txtQuality->clear();
    typeKeys(view(w).txtQuality, "101");
    EXPECT_EQ(view(w).txtQuality->text(), "101");
    typeKeys(view(w).txtQuality, "x");
    EXPECT_EQ(view(w).txtQuality->text(), "100");
    typeKeys(view(w).txtQuality, "\b\b\b");
    EXPECT_EQ(view(w).txtQuality->text(), "");
    typeKeys(view(w).txtQuality, "7a5");
    EXPECT_EQ(view(w).txtQuality->text(), "75");
}

TEST_F(OptionsPanel, TypeChoiceKeepsButtonsMenusAndExtensionInStep) {
    FrmResize& w = load();
    for (int i = 0; i < 3; ++i) {
        view(w).mnubmp->trigger();
    }
    EXPECT_EQ(view(w).twips.width(view(w).txtExtention), 470);
    EXPECT_EQ(view(w).txtExtention->text(), ".bmp");
    EXPECT_TRUE(view(w).optBMP->isChecked());
    EXPECT_FALSE(view(w).optJPG->isChecked() || view(w).optGIF->isChecked());
    EXPECT_TRUE(view(w).mnubmp->isChecked());
    EXPECT_FALSE(view(w).mnujpg->isChecked() || view(w).mnugif->isChecked());
    EXPECT_FALSE(view(w).txtQuality->isEnabled());

    click(view(w).optGIF);
    EXPECT_EQ(view(w).twips.width(view(w).txtExtention), 370);
    EXPECT_EQ(view(w).txtExtention->text(), ".gif");
    EXPECT_FALSE(view(w).optBMP->isChecked());
    EXPECT_TRUE(view(w).mnugif->isChecked() && !view(w).mnubmp->isChecked());
    click(view(w).optGIF);  // a selected type stays selected
    EXPECT_TRUE(view(w).optGIF->isChecked());

    view(w).mnujpg->trigger();
    EXPECT_EQ(view(w).twips.width(view(w).txtExtention), 370);
    EXPECT_TRUE(view(w).txtQuality->isEnabled());
    EXPECT_TRUE(view(w).frameQuality->isEnabled());
}

TEST_F(OptionsPanel, CheckingSuffixUnchecksPrefixAndLoadsItsLetters) {
    FrmResize& w = load();
    click(view(w).chkSufix);
    EXPECT_TRUE(view(w).chkSufix->isChecked());
    EXPECT_FALSE(view(w).chkPrefix->isChecked());
    EXPECT_TRUE(view(w).mnuSuffix->isChecked());
    EXPECT_FALSE(view(w).mnuPrefix->isChecked());
    EXPECT_EQ(view(w).txtLetters->text(), "_th");
    EXPECT_EQ(view(w).txtIncrementer->text(), "_th");
    EXPECT_EQ(view(w).twips.width(view(w).txtIncrementer), 455);
    EXPECT_EQ(view(w).twips.left(view(w).txtIncrementer), 2520);
    EXPECT_EQ(view(w).twips.left(view(w).txtFilename), 1560);
}

TEST_F(OptionsPanel, PrefixMenuOnACheckedPrefixLeavesNoRule) {
    FrmResize& w = load();
    ASSERT_TRUE(view(w).chkPrefix->isChecked());
    view(w).mnuPrefix->trigger();
    EXPECT_FALSE(view(w).chkPrefix->isChecked() || view(w).chkSufix->isChecked() ||
                 view(w).chkNumber->isChecked());
    EXPECT_FALSE(view(w).mnuPrefix->isChecked());
    EXPECT_FALSE(view(w).txtLetters->isEnabled());
    EXPECT_TRUE(view(w).txtIncrementer->isHidden());
    const int destRight =
        view(w).twips.left(view(w).txtDestName) + view(w).twips.width(view(w).txtDestName);
    EXPECT_EQ(view(w).twips.left(view(w).txtFilename), destRight + 10);
    EXPECT_EQ(view(w).twips.left(view(w).txtFilename) + view(w).twips.width(view(w).txtFilename),
              view(w).twips.left(view(w).txtExtention) - 10);

    view(w).mnuNumber->trigger();
    EXPECT_TRUE(view(w).chkNumber->isChecked());
    EXPECT_TRUE(view(w).mnuNumber->isChecked());
    EXPECT_EQ(view(w).txtLetters->text(), "1");
    EXPECT_TRUE(view(w).txtLetters->isEnabled());
}

TEST_F(OptionsPanel, TypedLettersAreStoredForTheActiveRuleAsTheyCome) {
    FrmResize& w = load();
    view(w).txtLetters->clear();
    typeKeys(view(w).txtLetters, "a");
    EXPECT_EQ(platform.stored("Prefix"), "a");
    typeKeys(view(w).txtLetters, "b");
    EXPECT_EQ(platform.stored("Prefix"), "ab");
    EXPECT_EQ(view(w).txtIncrementer->text(), "ab");
    typeKeys(view(w).txtLetters, "cd");  // three at most
    EXPECT_EQ(view(w).txtLetters->text(), "abc");
    EXPECT_FALSE(platform.isStored("Suffix"));
}

TEST_F(OptionsPanel, SameFolderResetsTheRulesLetters) {
    platform.store("Prefix", "pp");
    platform.store("Suffix", "ss");
    platform.store("Numbers", "42");
    FrmResize& w = load();
    w.Image18_Click();
    ASSERT_TRUE(view(w).chkFileLocation->isChecked());
    const struct {
        QCheckBox* box;
        const char* key;
        const char* letters;
    } rules[] = {{view(w).chkSufix, "Suffix", "_th"},
                 {view(w).chkNumber, "Numbers", "1"},
                 {view(w).chkPrefix, "Prefix", "th_"}};
    for (const auto& rule : rules) {
        SCOPED_TRACE(rule.key);
        click(rule.box);
        EXPECT_EQ(view(w).txtLetters->text(), rule.letters);
        EXPECT_EQ(view(w).txtIncrementer->text(), rule.letters);
        EXPECT_EQ(platform.stored(rule.key), rule.letters);
        EXPECT_EQ(view(w).txtDestName->text(), "/FilePath/");
    }
}

TEST_F(OptionsPanel, SameFolderToggleRoundTrip) {
    platform.store("Destination", "/srv/thumbs");
    FrmResize& w = load();
    view(w).Label20->show();
    click(view(w).Label20);
    EXPECT_TRUE(view(w).chkFileLocation->isChecked());
    EXPECT_TRUE(view(w).mnuSame->isChecked() && view(w).mnuSamel2->isChecked());
    EXPECT_TRUE(view(w).imgRedOff->isHidden());
    EXPECT_EQ(view(w).txtDestName->text(), "/FilePath/");
    EXPECT_FALSE(view(w).txtDestName->isEnabled());
    EXPECT_EQ(view(w).lblPath->text(), "Same Location As Source Pictures");

    view(w).mnuSamel2->trigger();
    EXPECT_FALSE(view(w).chkFileLocation->isChecked());
    EXPECT_FALSE(view(w).mnuSame->isChecked() || view(w).mnuSamel2->isChecked());
    EXPECT_FALSE(view(w).imgRedOff->isHidden());
    EXPECT_EQ(view(w).txtDestName->text(), "/srv/thumbs");
    EXPECT_EQ(view(w).lblPath->text(), "/srv/thumbs");
    EXPECT_TRUE(view(w).txtDestName->isEnabled());
}

TEST_F(OptionsPanel, SameFolderTakesTheSourceFolderWhenThereIsOne) {
    FrmResize& w = load();
    view(w).List1->addItem("/pics/a.jpg");
    view(w).txtSourcePath->setText("/pics/");
    view(w).varDirectoryPath = "/picked";
    view(w).chkFileLocation->setChecked(true);
    EXPECT_EQ(view(w).txtDestName->text(), "/picked");
    EXPECT_EQ(view(w).lblPath->text(), "/picked");
}

TEST_F(OptionsPanel, DuringARunOnlyThePromptToggleWorks) {
    FrmResize& w = load();
    view(w).chkFileLocation->setEnabled(false);
    view(w).chkLandscape->setEnabled(false);
    w.Image18_Click();
    w.Image6_Click();
    EXPECT_FALSE(view(w).chkFileLocation->isChecked());
    EXPECT_FALSE(view(w).chkLandscape->isChecked());

    view(w).mnuOverwrite->trigger();
    EXPECT_TRUE(view(w).chkOverwrite->isChecked());
    EXPECT_TRUE(view(w).mnuOverwrite->isChecked());
    EXPECT_FALSE(view(w).imgRedLightOff22->isHidden());
    EXPECT_EQ(platform.stored("Overwrite"), "1");
    click(view(w).lblOverwrite);
    EXPECT_FALSE(view(w).chkOverwrite->isChecked());
    EXPECT_FALSE(view(w).mnuOverwrite->isChecked());
    EXPECT_EQ(platform.stored("Overwrite"), "0");
}

TEST_F(OptionsPanel, LandscapeToggleLightsUpAndWaitsForShutdown) {
    FrmResize& w = load();
    view(w).mnuLandscape->trigger();
    EXPECT_TRUE(view(w).chkLandscape->isChecked());
    EXPECT_TRUE(view(w).mnuLandscape->isChecked());
    EXPECT_TRUE(view(w).imgGreenOff22->isHidden());
    EXPECT_FALSE(platform.isStored("Landscape"));
}

}  // namespace
