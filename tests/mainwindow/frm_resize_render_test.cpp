// SPDX-License-Identifier: MIT
#include "frm_resize_fixture.h"
#include "support/frm_resize_test_view.h"

#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"

#include <QImage>

namespace {

class Previews : public FrmResizeTest {
  protected:
    void SetUp() override { platform.store("PHT", "1"); }

    QString fixture(int width, int height, const char* name = "source.bmp") {
        const QString path = platform.pictures() + "/" + name;
        EXPECT_TRUE(pattern(width, height).save(path, "BMP"));
        return path;
    }
};

TEST_F(Previews, ListClickDrawsTheSourceAtTheRequestedSize) {
    const QString path = fixture(400, 300);
    FrmResize& w = load();
    view(w).List1->addItem(path);
    view(w).List1->setCurrentRow(0);

    EXPECT_EQ(view(w).Picture2->size(), QSize(112, 132));
    EXPECT_EQ(view(w).Picture2->innerSize(), QSize(110, 130));
    EXPECT_EQ(view(w).Picture2->pos(), QPoint(518 - 56, 155 - 66));
    EXPECT_FALSE(view(w).Picture2->isHidden());
    const QImage expected = engine::sampleThumbnail(engine::loadPicture(path), 112, 132);
    EXPECT_EQ(view(w).Picture2->drawing().convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));

    // The source side: its size in the boxes and captions, its name under it.
    EXPECT_EQ(view(w).txtPixelWidth2->text(), "400");
    EXPECT_EQ(view(w).txtPixelHeight2->text(), "300");
    EXPECT_EQ(view(w).lblWidth->text(), "400");
    EXPECT_EQ(view(w).lblHeight->text(), "300");
    EXPECT_FALSE(view(w).lblX->isHidden());
    EXPECT_EQ(view(w).lblWidth2->text(), "110");
    EXPECT_EQ(view(w).lblHeight2->text(), "130");
    EXPECT_FALSE(view(w).lblWidth2->isHidden());
    EXPECT_FALSE(view(w).imgSourceImage->isHidden());
    EXPECT_TRUE(view(w).lblSourceImage->isHidden());
    EXPECT_EQ(view(w).lblSourceFile->text(),
              path.size() > 50 ? path.left(23) + "... " + path.right(23) : path);
    EXPECT_EQ(w.windowTitle(), "Corvel XP");
}

TEST_F(Previews, ClickOnTheCurrentEntryDrawsAgainAfterASizeChange) {
    const QString path = fixture(40, 30);
    FrmResize& w = load();
    view(w).List1->addItem(path);
    view(w).List1->setCurrentRow(0);
    view(w).txtHeight->setText("60");
    EXPECT_EQ(view(w).Picture2->size(), QSize(112, 62));  // drawn from the holder, not the sample
    const QRect entry = view(w).List1->visualItemRect(view(w).List1->item(0));
    view(w).txtwidth->setText("20");
    testing_support::click(view(w).List1->viewport(), entry.center());
    EXPECT_EQ(view(w).Picture2->size(), QSize(22, 62));
}

TEST_F(Previews, UnreadableEntryKeepsThePreviousPicture) {
    const QString good = fixture(40, 30);
    const QString bad = platform.pictures() + "/broken.jpg";
    testing_support::writeFile(bad, "not a picture");
    FrmResize& w = load();
    view(w).List1->addItems({good, bad});
    view(w).List1->setCurrentRow(0);
    const QImage before = view(w).Picture2->drawing();
    view(w).List1->setCurrentRow(1);
    EXPECT_EQ(view(w).Picture2->drawing(), before);
    EXPECT_EQ(view(w).txtPixelWidth2->text(), "40");
}

TEST_F(Previews, ZeroSizesAreRefusedWidthFirst) {
    FrmResize& w = load();
    w.thumbnail(0, 0, view(w).samplePicture, view(w).Picture2);
    w.thumbnail(12, 0, view(w).samplePicture, view(w).Picture2);
    EXPECT_EQ(platform.dialogs.titles(), QStringList({"Process Error 2008", "Process Error 2009"}));
    EXPECT_TRUE(view(w).Picture2->isHidden());
    EXPECT_EQ(view(w).indFirstRun, 0);
}

TEST_F(Previews, NoListPreviewWhileTheRunStartsOrATickWorks) {
    const QString path = fixture(40, 30);
    FrmResize& w = load();
    view(w).indCmdProcessClick = 1;
    view(w).List1->addItem(path);
    view(w).List1->setCurrentRow(0);
    EXPECT_TRUE(view(w).Picture2->isHidden());
    view(w).indCmdProcessClick = 0;
    view(w).indProcessing = 1;
    view(w).txtwidth->setText("300");
    w.List1_Click();
    EXPECT_TRUE(view(w).Picture2->isHidden());
    EXPECT_EQ(view(w).txtwidth->text(), "280");
}

TEST_F(Previews, SourceCaptionsHideAtZeroByZero) {
    FrmResize& w = load();
    view(w).txtPixelWidth2->setText("5");
    EXPECT_FALSE(view(w).lblWidth->isHidden());
    EXPECT_FALSE(view(w).lblWidth2->isHidden());
    view(w).txtPixelWidth2->setText("0");
    view(w).txtPixelHeight2->setText("0");
    EXPECT_TRUE(view(w).lblWidth->isHidden() && view(w).lblHeight->isHidden() &&
                view(w).lblX->isHidden());
}

TEST_F(Previews, FinishedLabelCentresUnderThePreview) {
    FrmResize& w = load();
    view(w).txtwidth->setText("100");
    w.subCenter();
    EXPECT_NEAR(view(w).lblFinished->x() + view(w).lblFinished->width() / 2.0,
                view(w).Picture2->x() + view(w).Picture2->width() / 2.0, 1.0);
}

}  // namespace
