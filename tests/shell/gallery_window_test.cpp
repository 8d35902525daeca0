// The gallery bars in the main window: Add to gallery through the
// command and its key, into the bar "StandardGallery" chooses, restoring
// by double click, viewing in a "Gallery image" window when double clicks
// view, Delete on a list, and printing the current look with the selected
// entries into a PDF file through the preview.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QMouseEvent>

#include <filesystem>

#include "app/shell/gallery/gallery_commands.h"
#include "app/shell/gallery_bars.h"
#include "app/shell/gallery_image_window.h"
#include "app/shell/main_frame.h"
#include "app/shell/print_preview_dialog.h"
#include "app/shell/sign_dialog.h"
#include "controls/zor_dib_list_ctrl.h"
#include "platform/qt/window_message.h"
#include "tests/shell/startup_fixture.h"

namespace {

class GalleryWindow : public StartupTest {
 protected:
  void Start(const std::string& profile = "") {
    if (!profile.empty()) WriteProfile(profile);
    StartWithSamplePhoto(160, 120);
    ASSERT_TRUE(Frame().Document()->HasPhoto(true));
    bars = Frame().findChild<CGalleryBars*>();
    ASSERT_NE(bars, nullptr);
  }
  CMainFrame& Frame() { return *app.MainFrame(); }
  void Press(UINT id) {
    SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(id, 0));
    QCoreApplication::sendPostedEvents();
  }
  std::string Data() { return app.Settings().GetDataFolder(); }
  CZORDibListCtrl* List(CGalleryBar* bar) { return bars->ListOf(bar); }

  CGalleryBars* bars = nullptr;
};

TEST_F(GalleryWindow, AddGoesToTheStripByDefaultAndToThePanelWhenStandardGalleryIsOff) {
  Start();
  ASSERT_TRUE(Frame().IsCommandEnabled(ID_GALLERY_ADD));
  Press(ID_GALLERY_ADD);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_G, Qt::ControlModifier);
  QApplication::sendEvent(&Frame(), &key);
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(std::filesystem::exists(Data() + "001.kvp"));
  EXPECT_TRUE(std::filesystem::exists(Data() + "002.kvp"));
  EXPECT_EQ(List(bars->Strip())->GetCount(), 2);
  EXPECT_EQ(bars->Panel()->Count(), 2) << "both bars list the one data folder";
  EXPECT_TRUE(Frame().Panel(152)->isVisible());

  app.Settings().standardGallery = false;
  Press(ID_GALLERY_ADD);
  EXPECT_TRUE(std::filesystem::exists(Data() + "1.kvp"));
  EXPECT_EQ(bars->Panel()->Count(), 3);
  EXPECT_EQ(bars->Strip()->Count(), 3) << "the strip lists the panel's new look at once";
  EXPECT_EQ(Frame().CurrentRightPanel(), 154u);
  Press(ID_SHOW_GALLERY);
  EXPECT_EQ(Frame().CurrentRightPanel(), 106u) << "Gallery hides the panel again";
}

