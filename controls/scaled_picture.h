// A skin picture as a control or panel draws it: the plain picture on an
// ordinary screen, the double-density one (skin_picture.h) where the painter
// draws two device pixels to the unit, over the same logical rectangle
// either way. CScaledPicture keeps packed blocks for drawing with black
// see-through; CScaledDib keeps image-library pictures for opaque drawing.
#pragma once

#include <QImage>
#include <QPainter>

#include <string>

#include "controls/skin_picture.h"
#include "imagelib/dib.h"

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

class CScaledDib {
 public:
  // Loads the plain picture; the double one is read the first time it is
  // asked for. False, and the picture empty, when the plain one is missing.
  bool Load(const std::string& name, HINSTANCE module);
  bool IsEmpty() const { return m_plain.IsEmpty(); }
  // In logical pixels: the plain picture's size.
  CSize GetSize() const { return m_plain.GetSize(); }
  int Width() const { return m_plain.Width(); }
  int Height() const { return m_plain.Height(); }
  // The picture at scale 1 or 2.
  CDib& At(int scale);
  // Stretches the logical part `source` of the picture onto `dest`, as
  // CDib::Draw does; at scale 2 from the double picture's pixels.
  bool Draw(CDC* dc, CRect dest, CRect source, int scale);
  // Copies `size` logical pixels unstretched to `at`, as
  // CDib::DrawWithoutStretch does (a smaller size shows the left columns
  // and the bottom rows).
  bool DrawWithoutStretch(CDC* dc, CPoint at, CSize size, int scale);

 private:
  std::string m_name;
  HINSTANCE m_module = nullptr;
  CDib m_plain;
  CDib m_dense;
};
