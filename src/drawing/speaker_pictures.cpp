#include "drawing/speaker_pictures.h"

#include <filesystem>

namespace larkspan {

namespace {

void picture(DrawTarget& target, const char* file, float left, float top, float right, float bottom)
{
    const std::string path =
        target.imagesDir.empty() ? std::string(file) : (std::filesystem::path(target.imagesDir) / file).string();
    target.canvas.image(left, top, right - left, bottom - top, path);
}

}  // namespace

void GetSpeakerPict(DrawTarget& target, const Design& d)
{
    picture(target, "TweeterImage.png", 710, 114, 733, 153);
    if (d.channel == 3) picture(target, "MidRangeImage.png", 711, 266, 738, 318);
    picture(target, "WooferImage.png", 711, 416, 745, 484);
}

}  // namespace larkspan
