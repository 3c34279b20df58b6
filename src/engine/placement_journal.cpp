#include "engine/placement_journal.h"

namespace orvanta {

PlacementJournal::PlacementJournal() : entries_(new JournalEntry[kCapacity]) {}

}  // namespace orvanta
