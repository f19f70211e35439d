#pragma once
// Printing a picture on the default printer: one landscape page showing the
// picture at its natural size at the printable area's top-left corner. On
// Linux the page is a PDF job for CUPS (PdfPage.h); on Windows it is drawn
// through the system's print spooler.

#include "platform/Picture.h"

namespace vellumo {

// Print now and return once the print system has accepted the whole job.
// Throws LoadError when no print server answers, there is no default
// printer, or the job is refused. Never waits long for a silent server.
void printOnDefaultPrinter(const Picture& picture);

// Print on a background thread and return at once. Jobs go out one after
// another in the order they were asked for; a failure is dropped unseen, as
// the program never shows the child a printing error.
void printOnDefaultPrinterInBackground(const Picture& picture);

}  // namespace vellumo
