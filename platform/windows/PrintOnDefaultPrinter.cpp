// The print through the Windows print spooler: a GDI page on the default
// printer, turned landscape, without a dialog.
#include "platform/PrintJob.h"

#include <windows.h>
#include <winspool.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/LoadError.h"
#include "platform/windows/WidePath.h"

namespace vellumo {

namespace {

// The picture's natural size: one of its pixels is 1/96 of an inch.
constexpr int kPicturePixelsPerInch = 96;

LoadError printFailure(const std::string& what) { return LoadError(what + ": " + systemErrorText(GetLastError())); }

std::wstring defaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) throw printFailure("no default printer");
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) throw printFailure("no default printer");
  name.resize(size - 1);  // without its terminating zero
  return name;
}

// The printer's own settings with the page turned landscape.
std::vector<unsigned char> landscapeSettings(std::wstring& printer) {
  HANDLE handle = nullptr;
  if (!OpenPrinterW(printer.data(), &handle, nullptr)) throw printFailure("cannot open the default printer");
  const LONG size = DocumentPropertiesW(nullptr, handle, printer.data(), nullptr, nullptr, 0);
  std::vector<unsigned char> settings(size > 0 ? static_cast<std::size_t>(size) : 0);
  auto* mode = reinterpret_cast<DEVMODEW*>(settings.data());
  const bool read =
      size > 0 && DocumentPropertiesW(nullptr, handle, printer.data(), mode, nullptr, DM_OUT_BUFFER) == IDOK;
  if (read) {
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    mode->dmFields |= DM_ORIENTATION;
    DocumentPropertiesW(nullptr, handle, printer.data(), mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);
  }
  ClosePrinter(handle);
  if (!read) throw printFailure("cannot read the printer's settings");
  return settings;
}

struct DcDelete {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using PrinterDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete>;

// A top-down 32-bit DIB holds blue, green, red in a pixel's bytes; the
// picture holds red first.
std::vector<std::uint32_t> dibPixels(const Picture& picture) {
  std::vector<std::uint32_t> out(picture.pixels.size());
  for (std::size_t i = 0; i < out.size(); ++i) {
    const Colour c = picture.pixels[i];
    out[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  return out;
}

}  // namespace

void printOnDefaultPrinter(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height) {
    throw LoadError("no picture to print");
  }
  std::wstring printer = defaultPrinterName();
  std::vector<unsigned char> settings = landscapeSettings(printer);
  const PrinterDc dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, reinterpret_cast<DEVMODEW*>(settings.data())));
  if (!dc) throw printFailure("cannot draw on the default printer");

  BITMAPINFO bitmap{};
  bitmap.bmiHeader.biSize = sizeof bitmap.bmiHeader;
  bitmap.bmiHeader.biWidth = picture.width;
  bitmap.bmiHeader.biHeight = -picture.height;
  bitmap.bmiHeader.biPlanes = 1;
  bitmap.bmiHeader.biBitCount = 32;
  bitmap.bmiHeader.biCompression = BI_RGB;

  // The printer's device context starts at the printable area's top-left
  // corner; the picture is drawn there at 96 of its pixels an inch.
  const int width = MulDiv(picture.width, GetDeviceCaps(dc.get(), LOGPIXELSX), kPicturePixelsPerInch);
  const int height = MulDiv(picture.height, GetDeviceCaps(dc.get(), LOGPIXELSY), kPicturePixelsPerInch);

  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = L"Vellumo picture";
  if (StartDocW(dc.get(), &document) <= 0) throw printFailure("print job refused");
  const bool drawn = StartPage(dc.get()) > 0 &&
                     StretchDIBits(dc.get(), 0, 0, width, height, 0, 0, picture.width, picture.height,
                                   dibPixels(picture).data(), &bitmap, DIB_RGB_COLORS, SRCCOPY) != 0 &&
                     EndPage(dc.get()) > 0;
  if (!drawn) {
    const LoadError failure = printFailure("print job not sent");
    AbortDoc(dc.get());  // a job left open would hold the spooler's queue
    throw failure;
  }
  if (EndDoc(dc.get()) <= 0) throw printFailure("print job not sent");
}

}  // namespace vellumo
