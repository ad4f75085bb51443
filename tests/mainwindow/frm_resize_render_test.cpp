// SPDX-License-Identifier: MIT
#include "frm_resize_fixture.h"

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
    w.List1->addItem(path);
    w.List1->setCurrentRow(0);

    EXPECT_EQ(w.Picture2->size(), QSize(112, 132));
    EXPECT_EQ(w.Picture2->innerSize(), QSize(110, 130));
    EXPECT_EQ(w.Picture2->pos(), QPoint(518 - 56, 155 - 66));
    EXPECT_FALSE(w.Picture2->isHidden());
    const QImage expected = engine::sampleThumbnail(engine::loadPicture(path), 112, 132);
    EXPECT_EQ(w.Picture2->drawing().convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));

    // The source side: its size in the boxes and captions, its name under it.
    EXPECT_EQ(w.txtPixelWidth2->text(), "400");
    EXPECT_EQ(w.txtPixelHeight2->text(), "300");
    EXPECT_EQ(w.lblWidth->text(), "400");
    EXPECT_EQ(w.lblHeight->text(), "300");
    EXPECT_FALSE(w.lblX->isHidden());
    EXPECT_EQ(w.lblWidth2->text(), "110");
    EXPECT_EQ(w.lblHeight2->text(), "130");
    EXPECT_FALSE(w.lblWidth2->isHidden());
    EXPECT_FALSE(w.imgSourceImage->isHidden());
    EXPECT_TRUE(w.lblSourceImage->isHidden());
    EXPECT_EQ(w.lblSourceFile->text(),
              path.size() > 50 ? path.left(23) + "... " + path.right(23) : path);
    EXPECT_EQ(w.windowTitle(), "Corvel XP");
}

TEST_F(Previews, ClickOnTheCurrentEntryDrawsAgainAfterASizeChange) {
    const QString path = fixture(40, 30);
    FrmResize& w = load();
    w.List1->addItem(path);
    w.List1->setCurrentRow(0);
    w.txtHeight->setText("60");
    EXPECT_EQ(w.Picture2->size(), QSize(112, 62));  // drawn from the holder, not the sample
    const QRect entry = w.List1->visualItemRect(w.List1->item(0));
    w.txtwidth->setText("20");
    testing_support::click(w.List1->viewport(), entry.center());
    EXPECT_EQ(w.Picture2->size(), QSize(22, 62));
}

TEST_F(Previews, UnreadableEntryKeepsThePreviousPicture) {
    const QString good = fixture(40, 30);
    const QString bad = platform.pictures() + "/broken.jpg";
    testing_support::writeFile(bad, "not a picture");
    FrmResize& w = load();
    w.List1->addItems({good, bad});
    w.List1->setCurrentRow(0);
    const QImage before = w.Picture2->drawing();
    w.List1->setCurrentRow(1);
    EXPECT_EQ(w.Picture2->drawing(), before);
    EXPECT_EQ(w.txtPixelWidth2->text(), "40");
}

TEST_F(Previews, ZeroSizesAreRefusedWidthFirst) {
    FrmResize& w = load();
    w.thumbnail(0, 0, w.samplePicture, w.Picture2);
    w.thumbnail(12, 0, w.samplePicture, w.Picture2);
    EXPECT_EQ(platform.dialogs.titles(), QStringList({"Process Error 2008", "Process Error 2009"}));
    EXPECT_TRUE(w.Picture2->isHidden());
    EXPECT_EQ(w.indFirstRun, 0);
}

TEST_F(Previews, NoListPreviewWhileTheRunStartsOrATickWorks) {
    const QString path = fixture(40, 30);
    FrmResize& w = load();
    w.indCmdProcessClick = 1;
    w.List1->addItem(path);
    w.List1->setCurrentRow(0);
    EXPECT_TRUE(w.Picture2->isHidden());
    w.indCmdProcessClick = 0;
    w.indProcessing = 1;
    w.txtwidth->setText("300");
    w.List1_Click();
    EXPECT_TRUE(w.Picture2->isHidden());
    EXPECT_EQ(w.txtwidth->text(), "280");
}

TEST_F(Previews, SourceCaptionsHideAtZeroByZero) {
    FrmResize& w = load();
    w.txtPixelWidth2->setText("5");
    EXPECT_FALSE(w.lblWidth->isHidden());
    EXPECT_FALSE(w.lblWidth2->isHidden());
    w.txtPixelWidth2->setText("0");
    w.txtPixelHeight2->setText("0");
    EXPECT_TRUE(w.lblWidth->isHidden() && w.lblHeight->isHidden() && w.lblX->isHidden());
}

TEST_F(Previews, FinishedLabelCentresUnderThePreview) {
    FrmResize& w = load();
    w.txtwidth->setText("100");
    w.subCenter();
    EXPECT_NEAR(w.lblFinished->x() + w.lblFinished->width() / 2.0,
                w.Picture2->x() + w.Picture2->width() / 2.0, 1.0);
}

}  // namespace
