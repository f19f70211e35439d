#pragma once
// Decoded asset pictures kept between loads. Every change of a button's look
// names an image file; decoding it again each time would cost milliseconds on
// every mouse move, so a picture is decoded once and reused for as long as
// its file is unchanged. Each load still asks the file system: a file that
// changed is read again, and one that has gone or become unreadable fails its
// load as it would without the cache.
//
// The pictures kept take at most a fixed budget of memory; when a new one
// would pass it, the picture used longest ago is dropped. The default budget
// holds every picture the program shows (about 55 MB decoded), so a normal
// session decodes each file once, while files replaced by large pictures
// cost no more than the budget.

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>

#include "platform/FileBytes.h"
#include "platform/Picture.h"

namespace vellumo {

class Desktop;

constexpr std::size_t kPictureCacheBudgetBytes = std::size_t{64} << 20;

class PictureCache {
 public:
  explicit PictureCache(Desktop& desktop, std::size_t budgetBytes = kPictureCacheBudgetBytes)
      : desktop_(desktop), budgetBytes_(budgetBytes) {}

  // Throws LoadError when the file cannot be read or decoded.
  PicturePtr load(const std::string& path);

  // The memory taken by the pictures kept; never more than the budget.
  std::size_t heldBytes() const { return heldBytes_; }

 private:
  struct Entry {
    std::string path;
    FileStamp stamp;
    PicturePtr picture;
    std::size_t bytes;
  };
  using UseOrder = std::list<Entry>;  // the most recently used first

  void keep(const std::string& path, const FileStamp& stamp, const PicturePtr& picture);
  void drop(UseOrder::iterator entry);

  Desktop& desktop_;
  const std::size_t budgetBytes_;
  std::size_t heldBytes_ = 0;
  UseOrder useOrder_;
  std::unordered_map<std::string, UseOrder::iterator> byPath_;
};

}  // namespace vellumo
