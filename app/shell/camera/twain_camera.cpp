#include "app/shell/camera/twain_camera.h"

#include <algorithm>
#include <cstring>

#include "platform/core/dib_header.h"
#include "platform/core/message_box.h"
#include "platform/core/twain_manager_library.h"
#include "platform/core/twain_parent.h"

namespace {

constexpr char kMsgPrepareFailed[] = "Internal error while preparing for TWAIN acquire.";

void CopyName(TW_STR32& target, const char* text) {
  std::memset(target, 0, sizeof target);
  std::strncpy(target, text, sizeof target - 1);
}

std::size_t DibRowLength(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

}  // namespace

CTwainCamera::CTwainCamera(std::string managerPath) : m_managerPath(std::move(managerPath)) {
  m_appId.Id = 0;
  m_appId.Version.MajorNum = 1;
  m_appId.Version.MinorNum = 0;
  m_appId.Version.Language = TWLG_USA;
  m_appId.Version.Country = TWCY_USA;
  CopyName(m_appId.Version.Info, "<?>");
  m_appId.ProtocolMajor = TWON_PROTOCOLMAJOR;
  m_appId.ProtocolMinor = TWON_PROTOCOLMINOR;
  m_appId.SupportedGroups = DG_CONTROL | DG_IMAGE;
  CopyName(m_appId.Manufacturer, "<?>");
  CopyName(m_appId.ProductFamily, "<?>");
  CopyName(m_appId.ProductName, "<?>");
  m_allocate = MemoryBlockAlloc;
}

CTwainCamera::~CTwainCamera() {
  // Derived hooks are gone by now; the owner unwinds first where they matter.
  UnwindTo(1);
  DropMemoryImage();
}

TW_UINT16 CTwainCamera::Call(TW_IDENTITY* destination, TW_UINT32 group, TW_UINT16 argumentType,
                             TW_UINT16 message, TW_MEMREF data) {
  DSMENTRYPROC entry = TwainManagerEntry();
  if (m_state < 2 || !entry) {
    m_returnCode = TWRC_FAILURE;
    m_conditionCode = TWCC_SEQERROR;
    return m_returnCode;
  }
  m_returnCode = entry(&m_appId, destination, group, argumentType, message, data);
  if (m_returnCode != TWRC_SUCCESS && argumentType != DAT_STATUS && argumentType != DAT_EVENT)
    FetchConditionCode();
  return m_returnCode;
}

void CTwainCamera::FetchConditionCode() {
  if (m_state < 3) {
    m_conditionCode = TWCC_SEQERROR;
    return;
  }
  const TW_UINT16 failed = m_returnCode;
  TW_STATUS status{};
  DSMENTRYPROC entry = TwainManagerEntry();
  TW_UINT16 rc = entry(&m_appId, m_state >= 4 ? &m_sourceId : nullptr, DG_CONTROL, DAT_STATUS, MSG_GET, &status);
  m_conditionCode = rc == TWRC_SUCCESS ? status.ConditionCode : TWCC_BUMMER;
  m_returnCode = failed;  // the caller sees the triplet's own code
}

// --- the steps ---

bool CTwainCamera::LoadManager() {
  if (m_state >= 2) return true;
  if (!LoadTwainManager(m_managerPath)) return false;
  m_state = 2;
  return true;
}

bool CTwainCamera::OpenManager() {
  if (m_state >= 3) return true;
  if (m_state < 2) return false;
  if (Call(nullptr, DG_CONTROL, DAT_PARENT, MSG_OPENDSM, &m_parent) != TWRC_SUCCESS) return false;
  m_state = 3;
  return true;
}

bool CTwainCamera::OpenSource() {
  if (m_state != 3) return false;
  // Zeroed, so the manager opens its default source: the one the user
  // chose last.
  m_sourceId = TW_IDENTITY{};
  if (Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &m_sourceId) != TWRC_SUCCESS) return false;
  m_state = 4;
  return true;
}

