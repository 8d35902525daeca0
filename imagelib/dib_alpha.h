// CDibAlpha: the layer image. A CDib plus a transparency plane, a colour
// table through which its colours are drawn, a grey-index flag and an
// opacity. Every item placed over the photo is one; the program composes the
// picture by drawing layers onto a background (DrawToDib, or scaled and
// rotated with PutUnderRectTransform) and bakes one layer into another with
// MergeTransformed. The region brushes paint, blur and clear a layer under a
// brush mask.
//
// The transparency plane is width x height bytes, rows top-down (unlike the
// colour rows), no padding: the byte of pixel (x, y) is at y * width + x.
// 0 draws the layer's own colour, 255 leaves the pixel out, values between
// blend linearly. A new or loaded image starts fully transparent (255).
//
// Virtual operations: those of CDib in its order, then the three new ones
// below in theirs. Do not reorder them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "imagelib/dib.h"
#include "imagelib/layer_samples.h"
#include "imagelib/lut.h"

class CDibAlpha : public CDib {
 public:
  CDibAlpha();
  CDibAlpha(const CDibAlpha& other);
  ~CDibAlpha() override;

  // --- overrides of CDib's virtual operations ---
  bool Create(CBitmap* bitmap) override;
  bool Create(CSize size, unsigned char* bits) override;
  bool Create(CSize size, unsigned long color) override;
  bool Create(void* packedDib) override;
  bool Create(CSize size) override;

  void Empty() override;

  bool LoadFromFile(std::string path, TypeFile type = typeAuto) override;
  bool LoadFromResource(const char* name, const char* type, HINSTANCE module) override;

  CDib* Zoom(CSize size) override;
  CDib* ZoomIn(CSize size) override;
  CDib* ZoomX_Out(unsigned long width) override;
  CDib* ZoomY_Out(unsigned long height) override;

  // Means over the pixels that are not fully transparent. With none visible
  // CalcMiddleValues reports 0, 0, 0 and CalcMiddleColor reports false.
  bool CalcMiddleColor(CRect* rect, unsigned long* color) override;
  bool CalcMiddleValues(double* red, double* green, double* blue) override;

  CDib* Edit_Copy(CRect rect) override;
  // The source must be a CDibAlpha (its plane travels with the colour);
  // a plain CDib is refused and nothing changes.
  bool Edit_Paste(CDib* source, CPoint at) override;

  bool Rotate_FlipHorizontal() override;
  bool Rotate_FlipVertical() override;

  // --- new virtual operations, in order ---
  virtual bool Create(CDib* source, unsigned char transparency);
  virtual void operator=(CDibAlpha other);
  virtual bool Fill_Color(unsigned long color, unsigned char transparency);
  // --- end of the virtual table ---

  using CDib::Fill_Color;

  void SetOpacity(int percent) { m_nOpacity = static_cast<unsigned char>(percent); }
  unsigned char* LockAlpha();
  bool UnlockAlpha();
  bool HasAlpha() const { return m_hAlpha != nullptr; }

  // Composition. Both return a new plain CDib owned by the caller.
  CDib* DrawToDib(CDib* background, CPoint at, CRect* part);
  CDib* PutUnderRectTransform(CDib* background, CPoint at, CRect area, double sine, double cosine,
                              CSize scaledSize, CSize boxSize);
  // The same drawing into `under` itself, as PutUnderRectTransform over the
  // whole of `under` would give it, with no copy. False (and nothing drawn)
  // when `under` is null, empty or this layer; true otherwise, also when
  // nothing of the layer lands on it.
  bool PutUnderRectTransformInPlace(CDib* under, CPoint at, double sine, double cosine, CSize scaledSize,
                                    CSize boxSize);
  // What PutUnderRectTransformInPlace would draw into a raster of `area`'s
  // size, kept for drawing again (see CLayerSamples); null when nothing of
  // the layer lands on it or memory runs short.
  std::unique_ptr<CLayerSamples> SampleRectTransform(CSize area, CPoint at, double sine, double cosine,
                                                    CSize scaledSize, CSize boxSize);
  bool MergeTransformed(CDibAlpha* source, CPoint at, double angle, double scaleX, double scaleY,
                        CPoint pivot);

  // Alpha PCX files: the plane as an 8-bit grey PCX. Reading copies the
  // file's lines into the top-left of the existing plane.
  bool SaveAlphaToFile(const std::string& path);
  // The same file's bytes, in memory.
  bool SaveAlphaToMemory(std::vector<unsigned char>* file);
  bool LoadAlphaFromFile(const std::string& path);
  bool LoadAlphaFromMemory(const unsigned char* data, unsigned int size);
  bool LoadAlphaFromResource(const char* name, const char* type, HINSTANCE module);

  // Region brushes: a w x h region whose top-left is `at`, steered by a byte
  // mask (0 full effect, 255 none). Strengths are limited to 0..1.
  bool Region_Fill(unsigned long color, void* unusedRegion, double strength, unsigned char* mask, int width,
                   int height, CPoint at);
  bool Region_Blur(unsigned char* mask, int width, int height, CPoint at, int sigma);
  bool Region_Clear(unsigned char* mask, int width, int height, CPoint at, double strength);

  // Public data the program sets directly. The image owns the table (it is
  // allocated with new and freed by Empty): fill it, do not repoint it.
  HGLOBAL m_hAlpha = nullptr;
  CLut* m_pLut = nullptr;
  bool m_bGrayIndex = false;
  unsigned char m_nOpacity = 100;

 protected:
  bool CreateAlpha(unsigned char transparency);
  bool CreateAlpha(CSize size, unsigned char transparency);
  // An n x n Gaussian grid (array new, owned by the caller); null for n < 1.
  double* CreateNormalMask(int size, double spread, double height);

 private:
  // After the colour part was (re)created: a plane of `transparency` and an
  // identity table. False when the plane could not be had.
  bool AddPlaneAndTable(unsigned char transparency);
  void FreePlaneAndTable();
  // The copy of operator=; the copy constructor cannot call an operator that
  // takes its argument by value.
  void CopyFrom(const CDibAlpha& other);
  // A new layer holding `colour`'s block (taken over) with a fresh plane.
  static CDibAlpha* AdoptColour(CDib* colour);
};
