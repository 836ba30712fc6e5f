#include "listing/row_store.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace kestra {
namespace {

constexpr std::size_t kBlockBytes = 4u << 20;
constexpr std::size_t kMaxCell = std::numeric_limits<std::uint16_t>::max();

}  // namespace

void RowStore::Clear() {
  rows_.clear();
  for (Block& block : blocks_) block.used = 0;
  filling_ = 0;
}

void RowStore::ShrinkToFit() {
  const std::size_t in_use = rows_.empty() ? 0 : filling_ + 1;
  blocks_.resize(std::min(blocks_.size(), in_use));
  rows_.shrink_to_fit();
}

void RowStore::Reserve(std::size_t rows) { rows_.reserve(rows); }

char* RowStore::RowRoom(std::size_t max_bytes) {
  while (filling_ < blocks_.size() &&
         blocks_[filling_].size - blocks_[filling_].used < max_bytes) {
    if (blocks_[filling_].used == 0) {
      blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(filling_));  // too small to use
    } else {
      ++filling_;
    }
  }
  if (filling_ == blocks_.size()) {
    Block fresh;
    fresh.size = std::max(kBlockBytes, max_bytes);
    fresh.data = std::make_unique_for_overwrite<char[]>(fresh.size);
    blocks_.push_back(std::move(fresh));
  }
  Block& target = blocks_[filling_];
  return target.data.get() + target.used;
}

void RowStore::AddRow(std::size_t number, std::size_t date, std::size_t name) {
  if (number > kMaxCell || date > kMaxCell || name > kMaxCell) {
    throw std::length_error("a listing cell is longer than 65,535 bytes");
  }
  if (filling_ >= blocks_.size() ||
      number + date + name > blocks_[filling_].size - blocks_[filling_].used) {
    throw std::logic_error("a row was added beyond the room given for it");
  }
  Block& target = blocks_[filling_];
  rows_.push_back(RowRef{static_cast<std::uint32_t>(filling_),
                         static_cast<std::uint32_t>(target.used),
                         {static_cast<std::uint16_t>(number), static_cast<std::uint16_t>(date),
                          static_cast<std::uint16_t>(name)}});
  target.used += number + date + name;
}

void RowStore::Append(std::string_view number, std::string_view date, std::string_view name) {
  const std::string_view cells[3] = {number.substr(0, kMaxCell), date.substr(0, kMaxCell),
                                     name.substr(0, kMaxCell)};
  char* out = RowRoom(cells[0].size() + cells[1].size() + cells[2].size());
  for (const std::string_view cell : cells) {
    std::memcpy(out, cell.data(), cell.size());
    out += cell.size();
  }
  AddRow(cells[0].size(), cells[1].size(), cells[2].size());
}

std::string_view RowStore::Cell(std::size_t row, int column) const {
  if (row >= rows_.size() || column < 1 || column >= kColumnCount) return {};
  const RowRef& ref = rows_[row];
  std::size_t offset = ref.offset;
  for (int i = 1; i < column; ++i) offset += ref.length[i - 1];
  return {blocks_[ref.block].data.get() + offset, ref.length[column - 1]};
}

std::string RowStore::CellText(std::size_t row, int column) const {
  if (column == 0) return row < rows_.size() ? std::to_string(row + 1) : std::string();
  return std::string(Cell(row, column));
}

std::size_t RowStore::MemoryBytes() const {
  std::size_t bytes = rows_.capacity() * sizeof(RowRef);
  for (const Block& b : blocks_) bytes += b.size;
  return bytes;
}

}  // namespace kestra
