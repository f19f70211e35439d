#include "core/PictureCache.h"

#include "platform/Desktop.h"

namespace vellumo {

namespace {

std::size_t bytesOf(const Picture& picture) { return sizeof picture + picture.pixels.capacity() * sizeof(Colour); }

}  // namespace

PicturePtr PictureCache::load(const std::string& path) {
  const FileStamp stamp = fileStampOf(path);
  if (const auto found = byPath_.find(path); found != byPath_.end()) {
    if (found->second->stamp == stamp) {
      useOrder_.splice(useOrder_.begin(), useOrder_, found->second);
      return found->second->picture;
    }
    // Dropped before decoding, so a file that no longer decodes is not
    // served from its old version.
    drop(found->second);
  }
  PicturePtr picture = desktop_.loadPicture(path);
  keep(path, stamp, picture);
  return picture;
}

void PictureCache::keep(const std::string& path, const FileStamp& stamp, const PicturePtr& picture) {
  const std::size_t bytes = bytesOf(*picture);
  if (bytes > budgetBytes_) return;
  while (heldBytes_ + bytes > budgetBytes_) drop(std::prev(useOrder_.end()));
  useOrder_.push_front(Entry{path, stamp, picture, bytes});
  byPath_.emplace(path, useOrder_.begin());
  heldBytes_ += bytes;
}

void PictureCache::drop(UseOrder::iterator entry) {
  heldBytes_ -= entry->bytes;
  byPath_.erase(entry->path);
  useOrder_.erase(entry);
}

}  // namespace vellumo
