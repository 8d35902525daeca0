#include "platform/twain/twain_source_manager.h"

#include <algorithm>
#include <cstring>

#include "platform/core/atomic_file.h"
#include "platform/core/dib_header.h"
#include "platform/core/file.h"
#include "platform/core/message_box.h"

namespace {

constexpr TW_UINT32 kFirstSourceId = 1;
constexpr char kMsgCaptureFailed[] = "The picture could not be taken from the camera.";

void CopyText(TW_STR32& target, const std::string& text) {
  std::memset(target, 0, sizeof target);
  std::memcpy(target, text.data(), std::min(text.size(), sizeof target - 1));
}

struct DibView {
  BITMAPINFOHEADER header{};
  std::size_t rowLength = 0;
};

// The header of a packed DIB this manager made itself (24-bit, bottom-up).
DibView ViewOf(HGLOBAL block) {
  DibView view;
  MemoryBlockLockGuard lock(block);
  if (!lock.address() || MemoryBlockSize(block) < sizeof(BITMAPINFOHEADER)) return view;
  std::memcpy(&view.header, lock.address(), sizeof view.header);
  view.rowLength = (static_cast<std::size_t>(view.header.biWidth) * 3 + 3) & ~std::size_t{3};
  return view;
}

}  // namespace

CTwainSourceManager::CTwainSourceManager(std::unique_ptr<CTwainDeviceList> devices) : m_list(std::move(devices)) {}

CTwainSourceManager::~CTwainSourceManager() {
  MemoryBlockFree(m_image);
  if (m_state >= 5 && m_open < m_devices.size()) m_devices[m_open]->Stop();
  if (m_state >= 4 && m_open < m_devices.size()) m_devices[m_open]->Close();
}

TW_UINT16 CTwainSourceManager::Fail(TW_UINT16 condition) {
  m_condition = condition;
  return TWRC_FAILURE;
}

void CTwainSourceManager::Post(TW_UINT16 message) {
  if (m_parent) m_parent->PostSourceMessage(message);
}

TW_UINT16 CTwainSourceManager::Entry(TW_IDENTITY* origin, TW_IDENTITY* destination, TW_UINT32 group,
                                     TW_UINT16 argumentType, TW_UINT16 message, TW_MEMREF data) {
  if (!origin) return Fail(TWCC_BADPROTOCOL);
  // The status is read, not changed, and answers for the last failure.
  if (group == DG_CONTROL && argumentType == DAT_STATUS && message == MSG_GET) {
    if (!data) return Fail(TWCC_BADVALUE);
    auto* status = static_cast<TW_STATUS*>(data);
    status->ConditionCode = m_condition;
    status->Reserved = 0;
    m_condition = TWCC_SUCCESS;
    return TWRC_SUCCESS;
  }
  if (!destination) return Manager(argumentType, message, data);
  if (m_state < 4 || destination->Id != m_open + kFirstSourceId) return Fail(TWCC_BADDEST);
  return Source(group, argumentType, message, data);
}

TW_UINT16 CTwainSourceManager::Manager(TW_UINT16 argumentType, TW_UINT16 message, TW_MEMREF data) {
  if (argumentType == DAT_PARENT && message == MSG_OPENDSM) {
    if (m_state >= 3) return Fail(TWCC_SEQERROR);
    if (!data) return Fail(TWCC_BADVALUE);
    m_parent = static_cast<CTwainParent*>(*static_cast<TW_HANDLE*>(data));
    m_devices = m_list ? m_list->Devices() : decltype(m_devices){};
    if (m_default >= m_devices.size()) m_default = 0;
    m_state = 3;
    return TWRC_SUCCESS;
  }
  if (argumentType == DAT_PARENT && message == MSG_CLOSEDSM) {
    if (m_state != 3) return Fail(TWCC_SEQERROR);
    m_devices.clear();
    m_parent = nullptr;
    m_state = 2;
    return TWRC_SUCCESS;
  }
  if (argumentType == DAT_IDENTITY) {
    if (!data) return Fail(TWCC_BADVALUE);
    return Identity(message, static_cast<TW_IDENTITY*>(data));
  }
  return Fail(TWCC_BADPROTOCOL);
}

void CTwainSourceManager::FillIdentity(std::size_t index, TW_IDENTITY* identity) const {
  *identity = TW_IDENTITY{};
  identity->Id = static_cast<TW_UINT32>(index + kFirstSourceId);
  identity->Version.MajorNum = 1;
  identity->Version.Language = TWLG_USA;
  identity->Version.Country = TWCY_USA;
  identity->ProtocolMajor = TWON_PROTOCOLMAJOR;
  identity->ProtocolMinor = TWON_PROTOCOLMINOR;
  identity->SupportedGroups = DG_CONTROL | DG_IMAGE;
  CopyText(identity->Manufacturer, m_devices[index]->Vendor());
  CopyText(identity->ProductFamily, m_devices[index]->ActionText() == "Scan" ? "Scanner" : "Camera");
  CopyText(identity->ProductName, m_devices[index]->Name());
}

