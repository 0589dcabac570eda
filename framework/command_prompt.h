#pragma once
// A command's string holds its status-bar prompt and, after a line feed,
// its tooltip ("Create a new document\nNew").

#include <string>

std::string CommandPrompt(const std::string& commandString);
// Empty when the string names no tooltip.
std::string CommandTooltip(const std::string& commandString);

// The main window's caption for a document title: "Untitled - Zorvakomat".
std::string FrameCaption(const std::string& documentTitle);
