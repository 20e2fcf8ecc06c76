#include "shell/jpeg_file.h"

// jpeglib.h needs FILE and size_t declared first.
#include <cstdio>

#include <jpeglib.h>

#include <cerrno>
#include <csetjmp>
#include <cstdlib>
#include <system_error>

#include "common/whole_file.h"

namespace quorvel {

namespace {

// libjpeg reports a fatal error by calling error_exit, which by default ends the process.
// This one keeps the message and jumps back to the encoder's setjmp instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void ExitToCaller(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (corrupt data and the like) cannot arise while compressing our own rows; they are
// not printed on the program's standard error.
extern "C" void IgnoreMessage(j_common_ptr) {}

// Everything the encoder changes lives here, outside the function that calls setjmp, so that
// its values are still defined after a jump back.
struct Encoder {
    jpeg_compress_struct compress{};
    ErrorManager errors{};
    bool created = false;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

// Runs the encoder over the rows; false (with errors.message set) when libjpeg gave up. Only
// plain data is made between setjmp and the end, so a jump skips no destructor.
bool RunEncoder(Encoder& encoder, const RgbRows& picture) {
    encoder.compress.err = jpeg_std_error(&encoder.errors.base);
    encoder.errors.base.error_exit = &ExitToCaller;
    encoder.errors.base.output_message = &IgnoreMessage;
    if (setjmp(encoder.errors.jump) != 0) {
        return false;
    }
    jpeg_create_compress(&encoder.compress);
    encoder.created = true;
    jpeg_mem_dest(&encoder.compress, &encoder.buffer, &encoder.size);

    encoder.compress.image_width = static_cast<JDIMENSION>(picture.width);
    encoder.compress.image_height = static_cast<JDIMENSION>(picture.height);
    encoder.compress.input_components = 3;
    encoder.compress.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder.compress);
    jpeg_start_compress(&encoder.compress, TRUE);
    while (encoder.compress.next_scanline < encoder.compress.image_height) {
        // libjpeg takes rows as writable pointers but only reads them.
        JSAMPROW row =
            const_cast<JSAMPLE*>(picture.pixels + picture.stride * encoder.compress.next_scanline);
        jpeg_write_scanlines(&encoder.compress, &row, 1);
    }
    jpeg_finish_compress(&encoder.compress);
    return true;
}

}  // namespace

bool EncodeJpeg(const RgbRows& picture, std::string& jpeg, std::string& error) {
    if (picture.pixels == nullptr || picture.width <= 0 || picture.height <= 0) {
        error = "The picture is empty";
        return false;
    }
    if (picture.stride < static_cast<std::size_t>(picture.width) * 3) {
        error = "The picture's rows are shorter than its width";
        return false;
    }
    Encoder encoder;
    const bool encoded = RunEncoder(encoder, picture);
    if (encoded) {
        jpeg.assign(reinterpret_cast<const char*>(encoder.buffer), encoder.size);
    } else {
        error = encoder.errors.message;
    }
    if (encoder.created) {
        jpeg_destroy_compress(&encoder.compress);
    }
    std::free(encoder.buffer);
    return encoded;
}

bool WriteJpegFile(const FileAt& path, const RgbRows& picture, std::string& error,
                   IfExists ifExists) {
    std::string jpeg;
    if (!EncodeJpeg(picture, jpeg, error)) {
        return false;
    }
    if (ifExists == IfExists::Refuse) {
        return CreateWholeFile(path, jpeg, error);
    }
    errno = 0;
    if (!ReplaceWholeFile(path, jpeg)) {
        error = errno != 0 ? std::generic_category().message(errno)
                           : std::string("The file could not be written in full");
        return false;
    }
    return true;
}

}  // namespace quorvel
