#include "FontconfigLoader.h"

#include <fontconfig/fontconfig.h>

namespace tarvand {

// FcInit keeps the configuration it loads as the process's current one, which Qt's font
// database then finds loaded; fontconfig may be called from any thread.
FontconfigLoader::FontconfigLoader() : loading_([] { FcInit(); }) {}

void FontconfigLoader::Wait() {
    if (loading_.joinable()) {
        loading_.join();
    }
}

}  // namespace tarvand
