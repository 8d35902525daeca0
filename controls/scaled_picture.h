// A skin picture as a control draws it: the plain picture on an ordinary
// screen, the double-density one (skin_picture.h) where the painter draws
// two device pixels to the unit, over the same logical rectangle either way.
#pragma once

#include <QImage>
#include <QPainter>

#include <string>

#include "controls/skin_picture.h"

class CScaledPicture {
 public:
  // Loads the plain picture (any picture type); the double one is read the
  // first time it is asked for. False when the plain one is missing.
  bool Load(const std::string& name, HINSTANCE module);
  bool IsEmpty() const { return !m_plain; }
  // In logical pixels: the plain picture's size.
  CSize Size() const { return PictureSize(m_plain.get()); }
  // The picture at scale 1 or 2; null when empty.
  const void* Block(int scale) const;
  // Draws it with black see-through, its top-left corner at `at`, at the
  // painter's scale. The plain picture goes pixel by pixel, as
  // MaskDrawPicture draws it.
  void MaskDraw(QPainter& painter, CPoint at) const;

 private:
  std::string m_name;
  HINSTANCE m_module = nullptr;
  PictureBlock m_plain;
  mutable PictureBlock m_dense;
  mutable QImage m_denseImage;
};
