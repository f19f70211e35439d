// Run-time options of the sanitizer build, linked into every executable it
// makes, so the program, the tests and the asset generator behave alike
// whoever starts them. Options given in the environment come after these and
// win.

extern "C" {

// Leaks are looked for at every exit, and a stack frame used after its
// function returned is caught too.
const char* __asan_default_options() { return "detect_leaks=1:detect_stack_use_after_return=1"; }

// The first undefined behaviour ends the process with its stack, so a test
// cannot pass over one.
const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

// Leaks that are not ours: memory that a library allocates once per process
// and keeps to the end, with no call of ours that could give it back. Each
// entry names the library and why its memory stays.
const char* __lsan_default_suppressions() {
  return
      // The asset generator renders its art through librsvg, whose text goes
      // through Pango to fontconfig: fontconfig loads its configuration and
      // font list once and keeps them; only FcFini frees them, and nothing
      // in those libraries calls it (about 170 kB in 4,000 blocks).
      "leak:libfontconfig.so\n"
      // SDL's video start-up connects to the session bus. SDL_Quit closes
      // the connection but leaves out dbus_shutdown, since other libraries
      // in the process may still use the bus, so libdbus keeps its
      // per-process data (1,032 bytes) to the end.
      "leak:libdbus-1.so\n";
}

}  // extern "C"
