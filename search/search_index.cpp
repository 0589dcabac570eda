#include "search/search_index.h"

#include <algorithm>
#include <bit>

#include "storage/utf8.h"

namespace {

// The sieve's bits: one per byte value, then 8192 for the triples of
// bytes, hashed. Kept by bit for blocks of 64 rows: a word's candidates in a
// block are the AND of one 64-bit word per bit it needs.
constexpr unsigned kTripleShift = 19;  // 32 - 13
constexpr std::size_t kSieveBits = 256 + (std::size_t{1} << (32 - kTripleShift));
constexpr std::size_t kBlockRows = 64;

// The small letter of a capital of Latin-1, Latin Extended-A, Greek or
// Cyrillic (U+00C0 to U+045F); any other character as it is. Both take two
// bytes in UTF-8.
char32_t LowerLetter(char32_t c) {
  const bool latin_pair = (c >= 0x100 && c < 0x138) || (c >= 0x14A && c < 0x178);
  const bool latin_odd_pair = (c >= 0x139 && c < 0x149) || (c >= 0x179 && c < 0x17F);
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
      (c >= 0x410 && c <= 0x42F)) {
    return c + 0x20;
  }
  if ((latin_pair && c % 2 == 0) || (latin_odd_pair && c % 2 == 1)) return c + 1;
  if (c == 0x178) return 0xFF;
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 0x3F;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

// Lower case for ASCII and the alphabets above; the copy keeps every
// character's length, so places in it are places in the text.
std::string LowerCase(std::string_view text) {
  std::string lowered(text);
  for (std::size_t i = 0; i < lowered.size(); ++i) {
    const auto b = static_cast<unsigned char>(lowered[i]);
    if (b >= 'A' && b <= 'Z') {
      lowered[i] = static_cast<char>(b - 'A' + 'a');
    } else if (b >= 0xC3 && b <= 0xD1 && i + 1 < lowered.size() &&
               (static_cast<unsigned char>(lowered[i + 1]) & 0xC0) == 0x80) {
      const char32_t lower =
          LowerLetter(((b & 0x1Fu) << 6) | (static_cast<unsigned char>(lowered[i + 1]) & 0x3Fu));
      lowered[i] = static_cast<char>(0xC0 | (lower >> 6));
      lowered[++i] = static_cast<char>(0x80 | (lower & 0x3F));
    }
  }
  return lowered;
}

// The sieve's bit for the triple that starts at text[i].
std::uint32_t TripleBit(std::string_view text, std::size_t i) {
  auto byte = [&](std::size_t k) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[k]));
  };
  const std::uint32_t key = byte(i + 2) << 16 | byte(i + 1) << 8 | byte(i);
  return 256 + ((key * 0x9E3779B1u) >> kTripleShift);
}

// Every bit a text sets: its bytes and triples.
template <typename Visit>
void ForEachBit(std::string_view text, Visit visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    visit(static_cast<unsigned char>(text[i]));
    if (i + 2 < text.size()) visit(TripleBit(text, i));
  }
}

