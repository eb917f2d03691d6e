// How the first frame's build-time picture (FirstFrame.h) is stored: its width and height (two
// 32-bit numbers in the machine's order), then the rows of premultiplied ARGB32 pixels as QImage
// keeps them, so the program draws them without decoding.
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstring>

namespace ampora::ui {

inline QByteArray encodeFirstFrame(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::uint32_t size[2] = {std::uint32_t(pixels.width()), std::uint32_t(pixels.height())};
    QByteArray data(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < pixels.height(); ++y)
        data.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    return data;
}

// The image over data, which must outlive it; a null image for anything else.
inline QImage decodeFirstFrame(const QByteArray& data)
{
    std::uint32_t size[2] = {0, 0};
    if (data.size() < qsizetype(sizeof size))
        return {};
    std::memcpy(size, data.constData(), sizeof size);
    if (qsizetype(sizeof size) + qsizetype(size[0]) * size[1] * 4 != data.size())
        return {};
    return QImage(reinterpret_cast<const uchar*>(data.constData() + sizeof size), int(size[0]),
                  int(size[1]), QImage::Format_ARGB32_Premultiplied);
}

} // namespace ampora::ui
