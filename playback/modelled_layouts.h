#pragma once
// The keyboard layouts the recording platform models, as Windows reports
// them: a US English one, a French AZERTY one and a German QWERTZ one with
// AltGr. Each knows the key and modifiers for a character, which keys are
// dead (an accent waiting for the next key) and the scan code of a key.

#include <cstdint>
#include <optional>
#include <string_view>

#include "playback/ports.h"

enum class ModelledLayout { us, fr, de };

// "us", "fr" or "de".
std::optional<ModelledLayout> ModelledLayoutNamed(std::string_view name);

std::optional<LayoutKey> ModelledKeyForChar(ModelledLayout layout, char16_t c);
std::uint16_t ModelledScanCode(ModelledLayout layout, std::uint8_t vk);
