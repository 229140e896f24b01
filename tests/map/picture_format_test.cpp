#include "map/picture_format.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(PictureFormat, TheExtensionNamesIt)
{
    const struct {
        const char* path;
        std::optional<PictureFormat> format;
    } cases[] = {
        {"trip.png", PictureFormat::Png},      {"TRIP.PNG", PictureFormat::Png},
        {"dir.jpg/trip", PictureFormat::Png},  {".hidden", PictureFormat::Png},
        {"k.jpg", PictureFormat::Jpeg},        {"k.JPEG", PictureFormat::Jpeg},
        {"k.jpg.png", PictureFormat::Png},     {"k.png.gif", std::nullopt},
        {"k.", std::nullopt},                  {"k.tiff", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureFormatOf(c.path), c.format) << c.path;
}

}  // namespace
}  // namespace qm
