#pragma once
// Converts a photo from its own colour space to sRGB with LittleCMS, with the
// perceptual intent and black-point compensation.
#include <QByteArray>
#include <QImage>
#include <memory>

class SrgbConversion {
public:
    // From an embedded ICC profile (RGB or grey). Null when the profile does
    // not open, is too large, or describes another kind of colour.
    static std::shared_ptr<const SrgbConversion> fromIcc(const QByteArray& profile);
    // Adobe RGB (1998), for camera JPEGs whose EXIF says so.
    static std::shared_ptr<const SrgbConversion> adobeRgb();

    // Colour given as numbers: primaries and white point as CIE xy, and a
    // transfer curve. Null when that is sRGB already, or for an HDR curve,
    // which is left as the decoder gives it.
    enum class Transfer { Srgb, Linear, Gamma22, Gamma28, Hdr };
    struct Primaries {
        double redX, redY, greenX, greenY, blueX, blueY, whiteX, whiteY;
    };
    static std::shared_ptr<const SrgbConversion> fromPrimaries(const Primaries& primaries, Transfer transfer);

    ~SrgbConversion();
    SrgbConversion(const SrgbConversion&) = delete;
    SrgbConversion& operator=(const SrgbConversion&) = delete;

    // Converts `image` (Format_RGB32) in place.
    void apply(QImage& image) const;

private:
    explicit SrgbConversion(void* transform) : transform_(transform) {}
    static std::shared_ptr<const SrgbConversion> fromProfile(void* profile);
    void* transform_;    // cmsHTRANSFORM
};
