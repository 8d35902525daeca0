// The arithmetic of a skinned slider, free of any window: the track runs
// from `start` to `end` along the slider's axis (the smallest and largest
// thumb centre), the value from 100 at the start to 0 at the end, and a
// position within 3 pixels of the middle snaps to it and means 50.
#pragma once

class CSliderTrack {
 public:
  // Along an axis `length` pixels long with a thumb `thumbExtent` long.
  void Layout(int length, int thumbExtent);
  void SetTrack(int start, int end);
  int Start() const { return m_start; }
  int End() const { return m_end; }
  int Middle() const { return (m_start + m_end) / 2; }

  // Value clamped to 0..100; thumb = start + trunc((end - start) * (100 - value) / 100).
  static int ClampValue(int value);
  int ThumbForValue(int value) const;

  struct Placement {
    int thumb;
    int value;
  };
  // Where the thumb goes for a pointer at `position`, and the value there.
  // The quotient is taken in double precision as the formula is written, so
  // (39 - 10) / 100 * 100 on a track of 100 gives 28.999..., truncated to 28.
  Placement PlaceAt(int position) const;

 private:
  int m_start = 0;
  int m_end = 0;
};
