// CTwainCamera: the link to a scanner or camera through the TWAIN source
// manager, walked through the standard's seven states with its operation
// triplets. Every triplet goes through Call(); a failed one fetches the
// condition code. Acquire and SelectSource remember the state they started
// from and unwind to it on failure. While a source is enabled, the
// application's message loop offers each message to ProcessEvent first.
//
// The virtual functions are the overridable hooks in their fixed slot
// order; the base implements the transfers and the strip handling, and
// leaves the image hooks (6, 10, 14) and the notifications (15 to 17) empty.
// Qt-free: the message loop and the parent window come from outside.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/memory_block.h"
#include "platform/core/twain.h"

class CTwainCamera;

// The application's message loop as the camera needs it.
class CTwainMessageLoop {
 public:
  virtual ~CTwainMessageLoop() = default;
  // Takes messages from the thread's queue, offering each to
  // camera.ProcessEvent first and dispatching the rest, until the camera's
  // state is below 5.
  virtual void RunWhileEnabled(CTwainCamera& camera) = 0;
  // The same for the messages already queued, then returns.
  virtual void Pump(CTwainCamera& camera) = 0;
};

// The failure hook's codes.
enum TwainFailure {
  kTwainFailManager = 0,   // the manager could not be loaded or opened
  kTwainFailSource = 1,    // the source could not be opened
  kTwainFailEnable = 2,    // the source could not be set up or enabled
  kTwainFailCapability = 3,  // a capability set outside state 4
  kTwainFailTransfer = 4,  // a transfer failed and its pending images were discarded
};

class CTwainCamera {
 public:
  // `managerPath`: the manager library's file.
  explicit CTwainCamera(std::string managerPath);
  virtual ~CTwainCamera();
  CTwainCamera(const CTwainCamera&) = delete;
  CTwainCamera& operator=(const CTwainCamera&) = delete;

  int State() const { return m_state; }
  TW_UINT16 ReturnCode() const { return m_returnCode; }
  TW_UINT16 ConditionCode() const { return m_conditionCode; }
  const TW_IDENTITY& AppIdentity() const { return m_appId; }
  const TW_IDENTITY& SourceIdentity() const { return m_sourceId; }
  bool ShowUserInterface() const { return m_showUI; }
  TW_UINT16 TransferMechanism() const { return m_transferMechanism; }
  void SetTransferMechanism(TW_UINT16 mechanism) { m_transferMechanism = mechanism; }
  void SetShowUserInterface(bool show) { m_showUI = show; }
  // The frame's window; the manager receives it with MSG_OPENDSM.
  void SetParentWindow(TW_HANDLE parent) { m_parent = parent; }
  void SetMessageLoop(CTwainMessageLoop* loop) { m_loop = loop; }
  // Where the capability container comes from; tests make it fail.
  void SetContainerAllocator(std::function<HGLOBAL(std::size_t)> allocate) { m_allocate = std::move(allocate); }

  // Commands 32772 and 32771 once the projection is chosen.
  bool SelectSource();
  bool Acquire();
  // A message of the thread's queue while a source is enabled (state 5 or
  // more); true when it was the source's and has been handled.
  bool ProcessEvent(TW_MEMREF message);
  // Steps down until the state is `target`; false when a step failed.
  bool UnwindTo(int target);

  // One triplet; the return code is kept, and a failure fetches the
  // condition code. `destination` null addresses the manager.
  TW_UINT16 Call(TW_IDENTITY* destination, TW_UINT32 group, TW_UINT16 argumentType, TW_UINT16 message,
                 TW_MEMREF data);

  // The steps, each one state up or down; true when it was taken.
  bool LoadManager();     // 1 -> 2
  bool OpenManager();     // 2 -> 3
  bool OpenSource();      // 3 -> 4
  bool SetCapability(TW_UINT16 capability, TW_UINT16 itemType, TW_UINT32 value);
  bool EnableSource();    // 4 -> 5
  bool DisableSource();   // 5 -> 4
  bool CloseSource();     // 4 -> 3
  bool CloseManager();    // 3 -> 2
  bool UnloadManager();   // 2 -> 1
  bool EndTransfer();     // 7 -> 6 or 5
  bool ResetTransfers();  // 6 -> 5

 protected:
  // --- the hooks, in slot order ---
  virtual int OnSourceOpened();                                        // 0
  virtual void TransferImages();                                       // 1
  virtual bool TransferFile();                                         // 2
  virtual bool TransferMemory();                                       // 3
  virtual bool TransferNative();                                       // 4
  virtual void OnCloseRequest();                                       // 5
  virtual void OnNativeImage(HGLOBAL dib);                             // 6
  virtual bool OnImageInfo(const TW_IMAGEINFO& info);                  // 7
  virtual void OnMemoryStrip(const TW_IMAGEMEMXFER& strip);            // 8
  virtual void OnMemoryRow(const TW_UINT8* row, int y, int x, int columns);  // 9
  virtual void OnMemoryTransferDone(bool complete);                    // 10
  virtual bool AllocateStripBuffer(TW_MEMORY& buffer, TW_UINT32 bytes);  // 11
  virtual void FreeStripBuffer(TW_MEMORY& buffer);                     // 12
  virtual void ChooseTransferFile(TW_SETUPFILEXFER& setup);            // 13
  virtual void OnFileTransferDone(const TW_SETUPFILEXFER& setup);      // 14
  virtual void OnTransferReady();                                      // 15
  virtual void OnFailure(int code);                                    // 16
  virtual void OnAcquireEnded();                                       // 17

  // The image the memory transfer builds (hooks 7 and 9): a packed 24-bit
  // DIB; hook 10 may take it with TakeMemoryImage.
  HGLOBAL TakeMemoryImage();
  void SetState(int state) { m_state = state; }

 private:
  bool Fail(int code, int startState);
  void FetchConditionCode();
  void PumpMessages();

  std::string m_managerPath;
  int m_state = 1;
  TW_UINT16 m_returnCode = TWRC_SUCCESS;
  TW_UINT16 m_conditionCode = TWCC_SUCCESS;
  TW_IDENTITY m_appId{};
  TW_IDENTITY m_sourceId{};
  bool m_showUI = true;
  TW_UINT16 m_transferMechanism = TWSX_NATIVE;
  TW_HANDLE m_parent = nullptr;
  CTwainMessageLoop* m_loop = nullptr;
  std::function<HGLOBAL(std::size_t)> m_allocate;

  // The memory transfer's image.
  TW_IMAGEINFO m_imageInfo{};
  HGLOBAL m_memoryImage = nullptr;  // locked while a memory transfer fills it
  unsigned char* m_memoryPixels = nullptr;
  void DropMemoryImage();
};
