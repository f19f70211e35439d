# Windows below the same interfaces (included from platform/CMakeLists.txt).
# The display mode needs no guardian: Windows gives the desktop its mode back
# when the process ends, however it ends.
target_sources(vellumo_platform PRIVATE
  windows/DisplayModeGuardian.cpp
  windows/FileBytes.cpp
  windows/FileReplacement.cpp
  windows/KeyboardLockKeeper.cpp
  windows/MidiMusicOutput.cpp
  windows/PrintOnDefaultPrinter.cpp
  windows/SingleInstance.cpp
  windows/SystemFolders.cpp
  windows/TerminationSignals.cpp
  windows/WidePath.cpp
)
# Printing goes through GDI to the spooler. Everything but SDL is linked in,
# so the program needs no compiler run-time DLLs beside it.
target_link_libraries(vellumo_platform PRIVATE gdi32 winspool)
target_link_options(vellumo_platform INTERFACE -static)
# windows.h without its min and max macros, and the UTF-16 calls by default.
target_compile_definitions(vellumo_platform PRIVATE NOMINMAX WIN32_LEAN_AND_MEAN UNICODE _UNICODE)
