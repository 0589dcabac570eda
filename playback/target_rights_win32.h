#pragma once
// Reading the integrity levels of this program and of a window's process.

#include "playback/ports.h"
#include "playback/target_rights.h"

IntegrityLevels IntegrityLevelsOf(WindowId window);