bool CTwainCamera::SetCapability(TW_UINT16 capability, TW_UINT16 itemType, TW_UINT32 value) {
  if (m_state != 4) {
    OnFailure(kTwainFailCapability);
    return false;
  }
  TW_CAPABILITY cap{capability, TWON_ONEVALUE, nullptr};
  for (;;) {
    cap.hContainer = m_allocate ? m_allocate(sizeof(TW_ONEVALUE)) : nullptr;
    if (cap.hContainer) break;
    if (ShowMessageBox(kMsgPrepareFailed, {}, MessageIcon::Stop, MessageButtons::RetryCancel) != IDRETRY)
      return false;
  }
  {
    MemoryBlockLockGuard lock(cap.hContainer);
    TW_ONEVALUE one{itemType, value};
    std::memcpy(lock.address(), &one, sizeof one);
  }
  const bool set = Call(&m_sourceId, DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap) == TWRC_SUCCESS;
  MemoryBlockFree(cap.hContainer);
  return set;
}

bool CTwainCamera::EnableSource() {
  if (m_state != 4) return false;
  TW_USERINTERFACE ui{static_cast<TW_BOOL>(m_showUI ? 1 : 0), 0, m_parent};
  TW_UINT16 rc = Call(&m_sourceId, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui);
  if (rc != TWRC_SUCCESS && rc != TWRC_CHECKSTATUS) return false;
  m_state = 5;
  return true;
}

bool CTwainCamera::DisableSource() {
  if (m_state != 5) return false;
  TW_USERINTERFACE ui{static_cast<TW_BOOL>(m_showUI ? 1 : 0), 0, m_parent};
  if (Call(&m_sourceId, DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui) != TWRC_SUCCESS) return false;
  m_state = 4;
  return true;
}

bool CTwainCamera::CloseSource() {
  if (m_state != 4) return false;
  if (Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &m_sourceId) != TWRC_SUCCESS) return false;
  m_state = 3;
  return true;
}

bool CTwainCamera::CloseManager() {
  if (m_state != 3) return false;
  if (Call(nullptr, DG_CONTROL, DAT_PARENT, MSG_CLOSEDSM, &m_parent) != TWRC_SUCCESS) return false;
  m_state = 2;
  return true;
}

bool CTwainCamera::UnloadManager() {
  if (m_state != 2) return false;
  UnloadTwainManager();
  m_state = 1;
  return true;
}

bool CTwainCamera::EndTransfer() {
  if (m_state != 7) return false;
  TW_PENDINGXFERS pending{};
  if (Call(&m_sourceId, DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending) != TWRC_SUCCESS) return false;
  m_state = pending.Count != 0 ? 6 : 5;
  return true;
}

bool CTwainCamera::ResetTransfers() {
  if (m_state != 6) return false;
  TW_PENDINGXFERS pending{};
  if (Call(&m_sourceId, DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending) != TWRC_SUCCESS) return false;
  m_state = 5;
  return true;
}

bool CTwainCamera::UnwindTo(int target) {
  while (m_state > target) {
    bool stepped = false;
    switch (m_state) {
      case 7: stepped = EndTransfer(); break;
      case 6: stepped = ResetTransfers(); break;
      case 5: stepped = DisableSource(); break;
      case 4: stepped = CloseSource(); break;
      case 3: stepped = CloseManager(); break;
      case 2: stepped = UnloadManager(); break;
      default: break;
    }
    if (!stepped) return false;
  }
  return true;
}

bool CTwainCamera::Fail(int code, int startState) {
  OnFailure(code);
  UnwindTo(startState);
  return false;
}

// --- the commands ---

bool CTwainCamera::SelectSource() {
  const int start = m_state;
  if (m_state < 3 && !(LoadManager() && OpenManager())) return Fail(kTwainFailManager, start);
  Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETDEFAULT, &m_sourceId);
  Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_USERSELECT, &m_sourceId);
  const bool chosen = m_returnCode == TWRC_SUCCESS;
  UnwindTo(start);
  return chosen;
}

bool CTwainCamera::Acquire() {
  const int start = m_state;
  if (m_state < 3 && !(LoadManager() && OpenManager())) return Fail(kTwainFailManager, start);
  if (m_state < 4) {
    if (!OpenSource() || OnSourceOpened() != 0) return Fail(kTwainFailSource, start);
  }
  if (m_state < 5) {
    if (!SetCapability(ICAP_XFERMECH, TWTY_UINT16, m_transferMechanism) || !EnableSource())
      return Fail(kTwainFailEnable, start);
  }
  // Without a loop nothing would ever deliver the source's messages.
  if (m_loop) m_loop->RunWhileEnabled(*this);
  OnAcquireEnded();
  return true;
}

