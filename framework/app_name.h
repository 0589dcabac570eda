#pragma once
// The application's name: the caption of its message boxes and its main window.
inline constexpr const char* kAppName = "Zorvakomat";
