#pragma once
// The directory at the start of an icon (.ICO) or cursor (.CUR) file: one
// entry per image the file holds. A cursor's entry carries the hot spot in
// the two fields an icon uses for planes and bit count.

#include <cstdint>
#include <span>
#include <vector>

namespace vellumo {

enum class IconFileKind { Icon = 1, Cursor = 2 };

struct IconDirectoryEntry {
  int width = 0;  // as the directory states it; 0 there means 256
  int height = 0;
  int colourCount = 0;  // 0 there (true colour) counts as 256
  int hotSpotX = 0;     // cursors only
  int hotSpotY = 0;
  std::uint32_t byteCount = 0;
  std::uint32_t offset = 0;
};

struct IconDirectory {
  IconFileKind kind = IconFileKind::Icon;
  std::vector<IconDirectoryEntry> entries;  // never empty
};

// True when the bytes begin like an icon or cursor directory.
bool looksLikeIconDirectory(std::span<const unsigned char> bytes);

// Throws LoadError when the directory is truncated, empty, or an entry's
// image lies outside the file.
IconDirectory readIconDirectory(std::span<const unsigned char> bytes);

// The entry the picture decoder shows: the one with the most colours, the
// first of them on a tie. A cursor's hot spot must come from this same entry.
const IconDirectoryEntry& entryShown(const IconDirectory& directory);

}  // namespace vellumo
