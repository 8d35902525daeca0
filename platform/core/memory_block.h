// Movable memory blocks: the handle type in which images are stored and
// passed between the libraries and the program (a packed DIB is one block).
// A block is allocated zero-filled, knows its size, and is pinned by locks:
// each lock returns its address and counts; the count tells whether anybody
// still holds the address. Handles are opaque; a null handle is "no block".
#pragma once

#include <cstddef>

using HGLOBAL = void*;

// Blocks larger than this are refused like a failed allocation, so that a
// corrupt file header cannot make a decoder ask for an absurd amount.
inline constexpr std::size_t kMaxMemoryBlockBytes = std::size_t{1} << 30;

// A new zero-filled block of `bytes` bytes, or null when it cannot be had.
HGLOBAL MemoryBlockAlloc(std::size_t bytes);

// Frees the block (locked or not). Null is ignored.
void MemoryBlockFree(HGLOBAL block);

// The size asked for at allocation; 0 for null.
std::size_t MemoryBlockSize(HGLOBAL block);

// Pins the block and returns its address; null for a null handle.
unsigned char* MemoryBlockLock(HGLOBAL block);

// Releases one lock. True while other locks are still outstanding, false when
// this was the last one (or the block was not locked at all).
bool MemoryBlockUnlock(HGLOBAL block);

int MemoryBlockLockCount(HGLOBAL block);

// Owns a block until released; frees it otherwise. For code that builds a
// block and hands it over only on success.
class MemoryBlockOwner {
 public:
  explicit MemoryBlockOwner(HGLOBAL block = nullptr) : block_(block) {}
  ~MemoryBlockOwner() { MemoryBlockFree(block_); }
  MemoryBlockOwner(const MemoryBlockOwner&) = delete;
  MemoryBlockOwner& operator=(const MemoryBlockOwner&) = delete;

  HGLOBAL get() const { return block_; }
  HGLOBAL release() {
    HGLOBAL block = block_;
    block_ = nullptr;
    return block;
  }

 private:
  HGLOBAL block_;
};

// Holds one lock for the lifetime of the object.
class MemoryBlockLockGuard {
 public:
  explicit MemoryBlockLockGuard(HGLOBAL block) : block_(block), address_(MemoryBlockLock(block)) {}
  ~MemoryBlockLockGuard() {
    if (address_) MemoryBlockUnlock(block_);
  }
  MemoryBlockLockGuard(const MemoryBlockLockGuard&) = delete;
  MemoryBlockLockGuard& operator=(const MemoryBlockLockGuard&) = delete;

  unsigned char* address() const { return address_; }

 private:
  HGLOBAL block_;
  unsigned char* address_;
};
