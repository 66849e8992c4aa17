// JPEG decoding and encoding through libjpeg. libjpeg reports a fatal error by
// calling error_exit, which must not return; it jumps back to the entry point
// (setjmp/longjmp), which cleans up and turns the message number into an EJPEG.
// The functions the jump leaves hold no objects with destructors.

#include "platform/picture/JPEGImage.h"

#include <QtGui/QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings (such as a file that ends early) are not fatal and are not printed.
void silentOutput(j_common_ptr) {}

void installErrors(ErrorManager& err) {
  jpeg_std_error(&err.pub);
  err.pub.error_exit = errorExit;
  err.pub.output_message = silentOutput;
}

[[noreturn]] void throwJpegError(int code) {
  throw EJPEG(QStringLiteral("JPEG error #%1").arg(code));
}

struct DecodeContext {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
};

QRgb cmykToRgb(const JSAMPLE* p, bool inverted) {
  int c = p[0], m = p[1], y = p[2], k = p[3];
  if (!inverted) {
    c = 255 - c;
    m = 255 - m;
    y = 255 - y;
    k = 255 - k;
  }
  return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

void convertRow(const jpeg_decompress_struct& cinfo, const JSAMPLE* in, QRgb* out) {
  for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
    switch (cinfo.out_color_space) {
      case JCS_GRAYSCALE: out[x] = qRgb(in[x], in[x], in[x]); break;
      case JCS_CMYK: out[x] = cmykToRgb(in + 4 * x, cinfo.saw_Adobe_marker); break;
      default: out[x] = qRgb(in[3 * x], in[3 * x + 1], in[3 * x + 2]); break;
    }
  }
}

void runDecode(DecodeContext& ctx, const QByteArray& data, bool grayscale, QImage& out) {
  jpeg_decompress_struct& cinfo = ctx.cinfo;
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  if (grayscale) {
    cinfo.out_color_space = JCS_GRAYSCALE;
  } else if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
    cinfo.out_color_space = JCS_CMYK;
  } else {
    cinfo.out_color_space = JCS_RGB;
  }
  // The header's size is checked before any pixel memory is taken or any
  // decoding time spent: a few hundred bytes can declare a gigantic picture.
  if (platform::exceedsPictureLimit(cinfo.image_width, cinfo.image_height)) {
    ERREXIT1(&cinfo, JERR_IMAGE_TOO_BIG, 65500);
  }
  jpeg_start_decompress(&cinfo);
  out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
  if (out.isNull()) {
    ERREXIT1(&cinfo, JERR_OUT_OF_MEMORY, 0);
  }
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * cinfo.output_components, 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = int(cinfo.output_scanline);
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) {
      break;
    }
    convertRow(cinfo, row[0], reinterpret_cast<QRgb*>(out.scanLine(y)));
  }
  jpeg_finish_decompress(&cinfo);
}

// 0 on success, else the libjpeg message number.
int decodeInto(const QByteArray& data, bool grayscale, QImage& out) {
  DecodeContext ctx;
  std::memset(&ctx, 0, sizeof ctx);
  installErrors(ctx.err);
  ctx.cinfo.err = &ctx.err.pub;
  if (setjmp(ctx.err.jump)) {
    const int code = ctx.err.pub.msg_code;
    jpeg_destroy_decompress(&ctx.cinfo);
    return code == 0 ? JERR_BAD_STRUCT_SIZE : code;
  }
  runDecode(ctx, data, grayscale, out);
  jpeg_destroy_decompress(&ctx.cinfo);
  return 0;
}

struct EncodeContext {
  jpeg_compress_struct cinfo;
  ErrorManager err;
  unsigned char* buffer;
  unsigned long size;
};

void runEncode(EncodeContext& ctx, const QImage& image, int quality, bool grayscale) {
  jpeg_compress_struct& cinfo = ctx.cinfo;
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &ctx.buffer, &ctx.size);
  cinfo.image_width = JDIMENSION(image.width());
  cinfo.image_height = JDIMENSION(image.height());
  cinfo.input_components = grayscale ? 1 : 3;
  cinfo.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.image_width * cinfo.input_components, 1);
  while (cinfo.next_scanline < cinfo.image_height) {
    const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(int(cinfo.next_scanline)));
    JSAMPLE* out = row[0];
    for (int x = 0; x < image.width(); ++x) {
      if (grayscale) {
        out[x] = JSAMPLE(qGray(in[x]));
      } else {
        out[3 * x] = JSAMPLE(qRed(in[x]));
        out[3 * x + 1] = JSAMPLE(qGreen(in[x]));
        out[3 * x + 2] = JSAMPLE(qBlue(in[x]));
      }
    }
    jpeg_write_scanlines(&cinfo, row, 1);
  }
  jpeg_finish_compress(&cinfo);
}

int encodeFrom(const QImage& image, int quality, bool grayscale, QByteArray& out) {
  EncodeContext ctx;
  std::memset(&ctx, 0, sizeof ctx);
  installErrors(ctx.err);
  ctx.cinfo.err = &ctx.err.pub;
  if (setjmp(ctx.err.jump)) {
    const int code = ctx.err.pub.msg_code;
    jpeg_destroy_compress(&ctx.cinfo);
    std::free(ctx.buffer);
    return code == 0 ? JERR_BAD_STRUCT_SIZE : code;
  }
  runEncode(ctx, image, quality, grayscale);
  jpeg_destroy_compress(&ctx.cinfo);
  out = QByteArray(reinterpret_cast<const char*>(ctx.buffer), qsizetype(ctx.size));
  std::free(ctx.buffer);
  return 0;
}

}  // namespace

namespace platform {

QImage decodeJpeg(const QByteArray& data, bool grayscale) {
  QImage image;
  if (const int code = decodeInto(data, grayscale, image)) {
    throwJpegError(code);
  }
  return image;
}

QByteArray encodeJpeg(const QImage& image, int quality, bool grayscale) {
  if (image.isNull()) {
    throwJpegError(JERR_EMPTY_IMAGE);
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  QByteArray data;
  if (const int code = encodeFrom(rgb, quality, grayscale, data)) {
    throwJpegError(code);
  }
  return data;
}

}  // namespace platform
