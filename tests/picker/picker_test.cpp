// SPDX-License-Identifier: MIT
#include "mainwindow/frm_resize.h"
#include "picker/frm_browse.h"
#include "picker/picker_host.h"
#include "support/frm_resize_test_view.h"
#include "support/qt_printers.h"
#include "support/test_platform.h"
#include "support/widget_input.h"
#include "theme/visual_theme.h"
#include "ui/folder_lists.h"
#include "ui/image.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace {

using testing_support::TestPlatform;
using testing_support::texts;
using testing_support::writeFile;

void savePicture(const QString& path, QColor colour, const char* format) {
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

QPoint middleOf(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

void clickRow(QListWidget* list, int row) {
    testing_support::click(list->viewport(), middleOf(list, row));
}

// The second press of a double click and its release, as the window system delivers them.
void doubleClickRow(QListWidget* list, int row) {
    const QPointF at = middleOf(list, row);
    const QPointF global = list->viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &release);
}

void selectRows(QListWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int row : rows) {
        list->item(row)->setSelected(true);
    }
}

class PickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pics = platform.makeFolder(QStringLiteral("Documents/pics"));
        savePicture(pics + QStringLiteral("/b.bmp"), Qt::red, "BMP");
        savePicture(pics + QStringLiteral("/a.JPG"), Qt::green, "JPG");
        savePicture(pics + QStringLiteral("/d.jpg"), Qt::blue, "JPG");
        writeFile(pics + QStringLiteral("/c.bmp"), "BM not really a bitmap");
        writeFile(pics + QStringLiteral("/notes.txt"), "not a picture");
        writeFile(pics + QStringLiteral("/.hidden.bmp"), "hidden");
        empty = platform.makeFolder(QStringLiteral("Documents/empty"));
        writeFile(empty + QStringLiteral("/readme.txt"), "no pictures here");

        main = std::make_unique<FrmResize>(platform.services());
        view(*main).varMyDocs = platform.documents() + QLatin1Char('/');
        view(*main).varMyPics = platform.pictures() + QLatin1Char('/');
        view(*main).txtDestName->setText(QStringLiteral("/FilePath/"));
        host = &view(*main).picker;
    }
    void TearDown() override { platform.verifyAndReset(); }

    // Opens the picker from the main window's button and lets its first listing finish.
    FrmBrowse& open() {
        main->cmdBrowse2_Click();
        platform.loop.advance(50);
        return *host->window();
    }
    // Opens the picker on `folder`.
    FrmBrowse& openAt(const QString& folder) {
        FrmBrowse& picker = open();
        EXPECT_TRUE(picker.Dir1->setPath(folder));
        platform.loop.advance(50);
        return picker;
    }
    QString in(const QString& name) const { return pics + QLatin1Char('/') + name; }

    TestPlatform platform;
    QString pics;
    QString empty;
    std::unique_ptr<FrmResize> main;
    PickerHost* host = nullptr;
};

// ---- opening and the listing -----------------------------------------------------------------

TEST_F(PickerTest, OpeningShowsThePickerBelowTheDisabledMainWindow) {
    main->move(40, 30);
    main->setWindowTitle(QStringLiteral("Corvel XP  --  Finished!"));
    view(*main).lblFinished->show();
    view(*main).List1->setEnabled(false);

    FrmBrowse& picker = open();
    EXPECT_TRUE(picker.isVisible());
    EXPECT_FALSE(main->isEnabled());
    EXPECT_TRUE(picker.isEnabled());
    EXPECT_EQ(picker.pos(), QPoint(40, 30 + 1200 / 15));
    EXPECT_EQ(picker.focusWidget(), picker.cmdOK);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Browse For Source Files"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvel XP"));
    // Its buttons follow a themed desktop style.
    const bool themed = theme::isThemed(*picker.style());
    EXPECT_EQ(picker.cmdOK->testAttribute(Qt::WA_Hover), themed);
    EXPECT_EQ(view(*main).Label21->text(), QStringLiteral("Selected File List"));
    EXPECT_TRUE(view(*main).List1->isEnabledTo(main.get()));
    EXPECT_TRUE(view(*main).lblFinished->isHidden());

    // It starts in My Documents and lists its pictures.
    EXPECT_EQ(picker.Dir1->path(), platform.documents());
    EXPECT_EQ(picker.lblFiles->text(), QStringLiteral("0 Files"));
}

