// The make-up panel's layer-name label: the style's picture, with the
// make-up colour last picked written at its right end, so the user sees
// which lipstick or powder the brush now paints.
#pragma once

#include <string>

#include "controls/zor_static.h"

class CLayerNameLabel : public CZORStatic {
 public:
  explicit CLayerNameLabel(QWidget* parent = nullptr) : CZORStatic(parent) {}

  void SetCaption(const std::string& caption);
  const std::string& Caption() const { return m_caption; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string m_caption;
};
