#include "uJpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <limits>

#include <jpeglib.h>

namespace halvane {

namespace {

// libjpeg reports errors by calling error_exit, which must not return. We
// jump back out of the library with longjmp. C++ forbids skipping non-trivial
// destructors that way, so everything the jump can cross lives in this plain
// struct, and each setjmp sits in a small function that owns no objects.
struct TDecodeState {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX]{};
    bool created = false;
};

TDecodeState& StateOf(j_common_ptr info) {
    return *static_cast<TDecodeState*>(info->client_data);
}

[[noreturn]] void ExitByJump(j_common_ptr info) {
    TDecodeState& state = StateOf(info);
    (*info->err->format_message)(info, state.message);
    std::longjmp(state.jump, 1);
}

// A warning means the data was damaged (a truncated file decodes with grey
// rows and only a warning), so it fails like an error. Trace messages, which
// libjpeg would otherwise print, are dropped.
void WarningIsFailure(j_common_ptr info, int level) {
    if (level < 0) ExitByJump(info);
}

void PrintNothing(j_common_ptr) {}

bool StartDecoding(TDecodeState& state, const unsigned char* data, unsigned long size) {
    if (setjmp(state.jump) != 0) return false;
    jpeg_create_decompress(&state.info);
    state.created = true;
    jpeg_mem_src(&state.info, data, size);
    jpeg_read_header(&state.info, TRUE);
    state.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&state.info);
    return true;
}

bool ReadPixels(TDecodeState& state, QImage& image) {
    if (setjmp(state.jump) != 0) return false;
    while (state.info.output_scanline < state.info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(state.info.output_scanline));
        jpeg_read_scanlines(&state.info, &row, 1);
    }
    jpeg_finish_decompress(&state.info);
    return true;
}

// Releases libjpeg's memory on every way out of DecodeJpeg.
class TDecompressGuard {
public:
    explicit TDecompressGuard(TDecodeState& state) : state_(state) {}
    ~TDecompressGuard() {
        if (state_.created) jpeg_destroy_decompress(&state_.info);
    }
    TDecompressGuard(const TDecompressGuard&) = delete;
    TDecompressGuard& operator=(const TDecompressGuard&) = delete;

private:
    TDecodeState& state_;
};

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    TDecodeState state;
    state.info.err = jpeg_std_error(&state.errors);
    state.errors.error_exit = ExitByJump;
    state.errors.emit_message = WarningIsFailure;
    state.errors.output_message = PrintNothing;
    state.info.client_data = &state;
    TDecompressGuard guard(state);

    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    if (!StartDecoding(state, bytes, static_cast<unsigned long>(data.size())))
        throw EJpegError(state.message);
    if (state.info.output_components != 3)
        throw EJpegError("JPEG did not decode to three colour components");
    if (state.info.output_width > static_cast<JDIMENSION>(std::numeric_limits<int>::max()) ||
        state.info.output_height > static_cast<JDIMENSION>(std::numeric_limits<int>::max()))
        throw EJpegError("JPEG is too large");

    QImage image(static_cast<int>(state.info.output_width),
                 static_cast<int>(state.info.output_height), QImage::Format_RGB888);
    // QImage gives a null image when the pixels cannot be allocated.
    if (image.isNull()) throw EJpegError("JPEG is too large to hold in memory");
    if (!ReadPixels(state, image)) throw EJpegError(state.message);
    return image;
}

QImage LoadJpegResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EJpegError("cannot read picture " + path.toStdString() + ": " +
                         file.errorString().toStdString());
    try {
        return DecodeJpeg(file.readAll());
    } catch (const EJpegError& e) {
        throw EJpegError("picture " + path.toStdString() + ": " + e.what());
    }
}

}  // namespace halvane
