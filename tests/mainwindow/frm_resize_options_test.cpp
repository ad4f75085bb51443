// SPDX-License-Identifier: MIT
#include "frm_resize_fixture.h"

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
        {w.txtwidth, "300", "280"},  {w.txtHeight, "250", "240"}, {w.txtwidth, "250", "250"},
        {w.txtHeight, "1a2.", "12"}, {w.txtwidth, "9\b7", "7"},   {w.txtHeight, "4567", "240"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        retype(c.box, c.typed);
        EXPECT_EQ(c.box->text(), c.shown);
    }
    // The height box ends at 240 too: its limit is 240 whatever the tooltip says.
    EXPECT_EQ(w.txtHeight->text(), "240");
    EXPECT_EQ(w.txtHeight->toolTip(), "Max Height 280 Pixels");
}

TEST_F(OptionsPanel, SizeChangeDrawsThePreviewAndShowsTheCaption) {
    FrmResize& w = load();
    retype(w.txtwidth, "50");
    EXPECT_FALSE(w.Picture2->isHidden());
    EXPECT_TRUE(w.lblThumbnail->isHidden());
    // The sample picture at the new size, inside a one-pixel frame.
    EXPECT_EQ(w.Picture2->size(), QSize(52, 132));
    EXPECT_EQ(w.Picture2->pos(), QPoint(518 - 26, 155 - 66));
    EXPECT_EQ(w.lblWidth2->text(), "50");
    EXPECT_EQ(w.lblHeight2->text(), "130");
    EXPECT_FALSE(w.lblWidth2->isHidden());
    EXPECT_FALSE(w.lblxx->isHidden());
    EXPECT_EQ(w.indFirstRun, 1);
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
        {w.txtHeight, w.btnUp2, "240", "240", 0},  // the clamp holds it, silently
        {w.txtHeight, w.btnUp2, "100", "101", 0}, {w.txtwidth, w.btnUp, "280", "280", 1},
        {w.txtwidth, w.btnUp, "279", "280", 0},   {w.txtwidth, w.btnDown, "1", "1", 1},
        {w.txtwidth, w.btnDown, "2", "1", 0},     {w.txtHeight, w.btnDown2, "130", "129", 0},
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
    platform.loop.after(150, [&] { pressedMeanwhile = !w.btnUp_Pressed->isHidden(); });
    const quint32 before = platform.loop.tickCount();
    w.btnUp_Click();
    EXPECT_TRUE(pressedMeanwhile);
    EXPECT_TRUE(w.btnUp_Pressed->isHidden());
    EXPECT_GE(platform.loop.tickCount() - before, 300u);
    EXPECT_EQ(w.txtwidth->text(), "111");
}

TEST_F(OptionsPanel, QualityChecksTheTextBeforeEachKey) {
    FrmResize& w = load();
    w.txtQuality->clear();
    typeKeys(w.txtQuality, "101");
    EXPECT_EQ(w.txtQuality->text(), "101");
    typeKeys(w.txtQuality, "x");
    EXPECT_EQ(w.txtQuality->text(), "100");
    typeKeys(w.txtQuality, "\b\b\b");
    EXPECT_EQ(w.txtQuality->text(), "");
    typeKeys(w.txtQuality, "7a5");
    EXPECT_EQ(w.txtQuality->text(), "75");
}

