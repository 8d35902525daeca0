// CKelvoraDoc: the work on one client. Five projections (face front, half,
// side, rear; body front), each with its photo, make-up and item layers and
// the frames items are fitted to; the mode (face set or body set) with the
// current projection of each set; the current layer the sliders and item
// tools act on; and the deformation contours.
//
// The program has one document for its whole life: "Clear previous clients"
// resets it. Everything that reaches the window goes through the host.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/document/default_placements.h"
#include "app/document/document_host.h"
#include "app/document/layer_composer.h"
#include "app/document/projection.h"
#include "app/tools/deform_contour.h"
#include "app/tools/selection_contour.h"

inline constexpr int kFaceSet = 0;
inline constexpr int kBodySet = 1;

enum class SelectionTool { lasso = 0, wand = 1 };

class CKelvoraDoc {
 public:
  // `style` gives the default placements and contour colours; `host` may be
  // null (then nothing is shown anywhere). Neither is owned.
  explicit CKelvoraDoc(HINSTANCE style = nullptr, CDocumentHost* host = nullptr);
  virtual ~CKelvoraDoc();
  CKelvoraDoc(const CKelvoraDoc&) = delete;
  CKelvoraDoc& operator=(const CKelvoraDoc&) = delete;

  void SetHost(CDocumentHost* host);
  CDocumentHost& Host() const { return *m_host; }
  // Given to every layer the document makes.
  // Kept for the layers made later and handed at once to every frame, line
  // and layer there is.
  void SetFrameCursors(const CFrameCursors& cursors);
  const CFrameCursors& GetFrameCursors() const { return m_cursors; }

  // --- projections ---
  int GetMode() const { return m_nMode; }
  // -1 is the current projection; other values are within the current set
  // (plus 4 in the body set).
  int GetProjectionIndex(int index = -1) const;
  // -1 the current projection; 0 to 4 that record; null otherwise.
  CProjection* GetProjection(int index = -1);
  const CProjection* GetProjection(int index = -1) const;
  // The remembered index within a set (0..3 for the face set, 0 for the body).
  int GetRememberedProjection(int set) const { return m_rememberedProjection[set == kBodySet ? 1 : 0]; }
  // With `current`, whether the current projection has a photo; else whether
  // any has.
  bool HasPhoto(bool current) const;
  // Makes projection `index` (within the current set) current.
  void SelectProjection(int index, bool redraw, bool force);
  // kFaceSet or kBodySet; the remembered projection of that set becomes
  // current.
  void SwitchProjectionSet(int mode);
  // Switches to `mode` and makes `index` (within that set) current, with a
  // redraw: where a restored gallery entry is shown.
  void SelectProjectionInSet(int mode, int index);

  // --- layers ---
  CLayer* GetCurrentLayer() const { return m_pCurrentLayer; }
  void SetCurrentLayer(CLayer* layer) { m_pCurrentLayer = layer; }
  CLayer* GetPhotoLayer() const { return m_pPhotoLayer; }
  CLayer* GetMakeupLayer() const { return m_pMakeupLayer; }
  // The current projection's layers into the document's pointers.
  void RefreshLayerPointers();
  bool GetAutoColour() const { return m_bAutoColour; }
  void SetAutoColour(bool on) { m_bAutoColour = on; }

  // A layer for an item image, fitted to the reference of `kind` in that
  // projection; not stored. Null when the item cannot be placed (no image,
  // anchors with no horizontal distance).
  std::unique_ptr<CLayer> CreateLayer(std::unique_ptr<CDibAlpha> image, int x1, int y1, int x2, int y2, int kind,
                                      int projection = -1);
  // Places an item in the current projection, replacing the kind's layer and
  // keeping its adjustments. Returns the new current layer, or null when the
  // item was refused (nothing changed).
  CLayer* PutItem(std::unique_ptr<CDibAlpha> image, int x1, int y1, int x2, int y2, int kind);
  // "Delete selected layer" in the host's edit mode. The make-up layer is
  // cleared rather than deleted. False when nothing was done.
  bool DeleteCurrentLayer();
  // The make-up layer made fully transparent and reset.
  void ClearMakeupLayer();
  // "Clear previous clients".
  void ClearDocument();

  // --- photos ---
  // Takes the raster in every case. Fails (with the message) unless it is a
  // single-plane 24-bit image.
  bool SetPhoto(std::unique_ptr<CDib> raster, int projection = -1, bool notify = false);
  // "Flatten image": photo, make-up and items baked into a new photo over
  // the print area. False without a photo.
  bool FlattenImage();
  // The frame a W x H photo gets in a client area: shrunk, keeping its
  // proportions, until it fits; never enlarged.
  static CSize FitPhotoSize(CSize photo, CSize client);

  // --- composing ---
  // Recomposes `rect` (document coordinates) of the current projection from
  // the host's background raster into `target`.
  void ComposeToView(CDC* target, CRect rect, bool quiet);
  // ComposeToView into the host's composed surface, quietly, then refreshes
  // the views.
  void UpdateView(const CRect& rect);
  // The whole client area.
  void UpdateWholeView();
  // While `layer` is dragged, ComposeToView draws nothing in full: the
  // layers under it are composed once here, over the whole client area,
  // those over it sampled there, and it sampled in its own box, and all are
  // kept until EndLayerDrag. The document must not change otherwise in
  // between; a change of projection, set or draw order, or of the
  // background's size, goes back to composing everything, and a change of
  // the layer's size or turn, or its box leaving the view, to drawing it.
  void BeginLayerDrag(const CLayer& layer);
  void EndLayerDrag();
  // A new raster of a projection with its layers, over `base` (document
  // (0, 0) at its corner) or white; null without a photo.
  std::unique_ptr<CDib> RenderProjection(const CProjection& projection, const CRect* area = nullptr,
                                         CDib* base = nullptr, bool waitCursor = false);
  std::unique_ptr<CDib> RenderCurrent(const CRect& rect);
  // The photo's colour under the eyes (nose) or between the underarms
  // (breast), as 0x00BBGGRR.
  std::optional<COLORREF> SampleSkinColour(int kind);