TEST_F(PickerTest, AFolderChangeListsEveryMatchingFileSortedByName) {
    FrmBrowse& picker = openAt(pics);
    EXPECT_EQ(texts(picker.List2), (QStringList{"a.JPG", "b.bmp", "c.bmp", "d.jpg"}));
    EXPECT_EQ(picker.lblFiles->text(), QStringLiteral("4 Files"));
    EXPECT_TRUE(picker.lstDummy->isHidden());

    // A folder that cannot be opened leaves the list where it was.
    EXPECT_FALSE(picker.Dir1->setPath(pics + QStringLiteral("/gone")));
    EXPECT_EQ(picker.File1->path(), pics);
    EXPECT_EQ(picker.List2->count(), 4);
}

TEST_F(PickerTest, TheListingLetsEventsRunBehindItsOverlay) {
    FrmBrowse& picker = open();
    bool overlayShown = false;
    int listedMeanwhile = -1;
    platform.loop.after(0, [&] {
        overlayShown = picker.lstDummy->isVisible();
        listedMeanwhile = picker.List2->count();
    });
    picker.Dir1->setPath(pics);
    EXPECT_TRUE(overlayShown);
    EXPECT_EQ(listedMeanwhile, 0);
    EXPECT_TRUE(picker.lstDummy->isHidden());
    EXPECT_EQ(picker.List2->count(), 4);
}

TEST_F(PickerTest, AFolderWithoutPicturesOnlyFocusesTheList) {
    FrmBrowse& picker = openAt(empty);
    EXPECT_EQ(picker.lblFiles->text(), QStringLiteral("0 Files"));

    for (QPushButton* add : {picker.cmdAdd, picker.Command2}) {
        picker.cmdOK->setFocus();
        add->click();
        EXPECT_EQ(picker.focusWidget(), picker.List2);
        EXPECT_EQ(picker.List1->count(), 0);
        EXPECT_EQ(view(*main).List1->count(), 0);
        EXPECT_TRUE(picker.lstDummy->isHidden());
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("Browse For Source Files"));
    }
}

TEST_F(PickerTest, AddOrRemoveWithoutASelectionOnlyFocusesTheList) {
    FrmBrowse& picker = openAt(pics);
    picker.List2->clearSelection();
    picker.cmdAdd->click();
    EXPECT_EQ(picker.focusWidget(), picker.List2);
    EXPECT_EQ(view(*main).List1->count(), 0);

    picker.Command2->click();
    picker.List1->clearSelection();
    picker.cmdOK->setFocus();
    picker.cmdRemove->click();
    EXPECT_EQ(picker.focusWidget(), picker.List1);
    EXPECT_EQ(view(*main).List1->count(), 4);
}

// ---- Add, Add All ------------------------------------------------------------------------

TEST_F(PickerTest, AddCopiesTheSelectedFullPathsToBothLists) {
    FrmBrowse& picker = openAt(pics);
    selectRows(picker.List2, {1, 3});
    picker.cmdAdd->click();

    const QStringList added{in("b.bmp"), in("d.jpg")};
    EXPECT_EQ(texts(picker.List1), added);
    EXPECT_EQ(texts(view(*main).List1), added);
    EXPECT_EQ(picker.lblSelected->text(), QStringLiteral("2 Selected"));
    EXPECT_EQ(view(*main).Label21->text(), QStringLiteral("Selected File List -- 2 Selected"));
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Browse Computer   --   Images Selected: 2"));
    EXPECT_TRUE(view(*main).mnuProcess->isEnabled());
    EXPECT_EQ(view(*main).mnuProcess->text(), QStringLiteral("&Start Processing"));
    EXPECT_EQ(view(*main).varDirectoryPath, pics);
    EXPECT_EQ(view(*main).txtDestName->text(), QStringLiteral("/FilePath/"));
    EXPECT_EQ(picker.focusWidget(), picker.cmdOK);
    EXPECT_EQ(picker.indAdding, 0);

    // The same file again: added again, in both lists.
    selectRows(picker.List2, {1});
    picker.cmdAdd->click();
    EXPECT_EQ(texts(view(*main).List1), (QStringList{in("b.bmp"), in("d.jpg"), in("b.bmp")}));
    EXPECT_EQ(texts(picker.List1), texts(view(*main).List1));
}

