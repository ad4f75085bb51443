// SPDX-License-Identifier: MIT
#include "frm_resize_fixture.h"
#include "support/frm_resize_test_view.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

using platform::Icon;
using testing_support::click;
using testing_support::RecordingShell;
using testing_support::ScriptedDialogs;

namespace {

const QString kError353 = QStringLiteral("Error 353");
const QString kOperationError = QStringLiteral("Operation Error 1");
const QString kTargetError = QStringLiteral("Error Opening Target Folder");
const QString kError400 = QStringLiteral("Open Folder Error 400");

class Chooser : public ReturningUserTest {
  protected:
    // The window loaded, with the chooser opened as a user opens it.
    FrmResize& open() {
        FrmResize& w = load();
        click(view(w).cmdBrowse);
        return w;
    }

    // A folder below the home whose full path is exactly `length` characters long.
    QString folderOfLength(int length, QChar fill) const {
        const auto nameLength = length - platform.home().size() - 1;
        if (nameLength < 1) {
            ADD_FAILURE() << "the temporary home is too long for a path of " << length;
            return {};
        }
        return platform.makeFolder(QString(nameLength, fill));
    }

    // Answers the new-folder box with `answer` and clicks the new-folder image.
    void newFolder(FrmResize& w, const QString& answer) {
        platform.dialogs.reply({platform::Answer::Ok, answer, "Create New Folder", 0, {}});
        click(view(w).Image5);
    }

    QStringList foldersShown() const {
        QStringList folders;
        for (const RecordingShell::Call& call : platform.shell.calls) {
            if (call.kind == RecordingShell::Kind::Folder) {
                folders << call.text;
            }
        }
        return folders;
    }