TEST_F(OptionsPanel, TypeChoiceKeepsButtonsMenusAndExtensionInStep) {
    FrmResize& w = load();
    for (int i = 0; i < 3; ++i) {
        w.mnubmp->trigger();
    }
    EXPECT_EQ(w.twips.width(w.txtExtention), 470);
    EXPECT_EQ(w.txtExtention->text(), ".bmp");
    EXPECT_TRUE(w.optBMP->isChecked());
    EXPECT_FALSE(w.optJPG->isChecked() || w.optGIF->isChecked());
    EXPECT_TRUE(w.mnubmp->isChecked());
    EXPECT_FALSE(w.mnujpg->isChecked() || w.mnugif->isChecked());
    EXPECT_FALSE(w.txtQuality->isEnabled());

    click(w.optGIF);
    EXPECT_EQ(w.twips.width(w.txtExtention), 370);
    EXPECT_EQ(w.txtExtention->text(), ".gif");
    EXPECT_FALSE(w.optBMP->isChecked());
    EXPECT_TRUE(w.mnugif->isChecked() && !w.mnubmp->isChecked());
    click(w.optGIF);  // a selected type stays selected
    EXPECT_TRUE(w.optGIF->isChecked());

    w.mnujpg->trigger();
    EXPECT_EQ(w.twips.width(w.txtExtention), 370);
    EXPECT_TRUE(w.txtQuality->isEnabled());
    EXPECT_TRUE(w.frameQuality->isEnabled());
}

TEST_F(OptionsPanel, CheckingSuffixUnchecksPrefixAndLoadsItsLetters) {
    FrmResize& w = load();
    click(w.chkSufix);
    EXPECT_TRUE(w.chkSufix->isChecked());
    EXPECT_FALSE(w.chkPrefix->isChecked());
    EXPECT_TRUE(w.mnuSuffix->isChecked());
    EXPECT_FALSE(w.mnuPrefix->isChecked());
    EXPECT_EQ(w.txtLetters->text(), "_th");
    EXPECT_EQ(w.txtIncrementer->text(), "_th");
    EXPECT_EQ(w.twips.width(w.txtIncrementer), 455);
    EXPECT_EQ(w.twips.left(w.txtIncrementer), 2520);
    EXPECT_EQ(w.twips.left(w.txtFilename), 1560);
}

TEST_F(OptionsPanel, PrefixMenuOnACheckedPrefixLeavesNoRule) {
    FrmResize& w = load();
    ASSERT_TRUE(w.chkPrefix->isChecked());
    w.mnuPrefix->trigger();
    EXPECT_FALSE(w.chkPrefix->isChecked() || w.chkSufix->isChecked() || w.chkNumber->isChecked());
    EXPECT_FALSE(w.mnuPrefix->isChecked());
    EXPECT_FALSE(w.txtLetters->isEnabled());
    EXPECT_TRUE(w.txtIncrementer->isHidden());
    const int destRight = w.twips.left(w.txtDestName) + w.twips.width(w.txtDestName);
    EXPECT_EQ(w.twips.left(w.txtFilename), destRight + 10);
    EXPECT_EQ(w.twips.left(w.txtFilename) + w.twips.width(w.txtFilename),
              w.twips.left(w.txtExtention) - 10);

    w.mnuNumber->trigger();
    EXPECT_TRUE(w.chkNumber->isChecked());
    EXPECT_TRUE(w.mnuNumber->isChecked());
    EXPECT_EQ(w.txtLetters->text(), "1");
    EXPECT_TRUE(w.txtLetters->isEnabled());
}

TEST_F(OptionsPanel, TypedLettersAreStoredForTheActiveRuleAsTheyCome) {
    FrmResize& w = load();
    w.txtLetters->clear();
    typeKeys(w.txtLetters, "a");
    EXPECT_EQ(platform.stored("Prefix"), "a");
    typeKeys(w.txtLetters, "b");
    EXPECT_EQ(platform.stored("Prefix"), "ab");
    EXPECT_EQ(w.txtIncrementer->text(), "ab");
    typeKeys(w.txtLetters, "cd");  // three at most
    EXPECT_EQ(w.txtLetters->text(), "abc");
    EXPECT_FALSE(platform.isStored("Suffix"));
}

