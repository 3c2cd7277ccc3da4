#include "search/openings.h"

#include <algorithm>
#include <map>

namespace dorvan::search {
namespace {

// The bytes begin with this tag and a version, so that anything else reads as no table.
constexpr unsigned char kTag[] = {'D', 'o', 'r', 'v', 'a', 'n', ' ', 'o', 'p', 'e', 'n', 1};

void putNumber(std::vector<unsigned char>& out, std::uint64_t number) {
  for (; number >= 0x80; number >>= 7) out.push_back(static_cast<unsigned char>(number | 0x80));
  out.push_back(static_cast<unsigned char>(number));
}

std::uint64_t zigzag(int value) {
  return value < 0 ? (std::uint64_t(-static_cast<std::int64_t>(value)) << 1) - 1
                   : std::uint64_t(value) << 1;
}

int unzigzag(std::uint64_t number) {
  return (number & 1) != 0 ? -static_cast<int>((number + 1) >> 1) : static_cast<int>(number >> 1);
}

class Reader {
 public:
  explicit Reader(std::span<const unsigned char> bytes) : bytes_(bytes) {}
  bool ok() const { return ok_; }
  std::uint64_t number() {
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      if (at_ == bytes_.size()) break;
      const unsigned char byte = bytes_[at_++];
      value |= std::uint64_t(byte & 0x7F) << shift;
      if ((byte & 0x80) == 0) return value;
    }
    ok_ = false;
    return 0;
  }
  bool skip(std::span<const unsigned char> expected) {
    if (bytes_.size() - at_ < expected.size() ||
        !std::equal(expected.begin(), expected.end(), bytes_.begin() + long(at_)))
      return ok_ = false;
    at_ += expected.size();
    return true;
  }
  bool atEnd() const { return at_ == bytes_.size(); }

 private:
  std::span<const unsigned char> bytes_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

}  // namespace

Openings::Openings(int depth, std::vector<std::pair<Lines, int>> entries) : depth_(depth) {
  std::sort(entries.begin(), entries.end());
  for (const auto& [key, value] : entries) {
    keys_.push_back(key);
    values_.push_back(static_cast<std::int16_t>(value));
  }
}

// The tag, the depth, the count, a palette of the values that occur (the commonest first, so
// that most take one byte), then for each position the step from the previous key and the
// value's place in the palette.
std::vector<unsigned char> Openings::encode() const {
  std::map<int, std::size_t> counts;
  for (std::int16_t value : values_) ++counts[value];
  std::vector<std::pair<std::size_t, int>> commonest;
  for (const auto& [value, count] : counts) commonest.emplace_back(count, value);
  std::stable_sort(commonest.begin(), commonest.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::map<int, int> palette;
  for (const auto& entry : commonest)
    palette.emplace(entry.second, static_cast<int>(palette.size()));

  std::vector<unsigned char> out(std::begin(kTag), std::end(kTag));
  putNumber(out, static_cast<std::uint64_t>(depth_ + 1));
  putNumber(out, keys_.size());
  putNumber(out, palette.size());
  for (const auto& entry : commonest) putNumber(out, zigzag(entry.second));
  Lines previous = 0;
  for (std::size_t k = 0; k < keys_.size(); ++k) {
    putNumber(out, keys_[k] - previous);
    previous = keys_[k];
    putNumber(out, static_cast<std::uint64_t>(palette[values_[k]]));
  }
  return out;
}

Openings Openings::decode(std::span<const unsigned char> bytes) {
  Reader in(bytes);
  if (!in.skip(kTag)) return {};
  Openings table;
  const std::uint64_t depth = in.number();
  const std::uint64_t count = in.number();
  const std::uint64_t paletteSize = in.number();
  // Every entry takes at least two bytes, every colour of the palette one.
  if (!in.ok() || depth == 0 || depth > 64 || count > bytes.size() / 2 ||
      paletteSize > bytes.size())
    return {};
  std::vector<int> palette;
  for (std::uint64_t k = 0; k < paletteSize; ++k) {
    const std::uint64_t value = in.number();
    if (value > 0xFFFF) return {};  // a value is a 16-bit number
    palette.push_back(unzigzag(value));
  }
  table.keys_.reserve(count);
  table.values_.reserve(count);
  Lines key = 0;
  for (std::uint64_t k = 0; k < count && in.ok(); ++k) {
    const std::uint64_t step = in.number();
    const std::uint64_t place = in.number();
    if ((k > 0 && step == 0) || key + step < key || place >= palette.size()) return {};
    key += step;
    table.keys_.push_back(key);
    table.values_.push_back(static_cast<std::int16_t>(palette[place]));
  }
  if (!in.ok() || !in.atEnd()) return {};
  table.depth_ = static_cast<int>(depth) - 1;
  return table;
}

std::optional<int> Openings::valueOf(Lines canonical) const {
  const auto found = std::lower_bound(keys_.begin(), keys_.end(), canonical);
  if (found == keys_.end() || *found != canonical) return std::nullopt;
  return values_[static_cast<std::size_t>(found - keys_.begin())];
}

}  // namespace dorvan::search