bool CTwainCamera::ProcessEvent(TW_MEMREF message) {
  if (m_state < 5) return false;
  TW_EVENT event{message, MSG_NULL};
  if (Call(&m_sourceId, DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event) != TWRC_DSEVENT) return false;
  switch (event.TWMessage) {
    case MSG_XFERREADY:
      m_state = 6;
      OnTransferReady();
      TransferImages();
      break;
    case MSG_CLOSEDSREQ:
      m_state = 5;
      OnCloseRequest();
      break;
    default: break;
  }
  return true;
}

void CTwainCamera::PumpMessages() {
  if (m_loop) m_loop->Pump(*this);
}

// --- the hooks ---

int CTwainCamera::OnSourceOpened() { return 0; }

void CTwainCamera::TransferImages() {
  while (m_state == 6) {
    bool transferred = false;
    switch (m_transferMechanism) {
      case TWSX_FILE: transferred = TransferFile(); break;
      case TWSX_MEMORY: transferred = TransferMemory(); break;
      default: transferred = TransferNative(); break;
    }
    // A transfer that failed before it began leaves the state at 6; asking
    // again would fail again for ever, so the pending images are dropped.
    if (!transferred && m_state == 6) {
      ResetTransfers();
      OnFailure(kTwainFailTransfer);
      break;
    }
  }
  if (m_state > 6) UnwindTo(5);
}

bool CTwainCamera::TransferNative() {
  HGLOBAL dib = nullptr;
  TW_UINT16 rc = Call(&m_sourceId, DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib);
  if (rc == TWRC_CANCEL) {
    m_state = 7;
    EndTransfer();
    return true;
  }
  if (rc != TWRC_XFERDONE) {
    MemoryBlockFree(dib);
    return false;
  }
  m_state = 7;
  EndTransfer();
  PumpMessages();
  OnNativeImage(dib);
  return true;
}

bool CTwainCamera::TransferFile() {
  TW_SETUPFILEXFER setup{};
  if (Call(&m_sourceId, DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET, &setup) != TWRC_SUCCESS) return false;
  ChooseTransferFile(setup);
  if (Call(&m_sourceId, DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup) != TWRC_SUCCESS) return false;
  TW_UINT16 rc = Call(&m_sourceId, DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr);
  if (rc != TWRC_XFERDONE && rc != TWRC_CANCEL) return false;
  m_state = 7;
  EndTransfer();
  PumpMessages();
  if (rc == TWRC_XFERDONE) OnFileTransferDone(setup);
  return true;
}

bool CTwainCamera::TransferMemory() {
  TW_SETUPMEMXFER setup{};
  if (Call(&m_sourceId, DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup) != TWRC_SUCCESS) return false;
  TW_IMAGEINFO info{};
  if (Call(&m_sourceId, DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info) != TWRC_SUCCESS) return false;
  if (!OnImageInfo(info)) return false;
  TW_MEMORY buffer{};
  if (!AllocateStripBuffer(buffer, setup.Preferred)) return false;

  long rows = 0;
  bool began = false;
  for (;;) {
    TW_IMAGEMEMXFER strip{};
    strip.Compression = 0xffff;
    strip.BytesPerRow = strip.Columns = strip.Rows = strip.XOffset = strip.YOffset = strip.BytesWritten =
        TWON_DONTCARE32;
    strip.Memory = buffer;
    TW_UINT16 rc = Call(&m_sourceId, DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip);
    if (rc != TWRC_SUCCESS && rc != TWRC_XFERDONE) break;
    began = true;
    m_state = 7;
    OnMemoryStrip(strip);
    rows = std::min<long>(rows + static_cast<long>(strip.Rows), info.ImageLength);
    if (rc == TWRC_XFERDONE) break;
  }
  FreeStripBuffer(buffer);
  if (!began) {
    DropMemoryImage();
    return false;
  }
  EndTransfer();
  PumpMessages();
  OnMemoryTransferDone(rows >= info.ImageLength);
  DropMemoryImage();
  return true;
}

void CTwainCamera::OnCloseRequest() {
  if (m_parent) static_cast<CTwainParent*>(m_parent)->BringToTop();
  DisableSource();
}

void CTwainCamera::OnNativeImage(HGLOBAL dib) { MemoryBlockFree(dib); }