TW_UINT16 CTwainSourceManager::Identity(TW_UINT16 message, TW_IDENTITY* identity) {
  if (m_state < 3) return Fail(TWCC_SEQERROR);
  switch (message) {
    case MSG_GETDEFAULT:
      if (m_devices.empty()) return Fail(TWCC_NODS);
      FillIdentity(m_default, identity);
      return TWRC_SUCCESS;
    case MSG_GETFIRST:
      m_enumerated = 0;
      [[fallthrough]];
    case MSG_GETNEXT:
      if (m_enumerated >= m_devices.size()) return TWRC_ENDOFLIST;
      FillIdentity(m_enumerated++, identity);
      return TWRC_SUCCESS;
    case MSG_USERSELECT: {
      if (m_devices.empty()) return Fail(TWCC_NODS);
      std::vector<std::string> names;
      for (const auto& device : m_devices) names.push_back(device->Name());
      const int chosen = m_parent ? m_parent->ChooseSource(names, static_cast<int>(m_default)) : -1;
      if (chosen < 0 || static_cast<std::size_t>(chosen) >= m_devices.size()) return TWRC_CANCEL;
      m_default = static_cast<std::size_t>(chosen);
      FillIdentity(m_default, identity);
      return TWRC_SUCCESS;
    }
    case MSG_OPENDS: {
      if (m_state != 3) return Fail(TWCC_SEQERROR);
      if (m_devices.empty()) return Fail(TWCC_NODS);
      // A zeroed identity asks for the default source; else the one named.
      std::size_t index = m_default;
      if (identity->ProductName[0] != '\0') {
        auto named = std::find_if(m_devices.begin(), m_devices.end(), [&](const auto& device) {
          return std::strncmp(device->Name().c_str(), identity->ProductName, sizeof identity->ProductName - 1) == 0;
        });
        if (named == m_devices.end()) return Fail(TWCC_NODS);
        index = static_cast<std::size_t>(named - m_devices.begin());
      }
      if (!m_devices[index]->Open()) return Fail(TWCC_OPERATIONERROR);
      m_open = index;
      FillIdentity(index, identity);
      m_state = 4;
      return TWRC_SUCCESS;
    }
    case MSG_CLOSEDS:
      if (m_state != 4) return Fail(TWCC_SEQERROR);
      m_devices[m_open]->Close();
      m_state = 3;
      return TWRC_SUCCESS;
    default: return Fail(TWCC_BADPROTOCOL);
  }
}

