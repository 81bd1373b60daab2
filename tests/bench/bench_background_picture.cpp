// What one of the user's background pictures costs: a 6000 x 4000 camera JPEG read for a
// 1680 x 1050 screen and made into the mipmapped texture (target: 300 ms), and the two halves on
// their own. Run under Xvfb for the GL parts.

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include "media/PictureDecoding.h"
#include "scene/PictureTexture.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {

const QSize kScreen(1680, 1050);

GlTestContext& Gl() {
    static GlTestContext context;
    return context;
}

// A photo-like 6000 x 4000 JPEG (smooth shapes under fine grain), made once; or the camera's own
// file named by MEROW_BENCH_JPEG.
const std::string& CameraJpeg() {
    static TempDir dir;
    static const std::string path = [] {
        if (!qEnvironmentVariableIsEmpty("MEROW_BENCH_JPEG"))
            return qEnvironmentVariable("MEROW_BENCH_JPEG").toStdString();
        QImage photo(6000, 4000, QImage::Format_RGB888);
        photo.fill(QColor(40, 90, 150));
        QPainter painter(&photo);
        QRandomGenerator random(7);
        for (int i = 0; i < 300; ++i) {
            painter.setBrush(QColor::fromHsv(random.bounded(360), 120, 200));
            painter.drawEllipse(random.bounded(6000), random.bounded(4000), 600, 400);
        }
        painter.end();
        for (int y = 0; y < photo.height(); ++y) {
            uchar* row = photo.scanLine(y);
            for (int x = 0; x < photo.width() * 3; ++x)
                row[x] = static_cast<uchar>(qBound(0, row[x] + random.bounded(-12, 13), 255));
        }
        const std::string file = dir.file("IMG_0001.JPG");
        photo.save(QString::fromStdString(file), "JPEG", 90);
        return file;
    }();
    return path;
}

bool GlReady(benchmark::State& state) {
    if (!Gl().available()) {
        state.SkipWithError("no GL context (Xvfb?)");
        return false;
    }
    Gl().makeCurrent();
    return true;
}

void BM_CameraJpegToTexture(benchmark::State& state) {
    if (!GlReady(state))
        return;
    const std::string& path = CameraJpeg();
    for (auto _ : state) {
        const GLuint texture = CreatePictureTexture(DecodePictureFile(path, kScreen));
        glFinish();
        if (texture == 0)
            state.SkipWithError("no texture");
        ReleasePictureTexture(texture);
    }
}
BENCHMARK(BM_CameraJpegToTexture)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_CameraJpegDecode(benchmark::State& state) {
    const std::string& path = CameraJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodePictureFile(path, kScreen));
}
BENCHMARK(BM_CameraJpegDecode)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_ScreenSizedTexture(benchmark::State& state) {
    if (!GlReady(state))
        return;
    const QImage picture = DecodePictureFile(CameraJpeg(), kScreen);
    for (auto _ : state) {
        const GLuint texture = CreatePictureTexture(picture);
        glFinish();
        ReleasePictureTexture(texture);
    }
}
BENCHMARK(BM_ScreenSizedTexture)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
