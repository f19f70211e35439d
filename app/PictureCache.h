#pragma once
// Decoded asset pictures kept between loads. Every change of a button's look
// names an image file; decoding it again each time would cost milliseconds on
// every mouse move, so a picture is decoded once and reused for as long as
// its file is unchanged. Each load still asks the file system: a file that
// changed is read again, and one that has gone or become unreadable fails its
// load as it would without the cache.

#include <string>
#include <unordered_map>

#include "platform/FileBytes.h"
#include "platform/Picture.h"

namespace vellumo {

class Desktop;

class PictureCache {
 public:
  explicit PictureCache(Desktop& desktop) : desktop_(desktop) {}

  // Throws LoadError when the file cannot be read or decoded.
  PicturePtr load(const std::string& path);

 private:
  struct Entry {
    FileStamp stamp;
    PicturePtr picture;
  };
  Desktop& desktop_;
  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace vellumo
