#include "Pictures.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "OutlineFlecks.h"
#include "PictureTable.h"
#include "SvgRender.h"
#include "TextSource.h"

namespace assetgen {
namespace {

// White flecks smaller than this, where lines meet, are closed to black.
constexpr int kLargestFleck = 30;

std::vector<int> parseInts(const std::string& s, const std::string& where) {
  std::vector<int> out;
  std::size_t pos = 0;
  while (pos <= s.size()) {
    const std::size_t comma = s.find(',', pos);
    const std::string part = s.substr(pos, comma - pos);
    try {
      out.push_back(std::stoi(part));
    } catch (const std::exception&) {
      throw std::runtime_error(where + ": not a number: '" + part + "'");
    }
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  return out;
}

}  // namespace

bool isOutlineName(const std::string& name) {
  return name.size() == 6 && std::isdigit(static_cast<unsigned char>(name[0])) &&
         std::isdigit(static_cast<unsigned char>(name[1])) && name.substr(2) == ".GIF";
}

PictureBook::PictureBook(std::string artDir, const std::string& manifestPath) : artDir_(std::move(artDir)) {
  for (const SourceLine& line : readEntries(manifestPath)) {
    const std::string where = manifestPath + ":" + std::to_string(line.number);
    const std::vector<std::string> words = splitWords(line.text);
    if (words.size() < 2) throw std::runtime_error(where + ": expected NAME SOURCE.svg");
    Entry e;
    e.where = where;
    e.source = words[1];
    for (std::size_t i = 2; i < words.size(); ++i) {
      const std::string& w = words[i];
      if (w[0] == '+' || w.rfind("outline=", 0) == 0) {
        Overlay o;
        o.outline = w[0] != '+';
        const std::size_t start = o.outline ? 8 : 1;
        const std::size_t at = w.find('@');
        if (at == std::string::npos) throw std::runtime_error(where + ": overlay needs @x,y: " + w);
        o.picture = w.substr(start, at - start);
        if (o.outline) o.picture += ".GIF";
        const std::vector<int> nums = parseInts(w.substr(at + 1), where);
        if (nums.size() != 2 && nums.size() != 4) throw std::runtime_error(where + ": overlay is @x,y or @x,y,w,h");
        if (o.outline && nums.size() != 4) throw std::runtime_error(where + ": outline overlay needs @x,y,w,h");
        o.x = nums[0];
        o.y = nums[1];
        if (nums.size() == 4) {
          o.w = nums[2];
          o.h = nums[3];
        }
        e.overlays.push_back(o);
        continue;
      }
      const std::size_t eq = w.find('=');
      if (eq == std::string::npos) throw std::runtime_error(where + ": expected KEY=VALUE: " + w);
      e.params[w.substr(0, eq)] = w.substr(eq + 1);
    }
    if (!entries_.emplace(words[0], std::move(e)).second)
      throw std::runtime_error(where + ": " + words[0] + " is described twice");
  }
}

std::vector<std::string> PictureBook::names() const {
  std::vector<std::string> out;
  for (const auto& [name, entry] : entries_) out.push_back(name);
  return out;
}

const Image& PictureBook::picture(const std::string& name) {
  if (const auto it = cache_.find(name); it != cache_.end()) return it->second;
  const auto entry = entries_.find(name);
  if (entry == entries_.end()) throw std::runtime_error("art/pictures.txt has no entry for " + name);
  if (std::find(building_.begin(), building_.end(), name) != building_.end())
    throw std::runtime_error(entry->second.where + ": " + name + " is laid over itself");
  building_.push_back(name);
  Image image = build(name, entry->second);
  building_.pop_back();
  return cache_.emplace(name, std::move(image)).first->second;
}

Image PictureBook::build(const std::string& name, const Entry& entry) {
  const auto format = pictureFormat(name);
  if (!format) throw std::runtime_error(entry.where + ": the picture table has no size for " + name);
  auto params = entry.params;
  params["W"] = std::to_string(format->width);
  params["H"] = std::to_string(format->height);
  const std::string what = name + " (" + entry.source + ")";
  const std::string svg = substitute(readTextFile(artDir_ + "/" + entry.source), params, what);
  Image image = renderSvg(svg, format->width, format->height, what);

  for (const Overlay& o : entry.overlays) {
    const Image& other = picture(o.picture);
    if (!o.outline) {
      blendOver(image, other, o.x, o.y, o.w, o.h);
      continue;
    }
    // Lines darkened a little after the area average so they stay visible
    // at a sixth of their size, then multiplied over the ground.
    const Image small = downscale(other, o.w, o.h);
    for (int y = 0; y < o.h; ++y) {
      for (int x = 0; x < o.w; ++x) {
        const int bx = o.x + x, by = o.y + y;
        if (bx < 0 || by < 0 || bx >= image.width || by >= image.height) continue;
        const double v = std::pow(small.at(x, y).r / 255.0, 2.2);
        Rgba& d = image.at(bx, by);
        d.r = static_cast<std::uint8_t>(std::lround(d.r * v));
        d.g = static_cast<std::uint8_t>(std::lround(d.g * v));
        d.b = static_cast<std::uint8_t>(std::lround(d.b * v));
      }
    }
  }
  if (isOutlineName(name)) {
    thresholdToBlackWhite(image);
    closeWhiteFlecks(image, kLargestFleck);
  }
  return image;
}

}  // namespace assetgen
