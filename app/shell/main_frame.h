// CMainFrame: the program's main window. It has no title bar or toolbars of
// the window system: all of its chrome is the skinned panels of the panel
// table, docked at their sides around the view's place. One right-hand
// panel shows at a time. The skinned title bar's buttons minimise the
// window and ask it to close; closing asks first when confirmations are on.
// Commands that belong to the application object (options, help) are handed
// to the handlers it registers; the document's and view's commands come in
// later and are ignored until then.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <map>
#include <vector>

class QBoxLayout;

#include "app/bases/base_database.h"
#include "app/document/kelvora_doc.h"
#include "app/shell/frame_document_host.h"
#include "app/shell/profiles/filter_profile.h"
#include "app/shell/panels/skin_panel.h"
#include "app/view/view_mode.h"
#include "app/view/contour_view_tools.h"
#include "app/view/view_tools.h"
#include "app/shell/settings/settings.h"
#include "platform/qt/wnd.h"

inline constexpr UINT WM_CLOSE = 0x0010;

inline constexpr UINT ID_APP_EXIT_PROGRAM = 1175;
inline constexpr UINT ID_MINIMIZE_WINDOW = 1176;
inline constexpr UINT ID_LOAD_SAMPLE_PHOTO = 32773;
inline constexpr UINT ID_CHANGE_OPTIONS = 1213;
inline constexpr UINT ID_HELP_FINDER = 57670;
inline constexpr UINT ID_HELP = 57669;
inline constexpr UINT ID_LOAD_FROM_FILE = 57601;
inline constexpr UINT ID_CLEAR_CLIENTS = 57600;
inline constexpr UINT ID_SELECT_PROJECTION = 1011;
inline constexpr UINT ID_NEXT_VIEW = 1228;
inline constexpr UINT ID_PREVIOUS_VIEW = 1229;
inline constexpr UINT ID_SWITCH_TO_BODY = 1152;
inline constexpr UINT ID_SWITCH_TO_FACE = 1153;

class CKelvoraView;

class CMainFrame : public CWnd {
 public:
  // `settings` is the application's record and outlives the frame.
  explicit CMainFrame(const CSettings& settings);
  // A frame with the document: it makes the view in its central place and
  // becomes the document's host. `style` gives the sample photos.
  CMainFrame(const CSettings& settings, CKelvoraDoc& document, HINSTANCE style);
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

  // Runs `handler` for the command instead of ignoring it.
  void SetCommandHandler(UINT id, std::function<void()> handler) { m_handlers[id] = std::move(handler); }
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
  CKelvoraDoc* Document() const { return m_document; }
  // What is armed; the panels' buttons set it.
  CViewMode& ViewMode() { return m_viewMode; }
  // The projection picture of the top bar shows frame `index` of the set.
  void SetProjectionPicture(int index) { m_projectionPicture = index; }
  int ProjectionPicture() const { return m_projectionPicture; }
  // The document's and the view's commands; false when `id` is not one.
  bool OnDocumentCommand(UINT id);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) override;

 protected:
  void OnCommand(UINT id, UINT code, HWND control) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyWindowLimits();
  void CreateView(QBoxLayout& place);
  // Arms photo or make-up mode (one at a time) and syncs the view.
  void SetEditMode(bool photo, bool makeup);
  void SyncViewMode();
  void LoadFromFile();
  // An item kind's button: its panel with the kind's list, or off again.
  void ChooseItemKind(int kind);
  // A hair tool's button: armed, or off again.
  void ChooseHairTool(HairTool tool);
  void RefillItemList();
  void OnItemListClick();
  CBaseDatabase* KindDatabase(int kind);

  const CSettings& m_settings;
  std::vector<CSkinPanel*> m_panels;  // owned by the frame as Qt children
  unsigned m_currentRight = 0;
  std::map<UINT, std::function<void()>> m_handlers;
  std::function<void()> m_saveSettings;
  std::function<void(UINT, QPoint)> m_contextHelp;

  CKelvoraDoc* m_document = nullptr;
  HINSTANCE m_style = nullptr;
  std::unique_ptr<CFrameDocumentHost> m_host;
  std::unique_ptr<CContourViewTools> m_tools;
  CKelvoraView* m_view = nullptr;  // a Qt child of the frame
  CFilterProfile m_filterProfile;
  CViewMode m_viewMode;
  int m_projectionPicture = 0;
  std::array<std::unique_ptr<CBaseDatabase>, kItemKindCount> m_kindBases;  // opened on first use
};
