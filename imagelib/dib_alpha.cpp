// CDibAlpha's lifecycle: creation, copying and emptying of the colour block
// together with its transparency plane and colour table, the loaders that add
// a plane, the plane lock and filling with a transparency.
//
// Every creation or load replaces all three parts: the colour through CDib,
// then a plane of the layer's size (fully transparent unless a value is
// given) and an identity table.
#include "imagelib/dib_alpha.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "imagelib/dib_pixels.h"

CDibAlpha::CDibAlpha() = default;

CDibAlpha::CDibAlpha(const CDibAlpha& other) : CDib() { CopyFrom(other); }

CDibAlpha::~CDibAlpha() { Empty(); }

void CDibAlpha::FreePlaneAndTable() {
  delete m_pLut;
  m_pLut = nullptr;
  MemoryBlockFree(m_hAlpha);
  m_hAlpha = nullptr;
}

void CDibAlpha::Empty() {
  CDib::Empty();
  FreePlaneAndTable();
  m_nOpacity = 100;
}

bool CDibAlpha::CreateAlpha(CSize size, unsigned char transparency) {
  MemoryBlockFree(m_hAlpha);
  m_hAlpha = nullptr;
  if (size.cx < 0 || size.cy < 0) return false;
  const std::uint64_t bytes = static_cast<std::uint64_t>(size.cx) * static_cast<std::uint64_t>(size.cy);
  if (bytes > kMaxMemoryBlockBytes) return false;
  m_hAlpha = MemoryBlockAlloc(static_cast<std::size_t>(bytes));
  if (!m_hAlpha) return false;
  if (transparency != 0 && bytes != 0) {
    MemoryBlockLockGuard plane(m_hAlpha);
    std::memset(plane.address(), transparency, static_cast<std::size_t>(bytes));
  }
  return true;
}

bool CDibAlpha::CreateAlpha(unsigned char transparency) { return CreateAlpha(GetSize(), transparency); }

bool CDibAlpha::AddPlaneAndTable(unsigned char transparency) {
  delete m_pLut;
  // Without memory for the table the layer is drawn with its own colours.
  m_pLut = new (std::nothrow) CLut();
  return CreateAlpha(transparency);
}

bool CDibAlpha::Create(CBitmap* bitmap) { return CDib::Create(bitmap) && AddPlaneAndTable(255); }

bool CDibAlpha::Create(CSize size, unsigned char* bits) {
  return CDib::Create(size, bits) && AddPlaneAndTable(255);
}

bool CDibAlpha::Create(CSize size, unsigned long color) {
  return CDib::Create(size, color) && AddPlaneAndTable(255);
}

bool CDibAlpha::Create(void* packedDib) { return CDib::Create(packedDib) && AddPlaneAndTable(255); }

bool CDibAlpha::Create(CSize size) { return CDib::Create(size) && AddPlaneAndTable(255); }

bool CDibAlpha::Create(CDib* source, unsigned char transparency) {
  if (!source || source->IsEmpty()) return false;
  // Copy before emptying: the source may be this very image.
  HGLOBAL copy = CopyHGlobal(source->GetHandle());
  if (!copy) return false;
  Empty();
  return InstallBlock(copy) && AddPlaneAndTable(transparency);
}

void CDibAlpha::operator=(CDibAlpha other) { CopyFrom(other); }

void CDibAlpha::CopyFrom(const CDibAlpha& other) {
  Empty();
  if (!other.GetHandle() || !CopyHandle(other.GetHandle())) return;
  HGLOBAL plane = CopyHGlobal(other.m_hAlpha);
  if (!plane) return;
  m_hAlpha = plane;
  m_pLut = other.m_pLut ? new (std::nothrow) CLut(*other.m_pLut) : new (std::nothrow) CLut();
  m_bGrayIndex = other.m_bGrayIndex;
  m_nOpacity = other.m_nOpacity;
}

bool CDibAlpha::LoadFromFile(std::string path, TypeFile type) {
  return CDib::LoadFromFile(std::move(path), type) && AddPlaneAndTable(255);
}

bool CDibAlpha::LoadFromResource(const char* name, const char* type, HINSTANCE module) {
  return CDib::LoadFromResource(name, type, module) && AddPlaneAndTable(255);
}

unsigned char* CDibAlpha::LockAlpha() { return MemoryBlockLock(m_hAlpha); }

bool CDibAlpha::UnlockAlpha() { return MemoryBlockUnlock(m_hAlpha); }

bool CDibAlpha::Fill_Color(unsigned long color, unsigned char transparency) {
  if (!CDib::Fill_Color(color)) return false;
  MemoryBlockLockGuard plane(m_hAlpha);
  if (!plane.address()) return false;
  std::memset(plane.address(), transparency, MemoryBlockSize(m_hAlpha));
  return true;
}

CDibAlpha* CDibAlpha::AdoptColour(CDib* colour) {
  std::unique_ptr<CDib> owned(colour);
  if (!owned) return nullptr;
  // A plain CDib cannot hand its block over, so the layer takes a copy.
  auto layer = std::make_unique<CDibAlpha>();
  if (!layer->Create(owned.get(), 255)) return nullptr;
  return layer.release();
}
