// SPDX-License-Identifier: MIT
#include "engine/colour_profile.h"

#include <lcms2.h>

namespace engine {

namespace {

void stayQuiet(cmsContext, cmsUInt32Number, const char*) {}

}  // namespace

bool convertToSrgb(RgbImage& pixels, const std::vector<std::uint8_t>& profile) {
    if (pixels.isNull() || profile.empty()) {
        return false;
    }
    cmsSetLogErrorHandler(stayQuiet);
    cmsHPROFILE input = cmsOpenProfileFromMem(profile.data(), cmsUInt32Number(profile.size()));
    if (input == nullptr) {
        return false;
    }
    bool converted = false;
    if (cmsGetColorSpace(input) == cmsSigRgbData) {
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        // 0xFFRRGGBB words are B, G, R, A in memory on this little-endian host.
        cmsHTRANSFORM transform = cmsCreateTransform(input, TYPE_BGRA_8, srgb, TYPE_BGRA_8,
                                                     INTENT_PERCEPTUAL, cmsFLAGS_COPY_ALPHA);
        if (transform != nullptr) {
            cmsDoTransform(transform, pixels.row(0), pixels.row(0),
                           cmsUInt32Number(pixels.width()) * cmsUInt32Number(pixels.height()));
            cmsDeleteTransform(transform);
            converted = true;
        }
        cmsCloseProfile(srgb);
    }
    cmsCloseProfile(input);
    return converted;
}

}  // namespace engine
