// The two gallery bars in the main window: the right-hand panel (template
// 154) and the bottom strip (152), each a CGalleryBar over its skinned
// thumbnail list. This object registers the bars' commands with the frame
// and hears the lists' double clicks, Delete key and context menu.
//
// The bars share their command ids, so a command goes to the bar in use:
// the one the user last pressed in, else the one on show. "Add to gallery"
// always goes to the bar "StandardGallery" chooses (the strip when on) and
// brings it into view.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/gallery/gallery_bar.h"
#include "app/shell/gallery/gallery_list_view.h"

class CMainFrame;
class CSettings;
class CKelvoraDoc;
class CZORDibListCtrl;
class CGalleryImageWindow;

class CGalleryBars : public QObject {
  Q_OBJECT

 public:
  // A child of the frame; fills both bars from the data folder.
  CGalleryBars(CMainFrame& frame, CSettings& settings, CKelvoraDoc& document);
  ~CGalleryBars() override;

  CGalleryBar* Strip() const { return m_strip.get(); }
  CGalleryBar* Panel() const { return m_panel.get(); }
  CGalleryBar* StandardBar() const;
  CGalleryBar* BarInUse() const;
  CZORDibListCtrl* ListOf(const CGalleryBar* bar) const;

  // The pictures of the bar in use's selected entries, rendered.
  std::vector<std::unique_ptr<CDib>> SelectedPictures();

  // Where the bars' "Print" goes (the print preview), given the pictures.
  using PrintPictures = std::function<void(std::vector<std::unique_ptr<CDib>>)>;
  void SetPrintHandler(PrintPictures print) { m_print = std::move(print); }
  // Asks for the file an entry is saved to (suggested name, filters);
  // empty to skip it. Tests answer it themselves.
  using SavePathChooser = std::function<std::string(const std::string& suggestion)>;
  void SetSavePathChooser(SavePathChooser chooser) { m_chooseSavePath = std::move(chooser); }
  // The "Gallery image" windows still open.
  std::vector<CGalleryImageWindow*> ImageWindows() const;

  void Add();
  void Restore();
  void View();
  void Delete();
  void DeleteAll();
  void SaveAs();
  void Print();
  void Scroll(bool forward);
  void ToggleGalleryPanel();
  // Command 1212 on the current kind's list.
  void AutomaticSelection();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RegisterCommands();
  void UseBarOf(const QObject* widget);
  bool IsEnabled(unsigned id) const;
  void ShowBar(const CGalleryBar* bar);
  void AfterDocumentChanged();

  CMainFrame& m_frame;
  CSettings& m_settings;
  CKelvoraDoc& m_document;
  std::unique_ptr<CGalleryListView> m_stripView;
  std::unique_ptr<CGalleryListView> m_panelView;
  std::unique_ptr<CGalleryBar> m_strip;
  std::unique_ptr<CGalleryBar> m_panel;
  CGalleryBar* m_inUse = nullptr;
  PrintPictures m_print;
  SavePathChooser m_chooseSavePath;
  std::vector<QPointer<CGalleryImageWindow>> m_windows;  // Qt deletes them on close
};

CGalleryBars* ConnectGallery(CMainFrame& frame, CSettings& settings, CKelvoraDoc& document);
