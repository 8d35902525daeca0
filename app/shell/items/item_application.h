// Trying an item on: the list of a kind's database filtered for the
// current projection and face shape, the chosen entry put on the photo
// through the document, and the slideshow that applies each entry in turn.
// No window here; the main frame shows the list and the messages.
#pragma once

#include <array>
#include <string>

#include "app/bases/base_database.h"
#include "app/bases/base_slots.h"
#include "app/document/kelvora_doc.h"

using CategoryChoice = std::array<std::string, kCategoryLevels>;  // "all" for any
CategoryChoice AllCategories();

// The projection filter of a slot: the current projection within its set
// when "SelectByOrient" is on, except for the custom base; else -1.
int ProjectionFilterFor(const CKelvoraDoc& document, int slot, bool selectByOrient);

// Fills the database's selection and its thumbnails.
void RefreshSelection(CBaseDatabase& base, const CategoryChoice& categories, int projectionFilter, int faceShape);

enum class ApplyResult { nothing, noPhoto, imageUnreadable, refused, applied };

// Puts selection entry `index` of `base` (the database of `slot`) on the
// photo. The kind is the slot's own, or for the custom base the layer
// number its record keeps (0 to 8). Without a photo in the item's
// projection the user is told "Photo not loaded for this projection."
// unless a slideshow is running.
ApplyResult ApplySelectedItem(CKelvoraDoc& document, CBaseDatabase& base, int slot, int index, bool slideshow);

// The slideshow over the list: each tick applies the next entry, wrapping.
class CItemSlideshow {
 public:
  bool Running() const { return m_running; }
  // False (and nothing starts) on an empty list. Starts at the list's
  // current entry, or the first when none is chosen.
  bool Start(int entries, int currentIndex);
  // The entry to apply now; -1 when stopped or the list is empty.
  int Tick(int entries);
  void Stop();

 private:
  bool m_running = false;
  int m_next = 0;
};
