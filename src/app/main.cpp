// vellara-chess: the game. It takes no options; it reads "vellara.dat" and "vellara.def"
// from the working folder and the music from its own folder.
#include <cstdio>
#include <exception>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "app/scene_form.h"

namespace {

// Loading the content allocates and frees the same few large buffers for every record
// (stored bytes, inflated bytes, pixels). By default each comes as a fresh mapping whose
// pages are faulted in one by one, which made up a sixth of the load; served from a heap
// that keeps freed memory, the pages are touched once.
void KeepLargeBuffersForReuse() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace

int main() {
  KeepLargeBuffersForReuse();
  try {
    vellara::SceneForm form;
    return form.Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vellara-chess: %s\n", e.what());
    return 1;
  }
}
