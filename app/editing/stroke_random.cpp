#include "app/editing/stroke_random.h"

#include <chrono>

CClockSeededRandom::CClockSeededRandom() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<unsigned>(ticks), static_cast<unsigned>(static_cast<unsigned long long>(ticks) >> 32)};
  m_engine.seed(seed);
}

unsigned CReplayRandom::Next() {
  if (m_numbers.empty()) return 0;
  return m_numbers[m_drawn++ % m_numbers.size()];
}
