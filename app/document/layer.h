// CLayer: one picture over the photo (the photo itself, the make-up paint or
// an item), drawn scaled and turned into its frame. It owns its image and
// holds the user's colour adjustments, which it bakes into the image's colour
// table and opacity at once, so composing needs nothing but the image.
//
// Undo: the frame drags record geometry with PushGeometryUndo; PushUndo on a
// layer records pixels. A pixel tool calls BeginEdit when it starts (a full
// backup), AddEditRect for everything it touches, and PushUndo when it ends:
// only the touched rectangle of the backup is kept as the step.
#pragma once

#include <memory>
#include <string>

#include "app/tools/quad_tracker.h"
#include "imagelib/dib_alpha.h"

// Neutral slider positions and the adjustment ranges (percent).
inline constexpr int kNeutralAdjustment = 50;
inline constexpr int kNoFilter = -1;
inline constexpr int kCustomFilterNumber = 11;

class CLayer : public CQuadTracker {
 public:
  explicit CLayer(bool showMidHandles);
  ~CLayer() override;

  // Takes the image, computes its middle values and sets the frame.
  void AttachImage(std::unique_ptr<CDibAlpha> image);
  void AttachImage(std::unique_ptr<CDibAlpha> image, const CDoubleRect& frame);
  CDibAlpha* GetImage() const { return m_pImage.get(); }
  // Recomputes the middle values from the image as it is now (after its
  // transparency plane was replaced, say).
  void RecalcMiddleValues();

  // --- adjustments; each stores its value and acts on the image at once ---
  void SetImageOpacity(int percent);
  void SetBrightness(int value);
  void SetContrast(int value);
  void SetHue(int value);
  void SetFilter(unsigned long colour, int strength, int number);
  // Opacity, brightness, contrast, hue, then the filter when it is on.
  void ApplyAdjustments();
  // The adjustments a replacing item takes over (all but the filter colour
  // when `keepOwnFilterColour`).
  void TakeAdjustmentsFrom(const CLayer& other, bool keepOwnFilterColour);

  int GetBrightness() const { return m_nBrightness; }
  int GetContrast() const { return m_nContrast; }
  int GetHue() const { return m_nHue; }
  int GetFilterStrength() const { return m_nFilterStrength; }
  int GetFilterNumber() const { return m_nFilterNumber; }
  int GetImageOpacity() const { return m_nImageOpacity; }
  unsigned long GetFilterColour() const { return m_nFilterColour; }
  bool IsFilterOn() const { return m_bFilterOn; }
  const double* GetMiddleValues() const { return m_middleValues; }

  // Fields set directly when a layer is read back or reset; none of them
  // touches the image.
  void StoreAdjustments(int brightness, int contrast, int hue, int imageOpacity, bool filterOn,
                        int filterStrength, unsigned long filterColour, int filterNumber);

  // --- pixel edits ---
  void BeginEdit();
  // Image pixels, any corner order; clipped to the image.
  void AddEditRect(int left, int top, int right, int bottom);
  // Records the touched part of the backup as a step. False (and nothing
  // pushed) without a backup; a backup that saw no change leaves no step.
  void PushUndo(const std::string& name) override;
  bool PushPixelUndo(const std::string& name);
  bool HasEditBackup() const { return m_pEditBackup != nullptr; }
  const CRect& GetPendingEditRect() const { return m_pendingEditRect; }
  // An image rectangle as the document rectangle it is drawn over.
  CRect MapImageRectToDocument(const CRect& imageRect) const;

 private:
  std::unique_ptr<CDibAlpha> m_pImage;
  std::int32_t m_nReserved = 0;  // kept for the record layout; nothing reads it
  std::unique_ptr<CDib> m_pEditBackup;
  CRect m_pendingEditRect;
  double m_middleValues[3] = {0.0, 0.0, 0.0};  // red, green, blue
  int m_nBrightness = kNeutralAdjustment;
  int m_nContrast = kNeutralAdjustment;
  int m_nFilterStrength = 100;
  int m_nHue = kNeutralAdjustment;
  int m_nFilterNumber = kNoFilter;
  int m_nImageOpacity = 100;
  unsigned long m_nFilterColour = 0;
  bool m_bFilterOn = false;
};