bool CTwainCamera::OnImageInfo(const TW_IMAGEINFO& info) {
  DropMemoryImage();
  m_imageInfo = info;
  // 24-bit colour in one plane is what the image library holds.
  if (info.ImageWidth <= 0 || info.ImageLength <= 0 || info.PixelType != TWPT_RGB || info.BitsPerPixel != 24 ||
      info.Planar)
    return false;
  const std::size_t rowLength = DibRowLength(info.ImageWidth);
  if (rowLength * static_cast<std::size_t>(info.ImageLength) > kMaxMemoryBlockBytes - sizeof(BITMAPINFOHEADER))
    return false;
  m_memoryImage = MemoryBlockAlloc(sizeof(BITMAPINFOHEADER) + rowLength * static_cast<std::size_t>(info.ImageLength));
  if (!m_memoryImage) return false;
  m_memoryPixels = MemoryBlockLock(m_memoryImage);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = info.ImageWidth;
  header.biHeight = info.ImageLength;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biSizeImage = static_cast<std::uint32_t>(rowLength * static_cast<std::size_t>(info.ImageLength));
  std::memcpy(m_memoryPixels, &header, sizeof header);
  return true;
}

void CTwainCamera::OnMemoryStrip(const TW_IMAGEMEMXFER& strip) {
  // Only what lies inside the buffer and the image is read.
  if (!strip.Memory.TheMem || strip.BytesPerRow == 0 || strip.Columns == TWON_DONTCARE32) return;
  const std::uint64_t available = std::min<std::uint64_t>(strip.Memory.Length, strip.BytesWritten);
  const std::uint64_t rows = std::min<std::uint64_t>(strip.Rows, available / strip.BytesPerRow);
  const std::uint64_t columns = std::min<std::uint64_t>(strip.Columns, strip.BytesPerRow / 3);
  for (std::uint64_t row = 0; row < rows; ++row)
    OnMemoryRow(static_cast<const TW_UINT8*>(strip.Memory.TheMem) + row * strip.BytesPerRow,
                static_cast<int>(std::min<std::uint64_t>(strip.YOffset + row, INT32_MAX)),
                static_cast<int>(std::min<std::uint64_t>(strip.XOffset, INT32_MAX)), static_cast<int>(columns));
}

void CTwainCamera::OnMemoryRow(const TW_UINT8* row, int y, int x, int columns) {
  if (!m_memoryPixels || y < 0 || y >= m_imageInfo.ImageLength || x < 0 || x >= m_imageInfo.ImageWidth) return;
  const int count = std::min(columns, m_imageInfo.ImageWidth - x);
  // Rows arrive top-down as red, green, blue; the DIB is bottom-up, blue first.
  unsigned char* target = m_memoryPixels + sizeof(BITMAPINFOHEADER) +
                          DibRowLength(m_imageInfo.ImageWidth) * static_cast<std::size_t>(m_imageInfo.ImageLength - 1 - y) +
                          static_cast<std::size_t>(x) * 3;
  for (int i = 0; i < count; ++i) {
    target[3 * i] = row[3 * i + 2];
    target[3 * i + 1] = row[3 * i + 1];
    target[3 * i + 2] = row[3 * i];
  }
}

void CTwainCamera::OnMemoryTransferDone(bool) {}

bool CTwainCamera::AllocateStripBuffer(TW_MEMORY& buffer, TW_UINT32 bytes) {
  if (bytes == 0 || bytes > kMaxMemoryBlockBytes) return false;
  buffer.Flags = TWMF_APPOWNS | TWMF_POINTER;
  buffer.Length = bytes;
  buffer.TheMem = ::operator new(bytes, std::nothrow);
  return buffer.TheMem != nullptr;
}

void CTwainCamera::FreeStripBuffer(TW_MEMORY& buffer) {
  ::operator delete(buffer.TheMem);
  buffer.TheMem = nullptr;
  buffer.Length = 0;
}

void CTwainCamera::ChooseTransferFile(TW_SETUPFILEXFER&) {}
void CTwainCamera::OnFileTransferDone(const TW_SETUPFILEXFER&) {}
void CTwainCamera::OnTransferReady() {}
void CTwainCamera::OnFailure(int) {}
void CTwainCamera::OnAcquireEnded() {}

HGLOBAL CTwainCamera::TakeMemoryImage() {
  if (m_memoryPixels) MemoryBlockUnlock(m_memoryImage);
  m_memoryPixels = nullptr;
  HGLOBAL image = m_memoryImage;
  m_memoryImage = nullptr;
  return image;
}

void CTwainCamera::DropMemoryImage() { MemoryBlockFree(TakeMemoryImage()); }
