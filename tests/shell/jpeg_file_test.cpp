#include "shell/jpeg_file.h"

#include <jpeglib.h>
#include <cstdio>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "support/file_size_limit.h"
#include "support/scratch_directory.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;
using testing::ScratchDirectory;

// A decoded JPEG: its size, components, first component's sampling and its RGB pixels.
struct Decoded {
    bool ok = false;
    int width = 0;
    int height = 0;
    int components = 0;
    int lumaH = 0;
    int lumaV = 0;
    bool progressive = true;
    std::vector<std::uint8_t> rgb;
};

struct DecodeErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

extern "C" void DecodeFailed(j_common_ptr info) {
    std::longjmp(reinterpret_cast<DecodeErrors*>(info->err)->jump, 1);
}

struct Decoder {
    jpeg_decompress_struct info{};
    DecodeErrors errors{};
    bool created = false;
};

bool RunDecoder(Decoder& decoder, const std::string& bytes, Decoded& out) {
    decoder.info.err = jpeg_std_error(&decoder.errors.base);
    decoder.errors.base.error_exit = &DecodeFailed;
    if (setjmp(decoder.errors.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&decoder.info);
    decoder.created = true;
    jpeg_mem_src(&decoder.info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decoder.info, TRUE);
    out.components = decoder.info.num_components;
    out.lumaH = decoder.info.comp_info[0].h_samp_factor;
    out.lumaV = decoder.info.comp_info[0].v_samp_factor;
    out.progressive = decoder.info.progressive_mode != 0;
    decoder.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder.info);
    out.width = static_cast<int>(decoder.info.output_width);
    out.height = static_cast<int>(decoder.info.output_height);
    out.rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
    while (decoder.info.output_scanline < decoder.info.output_height) {
        JSAMPROW row =
            out.rgb.data() + static_cast<std::size_t>(decoder.info.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&decoder.info, &row, 1);
    }
    jpeg_finish_decompress(&decoder.info);
    return true;
}

Decoded Decode(const std::string& bytes) {
    Decoded out;
    Decoder decoder;
    out.ok = RunDecoder(decoder, bytes, out);
    if (decoder.created) {
        jpeg_destroy_decompress(&decoder.info);
    }
    return out;
}

// A smooth picture with a few flat blocks, like a window: gradients, grey panels, dark text.
std::vector<std::uint8_t> TestPicture(int width, int height) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            const bool panel = x > width / 4 && x < width / 2 && y > height / 4;
            p[0] = panel ? 212 : static_cast<std::uint8_t>(x * 255 / width);
            p[1] = panel ? 208 : static_cast<std::uint8_t>(y * 255 / height);
            p[2] = panel ? 200 : 128;
        }
    }
    return rgb;
}

double MeanAbsoluteDifference(const std::vector<std::uint8_t>& a,
                              const std::vector<std::uint8_t>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sum += std::abs(int(a[i]) - int(b[i]));
    }
    return a.empty() ? 0 : sum / static_cast<double>(a.size());
}

TEST(JpegFileTest, EncodesWithTheEncodersDefaultsAndKeepsThePicture) {
    constexpr int kWidth = 470;
    constexpr int kHeight = 413;
    const std::vector<std::uint8_t> rgb = TestPicture(kWidth, kHeight);
    std::string jpeg;
    std::string error;
    ASSERT_TRUE(EncodeJpeg({rgb.data(), kWidth, kHeight, kWidth * 3}, jpeg, error)) << error;

    const Decoded decoded = Decode(jpeg);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.width, kWidth);
    EXPECT_EQ(decoded.height, kHeight);
    // jpeg_set_defaults: three YCbCr components, the luma sampled 2x2 (4:2:0), baseline.
    EXPECT_EQ(decoded.components, 3);
    EXPECT_EQ(decoded.lumaH, 2);
    EXPECT_EQ(decoded.lumaV, 2);
    EXPECT_FALSE(decoded.progressive);
    EXPECT_LT(MeanAbsoluteDifference(decoded.rgb, rgb), 3.0);
}

