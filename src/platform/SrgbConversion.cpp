#include "platform/SrgbConversion.h"

#include "platform/EmbeddedColour.h"

#include <cmath>
#include <lcms2.h>

namespace {

// LittleCMS reports a damaged profile through a log handler; a photo with one
// simply loads as sRGB, so the reports go nowhere.
void silenceLittleCms()
{
    static const bool silenced = [] {
        cmsSetLogErrorHandler(nullptr);
        return true;
    }();
    (void)silenced;
}

// One 32-bit pixel in memory as Format_RGB32 holds it (B, G, R, unused), read
// as colour or as grey from its blue byte (equal to the others in a grey photo).
constexpr cmsUInt32Number kRgbPixel = TYPE_BGRA_8;
constexpr cmsUInt32Number kGreyPixel = COLORSPACE_SH(PT_GRAY) | CHANNELS_SH(1) | BYTES_SH(1) | EXTRA_SH(3);

struct Profile {
    cmsHPROFILE handle;
    ~Profile()
    {
        if (handle)
            cmsCloseProfile(handle);
    }
};

cmsToneCurve* curveFor(SrgbConversion::Transfer transfer)
{
    switch (transfer) {
    case SrgbConversion::Transfer::Linear: return cmsBuildGamma(nullptr, 1.0);
    case SrgbConversion::Transfer::Gamma22: return cmsBuildGamma(nullptr, 2.2);
    case SrgbConversion::Transfer::Gamma28: return cmsBuildGamma(nullptr, 2.8);
    case SrgbConversion::Transfer::Srgb:
    case SrgbConversion::Transfer::Hdr: break;
    }
    const cmsFloat64Number srgb[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    return cmsBuildParametricToneCurve(nullptr, 4, srgb);
}

cmsHPROFILE rgbProfile(const SrgbConversion::Primaries& p, cmsToneCurve* curve)
{
    if (!curve)
        return nullptr;
    const cmsCIExyY white{p.whiteX, p.whiteY, 1};
    const cmsCIExyYTRIPLE primaries{{p.redX, p.redY, 1}, {p.greenX, p.greenY, 1}, {p.blueX, p.blueY, 1}};
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(curve);
    return profile;
}

bool isSrgb(const SrgbConversion::Primaries& p)
{
    const auto near = [](double a, double b) { return std::abs(a - b) < 0.002; };
    return near(p.redX, 0.64) && near(p.redY, 0.33) && near(p.greenX, 0.30) && near(p.greenY, 0.60)
        && near(p.blueX, 0.15) && near(p.blueY, 0.06) && near(p.whiteX, 0.3127) && near(p.whiteY, 0.3290);
}

}

SrgbConversion::~SrgbConversion()
{
    cmsDeleteTransform(static_cast<cmsHTRANSFORM>(transform_));
}

std::shared_ptr<const SrgbConversion> SrgbConversion::fromProfile(void* handle)
{
    const Profile input{static_cast<cmsHPROFILE>(handle)};
    if (!input.handle)
        return nullptr;
    cmsUInt32Number format = 0;
    switch (cmsGetColorSpace(input.handle)) {
    case cmsSigRgbData: format = kRgbPixel; break;
    case cmsSigGrayData: format = kGreyPixel; break;
    default: return nullptr;    // CMYK and the like: the decoder has converted those already
    }
    const Profile srgb{cmsCreate_sRGBProfile()};
    cmsHTRANSFORM transform = cmsCreateTransform(input.handle, format, srgb.handle, kRgbPixel, INTENT_PERCEPTUAL,
                                                 cmsFLAGS_BLACKPOINTCOMPENSATION);
    if (!transform)
        return nullptr;
    return std::shared_ptr<const SrgbConversion>(new SrgbConversion(transform));
}

std::shared_ptr<const SrgbConversion> SrgbConversion::fromIcc(const QByteArray& profile)
{
    silenceLittleCms();
    if (profile.isEmpty() || profile.size() > EmbeddedColour::kMaxProfileBytes)
        return nullptr;
    return fromProfile(cmsOpenProfileFromMem(profile.constData(), cmsUInt32Number(profile.size())));
}

std::shared_ptr<const SrgbConversion> SrgbConversion::adobeRgb()
{
    silenceLittleCms();
    // Adobe RGB (1998): its primaries, D65, and a pure gamma of 563/256.
    return fromProfile(rgbProfile({0.64, 0.33, 0.21, 0.71, 0.15, 0.06, 0.3127, 0.3290},
                                  cmsBuildGamma(nullptr, 563.0 / 256)));
}

std::shared_ptr<const SrgbConversion> SrgbConversion::fromPrimaries(const Primaries& primaries, Transfer transfer)
{
    silenceLittleCms();
    if (transfer == Transfer::Hdr || (transfer == Transfer::Srgb && isSrgb(primaries)))
        return nullptr;
    const double values[] = {primaries.redX, primaries.redY, primaries.greenX, primaries.greenY,
                             primaries.blueX, primaries.blueY, primaries.whiteX, primaries.whiteY};
    for (double value : values)
        if (!(value > 0 && value < 1))
            return nullptr;
    return fromProfile(rgbProfile(primaries, curveFor(transfer)));
}

void SrgbConversion::apply(QImage& image) const
{
    if (image.format() != QImage::Format_RGB32)
        return;
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        cmsDoTransform(static_cast<cmsHTRANSFORM>(transform_), line, line, cmsUInt32Number(image.width()));
    }
}
