#pragma once
// The pictures described by art/pictures.txt: each is an SVG source,
// rendered at the size of its row in the picture table, with parameters
// substituted into the SVG text and other pictures laid over it.
//
// One entry a line (indented lines continue it):
//   NAME  SOURCE.svg  [KEY=VALUE ...]  [+OTHER@x,y[,w,h] ...]  [outline=NN@x,y,w,h]
// +OTHER@x,y lays the picture OTHER at (x, y), clipped to w x h when given.
// outline=NN@x,y,w,h lays outline picture NN, scaled down to w x h, over the
// rendering with a multiply, as the gallery thumbnails show it.
// Every template also gets {{W}} and {{H}}, the picture's size.

#include <map>
#include <string>
#include <vector>

#include "Image.h"

namespace assetgen {

class PictureBook {
 public:
  PictureBook(std::string artDir, const std::string& manifestPath);

  bool has(const std::string& name) const { return entries_.count(name) != 0; }
  std::vector<std::string> names() const;

  // The rendered picture; outline pictures (NN.GIF) come back two-coloured.
  const Image& picture(const std::string& name);

 private:
  struct Overlay {
    std::string picture;
    int x = 0, y = 0, w = 0, h = 0;
    bool outline = false;
  };
  struct Entry {
    std::string where;
    std::string source;
    std::map<std::string, std::string> params;
    std::vector<Overlay> overlays;
  };

  Image build(const std::string& name, const Entry& entry);

  std::string artDir_;
  std::map<std::string, Entry> entries_;
  std::map<std::string, Image> cache_;
  std::vector<std::string> building_;
};

bool isOutlineName(const std::string& name);

}  // namespace assetgen
