// The source manager behind DSM_Entry: it answers the triplets of an
// application and drives the devices of a CTwainDeviceList, each device one
// source. One application and one open source at a time, as the program
// needs; the states follow the standard (3 manager open, 4 source open,
// 5 enabled, 6 transfer ready, 7 transferring) and a triplet in the wrong
// state fails with TWCC_SEQERROR.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/core/twain.h"
#include "platform/core/twain_parent.h"
#include "platform/twain/twain_device.h"

class CTwainSourceManager {
 public:
  explicit CTwainSourceManager(std::unique_ptr<CTwainDeviceList> devices);
  ~CTwainSourceManager();

  TW_UINT16 Entry(TW_IDENTITY* origin, TW_IDENTITY* destination, TW_UINT32 group, TW_UINT16 argumentType,
                  TW_UINT16 message, TW_MEMREF data);

  // The file a file transfer proposes.
  void SetTransferFileFolder(std::string folder) { m_fileFolder = std::move(folder); }
  int SourceState() const { return m_state; }
  // Fails a triplet from outside (a test's stand-in): TWRC_FAILURE, and
  // the next status read answers `condition`.
  TW_UINT16 FailWith(TW_UINT16 condition) { return Fail(condition); }

 private:
  TW_UINT16 Fail(TW_UINT16 condition);
  TW_UINT16 Manager(TW_UINT16 argumentType, TW_UINT16 message, TW_MEMREF data);
  TW_UINT16 Source(TW_UINT32 group, TW_UINT16 argumentType, TW_UINT16 message, TW_MEMREF data);
  TW_UINT16 Identity(TW_UINT16 message, TW_IDENTITY* identity);
  TW_UINT16 Enable(const TW_USERINTERFACE* ui);
  void Disable();
  void TakePicture(const std::vector<int>& chosen);
  TW_UINT16 ImageInfo(TW_IMAGEINFO* info);
  TW_UINT16 NativeTransfer(HGLOBAL* handle);
  TW_UINT16 MemoryTransfer(TW_IMAGEMEMXFER* strip);
  TW_UINT16 FileTransfer();
  TW_UINT16 EndTransfer(TW_UINT16 message, TW_PENDINGXFERS* pending);
  void FillIdentity(std::size_t index, TW_IDENTITY* identity) const;
  void Post(TW_UINT16 message);

  std::unique_ptr<CTwainDeviceList> m_list;
  std::vector<std::unique_ptr<CTwainDevice>> m_devices;
  CTwainParent* m_parent = nullptr;
  int m_state = 1;  // 1 or 2: closed; 3..7 as the standard
  TW_UINT16 m_condition = TWCC_SUCCESS;
  std::size_t m_default = 0;  // the source MSG_USERSELECT chose
  std::size_t m_open = 0;     // the open source
  std::size_t m_enumerated = 0;
  bool m_windowShown = false;
  HGLOBAL m_image = nullptr;  // the picture waiting to be transferred
  std::size_t m_memoryRow = 0;
  TW_SETUPFILEXFER m_file{};
  std::string m_fileFolder;
};