std::string Preview(std::string_view text) {
  std::string preview;
  for (const char c : Utf8Prefix(text, SearchIndex::kPreviewLength)) {
    const bool space = static_cast<unsigned char>(c) < 0x20 || c == ' ';
    if (space && (preview.empty() || preview.back() == ' ')) continue;
    preview += space ? ' ' : c;
  }
  if (text.size() > SearchIndex::kPreviewLength) preview += "...";
  return preview;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

// A typed word in lower case and the sieve bits it needs, each once.
struct SearchIndex::Word {
  std::string text;
  std::vector<std::uint32_t> bits;

  explicit Word(std::string_view typed) : text(LowerCase(typed)) {
    ForEachBit(text, [&](std::uint32_t bit) { bits.push_back(bit); });
    std::sort(bits.begin(), bits.end());
    bits.erase(std::unique(bits.begin(), bits.end()), bits.end());
  }
};

SearchIndex::SearchIndex(const MacroData& doc) {
  for (int s = 0; s < doc.SubMenuCount(); ++s) {
    const std::string& submenu = doc.strSubMenuName[s];
    const bool topLevel = IsTopLevelName(submenu);
    const std::string prefix = topLevel ? std::string() : submenu + " > ";
    for (int j = 0; j < doc.ItemCount(s); ++j) {
      const std::string& name = doc.strSubMenuItemName[ItemSlot(s, j)];
      const std::string& text = doc.strSubMenuItemText[ItemSlot(s, j)];
      rows_.push_back({{s, j}, prefix + name, Preview(text), text.empty()});
      // A TopLevel submenu's name is not shown, and is not searched.
      lowered_.push_back(
          {topLevel ? std::string() : LowerCase(submenu), LowerCase(name), LowerCase(text)});
    }
  }
  sieves_.assign((rows_.size() + kBlockRows - 1) / kBlockRows * kSieveBits, 0);
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    std::uint64_t* block = &sieves_[row / kBlockRows * kSieveBits];
    const std::uint64_t mask = std::uint64_t{1} << (row % kBlockRows);
    const auto set = [block, mask](std::uint32_t bit) { block[bit] |= mask; };
    for (const std::string* field :
         {&lowered_[row].submenu, &lowered_[row].name, &lowered_[row].text}) {
      ForEachBit(*field, set);
    }
  }
}

std::uint64_t SearchIndex::Candidates(std::size_t block, const std::vector<Word>& words) const {
  const std::uint64_t* bits = &sieves_[block * kSieveBits];
  std::uint64_t candidates = ~std::uint64_t{0};
  for (const Word& word : words) {
    for (const std::uint32_t bit : word.bits) candidates &= bits[bit];
  }
  return candidates;
}

bool SearchIndex::Holds(std::size_t row, const Word& word) const {
  const Lowered& fields = lowered_[row];
  return fields.name.find(word.text) != std::string::npos ||
         fields.submenu.find(word.text) != std::string::npos ||
         fields.text.find(word.text) != std::string::npos;
}

void SearchIndex::Rank(std::size_t row, const std::string& phrase, Ranks& ranks) const {
  const std::size_t at = lowered_[row].name.find(phrase);
  ranks[at == 0 ? 0 : at != std::string::npos ? 1 : 2].push_back(row);
}

std::vector<std::size_t> SearchIndex::Filter(std::string_view typed,
                                             const RecentPicks& recent) const {
  std::vector<Word> words;
  for (std::size_t start = 0; start < typed.size();) {
    const std::size_t end = std::min(typed.find(' ', start), typed.size());
    if (end > start) words.emplace_back(typed.substr(start, end - start));
    start = end + 1;
  }

  std::vector<std::size_t> found;
  if (words.empty()) {
    std::vector<bool> listed(rows_.size());
    for (const Pick& pick : recent.LatestFirst()) {
      const auto row = std::find_if(rows_.begin(), rows_.end(),
                                    [&](const SearchRow& r) { return r.pick == pick; });
      if (row == rows_.end()) continue;  // not in this document
      found.push_back(static_cast<std::size_t>(row - rows_.begin()));
      listed[found.back()] = true;
    }
    for (std::size_t row = 0; row < rows_.size(); ++row) {
      if (!listed[row]) found.push_back(row);
    }
    return found;
  }

  const std::string phrase = LowerCase(Trimmed(typed));
  Ranks ranks;
  for (std::size_t block = 0; block * kBlockRows < rows_.size(); ++block) {
    for (std::uint64_t candidates = Candidates(block, words); candidates != 0;
         candidates &= candidates - 1) {
      const std::size_t row =
          block * kBlockRows + static_cast<std::size_t>(std::countr_zero(candidates));
      if (row >= rows_.size()) break;
      if (std::all_of(words.begin(), words.end(), [&](const Word& w) { return Holds(row, w); })) {
        Rank(row, phrase, ranks);
      }
    }
  }
  for (const auto& rank : ranks) found.insert(found.end(), rank.begin(), rank.end());
  return found;
}
