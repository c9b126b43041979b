// Options that every program of the checked build starts with: the leak
// suppressions of the system libraries, full stacks for undefined behaviour.
// Options in the environment (ASAN_OPTIONS, LSAN_OPTIONS, UBSAN_OPTIONS) are
// read after these and win.
extern "C" {

const char* __lsan_default_options() {
  return "suppressions=" LEAK_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options() {
  return "print_stacktrace=1";
}

}  // extern "C"