TEST_F(GalleryWindow, DoubleClickRestoresOrViewsAsTheSettingSays) {
  Start();
  Press(ID_GALLERY_ADD);
  CZORDibListCtrl* list = List(bars->Strip());
  ASSERT_EQ(list->GetCount(), 1);
  CKelvoraDoc& document = *Frame().Document();
  document.ClearDocument();
  ASSERT_FALSE(document.HasPhoto(true));

  app.Settings().galleryDblClkRestore = false;
  list->SetCurSel(0);
  const QPointF inside(20, 20);
  QMouseEvent click(QEvent::MouseButtonDblClick, inside, list->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(list, &click);
  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(bars->ImageWindows().size(), 1u);
  EXPECT_EQ(bars->ImageWindows()[0]->windowTitle(), "Gallery image");
  EXPECT_FALSE(document.HasPhoto(true)) << "viewing leaves the document alone";

  app.Settings().galleryDblClkRestore = true;
  list->SetCurSel(0);
  QApplication::sendEvent(list, &click);
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(document.HasPhoto(true));
  EXPECT_EQ(bars->ImageWindows().size(), 1u);
}

TEST_F(GalleryWindow, DeleteKeyAsksThenDeletesTheFileWithItsThumbnail) {
  Start();
  Press(ID_GALLERY_ADD);
  Press(ID_GALLERY_ADD);
  CZORDibListCtrl* list = List(bars->Strip());
  list->SetCurSel(0);
  messages.QueueAnswer(IDNO);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(list, &key);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(list->GetCount(), 2) << "No keeps both";
  messages.QueueAnswer(IDYES);
  QApplication::sendEvent(list, &key);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(list->GetCount(), 1);
  EXPECT_FALSE(std::filesystem::exists(Data() + "001.kvp"));
  ASSERT_EQ(bars->Strip()->Count(), 1);
  EXPECT_EQ(bars->Strip()->EntryPath(0), Data() + "002.kvp");
  ASSERT_EQ(bars->Panel()->Count(), 1) << "the panel no longer offers the deleted look";
  EXPECT_EQ(bars->Panel()->EntryPath(0), Data() + "002.kvp");
}

TEST_F(GalleryWindow, PrintShowsTheLookAndTheSelectedEntriesAndSavesAPdf) {
  Start();
  Press(ID_GALLERY_ADD);
  List(bars->Strip())->SetCurSel(0);
  Press(kGalleryListHorzId);  // the click's notification: the strip is in use
  std::vector<int> counts;
  const std::string pdf = root.File("page.pdf");
  Frame().SetDialogRunner([&](QDialog& dialog) {
    auto* preview = dynamic_cast<CPrintPreviewDialog*>(&dialog);
    ASSERT_NE(preview, nullptr);
    counts.push_back(static_cast<int>(preview->Pictures().size()));
    preview->SetPdfPathChooser([&] { return pdf; });
    preview->Command(kPreviewPdfId);
  });
  Press(ID_FILE_PRINT);
  Press(ID_GALLERY_PRINT);
  EXPECT_EQ(counts, (std::vector<int>{2, 1}));
  ASSERT_TRUE(std::filesystem::exists(pdf));
  std::vector<unsigned char> bytes = TemporaryFolder::Read(pdf);
  ASSERT_GT(bytes.size(), 4u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "%PDF");
}

TEST_F(GalleryWindow, SaveAsWritesEachSelectedEntryInTheFormatItsNameAsks) {
  Start();
  Press(ID_GALLERY_ADD);
  Press(ID_GALLERY_ADD);
  CZORDibListCtrl* list = List(bars->Strip());
  list->SetCurSel(0);
  Press(kGalleryListHorzId);
  std::vector<std::string> names = {root.File("look.png"), root.File("look")};
  bars->SetSavePathChooser([&](const std::string&) {
    std::string name = names.front();
    names.erase(names.begin());
    return name;
  });
  Press(ID_GALLERY_SAVE_AS);
  QImage png(QString::fromStdString(root.File("look.png")));
  EXPECT_EQ(png.size(), QSize(160, 120)) << "the entry's rendered picture";
  std::vector<unsigned char> bytes = TemporaryFolder::Read(root.File("look.png"));
  ASSERT_GT(bytes.size(), 4u);
  EXPECT_EQ(bytes[1], 'P');
  // A name without a known extension is saved as JPEG with ".jpg" added.
  list->SetCurSel(1);
  Press(ID_GALLERY_SAVE_AS);
  bytes = TemporaryFolder::Read(root.File("look.jpg"));
  ASSERT_GT(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
}

TEST_F(GalleryWindow, SignDialogOkWritesTheSettingsAndCancelWritesNothing) {
  Start();
  {
    CSignDialog dialog(ProfilePath());
    dialog.TextField()->setText("Salon Lumiere");
    dialog.SizeList()->setCurrentText("14");
    dialog.reject();
  }
  EXPECT_EQ(LoadSignProperties(ProfilePath()).sign, "");
  CSignDialog dialog(ProfilePath());
  dialog.TextField()->setText("Salon Lumiere");
  dialog.SizeList()->setCurrentText("14");
  dialog.BoldButton()->setChecked(true);
  dialog.accept();
  const SignProperties saved = LoadSignProperties(ProfilePath());
  EXPECT_EQ(saved.sign, "Salon Lumiere");
  EXPECT_EQ(saved.size, 14);
  EXPECT_TRUE(saved.bold);
  EXPECT_EQ(saved.fontName, dialog.Model().Properties().fontName);
}

}  // namespace
