#include "platform/ScreenConfiguration.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

namespace vellumo {

namespace {

Display* asDisplay(void* display) { return static_cast<Display*>(display); }

// Xlib sends protocol errors to one process-wide handler, which has no
// context; a refused change is counted here while it is made.
int gRefusals = 0;
int countRefusal(Display*, XErrorEvent*) {
  ++gRefusals;
  return 0;
}

struct Resources {
  explicit Resources(Display* display) : value(XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display))) {}
  ~Resources() {
    if (value != nullptr) XRRFreeScreenResources(value);
  }
  Resources(const Resources&) = delete;
  Resources& operator=(const Resources&) = delete;
  XRRScreenResources* value;
};

const XRRModeInfo* modeInfo(const XRRScreenResources& resources, RRMode id) {
  for (int i = 0; i < resources.nmode; ++i)
    if (resources.modes[i].id == id) return &resources.modes[i];
  return nullptr;
}

// Right and bottom edge of what a CRTC shows on the screen.
std::pair<int, int> extentOf(const CrtcSetting& setting) {
  const bool sideways = (setting.rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
  const int w = sideways ? setting.modeHeight : setting.modeWidth;
  const int h = sideways ? setting.modeWidth : setting.modeHeight;
  return {setting.x + w, setting.y + h};
}

Status setCrtc(Display* display, XRRScreenResources* resources, const CrtcSetting& setting) {
  std::vector<RROutput> outputs(setting.outputs.begin(), setting.outputs.end());
  return XRRSetCrtcConfig(display, resources, setting.crtc, CurrentTime, setting.x, setting.y, setting.mode,
                          static_cast<Rotation>(setting.rotation), outputs.data(), static_cast<int>(outputs.size()));
}

}  // namespace

std::unique_ptr<ScreenConfigurator> ScreenConfigurator::connect() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return nullptr;
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XRRQueryExtension(display, &event, &error) || !XRRQueryVersion(display, &major, &minor) || major < 1 ||
      (major == 1 && minor < 2)) {
    XCloseDisplay(display);
    return nullptr;
  }
  return std::unique_ptr<ScreenConfigurator>(new ScreenConfigurator(display));
}

ScreenConfigurator::~ScreenConfigurator() { XCloseDisplay(asDisplay(display_)); }

ScreenConfiguration ScreenConfigurator::current() {
  Display* display = asDisplay(display_);
  ScreenConfiguration configuration;
  // The root window has the screen's size as the server has it now; Xlib's
  // own screen record keeps the size the connection started with.
  Window root = 0;
  int x = 0, y = 0;
  unsigned width = 0, height = 0, border = 0, depth = 0;
  XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &width, &height, &border, &depth);
  configuration.width = static_cast<int>(width);
  configuration.height = static_cast<int>(height);
  configuration.widthMm = DisplayWidthMM(display, DefaultScreen(display));
  configuration.heightMm = DisplayHeightMM(display, DefaultScreen(display));

  const Resources resources(display);
  if (resources.value == nullptr) return configuration;
  for (int i = 0; i < resources.value->ncrtc; ++i) {
    XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources.value, resources.value->crtcs[i]);
    if (info == nullptr) continue;
    CrtcSetting setting{resources.value->crtcs[i], info->mode, 0, 0, info->x, info->y, info->rotation, {}};
    if (const XRRModeInfo* mode = modeInfo(*resources.value, info->mode)) {
      setting.modeWidth = static_cast<int>(mode->width);
      setting.modeHeight = static_cast<int>(mode->height);
    }
    setting.outputs.assign(info->outputs, info->outputs + info->noutput);
    configuration.crtcs.push_back(std::move(setting));
    XRRFreeCrtcInfo(info);
  }
  return configuration;
}

bool ScreenConfigurator::apply(const ScreenConfiguration& wanted) {
  Display* display = asDisplay(display_);
  const ScreenConfiguration now = current();
  const Resources resources(display);
  if (resources.value == nullptr) return false;

  XSync(display, False);
  gRefusals = 0;
  const auto previousHandler = XSetErrorHandler(countRefusal);
  XGrabServer(display);
  bool accepted = true;
  const auto changing = [&](const CrtcSetting& setting) {
    const auto same = std::find(now.crtcs.begin(), now.crtcs.end(), setting);
    return same == now.crtcs.end();
  };
  // A CRTC that would stick out of the new screen is switched off first, as
  // the server refuses a screen smaller than what it shows.
  for (const CrtcSetting& shown : now.crtcs) {
    const auto target = std::find_if(wanted.crtcs.begin(), wanted.crtcs.end(),
                                     [&](const CrtcSetting& s) { return s.crtc == shown.crtc; });
    if (target == wanted.crtcs.end() || !changing(*target) || shown.mode == 0) continue;
    const auto [right, bottom] = extentOf(shown);
    if (right > wanted.width || bottom > wanted.height)
      accepted &= setCrtc(display, resources.value, {.crtc = shown.crtc, .rotation = RR_Rotate_0, .outputs = {}}) ==
                  RRSetConfigSuccess;
  }
  if (wanted.width != now.width || wanted.height != now.height)
    XRRSetScreenSize(display, DefaultRootWindow(display), wanted.width, wanted.height, wanted.widthMm, wanted.heightMm);
  for (const CrtcSetting& setting : wanted.crtcs)
    if (changing(setting)) accepted &= setCrtc(display, resources.value, setting) == RRSetConfigSuccess;
  XUngrabServer(display);
  XSync(display, False);
  XSetErrorHandler(previousHandler);
  return accepted && gRefusals == 0;
}

int ScreenConfigurator::connectionFd() const { return ConnectionNumber(asDisplay(display_)); }

void ScreenConfigurator::discardEvents() {
  Display* display = asDisplay(display_);
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
  }
}

}  // namespace vellumo