TEST_F(PickerTest, AddWithTheSameFolderOptionPointsTheDestinationAtTheFolder) {
    view(*main).chkFileLocation->setChecked(true);
    FrmBrowse& picker = openAt(pics);
    selectRows(picker.List2, {0});
    picker.cmdAdd->click();
    EXPECT_EQ(view(*main).txtDestName->text(), pics + QStringLiteral("/FileName"));
    EXPECT_EQ(platform.stored(QStringLiteral("Path")), pics);
}

TEST_F(PickerTest, AddAndAddAllDisableTheWindowWhileTheyWalk) {
    FrmBrowse& picker = openAt(pics);
    struct Seen {
        bool overlay = false;
        QString line;
        bool addEnabled = true;
        bool listEnabled = true;
        bool folderEnabled = true;
        bool closeEnabled = false;
    };
    auto watch = [&](Seen& seen) {
        platform.loop.after(0, [&] {
            seen.overlay = picker.lstDummy->isVisible();
            seen.line =
                picker.lstDummy->count() == 1 ? picker.lstDummy->item(0)->text() : QString();
            seen.addEnabled = picker.cmdAdd->isEnabled();
            seen.listEnabled = picker.List1->isEnabled();
            seen.folderEnabled = picker.Dir1->isEnabled();
            seen.closeEnabled = picker.cmdClose->isEnabled();
        });
    };
    Seen add;
    selectRows(picker.List2, {0, 2});
    watch(add);
    picker.cmdAdd->click();
    Seen addAll;
    watch(addAll);
    picker.Command2->click();

    for (const Seen* seen : {&add, &addAll}) {
        EXPECT_TRUE(seen->overlay);
        EXPECT_EQ(seen->line, QStringLiteral("Please Wait... Adding Images!"));
        EXPECT_FALSE(seen->addEnabled);
        EXPECT_FALSE(seen->listEnabled);
        EXPECT_FALSE(seen->folderEnabled);
    }
    EXPECT_FALSE(add.closeEnabled);
    EXPECT_TRUE(addAll.closeEnabled);
    for (QWidget* w : {static_cast<QWidget*>(picker.cmdAdd), static_cast<QWidget*>(picker.List1),
                       static_cast<QWidget*>(picker.Dir1), static_cast<QWidget*>(picker.cmdClose),
                       static_cast<QWidget*>(picker.cmdOK)}) {
        EXPECT_TRUE(w->isEnabled());
    }
    EXPECT_TRUE(picker.lstDummy->isHidden());
    EXPECT_EQ(view(*main).List1->count(), 6);
    EXPECT_EQ(texts(picker.List1), texts(view(*main).List1));
}

TEST_F(PickerTest, InTheRootFolderAPathHasOneSeparator) {
    FrmBrowse& picker = openAt(QStringLiteral("/"));
    ASSERT_EQ(picker.File1->path(), QStringLiteral("/"));
    // The root holds no pictures of ours: put one name into the Files list as a listing would.
    picker.List2->clear();
    picker.List2->addItem(QStringLiteral("photo.bmp"));
    selectRows(picker.List2, {0});
    picker.cmdAdd->click();
    picker.Command2->click();
    EXPECT_EQ(texts(view(*main).List1), (QStringList{"/photo.bmp", "/photo.bmp"}));
}

// ---- previews ----------------------------------------------------------------------------

