#pragma once
// Colours as the program passes them around: three components, or one 32-bit
// value 0x00BBGGRR with red in the low byte.
#include <QColor>
#include <cstdint>

inline std::uint32_t RGB(int r, int g, int b)
{
    return std::uint32_t(r & 0xFF) | (std::uint32_t(g & 0xFF) << 8) | (std::uint32_t(b & 0xFF) << 16);
}

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;

    std::uint32_t value() const { return RGB(r, g, b); }
    QColor color() const { return QColor(r, g, b); }
    static Rgb fromValue(std::uint32_t v) { return {int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)}; }
    static Rgb fromColor(const QColor& c) { return {c.red(), c.green(), c.blue()}; }
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

inline QColor colorFromValue(std::uint32_t v)
{
    return Rgb::fromValue(v).color();
}

// The 0x00BBGGRR value of a 32-bit image pixel (0xAARRGGBB).
inline std::uint32_t valueFromPixel(unsigned int argb)
{
    return RGB(int((argb >> 16) & 0xFF), int((argb >> 8) & 0xFF), int(argb & 0xFF));
}

// The opaque image pixel (0xFFRRGGBB) of a 0x00BBGGRR value.
inline unsigned int pixelFromValue(std::uint32_t v)
{
    return 0xFF000000u | ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}
