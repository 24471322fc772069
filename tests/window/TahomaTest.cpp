// Wine's Tahoma standing in for Tahoma, on a machine whose fonts are DejaVu alone: its own process,
// since fontconfig's fonts and Qt's list of them are the process's.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Fonts.h"
#include "calendar/DateValue.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {
namespace {

using namespace std::chrono;

// Returns the styles of the faces named Tahoma that fontconfig knows, as "Bold,Regular,".
std::string TahomaStyles() {
    FcPattern* pattern =
        FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, "Tahoma", static_cast<char*>(nullptr));
    FcObjectSet* objects = FcObjectSetBuild(FC_STYLE, static_cast<char*>(nullptr));
    FcFontSet* faces = FcFontList(nullptr, pattern, objects);
    std::string styles;
    for (int i = 0; faces != nullptr && i < faces->nfont; ++i) {
        FcChar8* style = nullptr;
        FcPatternGetString(faces->fonts[i], FC_STYLE, 0, &style);
        styles += std::string(reinterpret_cast<const char*>(style)) + ",";
    }
    if (faces != nullptr) {
        FcFontSetDestroy(faces);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return styles;
}

// Every text the window draws in Tahoma: the label's, the close mark, and each layout of every day
// of a year, with every month's and weekday's name.
QString WindowTexts() {
    QString texts = QStringLiteral("You'r Computer Date is... 8 Dec 2026 \u00D7 ");
    for (sys_days day = 2026y / March / 21; day < sys_days{2027y / March / 21}; day += days{1}) {
        for (int format = 0; format < FormatCount; ++format) {
            texts += QString::fromStdString(ToSolarDate(ToDateValue(day), format)) + u' ';
        }
    }
    return texts;
}

TEST(TahomaTest, AddsWineTahomaOnlyWhereFontconfigKnowsNone) {
    ASSERT_EQ("", TahomaStyles()) << "the test's fonts should have no Tahoma";
    EXPECT_FALSE(AddTahomaWhereMissing("/nonexistent"));
    EXPECT_EQ("", TahomaStyles());
    ASSERT_TRUE(AddTahomaWhereMissing()) << "Wine's Tahoma is missing; run script/bootstrap";
    const std::string styles = TahomaStyles();
    EXPECT_TRUE(styles == "Regular,Bold," || styles == "Bold,Regular,") << styles;
    EXPECT_TRUE(AddTahomaWhereMissing());  // known now, so not added again
    EXPECT_EQ(styles.size(), TahomaStyles().size());
}

TEST(TahomaTest, DrawsEveryTextOfTheWindowInTahoma) {
    ASSERT_TRUE(AddTahomaWhereMissing()) << "Wine's Tahoma is missing; run script/bootstrap";
    const QString texts = WindowTexts();
    for (const auto& [points, weight] :
         {std::pair{11.25, QFont::Normal}, std::pair{11.25, QFont::Bold},
          std::pair{24.0, QFont::Bold}, std::pair{8.25, QFont::Normal}}) {
        const QFont font = TahomaFont(points, weight);
        EXPECT_EQ("Tahoma", QFontInfo(font).family());
        QTextLayout layout(texts, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        ASSERT_FALSE(runs.isEmpty());
        for (const QGlyphRun& run : runs) {
            EXPECT_EQ("Tahoma", run.rawFont().familyName());
            EXPECT_EQ(weight == QFont::Bold ? "Bold" : "Regular", run.rawFont().styleName());
            EXPECT_FALSE(run.glyphIndexes().contains(0u));
        }
    }
}

}  // namespace
}  // namespace tarvand

// The machine's fonts narrowed to DejaVu before fontconfig starts, so that no Tahoma of its own
// hides Wine's; the offscreen platform.
int main(int argc, char* argv[]) {
    char folder[] = "/tmp/tahoma-test-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        return 2;
    }
    const std::string config = std::string(folder) + "/fonts.conf";
    if (FILE* file = std::fopen(config.c_str(), "w")) {
        std::fprintf(file,
                     "<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                     "<cachedir>%s</cachedir></fontconfig>\n",
                     folder);
        std::fclose(file);
    }
    setenv("FONTCONFIG_FILE", config.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int failed = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        failed = RUN_ALL_TESTS();
    }
    std::filesystem::remove_all(folder);
    return failed;
}