TEST_F(PickerTest, AClickPreviewsAfterTenMilliseconds) {
    FrmBrowse& picker = openAt(pics);
    clickRow(picker.List2, 1);
    platform.loop.advance(5);
    EXPECT_EQ(picker.imgPreview->toolTip(), QString());
    platform.loop.advance(10);
    EXPECT_EQ(picker.imgPreview->toolTip(), in("b.bmp"));
    EXPECT_EQ(picker.imgPreview->picture().toImage().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_TRUE(picker.ImgError->isHidden());
}

TEST_F(PickerTest, APictureThatCannotBeLoadedShowsTheErrorPicture) {
    FrmBrowse& picker = openAt(pics);
    clickRow(picker.List2, 2);  // c.bmp
    platform.loop.advance(20);
    EXPECT_FALSE(picker.ImgError->isHidden());
    EXPECT_FALSE(picker.imgPreview->hasPicture());
    EXPECT_EQ(picker.indLoadPic, 0);
    EXPECT_TRUE(platform.dialogs.shown.empty());

    // The next good preview hides it again.
    clickRow(picker.List2, 0);
    platform.loop.advance(20);
    EXPECT_TRUE(picker.ImgError->isHidden());
    EXPECT_EQ(picker.imgPreview->toolTip(), in("a.JPG"));
}

TEST_F(PickerTest, AFailedPreviewDoesNotStopListingOrAdding) {
    FrmBrowse& picker = openAt(pics);
    clickRow(picker.List2, 2);
    platform.loop.advance(20);
    ASSERT_FALSE(picker.ImgError->isHidden());

    selectRows(picker.List2, {0, 1});
    picker.cmdAdd->click();
    EXPECT_EQ(texts(view(*main).List1), (QStringList{in("a.JPG"), in("b.bmp")}));

    clickRow(picker.List2, 2);
    platform.loop.advance(20);
    picker.Command2->click();
    EXPECT_EQ(view(*main).List1->count(), 6);

    clickRow(picker.List2, 2);
    platform.loop.advance(20);
    ASSERT_FALSE(picker.ImgError->isHidden());
    picker.Dir1->setPath(platform.documents());
    picker.Dir1->setPath(pics);
    EXPECT_EQ(picker.List2->count(), 4);
}

TEST_F(PickerTest, ADoubleClickAddsAndShowsNoPreviewForThatClick) {
    FrmBrowse& picker = openAt(pics);
    selectRows(picker.List2, {0});
    picker.cmdAdd->click();
    platform.loop.advance(20);
    ASSERT_EQ(picker.imgPreview->toolTip(), in("a.JPG"));  // Files To Process's first entry

    clickRow(picker.List2, 3);
    platform.loop.after(5, [&] { doubleClickRow(picker.List2, 3); });
    platform.loop.advance(50);
    EXPECT_EQ(texts(view(*main).List1), (QStringList{in("a.JPG"), in("d.jpg")}));
    EXPECT_EQ(picker.imgPreview->toolTip(), in("a.JPG"));
    EXPECT_EQ(picker.indDblClick, 0);
}

TEST_F(PickerTest, AClickOnFilesToProcessPreviewsThatEntry) {
    FrmBrowse& picker = openAt(pics);
    picker.Command2->click();
    platform.loop.advance(20);
    clickRow(picker.List1, 3);
    platform.loop.advance(20);
    EXPECT_EQ(picker.imgPreview->toolTip(), in("d.jpg"));
}

// ---- Remove, Remove All ------------------------------------------------------------------

TEST_F(PickerTest, RemoveDeletesEveryRunOfSelectedEntriesFromBothLists) {
    FrmBrowse& picker = openAt(pics);
    picker.Command2->click();
    picker.Command2->click();
    const QStringList all = texts(view(*main).List1);
    ASSERT_EQ(all.size(), 8);

    bool overlayShown = false;
    platform.loop.after(0, [&] { overlayShown = picker.lstDummy2->isVisible(); });
    selectRows(picker.List1, {0, 1, 3, 5, 6, 7});
    picker.cmdRemove->click();

    EXPECT_TRUE(overlayShown);
    EXPECT_EQ(texts(view(*main).List1), (QStringList{all[2], all[4]}));
    EXPECT_EQ(texts(picker.List1), texts(view(*main).List1));
    EXPECT_EQ(picker.lblSelected->text(), QStringLiteral("2 Selected"));
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Browse Computer   --   Images Selected: 2"));
    EXPECT_TRUE(view(*main).mnuProcess->isEnabled());
    EXPECT_TRUE(picker.lstDummy2->isHidden());
    EXPECT_EQ(picker.indRemoving, 0);
}

TEST_F(PickerTest, RemovingEverythingResetsTheMainWindowsSourceDisplay) {
    FrmBrowse& picker = openAt(pics);
    selectRows(picker.List2, {0, 1});
    picker.cmdAdd->click();
    for (QWidget* w : {static_cast<QWidget*>(view(*main).lblX),
                       static_cast<QWidget*>(view(*main).imgSourceImage),
                       static_cast<QWidget*>(view(*main).lblSourceFile)}) {
        w->show();
    }
    view(*main).lblSourceImage->hide();

    picker.List1->selectAll();
    picker.cmdRemove->click();
    EXPECT_EQ(view(*main).List1->count(), 0);
    EXPECT_FALSE(view(*main).mnuProcess->isEnabled());
    EXPECT_TRUE(view(*main).lblX->isHidden());
    EXPECT_TRUE(view(*main).imgSourceImage->isHidden());
    EXPECT_TRUE(view(*main).lblSourceFile->isHidden());
    EXPECT_FALSE(view(*main).lblSourceImage->isHidden());
    EXPECT_EQ(picker.imgPreview->picture().toImage(), picker.imgPicture->picture().toImage());
    EXPECT_EQ(picker.imgPreview->toolTip(), QString());
}

TEST_F(PickerTest, RemoveAllEmptiesBothLists) {
    FrmBrowse& picker = openAt(pics);
    picker.Command2->click();
    picker.Command1->click();
    EXPECT_EQ(picker.List1->count(), 0);
    EXPECT_EQ(view(*main).List1->count(), 0);
    EXPECT_EQ(picker.lblSelected->text(), QStringLiteral("0 Selected"));
    EXPECT_EQ(view(*main).Label21->text(), QStringLiteral("Selected File List -- 0 Selected"));
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Browse Computer   --   Images Selected: 0"));
    EXPECT_FALSE(view(*main).mnuProcess->isEnabled());
    EXPECT_EQ(picker.imgPreview->toolTip(), QString());
    EXPECT_EQ(picker.focusWidget(), picker.cmdOK);
}

// ---- drops -------------------------------------------------------------------------------

TEST_F(PickerTest, DroppedPictureFilesGoToBothListsInDropOrder) {
    FrmBrowse& picker = openAt(empty);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(in("d.jpg")), QUrl::fromLocalFile(in("notes.txt")),
                  QUrl::fromLocalFile(pics), QUrl::fromLocalFile(in("b.bmp")),
                  QUrl::fromLocalFile(in("missing.gif")), QUrl(QStringLiteral("https://x/y.jpg"))});
    const QPointF at(10, 10);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picker.List1->viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picker.List1->viewport(), &drop);

    EXPECT_EQ(texts(picker.List1), (QStringList{in("d.jpg"), in("b.bmp")}));
    EXPECT_EQ(texts(view(*main).List1), texts(picker.List1));
    EXPECT_EQ(picker.lblSelected->text(), QStringLiteral("2 Selected"));
    EXPECT_TRUE(view(*main).mnuProcess->isEnabled());
}

