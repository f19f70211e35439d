#include "Image.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

void blendOver(Image& bottom, const Image& top, int x, int y, int clipW, int clipH) {
  const int w = clipW > 0 ? std::min(clipW, top.width) : top.width;
  const int h = clipH > 0 ? std::min(clipH, top.height) : top.height;
  for (int ty = 0; ty < h; ++ty) {
    const int by = y + ty;
    if (by < 0 || by >= bottom.height) continue;
    for (int tx = 0; tx < w; ++tx) {
      const int bx = x + tx;
      if (bx < 0 || bx >= bottom.width) continue;
      const Rgba s = top.at(tx, ty);
      Rgba& d = bottom.at(bx, by);
      const int a = s.a;
      auto mix = [a](int src, int dst) { return static_cast<std::uint8_t>((src * a + dst * (255 - a) + 127) / 255); };
      d.r = mix(s.r, d.r);
      d.g = mix(s.g, d.g);
      d.b = mix(s.b, d.b);
      d.a = static_cast<std::uint8_t>(a + (d.a * (255 - a) + 127) / 255);
    }
  }
}

Image downscale(const Image& src, int w, int h) {
  Image out(w, h);
  const double sx = static_cast<double>(src.width) / w;
  const double sy = static_cast<double>(src.height) / h;
  for (int oy = 0; oy < h; ++oy) {
    const double y0 = oy * sy, y1 = (oy + 1) * sy;
    for (int ox = 0; ox < w; ++ox) {
      const double x0 = ox * sx, x1 = (ox + 1) * sx;
      double acc[4] = {0, 0, 0, 0};
      double total = 0;
      for (int iy = static_cast<int>(y0); iy < static_cast<int>(std::ceil(y1)) && iy < src.height; ++iy) {
        const double wy = std::min<double>(iy + 1, y1) - std::max<double>(iy, y0);
        for (int ix = static_cast<int>(x0); ix < static_cast<int>(std::ceil(x1)) && ix < src.width; ++ix) {
          const double wx = std::min<double>(ix + 1, x1) - std::max<double>(ix, x0);
          const double wgt = wx * wy;
          const Rgba p = src.at(ix, iy);
          acc[0] += p.r * wgt;
          acc[1] += p.g * wgt;
          acc[2] += p.b * wgt;
          acc[3] += p.a * wgt;
          total += wgt;
        }
      }
      auto q = [total](double v) { return static_cast<std::uint8_t>(std::lround(v / total)); };
      out.at(ox, oy) = {q(acc[0]), q(acc[1]), q(acc[2]), q(acc[3])};
    }
  }
  return out;
}

}  // namespace assetgen
