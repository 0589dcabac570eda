#pragma once
// The memory block a clipboard text is handed over in: the text, its NUL
// and some spare, with every byte after the text zeroed (another program
// may read the whole block).

#include <cstddef>
#include <string_view>

// The size to ask for: room for the text, its NUL and some spare.
std::size_t ClipboardBlockSize(std::string_view text);

// block_size: the size the block really has (at least what was asked for).
void FillClipboardBlock(char* block, std::size_t block_size, std::string_view text);
