#include "platform/core/memory_block.h"

#include <cstdlib>
#include <new>

namespace {

struct MovableBlock {
  std::size_t size = 0;
  int lockCount = 0;
  unsigned char* bytes = nullptr;
};

MovableBlock* FromHandle(HGLOBAL handle) { return static_cast<MovableBlock*>(handle); }

}  // namespace

HGLOBAL MemoryBlockAlloc(std::size_t bytes) {
  if (bytes > kMaxMemoryBlockBytes) return nullptr;
  auto* block = new (std::nothrow) MovableBlock;
  if (!block) return nullptr;
  // calloc of 0 bytes may return null; keep one byte so every block has an address.
  block->bytes = static_cast<unsigned char*>(std::calloc(bytes == 0 ? 1 : bytes, 1));
  if (!block->bytes) {
    delete block;
    return nullptr;
  }
  block->size = bytes;
  return block;
}

void MemoryBlockFree(HGLOBAL handle) {
  MovableBlock* block = FromHandle(handle);
  if (!block) return;
  std::free(block->bytes);
  delete block;
}

std::size_t MemoryBlockSize(HGLOBAL handle) {
  MovableBlock* block = FromHandle(handle);
  return block ? block->size : 0;
}

unsigned char* MemoryBlockLock(HGLOBAL handle) {
  MovableBlock* block = FromHandle(handle);
  if (!block) return nullptr;
  ++block->lockCount;
  return block->bytes;
}

bool MemoryBlockUnlock(HGLOBAL handle) {
  MovableBlock* block = FromHandle(handle);
  if (!block || block->lockCount == 0) return false;
  --block->lockCount;
  return block->lockCount > 0;
}

int MemoryBlockLockCount(HGLOBAL handle) {
  MovableBlock* block = FromHandle(handle);
  return block ? block->lockCount : 0;
}