TEST(JpegFileTest, ReadsRowsAtTheirStride) {
    // Rows padded to 4-byte multiples, as toolkit images hold them; the padding is junk.
    constexpr int kWidth = 33;
    constexpr int kHeight = 17;
    constexpr std::size_t kStride = 100;
    const std::vector<std::uint8_t> packed = TestPicture(kWidth, kHeight);
    std::vector<std::uint8_t> padded(kStride * kHeight, 0xEE);
    for (int y = 0; y < kHeight; ++y) {
        std::copy_n(&packed[static_cast<std::size_t>(y) * kWidth * 3], kWidth * 3,
                    &padded[y * kStride]);
    }
    std::string fromPacked;
    std::string fromPadded;
    std::string error;
    ASSERT_TRUE(EncodeJpeg({packed.data(), kWidth, kHeight, kWidth * 3}, fromPacked, error));
    ASSERT_TRUE(EncodeJpeg({padded.data(), kWidth, kHeight, kStride}, fromPadded, error));
    EXPECT_EQ(fromPacked, fromPadded);
}

TEST(JpegFileTest, RefusesPicturesTheEncoderCannotTake) {
    const std::vector<std::uint8_t> rgb(3 * 70000, 0);
    std::string jpeg = "untouched";
    std::string error;
    EXPECT_FALSE(EncodeJpeg({nullptr, 10, 10, 30}, jpeg, error));
    EXPECT_FALSE(EncodeJpeg({rgb.data(), 0, 1, 0}, jpeg, error));
    EXPECT_FALSE(EncodeJpeg({rgb.data(), 10, 2, 29}, jpeg, error));
    error.clear();
    // Beyond JPEG's 65500-pixel side: libjpeg's own error, reported instead of ending the
    // process.
    EXPECT_FALSE(EncodeJpeg({rgb.data(), 70000, 1, 3 * 70000}, jpeg, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(jpeg, "untouched");
}

TEST(JpegFileTest, WritesTheFileAndReplacesAnOlderOne) {
    ScratchDirectory scratch;
    const std::string path = scratch.File("QuorvelIIHdcpy_0.jpg");
    testing::WriteBytes(path, "an older hardcopy");
    const std::vector<std::uint8_t> rgb = TestPicture(64, 48);
    std::string error;
    ASSERT_TRUE(WriteJpegFile(path, {rgb.data(), 64, 48, 64 * 3}, error)) << error;

    const Decoded decoded = Decode(testing::ReadBytes(path));
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.width, 64);
    EXPECT_EQ(testing::EntryNames(scratch.Path()),
              (std::vector<std::string>{"QuorvelIIHdcpy_0.jpg"}));
}

TEST(JpegFileTest, FileThatCannotBeCreatedIsReportedWithTheReason) {
    ScratchDirectory scratch;
    const std::vector<std::uint8_t> rgb = TestPicture(8, 8);
    std::string error;
    EXPECT_FALSE(WriteJpegFile(scratch.File("missing/x.jpg"), {rgb.data(), 8, 8, 24}, error));
    EXPECT_EQ(error, "No such file or directory");

    fs::create_directory(scratch.Path() / "x.jpg");
    EXPECT_FALSE(WriteJpegFile(scratch.File("x.jpg"), {rgb.data(), 8, 8, 24}, error));
    EXPECT_EQ(error, "Is a directory");

    if (!testing::RunningAsRoot()) {
        fs::create_directory(scratch.Path() / "locked");
        fs::permissions(scratch.Path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(WriteJpegFile(scratch.File("locked/x.jpg"), {rgb.data(), 8, 8, 24}, error));
        EXPECT_EQ(error, "Permission denied");
    }
}

TEST(JpegFileTest, WriteThatFailsHalfwayLeavesTheOlderFileWhole) {
    ScratchDirectory scratch;
    const std::string path = scratch.File("QuorvelIIHdcpy_0.jpg");
    testing::WriteBytes(path, "an older hardcopy");
    const std::vector<std::uint8_t> rgb = TestPicture(470, 413);
    std::string error;
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(WriteJpegFile(path, {rgb.data(), 470, 413, 470 * 3}, error));
    }
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(testing::ReadBytes(path), "an older hardcopy");
    EXPECT_EQ(testing::EntryNames(scratch.Path()),
              (std::vector<std::string>{"QuorvelIIHdcpy_0.jpg"}));

    // A new name: nothing at all is left.
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(
            WriteJpegFile(scratch.File("new.jpg"), {rgb.data(), 470, 413, 470 * 3}, error));
    }
    EXPECT_EQ(testing::EntryNames(scratch.Path()),
              (std::vector<std::string>{"QuorvelIIHdcpy_0.jpg"}));
}

}  // namespace
}  // namespace quorvel
