// Resampling, editing and effect operations not yet written. Each reports
// failure, so callers see "could not" rather than a wrong picture.
#include "imagelib/dib.h"

CDib* CDib::Zoom(CSize) { return nullptr; }
CDib* CDib::ZoomIn(CSize) { return nullptr; }
CDib* CDib::ZoomX_Out(unsigned long) { return nullptr; }
CDib* CDib::ZoomY_Out(unsigned long) { return nullptr; }
bool CDib::CalcMiddleColor(CRect*, unsigned long*) { return false; }
bool CDib::CalcMiddleValues(double*, double*, double*) { return false; }
CDib* CDib::Edit_Copy(CRect) { return nullptr; }
bool CDib::Edit_Cut(CDib*, CPoint) { return false; }
bool CDib::Edit_Cut2(CDib*, CDib*, CPoint, CPoint) { return false; }
bool CDib::Edit_Paste(CDib*, CPoint) { return false; }
bool CDib::Edit_PasteTransform(CDib*, CPoint, CSize) { return false; }
bool CDib::Fill_ColorRect(CRect, unsigned long) { return false; }
bool CDib::Fill_Texture(CDib*) { return false; }
CDib* CDib::Effect_ColorBrightness(int, bool) { return nullptr; }
CDib* CDib::Effect_ColorContrast(int, bool) { return nullptr; }
CDib* CDib::Effect_ColorFilter(unsigned long, int, unsigned long, bool) { return nullptr; }
CDib* CDib::Effect_ColorFilter(unsigned long, int, bool) { return nullptr; }
CDib* CDib::Effect_ColorGrayscale(TypeStGray, bool) { return nullptr; }
CDib* CDib::Effect_ColorInvert(bool) { return nullptr; }
CDib* CDib::Effect_CrossDissolve(CDib*, double, bool) { return nullptr; }
CDib* CDib::Effect_Emboss(bool) { return nullptr; }
CDib* CDib::Effect_HeightMap(int, bool) { return nullptr; }
CDib* CDib::Effect_Posterize(int, bool) { return nullptr; }
CDib* CDib::Effect_Rotate(int, unsigned long, bool) { return nullptr; }
CDib* CDib::CreateThumbNail(int, unsigned long) { return nullptr; }
unsigned char CDib::CalcMiddle(unsigned char*, int, int) { return 0; }
