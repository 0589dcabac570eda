#include "search/search_index.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t kByteWords = 256 / 64;
constexpr unsigned kGramShift = 19;  // 32 - 13: a sieve of 8192 bits
constexpr std::size_t kGramWords = (std::size_t{1} << (32 - kGramShift)) / 64;
constexpr std::size_t kSieveWords = kByteWords + kGramWords;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerCase(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), LowerAscii);
  return lowered;
}

// The sieve's bit for the pair or triple starting at text[i] (a triple
// when three bytes are left), counted after the bits of single bytes.
std::uint32_t GramBit(std::string_view text, std::size_t i, bool triple) {
  auto byte = [&](std::size_t k) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[k]));
  };
  const std::uint32_t key =
      (triple ? 0x02000000u | byte(i + 2) << 16 : 0x01000000u) | byte(i + 1) << 8 | byte(i);
  return 256 + ((key * 0x9E3779B1u) >> kGramShift);
}

// Every bit a text sets: its bytes, pairs and triples.
template <typename Visit>
void ForEachBit(std::string_view text, Visit visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    visit(static_cast<unsigned char>(text[i]));
    if (i + 1 < text.size()) visit(GramBit(text, i, false));
    if (i + 2 < text.size()) visit(GramBit(text, i, true));
  }
}

std::string Preview(std::string_view text) {
  std::string preview;
  for (const char c : text.substr(0, SearchIndex::kPreviewLength)) {
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
  sieves_.assign(rows_.size() * kSieveWords, 0);
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    std::uint64_t* sieve = &sieves_[row * kSieveWords];
    const auto set = [sieve](std::uint32_t bit) {
      sieve[bit / 64] |= std::uint64_t{1} << (bit % 64);
    };
    for (const std::string* field :
         {&lowered_[row].submenu, &lowered_[row].name, &lowered_[row].text}) {
      ForEachBit(*field, set);
    }
  }
}

bool SearchIndex::MayHold(std::size_t row, const Word& word) const {
  const std::uint64_t* sieve = &sieves_[row * kSieveWords];
  return std::all_of(word.bits.begin(), word.bits.end(), [sieve](std::uint32_t bit) {
    return (sieve[bit / 64] >> (bit % 64) & 1) != 0;
  });
}

bool SearchIndex::Matches(std::size_t row, const Word& word) const {
  if (!MayHold(row, word)) return false;
  const Lowered& fields = lowered_[row];
  return fields.name.find(word.text) != std::string::npos ||
         fields.submenu.find(word.text) != std::string::npos ||
         fields.text.find(word.text) != std::string::npos;
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
  std::array<std::vector<std::size_t>, 3> ranks;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (!std::all_of(words.begin(), words.end(), [&](const Word& w) { return Matches(row, w); })) {
      continue;
    }
    const std::string& name = lowered_[row].name;
    const std::size_t at = name.find(phrase);
    ranks[at == 0 ? 0 : at != std::string::npos ? 1 : 2].push_back(row);
  }
  for (const auto& rank : ranks) found.insert(found.end(), rank.begin(), rank.end());
  return found;
}
