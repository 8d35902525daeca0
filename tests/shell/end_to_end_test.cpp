// A whole session the way a user works it, on the offscreen platform and
// through posted commands and posted mouse events only: a fresh profile, the
// sample photo, "Hairstyle", the third thumbnail, a drag 40 pixels right,
// undo, redo, the brightness slider and its pause, deleting the layer and
// quitting. After every step the view's composed surface must equal the
// document's own rendering, and only the expected questions may appear.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include "app/bases/item_record.h"
#include "app/document/layer.h"
#include "app/view/kelvora_view.h"
#include "controls/zor_dib_list_ctrl.h"
#include "controls/zor_slider.h"
#include "tests/imagelib/test_images.h"
#include "tests/qt/post_mouse.h"
#include "tests/shell/startup_fixture.h"

namespace {

using ::testing::ElementsAre;

constexpr UINT kItemList = 998;

class EndToEnd : public StartupTest {
 protected:
  void SetUp() override {
    AddText(style, "IDR_FACE_FRONT_FACE", "wndrect", "100, 60, 220, 200");
    AddText(style, "IDR_FACE_FRONT_EYES", "wndrect", "125, 110, 195, 110");
    style.AddResource("IDB_PHOTO_W1", "bmpimage", PatternPhotoBytes(320, 240));
    // The list's cells take their size from this picture.
    style.AddResource("BASELIST_NORMAL", "bmpimage", SolidPictureWithBlackEdge(56, 56, RGB(90, 90, 90)));
    std::filesystem::create_directories(root.File("share/kelvora/Bases"));
    CBaseDatabase base;
    ASSERT_TRUE(base.Create(root.File("share/kelvora/Bases/Hair1.hbd"), "Hairstyles", "3.0", 0));
    // Item i is 40 + 10i pixels wide and half transparent at its edges, so
    // a wrong layer or a wrong blend shows in the pixels.
    for (int i = 0; i < 3; ++i) {
      BaseItemRecord record{};
      SetItemName(record, std::string("Style ") + char('A' + i));
      SetItemPlacement(record, CRect(4, 6, 30, 6));
      CDib colour;
      testimages::MakePatternImage(colour, 40 + 10 * i, 30);
      CDibAlpha image;
      image.Create(&colour, 0);
      unsigned char* plane = image.LockAlpha();
      for (int x = 0; x < image.Width(); ++x) plane[x] = plane[(image.Height() - 1) * image.Width() + x] = 128;
      image.UnlockAlpha();
      CDib thumbnail;
      thumbnail.Create(CSize(48, 48), 0xFFFFFFUL);
      ASSERT_TRUE(base.AddItem(&image, &thumbnail, record, true, false, 85, true));
    }
    ASSERT_TRUE(base.Save());
  }

  CMainFrame& Frame() { return *app.MainFrame(); }
  CKelvoraView& View() { return *Frame().View(); }
  CKelvoraDoc& Document() { return *Frame().Document(); }

  static void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
  void Post(UINT id) {
    ASSERT_TRUE(PostMessage(&Frame(), WM_COMMAND, MAKEWPARAM(id, 0)));
    Settle();
  }
  void Click(QWidget* widget, QPoint at) {
    PostMouse(widget, QEvent::MouseButtonPress, at);
    PostMouse(widget, QEvent::MouseButtonRelease, at);
    Settle();
  }
  // A press, moves in steps of a few pixels, and a release, all posted
  // before the press is handled, as a drag loop meets them.
  void Drag(QWidget* widget, QPoint from, QPoint to) {
    PostMouse(widget, QEvent::MouseButtonPress, from);
    for (int step = 1; step <= 4; ++step) PostMouse(widget, QEvent::MouseMove, from + (to - from) * step / 4);
    PostMouse(widget, QEvent::MouseButtonRelease, to);
    Settle();
  }

  // The view's composed surface against the document's own rendering of the
  // current projection over the same background, over the whole view.
  void ExpectViewShowsTheDocument(const char* step) {
    SCOPED_TRACE(step);
    const CRect client(0, 0, View().width(), View().height());
    std::unique_ptr<CDib> rendered =
        Document().RenderProjection(*Document().GetProjection(-1), &client, &View().BackgroundRaster());
    ASSERT_NE(rendered, nullptr);
    const CRasterDC& surface = *View().ComposedSurface();
    const unsigned char* bits = rendered->LockBits();
    int differences = 0;
    for (int y = 0; y < client.Height(); ++y) {
      const unsigned char* row = bits + static_cast<std::size_t>(rendered->Height() - 1 - y) * rendered->RowLength();
      for (int x = 0; x < client.Width(); ++x, row += 3)
        differences += surface.GetPixel(x, y) != RGB(row[2], row[1], row[0]);
    }
    rendered->UnlockBits();
    EXPECT_EQ(differences, 0);
  }

