// CProjection: one view of the client (face front, half, side, rear, or the
// body front) with its photo, the make-up paint over it, the item layers,
// and the frames and key-point lines items are fitted to.
//
// Every item kind has a slot and a stretch frame (the hair stretching tool's
// frame for that slot). Storing a layer deletes the one it replaces.
#pragma once

#include <array>
#include <memory>

#include "app/document/item_kinds.h"
#include "app/document/layer.h"
#include "app/tools/line_tracker.h"
#include "app/tools/quad_tracker.h"

inline constexpr int kProjectionCount = 5;
inline constexpr int kBodyProjection = 4;

// The default placements of one projection (the style's rectangles).
struct ProjectionPlacements {
  CDoubleRect face;
  CRect eyes;      // a line from (left, top) to (right, bottom)
  CRect lips;
  CRect underarm;  // the "BREAST" placement
};

class CProjection {
 public:
  CProjection();
  virtual ~CProjection();
  CProjection(const CProjection&) = delete;
  CProjection& operator=(const CProjection&) = delete;

  // Face frame unturned on the default face rectangle, lines on their
  // default points.
  void ResetFrames(const ProjectionPlacements& placements);

  CQuadTracker& FaceFrame() { return m_faceFrame; }
  CLineTracker& EyesLine() { return m_eyesLine; }
  CLineTracker& LipsLine() { return m_lipsLine; }
  CLineTracker& UnderarmLine() { return m_underarmLine; }
  CQuadTracker& PrintArea() { return m_printArea; }
  // Null outside 0..8.
  CQuadTracker* StretchFrame(int slot);
  const CQuadTracker& FaceFrame() const { return m_faceFrame; }
  const CLineTracker& EyesLine() const { return m_eyesLine; }
  const CLineTracker& LipsLine() const { return m_lipsLine; }
  const CLineTracker& UnderarmLine() const { return m_underarmLine; }
  const CQuadTracker& PrintArea() const { return m_printArea; }
  const CQuadTracker* StretchFrame(int slot) const;

  // Null for an empty slot or one outside 0..8.
  CLayer* GetSlot(int slot) const;
  // Deletes what the slot held; an out-of-range slot deletes `layer`.
  void SetSlot(int slot, std::unique_ptr<CLayer> layer);
  // Hands the slot's layer over without deleting it.
  std::unique_ptr<CLayer> TakeSlot(int slot);
  CLayer* GetPhoto() const { return m_pPhoto.get(); }
  CLayer* GetMakeup() const { return m_pMakeup.get(); }
  void SetPhoto(std::unique_ptr<CLayer> photo) { m_pPhoto = std::move(photo); }
  void SetMakeup(std::unique_ptr<CLayer> makeup) { m_pMakeup = std::move(makeup); }
  bool HasPhoto() const { return m_pPhoto != nullptr; }

  // The slot that holds `layer`, or -1.
  int FindSlotOf(const CLayer* layer) const;

  // Deletes photo, make-up and every slot layer.
  void DeleteLayers();
  // Empties the lists of every frame and line (the layers' own go with them).
  void ClearFrameHistories();

 private:
  CQuadTracker m_faceFrame{true};
  CLineTracker m_eyesLine;
  CLineTracker m_lipsLine;
  CLineTracker m_underarmLine;
  std::array<std::unique_ptr<CQuadTracker>, kSlotCount> m_stretchFrames;
  CQuadTracker m_printArea{true};
  std::array<std::unique_ptr<CLayer>, kSlotCount> m_slots;
  std::unique_ptr<CLayer> m_pPhoto;
  std::unique_ptr<CLayer> m_pMakeup;
};
