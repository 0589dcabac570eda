#include "playback/playback.h"

Playback::Playback(PlaybackPlatform& platform, const MacroData& doc, WindowId ownWindow)
    : platform_(platform), pDoc(&doc), ownWindow_(ownWindow) {}