  QPoint CellOf(CZORDibListCtrl& list, int index) {
    for (int y = 0; y < list.height(); y += 2)
      for (int x = 0; x < list.width(); x += 2)
        if (list.GetItemFromPoint(CPoint(x, y)) == index) return {x + 4, y + 4};
    ADD_FAILURE() << "item " << index << " is not in view";
    return {};
  }

  CLayer* Hairstyle() { return Document().GetProjection(0)->GetSlot(kKindHairstyle); }
};

TEST_F(EndToEnd, ASessionFromStartToQuitKeepsTheViewEqualToTheDocument) {
  ASSERT_TRUE(app.InitInstance(Environment()));
  Frame().resize(1000, 700);
  Frame().show();
  Settle();
  ASSERT_TRUE(Document().HasPhoto(true)) << "the sample photo loads at start";
  ExpectViewShowsTheDocument("start");

  Post(FindItemKind(kKindHairstyle)->command);
  auto* list = dynamic_cast<CZORDibListCtrl*>(GetDlgItem(Frame().Panel(104), kItemList));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->GetCount(), 3);
  Click(list, CellOf(*list, 2));
  ASSERT_NE(Hairstyle(), nullptr);
  EXPECT_EQ(Hairstyle()->GetImage()->Width(), 60) << "the third item";
  EXPECT_EQ(Document().GetCurrentLayer(), Hairstyle());
  ExpectViewShowsTheDocument("picked");

  // At zoom 1 and no scroll the view's pixels are the document's.
  const CDoubleRect before = Hairstyle()->GetBaseRect();
  const CRect box = Hairstyle()->GetBoundingRect();
  const QPoint middle((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  Drag(&View(), middle, middle + QPoint(40, 0));
  EXPECT_EQ(Hairstyle()->GetBaseRect().left, before.left + 40);
  EXPECT_EQ(Hairstyle()->GetBaseRect().top, before.top);
  ExpectViewShowsTheDocument("dragged");

  Post(ID_EDIT_UNDO);
  EXPECT_EQ(Hairstyle()->GetBaseRect(), before);
  ExpectViewShowsTheDocument("undone");
  Post(ID_EDIT_REDO);
  EXPECT_EQ(Hairstyle()->GetBaseRect().left, before.left + 40);
  ExpectViewShowsTheDocument("redone");

  // The brightness slider dragged most of the way up; the layer changes
  // only once the adjustment timer finds the slider has rested.
  auto* brightness = dynamic_cast<CZORSlider*>(GetDlgItem(Frame().Panel(104), ID_SLIDER_BRIGHTNESS));
  ASSERT_NE(brightness, nullptr);
  const int thumb = brightness->Track().ThumbForValue(brightness->GetPos());
  const int target = brightness->Track().ThumbForValue(90);
  const QPoint grip = brightness->IsHorizontal() ? QPoint(thumb, brightness->height() / 2)
                                                 : QPoint(brightness->width() / 2, thumb);
  const QPoint to = brightness->IsHorizontal() ? QPoint(target, grip.y()) : QPoint(grip.x(), target);
  Drag(brightness, grip, to);
  const int chosen = brightness->GetPos();
  EXPECT_GT(chosen, 50);
  EXPECT_EQ(Hairstyle()->GetBrightness(), 50) << "not before the pause";
  QElapsedTimer waited;
  waited.start();
  while (Hairstyle()->GetBrightness() == 50 && waited.elapsed() < 10'000) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  EXPECT_EQ(Hairstyle()->GetBrightness(), chosen);
  ExpectViewShowsTheDocument("brightened");

  messages.QueueAnswer(IDYES);
  Post(ID_DELETE_LAYER);
  EXPECT_EQ(Hairstyle(), nullptr);
  EXPECT_EQ(Document().GetCurrentLayer(), nullptr);
  ExpectViewShowsTheDocument("deleted");

  messages.QueueAnswer(IDYES);
  Post(ID_APP_EXIT_PROGRAM);
  EXPECT_FALSE(Frame().isVisible()) << "the window closed";
  EXPECT_THAT(MessageTexts(), ElementsAre("Are you really want to delete this layer?",
                                          "Are you sure you want to quit program?"));
}

}  // namespace
