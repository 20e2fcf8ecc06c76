#pragma once
// JPEG files written with libjpeg's own encoder and its default settings (quality 75, 4:2:0
// chroma subsampling, baseline Huffman coding), from 8-bit RGB rows.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/whole_file.h"

namespace quorvel {

// A picture as 8-bit RGB rows, top row first: three bytes a pixel (red, green, blue), each
// row `stride` bytes from the last (at least 3 x width).
struct RgbRows {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;
};

// Encodes the picture. False, with the encoder's reason in `error`, for a picture the encoder
// refuses (no pixels, a side of 0 or beyond 65500, a stride shorter than a row).
bool EncodeJpeg(const RgbRows& picture, std::string& jpeg, std::string& error);

// Encodes the picture and makes the file at `path` hold it. The file is
// written as a whole and never through a link: when the write fails, an earlier file of that
// name stays as it was and no part-written file is left under the name. With
// IfExists::Refuse a name that is taken already (by a file or a link) is left alone and the
// write fails with "File exists". False, with the reason in `error`, on failure.
bool WriteJpegFile(const FileAt& path, const RgbRows& picture, std::string& error,
                   IfExists ifExists = IfExists::Replace);

}  // namespace quorvel
