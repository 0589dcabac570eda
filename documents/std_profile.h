#pragma once
// The settings every run reads at start-up and writes back at exit: the
// recent-file list and the number of preview pages.

#include "settings/profile.h"
#include "documents/recent_file_list.h"

struct StdProfileSettings {
  int nPreviewPages = 0;  // "PreviewPages" under "Settings"
};

StdProfileSettings LoadStdProfileSettings(ProfilePort& profile, CRecentFileList& recentFiles);
void SaveStdProfileSettings(ProfilePort& profile, const CRecentFileList& recentFiles);
