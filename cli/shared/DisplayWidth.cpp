#include "DisplayWidth.h"

#include <cstddef>

namespace tarvand {

int DisplayWidth(std::string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i).starts_with(LeftToRightMark) ||
            text.substr(i).starts_with("\u200C")) {  // marks that take no column
            i += LeftToRightMark.size() - 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++width;
        }
    }
    return width;
}

}  // namespace tarvand