// ---- Done, Close, unloading --------------------------------------------------------------

TEST_F(PickerTest, DoneStaysDisabledUntilTheNextAddOrRemove) {
    FrmBrowse& picker = openAt(pics);
    const auto done = [&] {
        picker.cmdOK->click();
        EXPECT_FALSE(picker.isVisible());
        EXPECT_TRUE(main->isEnabled());
        main->cmdBrowse2_Click();
        EXPECT_EQ(host->window(), &picker);  // hidden, not unloaded
        return picker.cmdOK->isEnabled();
    };
    picker.Command2->click();
    EXPECT_FALSE(done());
    EXPECT_EQ(picker.Dir1->path(), pics);
    EXPECT_EQ(picker.List1->count(), 4);

    picker.Command1->click();  // Remove All
    EXPECT_FALSE(picker.cmdOK->isEnabled());
    selectRows(picker.List2, {1});
    picker.cmdAdd->click();
    EXPECT_TRUE(picker.cmdOK->isEnabled());
    EXPECT_FALSE(done());
    picker.Command2->click();
    EXPECT_TRUE(picker.cmdOK->isEnabled());
    EXPECT_FALSE(done());
    selectRows(picker.List1, {0});
    picker.cmdRemove->click();
    EXPECT_TRUE(picker.cmdOK->isEnabled());
}

