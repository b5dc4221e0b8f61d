// Shared objects that are not a browser engine the program can use: one
// without the entry point, one whose entry point refuses every interface
// version (a module of another build).
#ifdef WITH_ENTRY_POINT
extern "C" __attribute__((visibility("default"))) void* kavro_browser_engine(int, void*) {
  return nullptr;
}
#else
extern "C" __attribute__((visibility("default"))) int kavro_not_an_engine() { return 1; }
#endif
