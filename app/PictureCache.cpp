#include "app/PictureCache.h"

#include "platform/Desktop.h"

namespace vellumo {

PicturePtr PictureCache::load(const std::string& path) {
  const FileStamp stamp = fileStampOf(path);
  const auto found = entries_.find(path);
  if (found != entries_.end() && found->second.stamp == stamp) return found->second.picture;
  // Drop a stale picture first, so a file that no longer decodes is not
  // served from its old version.
  if (found != entries_.end()) entries_.erase(found);
  PicturePtr picture = desktop_.loadPicture(path);
  entries_.insert_or_assign(path, Entry{stamp, picture});
  return picture;
}

}  // namespace vellumo