TEST_F(PickerTest, DoneHandsTheListToTheMainWindow) {
    FrmBrowse& picker = openAt(pics);
    view(*main).txtSourceFile->setText(QStringLiteral("x.bmp"));
    view(*main).txtSourcePath->setText(QStringLiteral("/x"));
    view(*main).lblThumbnail->show();
    selectRows(picker.List2, {0, 1, 3});
    picker.cmdAdd->click();
    picker.cmdOK->click();

    EXPECT_EQ(view(*main).Label21->text(), QStringLiteral("Selected Files To Process: 3"));
    EXPECT_EQ(view(*main).txtSourceFile->text(), QString());
    EXPECT_EQ(view(*main).txtSourcePath->text(), QString());
    EXPECT_TRUE(view(*main).lblThumbnail->isHidden());
    EXPECT_FALSE(view(*main).Picture2->isHidden());
    EXPECT_EQ(view(*main).List1->currentRow(), 0);
    EXPECT_EQ(platform.dialogs.countTitled(
                  QStringLiteral("Please Choose Destination Folder To Continue!")),
              1);
}

// The main window's list caption grows with the texts the picker gives it, never cut short.
TEST_F(PickerTest, TheMainListCaptionShowsEveryTextWhole) {
    const auto whole = [this] {
        return view(*main).Label21->width() >= view(*main).Label21->sizeHint().width();
    };
    FrmBrowse& picker = openAt(pics);
    EXPECT_TRUE(whole()) << view(*main).Label21->text().toStdString();
    selectRows(picker.List2, {0, 1});
    picker.cmdAdd->click();
    EXPECT_TRUE(whole()) << view(*main).Label21->text().toStdString();
    picker.cmdOK->click();
    EXPECT_TRUE(whole()) << view(*main).Label21->text().toStdString();
}

