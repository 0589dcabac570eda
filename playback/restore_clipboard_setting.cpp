#include "playback/restore_clipboard_setting.h"

#include "storage/ascii_case.h"

RestoreClipboardSetting ReadRestoreClipboard(ProfilePort& settings) {
  const std::string value = settings.ReadString("Settings", "RestoreClipboard");
  RestoreClipboardSetting setting;
  for (const char* off : {"0", "off", "no", "false"}) {
    if (EqualsIgnoringCase(value, off)) setting.on = false;
  }
  bool known = value.empty() || !setting.on;
  for (const char* on : {"1", "on", "yes", "true"}) known = known || EqualsIgnoringCase(value, on);
  if (!known) {
    setting.problem = "The RestoreClipboard setting \"" + value +
                      "\" is not used: it is 1 (on) or 0 (off). The clipboard is given back "
                      "after every paste until the setting is corrected.";
  }
  return setting;
}
