// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every program of the sanitizer build: the first report stops
// the program with status 3, so a run can tell it from a logic fault (1) and
// from refused input (2).
extern "C" {

__attribute__((used, visibility("default"))) const char* __asan_default_options() {
  return "exitcode=3:abort_on_error=0";
}

__attribute__((used, visibility("default"))) const char* __ubsan_default_options() {
  return "halt_on_error=1:exitcode=3:print_stacktrace=1";
}

}  // extern "C"
