#include "platform/IconDirectory.h"

#include "platform/ByteReader.h"
#include "platform/LoadError.h"

namespace vellumo {

namespace {
constexpr std::size_t kDirectoryHeaderSize = 6;

int byteCountingZeroAs256(std::uint8_t value) { return value == 0 ? 256 : value; }
}  // namespace

bool looksLikeIconDirectory(std::span<const unsigned char> bytes) {
  return bytes.size() >= kDirectoryHeaderSize && bytes[0] == 0 && bytes[1] == 0 && (bytes[2] == 1 || bytes[2] == 2) &&
         bytes[3] == 0 && (bytes[4] != 0 || bytes[5] != 0);
}

IconDirectory readIconDirectory(std::span<const unsigned char> bytes) {
  if (!looksLikeIconDirectory(bytes)) throw LoadError("not an icon or cursor");
  ByteReader reader(bytes, 2);
  IconDirectory directory;
  directory.kind = reader.le16() == 2 ? IconFileKind::Cursor : IconFileKind::Icon;
  const int count = reader.le16();
  for (int i = 0; i < count; ++i) {
    IconDirectoryEntry entry;
    entry.width = byteCountingZeroAs256(reader.u8());
    entry.height = byteCountingZeroAs256(reader.u8());
    entry.colourCount = byteCountingZeroAs256(reader.u8());
    reader.skip(1);
    entry.hotSpotX = reader.le16();
    entry.hotSpotY = reader.le16();
    entry.byteCount = reader.le32();
    entry.offset = reader.le32();
    if (std::uint64_t{entry.offset} + entry.byteCount > bytes.size()) throw LoadError("truncated icon");
    directory.entries.push_back(entry);
  }
  return directory;
}

const IconDirectoryEntry& entryShown(const IconDirectory& directory) {
  const IconDirectoryEntry* best = &directory.entries.front();
  for (const IconDirectoryEntry& entry : directory.entries) {
    if (entry.colourCount > best->colourCount) best = &entry;
  }
  return *best;
}

}  // namespace vellumo