    const ScriptedDialogs::Box* lastBox() const {
        return platform.dialogs.shown.empty() ? nullptr : &platform.dialogs.shown.back();
    }
};

struct Place {
    const char* name;
    QWidget* control;
    int left, top, width, height;  // width and height -1: sized to the caption
};

std::vector<Place> chooserPlaces(FrmResize& w, bool compact) {
    const int drivesTop = compact ? 1000 : 1605;
    const int buttonsTop = compact ? 1500 : 2160;
    return {
        {"frameBrowse", view(w).frameBrowse, 5160, 4710, 5250, 2525},
        {"Label16", view(w).Label16, 120, 285, -1, -1},
        {"Dir1", view(w).Dir1, 120, 480, 4935, compact ? 540 : 990},
        {"Label15", view(w).Label15, 120, drivesTop, -1, -1},
        {"Drive1", view(w).Drive1, 120, compact ? 1200 : 1800, 4935, 315},
        {"Image5", view(w).Image5, 4320, 120, 360, 360},
        {"imgOpenFolder", view(w).imgOpenFolder, 4680, 120, 360, 360},
        {"cmdCancel", view(w).cmdCancel, 3360, buttonsTop, 855, 255},
        {"cmdOk", view(w).cmdOk, 4200, buttonsTop, 855, 255},
    };
}

TEST_F(Chooser, ControlsAtTheirPlacesInTheNormalAndTheCompactLayout) {
    FrmResize& normal = load();
    platform.screen.width = 640;
    platform.screen.height = 480;
    FrmResize& compact = load();
    for (const bool isCompact : {false, true}) {
        FrmResize& w = isCompact ? compact : normal;
        for (const Place& p : chooserPlaces(w, isCompact)) {
            SCOPED_TRACE(std::string(p.name) + (isCompact ? " (compact)" : ""));
            EXPECT_EQ(view(w).twips.left(p.control), p.left);
            EXPECT_EQ(view(w).twips.top(p.control), p.top);
            if (p.width >= 0) {
                EXPECT_EQ(view(w).twips.width(p.control), p.width);
                EXPECT_EQ(view(w).twips.height(p.control), p.height);
            }
        }
        EXPECT_TRUE(view(w).frameBrowse->isHidden());
        EXPECT_TRUE(view(w).cmdClose->isHidden());
    }
    EXPECT_EQ(view(normal).frameBrowse->title(), "Choose Save To Path");
    EXPECT_EQ(view(normal).frameBrowse->toolTip(),
              "Double Click Folder To Select OR Create A New Folder");
    EXPECT_EQ(view(normal).cmdOk->text(), "O&k");
    EXPECT_EQ(view(normal).cmdCancel->text(), "&Close");
    EXPECT_EQ(view(normal).Image5->toolTip(), "Create New Folder");
    EXPECT_EQ(view(normal).imgOpenFolder->toolTip(), "Open Destination Folder");
}

TEST_F(Chooser, BrowseButtonAndMenuOpenItOverTheOptionsPanel) {
    FrmResize& w = load();
    click(view(w).cmdBrowse);
    EXPECT_FALSE(view(w).frameBrowse->isHidden());
    EXPECT_FALSE(view(w).cmdProcess->isEnabled());
    click(view(w).cmdCancel);
    EXPECT_TRUE(view(w).frameBrowse->isHidden());
    EXPECT_TRUE(view(w).cmdProcess->isEnabled());

    view(w).mnuBrowse->trigger();
    EXPECT_FALSE(view(w).frameBrowse->isHidden());
    // It covers the options panel: nothing of the panel shows through it.
    const QRect chooser = view(w).frameBrowse->geometry();
    const QImage over = view(w).form->grab(chooser).toImage();
    view(w).Frame4->hide();
    EXPECT_EQ(view(w).form->grab(chooser).toImage(), over);
}

TEST_F(Chooser, OpeningTurnsTheSameFolderOptionOff) {
    const QString thumbs = platform.makeFolder("Thumbs");
    platform.store("FileLocation", "1");
    platform.store("Destination", thumbs);
    FrmResize& w = open();
    EXPECT_FALSE(view(w).chkFileLocation->isChecked());
    EXPECT_FALSE(view(w).imgRedOff->isHidden());  // the red light: option off
    EXPECT_FALSE(view(w).mnuSame->isChecked());
    EXPECT_EQ(view(w).txtDestName->text(), thumbs);
    EXPECT_EQ(view(w).lblPath->text(), thumbs);
}

TEST_F(Chooser, StartUpFolderChangeIsPassedOverAndEveryLaterOneTakesEffectAtOnce) {
    const QString old = platform.makeFolder("Old");
    platform.store("Destination", old);
    FrmResize& w = open();
    // Start-up pointed the list at Documents without touching the destination.
    EXPECT_EQ(view(w).Dir1->path(), platform.documents());
    EXPECT_EQ(view(w).indDirReady, 1);
    EXPECT_EQ(view(w).txtDestName->text(), old);
    EXPECT_EQ(platform.stored("Destination"), old);
    const QString firstRunPath = platform.stored("Path");  // the first-run marker

    const QString thumbs = platform.makeFolder("Pictures/Thumbs");
    ASSERT_TRUE(view(w).Dir1->setPath(thumbs));
    EXPECT_EQ(view(w).File1->path(), thumbs);
    EXPECT_EQ(view(w).txtDestName->text(), thumbs);
    EXPECT_EQ(view(w).txtDestName->toolTip(), thumbs);
    EXPECT_EQ(view(w).lblPath->text(), thumbs);
    EXPECT_EQ(platform.stored("Destination"), thumbs);  // before OK
    EXPECT_EQ(platform.stored("Path"), firstRunPath);
    EXPECT_TRUE(view(w).strPathHolder.isEmpty());

    // Close keeps what the folder change did; only OK confirms.
    view(w).strPathHolder = QStringLiteral("/earlier");
    view(w).indProcessing = 1;
    view(w).indCmdProcessClick = 1;
    click(view(w).cmdCancel);
    EXPECT_TRUE(view(w).frameBrowse->isHidden());
    EXPECT_TRUE(view(w).cmdProcess->isEnabled());
    EXPECT_EQ(view(w).txtDestName->text(), thumbs);
    EXPECT_TRUE(view(w).txtDestName->isEnabled());
    EXPECT_EQ(platform.stored("Destination"), thumbs);
    EXPECT_EQ(platform.stored("Path"), firstRunPath);
    EXPECT_TRUE(view(w).strPathHolder.isEmpty());
    EXPECT_EQ(view(w).indProcessing, 0);
    EXPECT_EQ(view(w).indCmdProcessClick, 0);
    EXPECT_FALSE(view(w).Image2->isHidden());
}

TEST_F(Chooser, WithoutTheStartUpChangeTheUsersFirstChangeIsPassedOver) {
    platform.folders.documents.clear();  // My Documents cannot be found
    FrmResize& w = open();
    const QString before = view(w).txtDestName->text();
    EXPECT_EQ(view(w).indDirReady, 0);

    ASSERT_TRUE(view(w).Dir1->setPath(platform.pictures()));
    EXPECT_EQ(view(w).indDirReady, 1);
    EXPECT_EQ(view(w).txtDestName->text(), before);
    EXPECT_FALSE(platform.isStored("Destination"));

    ASSERT_TRUE(view(w).Dir1->setPath(platform.home()));
    EXPECT_EQ(platform.stored("Destination"), platform.home());
}

TEST_F(Chooser, OkConfirmsTheFolderAndShortensLongPaths) {
    const struct {
        int length;
        QChar fill;
        bool shortened;
    } cases[] = {{60, 'a', true}, {46, 'b', false}, {47, 'c', true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const QString folder = folderOfLength(c.length, c.fill);
        ASSERT_EQ(folder.size(), c.length);
        FrmResize& w = open();
        ASSERT_TRUE(view(w).Dir1->setPath(folder));
        click(view(w).cmdOk);

        EXPECT_TRUE(view(w).frameBrowse->isHidden());
        EXPECT_TRUE(view(w).cmdProcess->isEnabled());
        EXPECT_EQ(view(w).txtDestName->text(), folder);
        EXPECT_EQ(view(w).txtDestName->toolTip(), folder);
        const QString caption = c.shortened ? folder.left(21) + "..." + folder.right(21) : folder;
        EXPECT_EQ(view(w).lblPath->text(), caption);
        EXPECT_EQ(view(w).lblPath->toolTip(), folder);
        EXPECT_FALSE(view(w).lblPath->isHidden());
        EXPECT_FALSE(view(w).lblSaveTo->isHidden());
        EXPECT_TRUE(view(w).lblDestPath->isHidden());
        EXPECT_EQ(platform.stored("Path"), folder);
        EXPECT_EQ(platform.stored("Destination"), folder);
        EXPECT_EQ(view(w).strPathHolder, folder);
        EXPECT_FALSE(view(w).Image2->isHidden());
    }
}

// Open, the chooser is all of the lower right: the panel it covers cannot be tabbed into and
// its access keys (&Open Folder, &Same Folder) do not clash with the chooser's own.
TEST_F(Chooser, TheCoveredOptionsPanelTakesNoKeysWhileItIsOpen) {
    FrmResize& w = load();
    const std::function<void()> closers[] = {[&] { click(view(w).cmdOk); },
                                             [&] { click(view(w).cmdCancel); }};
    for (const auto& close : closers) {
        click(view(w).cmdBrowse);
        for (QWidget* covered :
             std::initializer_list<QWidget*>{view(w).cmdOpen, view(w).cmdSame, view(w).txtwidth,
                                             view(w).txtLetters, view(w).Image2}) {
            EXPECT_FALSE(covered->isVisible()) << covered->objectName().toStdString();
        }
        EXPECT_TRUE(view(w).Dir1->isVisible());
        EXPECT_EQ(w.focusWidget(), view(w).Dir1);
        close();
        EXPECT_TRUE(view(w).cmdOpen->isVisible());
        EXPECT_TRUE(view(w).txtwidth->isVisible());
        EXPECT_FALSE(view(w).Dir1->isVisible());
    }
}

TEST_F(Chooser, EnterPressesTheFocusedButton) {
    FrmResize& w = open();
    ASSERT_TRUE(view(w).Dir1->setPath(platform.pictures()));
    testing_support::pressKey(view(w).cmdOk, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(view(w).frameBrowse->isHidden());
    EXPECT_EQ(platform.stored("Path"), platform.pictures());

    testing_support::pressKey(view(w).cmdBrowse, Qt::Key_Return, QStringLiteral("\r"));
    ASSERT_FALSE(view(w).frameBrowse->isHidden());
    testing_support::pressKey(view(w).cmdCancel, Qt::Key_Enter, QStringLiteral("\r"));
    EXPECT_TRUE(view(w).frameBrowse->isHidden());
    EXPECT_TRUE(view(w).strPathHolder.isEmpty());
}

TEST_F(Chooser, OkDuringARunKeepsThePathLabelHidden) {
    FrmResize& w = open();
    ASSERT_TRUE(view(w).Dir1->setPath(platform.pictures()));
    view(w).timerProcess.setEnabled(true);
    click(view(w).cmdOk);
    view(w).timerProcess.setEnabled(false);
    EXPECT_TRUE(view(w).lblPath->isHidden());
    EXPECT_TRUE(view(w).lblSaveTo->isHidden());
    EXPECT_EQ(view(w).strPathHolder, platform.pictures());
}

TEST_F(Chooser, OkKeepsTheChosenFolderWhenTheSameFolderOptionWasTurnedOnMeanwhile) {
    const QString old = platform.makeFolder("Old");
    platform.store("Destination", old);
    FrmResize& w = open();
    view(w).mnuSame->trigger();  // the menu still works while the chooser is open
    ASSERT_TRUE(view(w).chkFileLocation->isChecked());
    ASSERT_TRUE(view(w).Dir1->setPath(platform.pictures()));
    click(view(w).cmdOk);
    EXPECT_FALSE(view(w).chkFileLocation->isChecked());
    EXPECT_EQ(view(w).txtDestName->text(), platform.pictures());
    EXPECT_EQ(view(w).strPathHolder, platform.pictures());
    EXPECT_EQ(platform.stored("Path"), platform.pictures());
}

TEST_F(Chooser, DriveChangeGoesToThatDrivesCurrentFolder) {
    const QString stick = platform.makeFolder("media/stick");
    const QString photos = platform.makeFolder("media/stick/photos");
    platform.volumes.volumes = {
        {"/", "System"}, {stick, "STICK"}, {platform.home() + "/media/gone", "GONE"}};
    FrmResize& w = open();
    ASSERT_EQ(view(w).Drive1->count(), 3);

    view(w).Drive1->setCurrentIndex(1);
    EXPECT_EQ(view(w).Dir1->path(), stick);
    EXPECT_EQ(platform.stored("Destination"), stick);
    ASSERT_TRUE(view(w).Dir1->setPath(photos));

    view(w).Drive1->setCurrentIndex(0);
    EXPECT_EQ(view(w).Dir1->path(), platform.documents());
    view(w).Drive1->setCurrentIndex(1);
    EXPECT_EQ(view(w).Dir1->path(), photos);

    // A drive that cannot be read is refused, silently.
    view(w).Drive1->setCurrentIndex(2);
    EXPECT_EQ(view(w).Drive1->currentIndex(), 1);
    EXPECT_EQ(view(w).Dir1->path(), photos);
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(Chooser, NewFolderAsksForAFullPath) {
    FrmResize& w = open();
    const QString before = view(w).txtDestName->text();
    newFolder(w, "temp");
    ASSERT_EQ(platform.dialogs.inputs.size(), 1u);
    EXPECT_EQ(platform.dialogs.inputs[0].title, "Create New Folder");
    EXPECT_EQ(platform.dialogs.inputs[0].text,
              "Enter a new folder name:\n(The drive must be included.)\nie: /tmp/thumbs");
    ASSERT_EQ(platform.dialogs.titles(), QStringList{kError353});
    EXPECT_EQ(lastBox()->text,
              "The drive must be included with the new folder name!\n(ie /tmp/thumbs)");
    EXPECT_EQ(lastBox()->icon, Icon::Exclamation);
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath("temp")));
    EXPECT_FALSE(QFileInfo::exists(view(w).Dir1->path() + "/temp"));
    EXPECT_EQ(view(w).txtDestName->text(), before);

    // Cancel, or nothing typed: nothing happens.
    newFolder(w, "");
    EXPECT_EQ(platform.dialogs.shown.size(), 1u);
    EXPECT_EQ(view(w).Dir1->path(), platform.documents());
}

TEST_F(Chooser, NewFolderIsMadeAndChosen) {
    FrmResize& w = open();
    const QString made = platform.home() + "/Thumbs";
    newFolder(w, made);
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_TRUE(QFileInfo(made).isDir());
    EXPECT_EQ(view(w).Dir1->path(), made);
    EXPECT_EQ(view(w).File1->path(), made);
    EXPECT_EQ(view(w).txtDestName->text(), made);
    EXPECT_EQ(view(w).txtDestName->toolTip(), made);
    EXPECT_EQ(view(w).lblPath->text(), made);
    EXPECT_EQ(platform.stored("Destination"), made);
    EXPECT_TRUE(view(w).Image10->isHidden());
}

TEST_F(Chooser, NewFolderReportsEveryFailingStepAndCarriesOn) {
    FrmResize& w = open();
    // An existing folder: reported once, then chosen as if it had been made.
    const QString existing = platform.pictures();
    newFolder(w, existing + "/");
    EXPECT_EQ(platform.dialogs.titles(), QStringList{kOperationError});
    EXPECT_EQ(lastBox()->text,
              "The folder already exists, write error or disk is full.\n"
              "Use file explorer confirm folders!");
    EXPECT_EQ(lastBox()->icon, Icon::Exclamation);
    EXPECT_EQ(view(w).Dir1->path(), existing);
    EXPECT_EQ(view(w).txtDestName->text(), existing);
    EXPECT_EQ(platform.stored("Destination"), existing);
    platform.verifyAndReset();

    // A folder whose parent is missing: it cannot be made, nor shown; the list stays.
    newFolder(w, platform.home() + "/missing/Thumbs");
    EXPECT_EQ(platform.dialogs.countTitled(kOperationError), 2);
    EXPECT_FALSE(QFileInfo::exists(platform.home() + "/missing"));
    EXPECT_EQ(view(w).Dir1->path(), existing);
    EXPECT_EQ(view(w).txtDestName->text(), existing);
    EXPECT_EQ(platform.stored("Destination"), existing);
}

TEST_F(Chooser, OpenDestinationImageOpensTheStoredFolderEvenWithSameFolderOn) {
    const QString thumbs = platform.makeFolder("Thumbs");
    platform.store("Destination", thumbs);
    platform.store("FileLocation", "1");
    FrmResize& w = load();
    ASSERT_TRUE(view(w).chkFileLocation->isChecked());

    view(w).mnuOpenFolder->trigger();
    ASSERT_EQ(platform.dialogs.titles(), QStringList{kError400});
    EXPECT_EQ(lastBox()->text,
              "Save to original folder option in use. Turn option off or use Windows Explorer "
              "to open the source folder.");
    EXPECT_EQ(lastBox()->icon, Icon::Information);
    click(view(w).cmdOpen);
    EXPECT_EQ(platform.dialogs.countTitled(kError400), 2);
    EXPECT_TRUE(foldersShown().isEmpty());

    click(view(w).imgOpenFolder);
    EXPECT_EQ(foldersShown(), QStringList{thumbs});
    EXPECT_EQ(platform.dialogs.shown.size(), 2u);
    EXPECT_TRUE(view(w).Image20->isHidden());
}

TEST_F(Chooser, OpenDestinationImageWithNothingStoredDoesNothing) {
    FrmResize& w = load();
    click(view(w).imgOpenFolder);
    EXPECT_TRUE(platform.shell.calls.empty());
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(Chooser, OpenDestinationImageReportsAFolderThatCannotBeShown) {
    const QString gone = platform.makeFolder("Gone");
    const QString kept = platform.makeFolder("Kept");
    platform.store("Destination", gone);
    FrmResize& w = load();
    ASSERT_TRUE(QDir(gone).removeRecursively());

    click(view(w).imgOpenFolder);
    ASSERT_EQ(platform.dialogs.titles(), QStringList{kTargetError});
    EXPECT_EQ(lastBox()->text,
              "Error opening the target folder! Use your File Explorer to check that the "
              "folder, " +
                  gone +
                  " still exists. The folder might have been accidentally renamed or deleted!");
    EXPECT_EQ(lastBox()->icon, Icon::Exclamation);

    // The file manager's own refusal is reported the same way.
    platform.store("Destination", kept);
    platform.shell.scriptResults({false});
    click(view(w).imgOpenFolder);
    EXPECT_EQ(foldersShown(), QStringList{kept});
    EXPECT_EQ(platform.dialogs.countTitled(kTargetError), 2);
}

TEST_F(Chooser, OpenFolderShowsTheBoxsFolderAndIgnoresFailures) {
    const QString thumbs = platform.makeFolder("Thumbs");
    FrmResize& w = open();
    ASSERT_TRUE(view(w).Dir1->setPath(thumbs));
    click(view(w).cmdOpen);
    EXPECT_EQ(foldersShown(), QStringList{thumbs});

    platform.shell.scriptResults({false});
    view(w).mnuOpenFolder->trigger();
    EXPECT_EQ(foldersShown().size(), 2);

    ASSERT_TRUE(QDir(thumbs).removeRecursively());
    click(view(w).cmdOpen);
    EXPECT_EQ(foldersShown().size(), 2);
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

}  // namespace
