// A layer's image and adjustments. The adjustments live in the image's colour
// table: brightness replaces the table, contrast and hue work on the table as
// it stands, pivoting on the image's middle values, and the filter tints it
// through the grey index. A hue turn of 0 is the neutral slider position and
// leaves the table alone: running the table through HLS and back would shift
// it by the conversion's rounding and tint a layer nobody adjusted.
#include "app/document/layer.h"

#include <algorithm>
#include <cmath>

CLayer::CLayer(bool showMidHandles) : CQuadTracker(showMidHandles) {}

CLayer::~CLayer() = default;

void CLayer::AttachImage(std::unique_ptr<CDibAlpha> image) {
  m_pImage = std::move(image);
  m_pEditBackup.reset();
  m_pendingEditRect.SetRectEmpty();
  RecalcMiddleValues();
}

void CLayer::AttachImage(std::unique_ptr<CDibAlpha> image, const CDoubleRect& frame) {
  AttachImage(std::move(image));
  SetRect(frame.left, frame.top, frame.right, frame.bottom);
}

void CLayer::RecalcMiddleValues() {
  m_middleValues[0] = m_middleValues[1] = m_middleValues[2] = 0.0;
  if (m_pImage && !m_pImage->IsEmpty())
    m_pImage->CalcMiddleValues(&m_middleValues[0], &m_middleValues[1], &m_middleValues[2]);
}

void CLayer::SetImageOpacity(int percent) {
  m_nImageOpacity = percent;
  if (m_pImage && m_pImage->m_pLut) m_pImage->SetOpacity(percent);
}

void CLayer::SetBrightness(int value) {
  m_nBrightness = value;
  if (!m_pImage || !m_pImage->m_pLut) return;
  m_pImage->m_bGrayIndex = false;
  m_pImage->m_pLut->SetBrightness(2 * value - 100);
}

void CLayer::SetContrast(int value) {
  m_nContrast = value;
  if (!m_pImage || !m_pImage->m_pLut) return;
  m_pImage->m_pLut->SetContrast(2 * value - 100, m_middleValues[0], m_middleValues[1], m_middleValues[2]);
}

void CLayer::SetHue(int value) {
  m_nHue = value;
  if (!m_pImage || !m_pImage->m_pLut) return;
  const int turned = value < 50 ? value + 50 : value - 50;
  const int steps = static_cast<int>(std::trunc(turned * 2.55));
  if (steps == 0) return;
  m_pImage->m_pLut->SetHue(steps, m_middleValues[0], m_middleValues[1], m_middleValues[2]);
}

void CLayer::SetFilter(unsigned long colour, int strength, int number) {
  m_nFilterColour = colour;
  m_nFilterStrength = strength;
  m_nFilterNumber = number;
  m_bFilterOn = true;
  if (!m_pImage || !m_pImage->m_pLut) return;
  m_pImage->m_bGrayIndex = true;
  m_pImage->m_pLut->ColorFilter(colour, strength);
}

void CLayer::ApplyAdjustments() {
  SetImageOpacity(m_nImageOpacity);
  SetBrightness(m_nBrightness);
  SetContrast(m_nContrast);
  SetHue(m_nHue);
  if (m_bFilterOn) SetFilter(m_nFilterColour, m_nFilterStrength, m_nFilterNumber);
}

void CLayer::TakeAdjustmentsFrom(const CLayer& other, bool keepOwnFilterColour) {
  m_nBrightness = other.m_nBrightness;
  m_nContrast = other.m_nContrast;
  m_nHue = other.m_nHue;
  m_nImageOpacity = other.m_nImageOpacity;
  m_nFilterStrength = other.m_nFilterStrength;
  m_nFilterNumber = other.m_nFilterNumber;
  m_bFilterOn = other.m_bFilterOn;
  if (!keepOwnFilterColour) m_nFilterColour = other.m_nFilterColour;
}

void CLayer::StoreAdjustments(int brightness, int contrast, int hue, int imageOpacity, bool filterOn,
                              int filterStrength, unsigned long filterColour, int filterNumber) {
  m_nBrightness = brightness;
  m_nContrast = contrast;
  m_nHue = hue;
  m_nImageOpacity = imageOpacity;
  m_bFilterOn = filterOn;
  m_nFilterStrength = filterStrength;
  m_nFilterColour = filterColour;
  m_nFilterNumber = filterNumber;
}
