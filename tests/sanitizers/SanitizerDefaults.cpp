// Run-time options of the sanitizer build, linked into every executable it
// makes, so the program, the tests and the asset generator behave alike
// whoever starts them. Options given in the environment still come after
// these and win.

extern "C" {

// Any error ends the process with a failure status, and a second copy of a
// report never hides the first.
const char* __asan_default_options() { return "abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

// Leaks that are not ours: memory that a library keeps for the life of the
// process, or allocates in a way it never frees, with no call that would
// give it back. Each entry names the library and why its memory stays.
const char* __lsan_default_suppressions() {
  return
      // The asset generator renders text through librsvg and cairo, which
      // load fontconfig's configuration once and keep it (FcInit has its
      // FcFini, but cairo holds the fonts it made from it until exit).
      "leak:libfontconfig.so\n"
      // SDL connects to the session bus (screen saver and input-method
      // hooks); libdbus keeps its per-process connection data after
      // SDL_Quit has closed the connection.
      "leak:libdbus-1.so\n";
}

}  // extern "C"
