// CMainFrame: the program's main window. It has no title bar or toolbars of
// the window system: all of its chrome is the skinned panels of the panel
// table, docked at their sides around the view's place. One right-hand
// panel shows at a time. The skinned title bar's buttons minimise the
// window and ask it to close; closing asks first when confirmations are on.
// Its state between commands is a CFrameState; commands of the application
// object (options, help) and of subsystems built apart (gallery, printing,
// camera, area operations, deformation) are run by the handlers registered
// for them, and the latter stay disabled until they are. Files by subject:
// main_frame.cpp (window and panels), main_frame_document.cpp (the view),
// main_frame_items.cpp (item kinds, trying items on, the custom base),
// main_frame_commands.cpp (dispatch), main_frame_controls.cpp
// (buttons, sliders, status text, keys), main_frame_dialogs.cpp (About,
// information sheet, statistics, pop-up menus), main_frame_colours.cpp
// (colour selecter, filters, eyedroppers), main_frame_makeup.cpp (the
// make-up panel).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <map>
#include <optional>
#include <vector>

class QBoxLayout;
class QDialog;

#include "app/bases/base_database.h"
#include "app/document/kelvora_doc.h"
#include "app/shell/frame/command_handlers.h"
#include "app/shell/frame/frame_state.h"
#include "app/shell/frame/session_statistics.h"
#include "app/shell/frame_document_host.h"
#include "app/shell/items/item_try_on.h"
#include "app/editing/hair_tool_params.h"
#include "app/shell/profiles/filter_profile.h"
#include "app/shell/profiles/makeup_panel_model.h"
#include "app/shell/panels/skin_panel.h"
#include "app/view/context_menu.h"
#include "app/view/view_mode.h"
#include "app/view/contour_view_tools.h"
#include "app/view/view_tools.h"
#include "app/shell/settings/settings.h"
#include "platform/qt/wnd.h"

inline constexpr UINT WM_CLOSE = 0x0010;

class CKelvoraView;
class CZORColorSelecter;
class CZORCustomFilter;
class CZORDibListCtrl;
class CZORStatic;

class CMainFrame : public CWnd {
 public:
  // `settings` is the application's record and outlives the frame; the
  // item lists write their category choices and search text back to it.
  explicit CMainFrame(CSettings& settings);
  // A frame with the document: it makes the view in its central place and
  // becomes the document's host. `style` gives the sample photos.
  CMainFrame(CSettings& settings, CKelvoraDoc& document, HINSTANCE style);
  ~CMainFrame() override;

  // Creates the panels in table order from `templates`; on a failure shows
  // the panel's message and returns false.
  bool Create(const PanelTemplateFactory& templates = SetUpPanelTemplate);

  // Shows the right-hand panel made from `templateId` and hides the one
  // shown before. False when there is no such right-hand panel.
  bool ShowRightPanel(unsigned templateId);
  unsigned CurrentRightPanel() const { return m_currentRight; }
  const std::vector<CSkinPanel*>& Panels() const { return m_panels; }
  CSkinPanel* Panel(unsigned templateId) const;

  // Runs `handler` for the command; `enabled`, when given, says when its
  // button and key are live. Commands the table gives to a handler are
  // disabled until one is set.
  void SetCommandHandler(UINT id, std::function<void()> handler, std::function<bool()> enabled = {});
  bool IsCommandEnabled(UINT id);
  // F1 over a control: its id and the cursor position on the screen.
  void SetContextHelpHandler(std::function<void(UINT id, QPoint at)> handler) { m_contextHelp = std::move(handler); }
  // Called from the destructor: the application saves its settings there.
  void SetSaveSettings(std::function<void()> save) { m_saveSettings = std::move(save); }
  // Brings the window to the front, restoring it when minimised.
  void BringForward();

  // The view and the document; null in a frame made without a document.
  CKelvoraView* View() const { return m_view; }
  // The colour-filter profile of "FilterProfile"; the view's adjustment
  // timer takes filters 0..10 from it. Reloading keeps the last profile
  // when the file is missing.
  const CFilterProfile& FilterProfile() const { return m_filterProfile; }
  void ReloadFilterProfile() { m_filterProfile.Load(m_settings.GetFilterProfilePath()); }
  // After the options dialog: the filter buttons and the make-up panel
  // from "FilterProfile" and "MakeupProfile" again.
  void ReloadProfiles();

