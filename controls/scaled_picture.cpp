#include "controls/scaled_picture.h"

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
