#include "controls/scaled_picture.h"

#include <algorithm>

#include "platform/qt/painter_dc.h"

bool CScaledPicture::Load(const std::string& name, HINSTANCE module) {
  m_name = name;
  m_module = module;
  m_plain = LoadPictureBlock(name.c_str(), "", module);
  m_dense.reset();
  m_denseImage = QImage();
  return m_plain != nullptr;
}

const void* CScaledPicture::Block(int scale) const {
  if (!m_plain || scale <= 1) return m_plain.get();
  if (!m_dense) m_dense = LoadScaledPictureBlock(m_name, m_module, kHighDensityScale);
  return m_dense.get();
}

void CScaledPicture::MaskDraw(QPainter& painter, CPoint at) const {
  if (!m_plain) return;
  if (PictureScale(painter) == 1) {
    CPainterDC dc(painter);
    MaskDrawPicture(&dc, m_plain.get(), at);
    return;
  }
  // Kept as an image: converting the picture at every paint would cost more
  // than drawing it.
  if (m_denseImage.isNull()) m_denseImage = MaskedPictureImage(Block(kHighDensityScale), kHighDensityScale);
  painter.drawImage(QPoint(at.x, at.y), m_denseImage);
}

bool CScaledDib::Load(const std::string& name, HINSTANCE module) {
  m_name = name;
  m_module = module;
  m_dense.Empty();
  if (m_plain.LoadFromResource(name.c_str(), "", module)) return true;
  m_plain.Empty();
  return false;
}

CDib& CScaledDib::At(int scale) {
  if (scale <= 1 || m_plain.IsEmpty()) return m_plain;
  if (m_dense.IsEmpty()) {
    PictureBlock block = LoadScaledPictureBlock(m_name, m_module, kHighDensityScale);
    if (!block || !m_dense.Create(block.release())) return m_plain;
  }
  return m_dense;
}

bool CScaledDib::Draw(CDC* dc, CRect dest, CRect source, int scale) {
  CDib& picture = At(scale);
  if (&picture == &m_plain) return m_plain.Draw(dc, dest, &source);
  CRect dense(source.left * kHighDensityScale, source.top * kHighDensityScale, source.right * kHighDensityScale,
              source.bottom * kHighDensityScale);
  return picture.Draw(dc, dest, &dense);
}

bool CScaledDib::DrawWithoutStretch(CDC* dc, CPoint at, CSize size, int scale) {
  CDib& picture = At(scale);
  if (&picture == &m_plain) return m_plain.DrawWithoutStretch(dc, at, size);
  size.cx = std::min(size.cx, Width());
  size.cy = std::min(size.cy, Height());
  return Draw(dc, CRect(at, size), CRect(0, Height() - size.cy, size.cx, Height()), scale);
}