  // --- colours (main_frame_colours.cpp, main_frame_makeup.cpp) ---
  CZORColorSelecter* ColorSelecter() const;
  CZORCustomFilter* CustomFilter() const;
  COLORREF SelecterColour() const;
  void SetSelecterColour(COLORREF colour);
  // The custom filter control's colour, which filter 11 tints with.
  void SetCustomFilterColour(COLORREF colour);
  // What a hair-tool stroke reads when it starts.
  CHairToolControls HairToolControls() const;
  // The make-up panel's swatches; null without the panel.
  CZORDibListCtrl* SwatchList() const;
  const CMakeupPanelModel* MakeupPanel() const { return m_makeup.get(); }
  CKelvoraDoc* Document() const { return m_document; }
  // What is armed; the panels' buttons set it.
  CViewMode& ViewMode() { return m_state.ViewMode(); }
  CFrameState& State() { return m_state; }
  CSessionStatistics& Statistics() { return m_statistics; }
  // Copies the state to the panels: buttons down and enabled, the undo and
  // redo tooltips, the sliders; shows the state's right-hand panel.
  void SyncControls();
  // The one-frame pictures: the projection picture, the layer-name labels.
  void SyncPictures();
  void SyncPicture(CZORStatic& picture);
  // The host's calls: the sliders follow the layer, or their defaults.
  void SetSlidersFrom(const CLayer& layer);
  void ResetSliders();
  void DisarmTools();
  // The text the title bar shows (the control under the mouse).
  std::string StatusText() const;
  // Where pop-up menus are shown; tests replace it. Returns the chosen
  // command, 0 for none.
  using MenuRunner = std::function<UINT(const std::vector<MenuEntry>&, QPoint)>;
  void SetMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }
  // Opens the About box's addresses (the desktop's handler).
  void SetUrlOpener(std::function<bool(const std::string&)> open) { m_openUrl = std::move(open); }
  // Runs the frame's modal dialogs (About, information sheet); tests look
  // at them instead of waiting.
  void SetDialogRunner(std::function<void(QDialog&)> runner) { m_dialogRunner = std::move(runner); }
  // A modal dialog and a pop-up menu at the cursor, through the runners.
  void RunDialog(QDialog& dialog);
  UINT RunMenu(const std::vector<MenuEntry>& entries);
  // The projection picture of the top bar shows frame `index` of the set.
  void SetProjectionPicture(int index);
  int ProjectionPicture() const { return m_projectionPicture; }
  // The document's and the view's commands; false when `id` is not one.
  bool OnDocumentCommand(UINT id);

  // --- trying items on (main_frame_items.cpp) ---
  // The thumbnail list of the panel shown for the current kind (the custom
  // panel's for custom items); null without a kind.
  CZORDibListCtrl* ItemList() const;
  // The item state; null in a frame made without a document.
  CItemTryOn* TryOn() const { return m_tryOn.get(); }
  // The list of the current kind again, for the projection now current.
  void RefillItemList();
  // The slideshow's timer; tests deliver its ticks themselves.
  static constexpr UINT kSlideshowTimerId = 11;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) override;
  // The window's keys: a key of the accelerator list posts its command.
  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  void OnCommand(UINT id, UINT code, HWND control) override;
  void OnTimer(UINT id) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyWindowLimits();
  void CreateStatusLine();
  void RunCommand(UINT id);
  bool RunFrameCommand(UINT id);
  void OnScroll(WPARAM wParam, LPARAM lParam);
  void SetStatusText(const std::string& text);
  void ChooseTool(UINT id);
  void ShowPhotoMenu();
  void ShowMirrorMenu();
  void ShowAbout();
  void ShowInformationSheet();
  void ShowStatistics();
  // Photo or make-up mode: `edited` is its layer when the mode was entered.
  void EnterMode(CLayer* edited);
 public:
  // 57600: every panel, tool and slider back to the start.
  void ResetPanels();

 private:
  void CreateView(QBoxLayout& place);
  void SyncViewMode();
  void LoadFromFile();
  // An item kind's button: its panel with the kind's list, or off again.
  void ChooseItemKind(int kind);
  // The item panels' commands; false when `id` is not one.
  bool RunItemCommand(UINT id);
  std::optional<bool> IsItemCommandEnabled(UINT id);
  bool IsButtonDown(UINT id) const;
  void OnItemListClick();
  // Delete on an item list: true when the frame took the key.
  bool OnItemListKey(QObject* watched, const QKeyEvent& key);
  void AfterItemApplied(ApplyResult result);
  void ToggleSlideshow();
  void StopSlideshow();
  void ShowSelectMenu();
  void SelectByCategories();
  void SelectByName();
  void SelectByFaceType();
  void AddToCustomBase();
  void RemoveFromCustomBase();
  CBaseDatabase* KindDatabase(int kind);
  // Filters, the custom filter, comb drawing, the swatch list; false when
  // `id` is none of them.
  bool RunColourCommand(UINT id);
  void ShowFilterButtons();
  // The right button on filter button `id`: its group's colours to choose
  // from; the chosen one becomes the button's and is applied.
  void ShowFilterColourMenu(UINT id);
  CLayer* CurrentItemLayer() const;
  void ApplyFilterToCurrentLayer();
  void ConnectColourReceivers();
  void SetUpMakeupPanel();
  void ReloadMakeupPanel();
  void ShowMakeupPanel();
  void ShowSwatches();
  void OnSwatchClick();

  CSettings& m_settings;
  std::vector<CSkinPanel*> m_panels;  // owned by the frame as Qt children
  unsigned m_currentRight = 0;
  CCommandHandlers m_handlers;
  std::function<void()> m_saveSettings;
  std::function<void(UINT, QPoint)> m_contextHelp;

  CKelvoraDoc* m_document = nullptr;
  HINSTANCE m_style = nullptr;
  std::unique_ptr<CFrameDocumentHost> m_host;
  std::unique_ptr<CContourViewTools> m_tools;
  CKelvoraView* m_view = nullptr;  // a Qt child of the frame
  CFilterProfile m_filterProfile;
  std::unique_ptr<CMakeupPanelModel> m_makeup;
  CFrameState m_state;
  CSessionStatistics m_statistics;
  MenuRunner m_menuRunner;
  std::function<bool(const std::string&)> m_openUrl;
  std::function<void(QDialog&)> m_dialogRunner;
  class QLabel* m_statusLine = nullptr;  // a Qt child of the title bar
  bool m_syncing = false;
  int m_projectionPicture = 0;
  std::unique_ptr<CItemTryOn> m_tryOn;
};
