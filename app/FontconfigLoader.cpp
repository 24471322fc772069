#include "FontconfigLoader.h"

#include <fontconfig/fontconfig.h>

#include "Fonts.h"

namespace tarvand {

// FcInit keeps the configuration it loads as the process's current one, which Qt's font
// database then finds loaded, with Wine's Tahoma where the machine has no other; fontconfig may
// be called from any thread.
FontconfigLoader::FontconfigLoader()
    : loading_([] {
          FcInit();
          AddTahomaWhereMissing();
      }) {}

void FontconfigLoader::Wait() {
    if (loading_.joinable()) {
        loading_.join();
    }
}

}  // namespace tarvand
