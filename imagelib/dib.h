// CDib: the one 24-bit raster type of Kelvora. Photos, item images, layers,
// thumbnails, skin bitmaps and print output all pass through it.
//
// The pixels live in one movable memory block, a packed DIB: a 40-byte
// BITMAPINFOHEADER followed by the pixel rows, bottom row first, three bytes
// a pixel (blue, green, red), each row padded to a multiple of four bytes.
// The pixel area starts at block + biSize (read from the block), so blocks
// taken over with a larger header stay valid. Every coordinate in this
// interface is top-down: (0,0) is the top-left pixel.
//
// The virtual operations are declared in the order of the class's virtual
// table, which derived classes (CDibAlpha and classes of the program) rely
// on: do not reorder them. Library operations that create or re-create an
// image call the virtual ones, so an override in a derived class takes part.
// Images returned as CDib* belong to the caller.
#pragma once

#include <string>
#include <vector>

#include "platform/core/device_context.h"
#include "platform/core/dib_header.h"
#include "platform/core/file.h"
#include "platform/core/geometry.h"
#include "platform/core/memory_block.h"
#include "platform/core/resource_module.h"

class CDib {
 public:
  enum TypeFile { typeAuto = 0, typeBMP = 1, typeJPG = 2, typePCX = 3, typeZOR = 4 };

  // Grey weightings for Effect_ColorGrayscale (blue, green, red in thousandths).
  enum TypeStGray {
    grayRec601 = 0,    // 114, 587, 299
    grayRec709 = 1,    // 72, 715, 213
    graySmpte240 = 2,  // 71, 707, 222
    grayWarm = 3,      // 110, 530, 360; also any other value
  };

  CDib();
  CDib(const CDib& other);

  // --- virtual table, in order ---
  virtual ~CDib();

  virtual bool Create(CBitmap* bitmap);
  virtual bool Create(CSize size, unsigned char* bits);
  virtual bool Create(CSize size, unsigned long color);
  virtual bool Create(void* packedDib);
  virtual bool Create(CSize size);

  virtual void Empty();
  virtual void operator=(CDib other);

  virtual bool LoadFromFile(std::string path, TypeFile type = typeAuto);
  virtual bool LoadFromResource(const char* name, const char* type, HINSTANCE module);
  virtual bool LoadFromZORMemory(unsigned char* data, unsigned int size);

  virtual CDib* Zoom(CSize size);
  virtual CDib* ZoomIn(CSize size);
  virtual CDib* ZoomX_Out(unsigned long width);
  virtual CDib* ZoomY_Out(unsigned long height);

  virtual bool CalcMiddleColor(CRect* rect, unsigned long* color);
  virtual bool CalcMiddleValues(double* red, double* green, double* blue);

  virtual CDib* Edit_Copy(CRect rect);
  virtual bool Edit_Cut(CDib* source, CPoint start);
  virtual bool Edit_Cut2(CDib* first, CDib* second, CPoint firstStart, CPoint secondStart);
  virtual bool Edit_Paste(CDib* source, CPoint at);
  virtual bool Edit_PasteTransform(CDib* source, CPoint at, CSize size);

  virtual bool Fill_Color(unsigned long color);
  virtual bool Fill_ColorRect(CRect rect, unsigned long color);
  virtual bool Fill_Texture(CDib* texture);

  virtual CDib* Effect_ColorBrightness(int amount, bool inPlace);
  virtual CDib* Effect_ColorContrast(int amount, bool inPlace);
  virtual CDib* Effect_ColorFilter(unsigned long color, int level, unsigned long key, bool inPlace);
  virtual CDib* Effect_ColorFilter(unsigned long color, int level, bool inPlace);
  virtual CDib* Effect_ColorGrayscale(TypeStGray type, bool inPlace);
  virtual CDib* Effect_ColorInvert(bool inPlace);
  virtual CDib* Effect_CrossDissolve(CDib* other, double amount, bool inPlace);
  virtual CDib* Effect_Emboss(bool inPlace);
  virtual CDib* Effect_HeightMap(int amount, bool inPlace);
  virtual CDib* Effect_Posterize(int levelStep, bool inPlace);

  virtual CDib* Effect_Rotate(int degrees, unsigned long background, bool inPlace);

  virtual bool Rotate_FlipHorizontal();
  virtual bool Rotate_FlipVertical();
  // --- end of the virtual table ---

  // Block ownership.
  HGLOBAL GetHandle() const { return m_hDib; }
  bool CopyHandle(void* packedDib);
  static void* CopyHGlobal(void* block);
  bool ReplaceHandle(void* packedDib);
  bool GetBitmapInfoHeader(BITMAPINFOHEADER* header) const;

  // Pixel lock: LockBits returns the pixel area (null without a block);
  // UnlockBits is true while another lock is still held.
  unsigned char* LockBits();
  bool UnlockBits();

  int Width() const { return m_nWidth; }
  int Height() const { return m_nHeight; }
  int RowLength() const { return m_nRowLength; }
  int Length() const { return m_nLength; }
  CSize GetSize() const { return {m_nWidth, m_nHeight}; }
  bool IsEmpty() const { return m_hDib == nullptr; }

  // Drawing onto a device context.
  bool Draw(CDC* dc, CRect dest, CRect* source = nullptr);
  bool Stretch(CDC* dc, CRect dest);
  bool DrawWithoutStretch(CDC* dc, CRect dest);
  bool DrawWithoutStretch(CDC* dc, CPoint at, CSize size);
  bool MaskDraw(CDC* dc, CPoint at);
  void FitToRect(CDC* dc, CRect rect, bool allowEnlarge);

  // Files, memory and resources.
  static TypeFile FileTypeFromFileName(const char* fileName);
  static bool IsFormatAvailable(const char* fileName);
  bool SaveToFile(std::string path, TypeFile type = typeAuto);
  bool LoadFromJPGMemory(unsigned char* data, unsigned int size);
  bool SaveToBMPFile(const std::string& path);
  bool SaveToBMPFile(CFile& file);
  bool SaveToJPGFile(std::string path, bool showDialog, bool colour, int quality, bool forceBaseline);
  // The same JPEG file as SaveToJPGFile writes without its dialog, in memory.
  bool SaveToJPGMemory(std::vector<unsigned char>* jpeg, bool colour, int quality, bool forceBaseline);

  CDib* CreateThumbNail(int side, unsigned long background);
  unsigned char CalcMiddle(unsigned char* bits, int x, int y);

 protected:
  static unsigned long AlignToDword(unsigned long bytes);

  bool LoadFromBMPFile(const std::string& path);
  bool LoadFromBMPFile(CFile& file);
  bool LoadFromPCXFile(const std::string& path);
  bool LoadFromPCXFile(CFile& file);
  bool LoadFromJPGFile(std::string path);
  bool LoadFromBMPResource(const char* name, const char* type, HINSTANCE module);
  bool LoadFromJPGResource(const char* name, const char* type, HINSTANCE module);
  bool LoadFromZORResource(const char* name, const char* type, HINSTANCE module);

  // Takes ownership of a packed DIB block and derives the numbers from its
  // header. False (the block freed) when it cannot be locked.
  bool InstallBlock(HGLOBAL packedDib);

  HGLOBAL m_hDib = nullptr;
  int m_nWidth = 0;
  int m_nHeight = 0;
  int m_nRowLength = 0;
  int m_nLength = 0;
};