TW_UINT16 CTwainSourceManager::Source(TW_UINT32 group, TW_UINT16 argumentType, TW_UINT16 message,
                                      TW_MEMREF data) {
  if (group == DG_CONTROL && argumentType == DAT_EVENT && message == MSG_PROCESSEVENT) {
    auto* event = static_cast<TW_EVENT*>(data);
    const auto* queued = event ? static_cast<const TwainQueuedMessage*>(event->pEvent) : nullptr;
    if (m_state < 5 || !queued || queued->sourceMessage == MSG_NULL) {
      if (event) event->TWMessage = MSG_NULL;
      return TWRC_NOTDSEVENT;
    }
    event->TWMessage = queued->sourceMessage;
    return TWRC_DSEVENT;
  }
  if (!data && argumentType != DAT_IMAGEFILEXFER) return Fail(TWCC_BADVALUE);
  if (group == DG_CONTROL) {
    switch (argumentType) {
      case DAT_CAPABILITY: {
        if (message != MSG_SET) return Fail(TWCC_BADPROTOCOL);
        if (m_state != 4) return Fail(TWCC_SEQERROR);
        auto* cap = static_cast<TW_CAPABILITY*>(data);
        if (cap->Cap != ICAP_XFERMECH || cap->ConType != TWON_ONEVALUE) return Fail(TWCC_BADCAP);
        MemoryBlockLockGuard lock(cap->hContainer);
        if (!lock.address() || MemoryBlockSize(cap->hContainer) < sizeof(TW_ONEVALUE)) return Fail(TWCC_BADVALUE);
        TW_ONEVALUE one;
        std::memcpy(&one, lock.address(), sizeof one);
        // Every mechanism is offered: the picture is held whole in memory.
        if (one.ItemType != TWTY_UINT16 || one.Item > TWSX_MEMORY) return Fail(TWCC_BADVALUE);
        return TWRC_SUCCESS;
      }
      case DAT_USERINTERFACE:
        if (message == MSG_ENABLEDS) return Enable(static_cast<TW_USERINTERFACE*>(data));
        if (message == MSG_DISABLEDS) {
          if (m_state != 5) return Fail(TWCC_SEQERROR);
          Disable();
          return TWRC_SUCCESS;
        }
        return Fail(TWCC_BADPROTOCOL);
      case DAT_PENDINGXFERS: return EndTransfer(message, static_cast<TW_PENDINGXFERS*>(data));
      case DAT_SETUPMEMXFER: {
        if (message != MSG_GET || m_state < 4) return Fail(TWCC_SEQERROR);
        auto* setup = static_cast<TW_SETUPMEMXFER*>(data);
        const DibView view = ViewOf(m_image);
        const TW_UINT32 row = static_cast<TW_UINT32>(std::max<std::size_t>(view.rowLength, 64));
        *setup = TW_SETUPMEMXFER{row, row * 64, row * 16};
        return TWRC_SUCCESS;
      }
      case DAT_SETUPFILEXFER: {
        if (m_state < 4) return Fail(TWCC_SEQERROR);
        auto* setup = static_cast<TW_SETUPFILEXFER*>(data);
        if (message == MSG_GET) {
          *setup = TW_SETUPFILEXFER{};
          const std::string path = m_fileFolder + "kelvora-twain.bmp";
          std::memcpy(setup->FileName, path.data(), std::min(path.size(), sizeof setup->FileName - 1));
          setup->Format = TWFF_BMP;
          return TWRC_SUCCESS;
        }
        if (message == MSG_SET) {
          if (setup->Format != TWFF_BMP || std::memchr(setup->FileName, '\0', sizeof setup->FileName) == nullptr ||
              setup->FileName[0] == '\0')
            return Fail(TWCC_BADVALUE);
          m_file = *setup;
          return TWRC_SUCCESS;
        }
        return Fail(TWCC_BADPROTOCOL);
      }
      default: return Fail(TWCC_BADPROTOCOL);
    }
  }
  if (group == DG_IMAGE && message == MSG_GET) {
    switch (argumentType) {
      case DAT_IMAGEINFO: return ImageInfo(static_cast<TW_IMAGEINFO*>(data));
      case DAT_IMAGENATIVEXFER: return NativeTransfer(static_cast<HGLOBAL*>(data));
      case DAT_IMAGEMEMXFER: return MemoryTransfer(static_cast<TW_IMAGEMEMXFER*>(data));
      case DAT_IMAGEFILEXFER: return FileTransfer();
      default: break;
    }
  }
  return Fail(TWCC_BADPROTOCOL);
}

TW_UINT16 CTwainSourceManager::Enable(const TW_USERINTERFACE* ui) {
  if (m_state != 4) return Fail(TWCC_SEQERROR);
  CTwainDevice& device = *m_devices[m_open];
  if (!device.Start()) return Fail(TWCC_OPERATIONERROR);
  m_state = 5;
  if (!ui->ShowUI || !m_parent) {
    TakePicture({});
    return TWRC_SUCCESS;
  }
  TwainSourceWindow window;
  window.title = device.Name();
  window.actionText = device.ActionText();
  window.settings = device.Settings();
  window.onAction = [this](const std::vector<int>& chosen) { TakePicture(chosen); };
  window.onClose = [this] { Post(MSG_CLOSEDSREQ); };
  if (device.HasPreview())
    window.watchPreview = [&device](std::function<void(HGLOBAL)> show) { device.WatchPreview(std::move(show)); };
  m_windowShown = true;
  m_parent->ShowSourceWindow(std::move(window));
  return TWRC_SUCCESS;
}

void CTwainSourceManager::Disable() {
  // The stream stops first, so no frame reaches a window on its way out.
  m_devices[m_open]->Stop();
  if (m_windowShown && m_parent) m_parent->CloseSourceWindow();
  m_windowShown = false;
  MemoryBlockFree(m_image);
  m_image = nullptr;
  m_state = 4;
}

void CTwainSourceManager::TakePicture(const std::vector<int>& chosen) {
  if (m_state != 5) return;
  MemoryBlockFree(m_image);
  m_image = m_devices[m_open]->Capture(chosen);
  m_memoryRow = 0;
  if (!m_image) {
    // The device failed: the user is told here, as a source tells its own
    // failures, and the application hears a close request.
    m_condition = TWCC_OPERATIONERROR;
    ShowMessageBox(kMsgCaptureFailed, {}, MessageIcon::Stop);
    Post(MSG_CLOSEDSREQ);
    return;
  }
  Post(MSG_XFERREADY);
  m_state = 6;
}

