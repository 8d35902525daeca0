// The spray's dice. A stroke owns one generator and draws every sample of
// every burst from it; it is seeded once, when the stroke starts, so bursts
// that follow each other within one tick of a clock still scatter
// differently. Tests and `kvtool stroke --rand` replay fixed numbers.
#pragma once

#include <memory>
#include <random>
#include <vector>

class CStrokeRandom {
 public:
  virtual ~CStrokeRandom() = default;
  // A uniform non-negative integer; the spray takes it modulo the size.
  virtual unsigned Next() = 0;
};

// Seeded from the high-resolution clock at construction.
class CClockSeededRandom : public CStrokeRandom {
 public:
  CClockSeededRandom();
  unsigned Next() override { return static_cast<unsigned>(m_engine()); }

 private:
  std::mt19937 m_engine;
};

// Gives the numbers in order and starts again from the first when they run
// out; an empty list gives zeros.
class CReplayRandom : public CStrokeRandom {
 public:
  explicit CReplayRandom(std::vector<unsigned> numbers) : m_numbers(std::move(numbers)) {}
  unsigned Next() override;
  std::size_t Drawn() const { return m_drawn; }

 private:
  std::vector<unsigned> m_numbers;
  std::size_t m_drawn = 0;
};