TEST_F(OptionsPanel, SameFolderResetsTheRulesLetters) {
    platform.store("Prefix", "pp");
    platform.store("Suffix", "ss");
    platform.store("Numbers", "42");
    FrmResize& w = load();
    w.Image18_Click();
    ASSERT_TRUE(w.chkFileLocation->isChecked());
    const struct {
        QCheckBox* box;
        const char* key;
        const char* letters;
    } rules[] = {{w.chkSufix, "Suffix", "_th"},
                 {w.chkNumber, "Numbers", "1"},
                 {w.chkPrefix, "Prefix", "th_"}};
    for (const auto& rule : rules) {
        SCOPED_TRACE(rule.key);
        click(rule.box);
        EXPECT_EQ(w.txtLetters->text(), rule.letters);
        EXPECT_EQ(w.txtIncrementer->text(), rule.letters);
        EXPECT_EQ(platform.stored(rule.key), rule.letters);
        EXPECT_EQ(w.txtDestName->text(), "/FilePath/");
    }
}

TEST_F(OptionsPanel, SameFolderToggleRoundTrip) {
    platform.store("Destination", "/srv/thumbs");
    FrmResize& w = load();
    w.Label20->show();
    click(w.Label20);
    EXPECT_TRUE(w.chkFileLocation->isChecked());
    EXPECT_TRUE(w.mnuSame->isChecked() && w.mnuSamel2->isChecked());
    EXPECT_TRUE(w.imgRedOff->isHidden());
    EXPECT_EQ(w.txtDestName->text(), "/FilePath/");
    EXPECT_FALSE(w.txtDestName->isEnabled());
    EXPECT_EQ(w.lblPath->text(), "Same Location As Source Pictures");

    w.mnuSamel2->trigger();
    EXPECT_FALSE(w.chkFileLocation->isChecked());
    EXPECT_FALSE(w.mnuSame->isChecked() || w.mnuSamel2->isChecked());
    EXPECT_FALSE(w.imgRedOff->isHidden());
    EXPECT_EQ(w.txtDestName->text(), "/srv/thumbs");
    EXPECT_EQ(w.lblPath->text(), "/srv/thumbs");
    EXPECT_TRUE(w.txtDestName->isEnabled());
}

TEST_F(OptionsPanel, SameFolderTakesTheSourceFolderWhenThereIsOne) {
    FrmResize& w = load();
    w.List1->addItem("/pics/a.jpg");
    w.txtSourcePath->setText("/pics/");
    w.varDirectoryPath = "/picked";
    w.chkFileLocation->setChecked(true);
    EXPECT_EQ(w.txtDestName->text(), "/picked");
    EXPECT_EQ(w.lblPath->text(), "/picked");
}

TEST_F(OptionsPanel, DuringARunOnlyThePromptToggleWorks) {
    FrmResize& w = load();
    w.chkFileLocation->setEnabled(false);
    w.chkLandscape->setEnabled(false);
    w.Image18_Click();
    w.Image6_Click();
    EXPECT_FALSE(w.chkFileLocation->isChecked());
    EXPECT_FALSE(w.chkLandscape->isChecked());

    w.mnuOverwrite->trigger();
    EXPECT_TRUE(w.chkOverwrite->isChecked());
    EXPECT_TRUE(w.mnuOverwrite->isChecked());
    EXPECT_FALSE(w.imgRedLightOff22->isHidden());
    EXPECT_EQ(platform.stored("Overwrite"), "1");
    click(w.lblOverwrite);
    EXPECT_FALSE(w.chkOverwrite->isChecked());
    EXPECT_FALSE(w.mnuOverwrite->isChecked());
    EXPECT_EQ(platform.stored("Overwrite"), "0");
}

TEST_F(OptionsPanel, LandscapeToggleLightsUpAndWaitsForShutdown) {
    FrmResize& w = load();
    w.mnuLandscape->trigger();
    EXPECT_TRUE(w.chkLandscape->isChecked());
    EXPECT_TRUE(w.mnuLandscape->isChecked());
    EXPECT_TRUE(w.imgGreenOff22->isHidden());
    EXPECT_FALSE(platform.isStored("Landscape"));
}

}  // namespace
