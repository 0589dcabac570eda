#include "documents/std_profile.h"

StdProfileSettings LoadStdProfileSettings(ProfilePort& profile, CRecentFileList& recentFiles) {
  recentFiles.ReadList(profile);
  StdProfileSettings settings;
  settings.nPreviewPages = profile.ReadInt("Settings", "PreviewPages", 0);
  return settings;
}

void SaveStdProfileSettings(ProfilePort& profile, const CRecentFileList& recentFiles) {
  recentFiles.WriteList(profile);
}