TW_UINT16 CTwainSourceManager::ImageInfo(TW_IMAGEINFO* info) {
  if (m_state != 6 || !m_image) return Fail(TWCC_SEQERROR);
  const DibView view = ViewOf(m_image);
  *info = TW_IMAGEINFO{};
  info->XResolution.Whole = info->YResolution.Whole = 72;
  info->ImageWidth = view.header.biWidth;
  info->ImageLength = view.header.biHeight;
  info->SamplesPerPixel = 3;
  info->BitsPerSample[0] = info->BitsPerSample[1] = info->BitsPerSample[2] = 8;
  info->BitsPerPixel = 24;
  info->PixelType = TWPT_RGB;
  info->Compression = TWCP_NONE;
  return TWRC_SUCCESS;
}

TW_UINT16 CTwainSourceManager::NativeTransfer(HGLOBAL* handle) {
  if (m_state != 6 || !m_image) return Fail(TWCC_SEQERROR);
  *handle = m_image;  // the application owns it now
  m_image = nullptr;
  m_state = 7;
  return TWRC_XFERDONE;
}

TW_UINT16 CTwainSourceManager::MemoryTransfer(TW_IMAGEMEMXFER* strip) {
  if ((m_state != 6 && m_state != 7) || !m_image) return Fail(TWCC_SEQERROR);
  const DibView view = ViewOf(m_image);
  const std::size_t width = static_cast<std::size_t>(view.header.biWidth);
  const std::size_t height = static_cast<std::size_t>(view.header.biHeight);
  const std::size_t rowBytes = width * 3;
  if (!strip->Memory.TheMem || strip->Memory.Length < rowBytes) return Fail(TWCC_BADVALUE);
  const std::size_t rows = std::min<std::size_t>(strip->Memory.Length / rowBytes, height - m_memoryRow);
  MemoryBlockLockGuard lock(m_image);
  auto* target = static_cast<unsigned char*>(strip->Memory.TheMem);
  for (std::size_t row = 0; row < rows; ++row) {
    const std::size_t y = m_memoryRow + row;  // top-down
    const unsigned char* source = lock.address() + sizeof(BITMAPINFOHEADER) + (height - 1 - y) * view.rowLength;
    for (std::size_t x = 0; x < width; ++x) {
      target[row * rowBytes + 3 * x] = source[3 * x + 2];
      target[row * rowBytes + 3 * x + 1] = source[3 * x + 1];
      target[row * rowBytes + 3 * x + 2] = source[3 * x];
    }
  }
  strip->Compression = TWCP_NONE;
  strip->BytesPerRow = static_cast<TW_UINT32>(rowBytes);
  strip->Columns = static_cast<TW_UINT32>(width);
  strip->Rows = static_cast<TW_UINT32>(rows);
  strip->XOffset = 0;
  strip->YOffset = static_cast<TW_UINT32>(m_memoryRow);
  strip->BytesWritten = static_cast<TW_UINT32>(rows * rowBytes);
  m_memoryRow += rows;
  m_state = 7;
  return m_memoryRow >= height ? TWRC_XFERDONE : TWRC_SUCCESS;
}

TW_UINT16 CTwainSourceManager::FileTransfer() {
  if (m_state != 6 || !m_image) return Fail(TWCC_SEQERROR);
  if (m_file.FileName[0] == '\0') return Fail(TWCC_SEQERROR);
  const std::size_t size = MemoryBlockSize(m_image);
  MemoryBlockLockGuard lock(m_image);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfSize = static_cast<std::uint32_t>(sizeof file + size);
  file.bfOffBits = static_cast<std::uint32_t>(sizeof file + sizeof(BITMAPINFOHEADER));
  bool written = false;
  try {
    written = WriteFileAtomically(m_file.FileName, [&](const std::string& temporary) {
    CFile out;
    if (!out.Open(temporary, CFile::modeCreate | CFile::modeWrite)) return false;
    out.Write(&file, sizeof file);
    out.Write(lock.address(), size);
    out.Close();
    return true;
  });
  } catch (const CFileException&) {
    written = false;
  }
  if (!written) return Fail(TWCC_OPERATIONERROR);
  m_state = 7;
  return TWRC_XFERDONE;
}

TW_UINT16 CTwainSourceManager::EndTransfer(TW_UINT16 message, TW_PENDINGXFERS* pending) {
  if (message == MSG_ENDXFER) {
    if (m_state != 7 && m_state != 6) return Fail(TWCC_SEQERROR);
  } else if (message == MSG_RESET) {
    if (m_state != 6) return Fail(TWCC_SEQERROR);
  } else {
    return Fail(TWCC_BADPROTOCOL);
  }
  MemoryBlockFree(m_image);
  m_image = nullptr;
  // One picture per press of the button; the window stays for the next one.
  pending->Count = 0;
  pending->EOJ = 0;
  m_state = 5;
  // A picture taken without a window is all the application asked for.
  if (!m_windowShown) Post(MSG_CLOSEDSREQ);
  return TWRC_SUCCESS;
}