  // --- view and contours ---
  void SetViewMapping(int x, int y, double zoom);
  // `useCtrlForDrawing` is the UseCTRLForTracker setting.
  void CreateContours(bool useCtrlForDrawing = true);
  void ClearContours();
  CDeformContour* GetInitialContour() const { return m_pInitialContour.get(); }
  CDeformContour* GetFinalContour() const { return m_pFinalContour.get(); }
  CDeformContour* GetDeformationArea() const { return m_pDeformationArea.get(); }
  // The lasso's and the wand's outlines, made on first use and kept (with
  // their copy buffers) until the document goes.
  CSelectionContour* GetSelectionOutline(SelectionTool tool) const {
    return m_selectionOutlines[static_cast<int>(tool)].get();
  }
  CSelectionContour& MakeSelectionOutline(SelectionTool tool, bool useCtrlForDrawing);
  CContour* GetActiveTool() const { return m_pActiveTool; }
  void SetActiveTool(CContour* contour) { m_pActiveTool = contour; }

  // The cursors every contour shows (the host loads them).
  void SetContourCursors(const CContourCursors& cursors) { m_contourCursors = cursors; }

  const DefaultPlacementTable& GetDefaultPlacements() const { return m_defaultPlacements; }

  // The face shape (a FaceShape of the item records, 0 for none) automatic
  // fitting found in a projection's photo: the select-by-type dialog's
  // suggestion.
  int GetFittedFaceShape(int index) const {
    return index >= 0 && index < kProjectionCount ? m_fittedFaceShapes[index] : 0;
  }
  void SetFittedFaceShape(int index, int shape) {
    if (index >= 0 && index < kProjectionCount) m_fittedFaceShapes[index] = shape;
  }

  // What an item of `kind` is fitted to: the first corner and the top edge
  // of the reference quadrilateral, and its rotation. The custom base reads
  // it to store anchors the fitting puts back in place.
  struct FitReference {
    CDoublePoint corner0;
    CDoublePoint corner1;
    double cosine = 1.0;
    double sine = 0.0;
  };
  static FitReference ReferenceFor(const CProjection& projection, int kind);

 private:
  // The 31 pictures from `before` to `after` over document rectangle `area`.
  void ShowCrossDissolve(CDib& before, CDib& after, const CRect& area);
  // A new layer with the document's cursors.
  std::unique_ptr<CLayer> NewLayer(bool showMidHandles) const;

  // The view mapping in the contours' form, for contours made later.
  void ApplyContourMapping();
  struct ContourMapping {
    int x = 0;
    int y = 0;
    double zoom = 1.0;
  };
  ContourMapping m_contourMapping;
  CContourCursors m_contourCursors;

  CDocumentHost m_defaultHost;
  CDocumentHost* m_host = &m_defaultHost;
  CFrameCursors m_cursors;

  bool m_bAutoColour = true;
  bool m_flattening = false;  // the flattened picture is no new photo to fit a face to
  CContour* m_pActiveTool = nullptr;
  std::unique_ptr<CDeformContour> m_pInitialContour;
  std::unique_ptr<CDeformContour> m_pFinalContour;
  std::unique_ptr<CDeformContour> m_pDeformationArea;
  std::array<std::unique_ptr<CSelectionContour>, 2> m_selectionOutlines;
  int m_nMode = kFaceSet;
  std::array<int, 2> m_rememberedProjection{0, 0};
  CLayer* m_pCurrentLayer = nullptr;
  CLayer* m_pPhotoLayer = nullptr;
  CLayer* m_pMakeupLayer = nullptr;
  std::array<CProjection, kProjectionCount> m_projections;
  DefaultPlacementTable m_defaultPlacements{};
  std::array<ContourColours, 3> m_contourColours{};
  std::array<ContourColours, 2> m_selectionColours{};
  std::unique_ptr<CDib> m_composeScratch;  // reused by ComposeToView
  // The layers under a dragged layer, composed, and those over it, sampled
  // (see BeginLayerDrag).
  struct ComposedUnderDrag {
    const CLayer* dragged = nullptr;
    const CProjection* projection = nullptr;
    std::vector<const CLayer*> under, over;
    std::unique_ptr<CDib> raster;
    std::vector<std::unique_ptr<CLayerSamples>> overSamples;  // null: drawn as usual
    std::unique_ptr<SampledBox> draggedSamples;                // null: drawn as usual
  };
  std::unique_ptr<ComposedUnderDrag> m_composedUnderDrag;
  // How many of `layers` (bottom first) the kept raster holds; none when
  // the kept layers do not serve them.
  std::optional<std::size_t> KeptLayersUnderDrag(const std::vector<const CLayer*>& layers, const CProjection& projection,
                                  CSize backgroundSize) const;
  std::array<int, kProjectionCount> m_fittedFaceShapes{};
};
