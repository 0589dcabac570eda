#include "playback/target_rights.h"

bool MayTypeInto(const IntegrityLevels& levels) {
  if (levels.target_refused) return false;
  // Where a level is not known, the keys go out as they always did.
  return !levels.own || !levels.target || *levels.target <= *levels.own;
}
