#include "Fonts.h"

#include <fontconfig/fontconfig.h>

#include <QGuiApplication>
#include <QStringList>

namespace tarvand {

namespace {

// The faces that stand in for Tahoma where it is missing, in fontconfig's terms: Noto Sans Arabic
// UI keeps Tahoma's compact line height, and DejaVu Sans has the Latin letters and digits it
// lacks. Said to fontconfig, not listed in each font: for a font that lists further families, Qt
// searches every installed font once more for each script, to list what may stand in for the face
// it loaded.
constexpr char StandIns[] = R"(<fontconfig>
  <alias binding="same">
    <family>Tahoma</family>
    <accept><family>Noto Sans Arabic UI</family><family>DejaVu Sans</family></accept>
  </alias>
  <alias binding="same">
    <family>Noto Sans Arabic UI</family>
    <accept><family>DejaVu Sans</family></accept>
  </alias>
</fontconfig>)";

// Adds the stand-ins to this process's fontconfig configuration, once; returns whether it took
// them.
bool StandInsAdded() {
    static const bool added =
        FcConfigParseAndLoadFromMemory(
            FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(StandIns), FcTrue) == FcTrue;
    return added;
}

// Returns whether fontconfig knows a face of the family Tahoma, among its own or this process's.
bool KnowsTahoma() {
    FcPattern* pattern =
        FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, "Tahoma", static_cast<char*>(nullptr));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr));
    FcFontSet* faces = FcFontList(nullptr, pattern, objects);
    const bool known = faces != nullptr && faces->nfont > 0;
    if (faces != nullptr) {
        FcFontSetDestroy(faces);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return known;
}

}  // namespace

bool AddTahomaWhereMissing(const std::string& folder) {
    if (KnowsTahoma()) {
        return true;
    }
    for (const char* file : {"/tahoma.ttf", "/tahomabd.ttf"}) {
        const std::string path = folder + file;
        FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(path.c_str()));
    }
    return KnowsTahoma();
}

QFont TahomaFont(qreal pointSize, QFont::Weight weight) {
    QFont font;
    if (StandInsAdded()) {
        font.setFamily(QStringLiteral("Tahoma"));
    } else {
        font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans Arabic UI"),
                          QStringLiteral("DejaVu Sans")});
    }
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

QFont WindowFont() {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(8.25);
    return font;
}

}  // namespace tarvand