TEST_F(PickerTest, DoneWithNothingChosenSaysSoInTheMainWindowsCaption) {
    FrmBrowse& picker = openAt(pics);
    view(*main).txtDestName->setText(QStringLiteral("/home/me/thumbs"));
    picker.cmdOK->click();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvel XP    --    Images To Processed: 0"));
    EXPECT_EQ(view(*main).Label21->text(), QStringLiteral("Selected Files To Process: 0"));
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(PickerTest, TheDestinationMessageNeedsThePlaceholderAndSameFolderOff) {
    const struct {
        const char* destination;
        bool sameFolder;
        int messages;
    } cases[] = {
        {"/FilePath/", false, 1},
        {"/FilePath/", true, 0},
        {"/FilePath/FileName", false, 0},
        {"/home/me/thumbs", false, 0},
    };
    FrmBrowse& picker = openAt(pics);
    for (const auto& c : cases) {
        view(*main).chkFileLocation->setChecked(c.sameFolder);
        view(*main).txtDestName->setText(QLatin1String(c.destination));
        main->cmdBrowse2_Click();
        picker.cmdOK->click();
        EXPECT_EQ(static_cast<int>(platform.dialogs.shown.size()), c.messages) << c.destination;
        if (c.messages == 1) {
            const auto& box = platform.dialogs.shown.front();
            EXPECT_EQ(box.text,
                      QStringLiteral(
                          "Source pictures have been selected now please choose a path to save "
                          "your thumbnail pictures or click the -Save In Same Location- option!"));
            EXPECT_EQ(box.icon, platform::Icon::Exclamation);
        }
        platform.verifyAndReset();
    }
}

TEST_F(PickerTest, CloseHidesThePickerAndKeepsWhatWasAdded) {
    FrmBrowse& picker = openAt(pics);
    selectRows(picker.List2, {0});
    picker.cmdAdd->click();
    picker.cmdClose->click();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(view(*main).List1->count(), 1);
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

// After an Add the focus is on Done, and Enter presses it, as on any focused button.
TEST_F(PickerTest, EnterPressesTheFocusedButton) {
    FrmBrowse& picker = openAt(pics);
    selectRows(picker.List2, {0});
    testing_support::pressKey(picker.cmdAdd, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(texts(view(*main).List1), QStringList{in("a.JPG")});
    ASSERT_EQ(picker.focusWidget(), picker.cmdOK);
    testing_support::pressKey(picker.cmdOK, Qt::Key_Enter, QStringLiteral("\r"));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(PickerTest, ClosingFromTheTitleBarUnloadsAndTheNextOpeningStartsParallel) {
    FrmBrowse& first = openAt(pics);
    first.Command2->click();
    first.cmdOK->click();
    main->cmdBrowse2_Click();
    first.close();
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(host->window(), nullptr);
    EXPECT_EQ(view(*main).List1->count(), 4);

    FrmBrowse& second = open();
    EXPECT_NE(&second, &first);
    EXPECT_EQ(texts(second.List1), texts(view(*main).List1));
    EXPECT_EQ(second.lblSelected->text(), QStringLiteral("4 Selected"));
    EXPECT_TRUE(second.cmdOK->isEnabled());
    EXPECT_EQ(second.Dir1->path(), platform.documents());

    // Removing still keeps the lists parallel.
    second.List1->selectAll();
    second.List1->item(1)->setSelected(false);
    second.cmdRemove->click();
    EXPECT_EQ(texts(view(*main).List1), QStringList{in("b.bmp")});
}

TEST_F(PickerTest, UnloadingWithAnEmptyListResetsTheMainWindowsDisplay) {
    FrmBrowse& picker = open();
    view(*main).Picture2->show();
    view(*main).lblThumbnail->hide();
    view(*main).lblFinished->show();
    picker.close();
    EXPECT_EQ(view(*main).Label21->text(), QStringLiteral("Selected File List"));
    EXPECT_TRUE(view(*main).Picture2->isHidden());
    EXPECT_FALSE(view(*main).lblThumbnail->isHidden());
    EXPECT_TRUE(view(*main).lblFinished->isHidden());
    EXPECT_FALSE(view(*main).lblSourceImage->isHidden());
}

// ---- image buttons and drives ------------------------------------------------------------

TEST_F(PickerTest, ImageButtonsShowTheirPressedTwinThenAct) {
    FrmBrowse& picker = openAt(pics);
    bool pressed = false;
    platform.loop.after(100, [&] { pressed = picker.Image19->twin()->isVisible(); });
    const quint32 before = platform.loop.tickCount();
    picker.Image19_Click();
    EXPECT_TRUE(pressed);
    EXPECT_GE(platform.loop.tickCount() - before, 300u);
    EXPECT_TRUE(picker.Image19->twin()->isHidden());

    picker.Image18_Click();
    ASSERT_EQ(platform.shell.calls.size(), 2u);
    EXPECT_EQ(platform.shell.calls[0].text, pics);
    EXPECT_EQ(platform.shell.calls[1].text, platform.pictures() + QLatin1Char('/'));
    EXPECT_EQ(picker.Dir1->path(), pics);
}

TEST_F(PickerTest, AnUnreadableDriveFallsBackToTheFolderListsDrive) {
    const QString data = platform.makeFolder(QStringLiteral("mnt/data"));
    savePicture(data + QStringLiteral("/e.bmp"), Qt::white, "BMP");
    platform.volumes.volumes = {{QStringLiteral("/"), QStringLiteral("System")},
                                {data, QStringLiteral("Data")},
                                {platform.home() + QStringLiteral("/mnt/gone"), QString()}};
    FrmBrowse& picker = openAt(pics);

    picker.Drive1->setCurrentIndex(1);
    platform.loop.advance(20);
    EXPECT_EQ(picker.Dir1->path(), data);
    EXPECT_EQ(texts(picker.List2), QStringList{"e.bmp"});

    picker.Drive1->setCurrentIndex(2);
    EXPECT_EQ(picker.Drive1->drive(), data);
    EXPECT_EQ(picker.Dir1->path(), data);

    // Back on the first drive, the folder list returns to where it was there.
    picker.Drive1->setCurrentIndex(0);
    platform.loop.advance(20);
    EXPECT_EQ(picker.Dir1->path(), pics);
}

// ---- ways in from the main window --------------------------------------------------------

TEST_F(PickerTest, TheToolbarImageRestoresTheSourcePanelFirst) {
    view(*main).twips.setHeight(view(*main).List1, 840);
    view(*main).frameani->show();
    view(*main).Label14->show();
    view(*main).txtSourcePath->show();
    view(*main).cmdBrowse2->hide();

    view(*main).mnuAdd->trigger();
    EXPECT_EQ(view(*main).twips.height(view(*main).List1), 1620);
    EXPECT_TRUE(view(*main).frameani->isHidden());
    EXPECT_TRUE(view(*main).Label14->isHidden());
    EXPECT_TRUE(view(*main).txtSourcePath->isHidden());
    EXPECT_FALSE(view(*main).cmdBrowse2->isHidden());
    ASSERT_NE(host->window(), nullptr);
    EXPECT_TRUE(host->window()->isVisible());
    EXPECT_GE(platform.loop.tickCount(), 300u);
}

// ---- the picker during a run ---------------------------------------------------------------

TEST_F(PickerTest, NoWayIntoThePickerDuringARunAndAnEmptiedQueueFinishes) {
    FrmBrowse& picker = openAt(pics);
    picker.Command2->click();  // Add All: four pictures, one of them no picture at all
    picker.cmdOK->click();
    const QString thumbs = platform.makeFolder(QStringLiteral("thumbs"));
    view(*main).txtDestName->setText(thumbs);
    main->show();
    main->Image2_Click();
    ASSERT_TRUE(view(*main).run.isActive());
    platform.loop.advance(1000);  // the first picture is done

    QApplication::setActiveWindow(main.get());
    view(*main).mnuAdd->trigger();
    testing_support::click(view(*main).Image19);
    main->cmdBrowse2_Click();
    testing_support::pressAccessKey(main.get(), 's');
    view(*main).mnuFile->popup({0, 0});
    testing_support::pressKey(view(*main).mnuFile, Qt::Key_P, QStringLiteral("p"));
    view(*main).mnuFile->close();
    platform.loop.advance(50);

    EXPECT_FALSE(view(*main).mnuAdd->isEnabled());
    EXPECT_TRUE(picker.isHidden());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(view(*main).List1->isEnabled());
    EXPECT_FALSE(view(*main).txtDestName->isEnabled());
    EXPECT_EQ(view(*main).mnuProcess->text(), QStringLiteral("&Cancel Processing"));
    EXPECT_EQ(view(*main).List1->count(), 4);

    // Should the queue still be emptied under the run, the next tick reports and ends it.
    view(*main).List1->clear();
    picker.List1->clear();
    platform.loop.advance(2000);
    EXPECT_FALSE(view(*main).run.isActive());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvel XP  --  Finished!  Images Processed: 1"));
    EXPECT_EQ(view(*main).lblFinished->text(), QStringLiteral("Finished Processing"));
    EXPECT_EQ(QDir(thumbs).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(view(*main).mnuAdd->isEnabled());

    // After the run the picker opens again.
    view(*main).mnuAdd->trigger();
    EXPECT_TRUE(picker.isVisible());
}

}  // namespace
