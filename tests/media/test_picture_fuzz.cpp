// Damaged and hostile picture files through the whole path a user's picture takes (decode, then
// texture): mutations of real JPEG, PNG and BMP files. Each must give a picture no bigger than the
// limit and a texture, or a refusal; never a crash, a hang or a sanitizer report.
//   MEROW_FUZZ_INPUTS=N (default 400)   MEROW_FUZZ_SEED=S (default 1)
//   MEROW_FUZZ_LAST_INPUT=FILE: each input is written there before it is read, for a crash.
#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <chrono>
#include <vector>

#include "PictureFiles.h"
#include "media/PictureDecoding.h"
#include "scene/PictureTexture.h"
#include "support/GlTestContext.h"

namespace {

std::vector<QByteArray> Seeds() {
    const QImage plain = TwoColours(24, 16, Qt::green, Qt::darkCyan);
    const QImage clear = TwoColours(9, 7, Qt::transparent, Qt::red, QImage::Format_ARGB32);
    const QImage indexed = plain.convertToFormat(QImage::Format_Indexed8);
    return {Encoded(plain, "jpeg"),  Encoded(plain, "jpeg", true),
            Encoded(indexed, "png"), Encoded(clear.convertToFormat(QImage::Format_RGBA64), "png"),
            Encoded(indexed, "bmp"), V5Bmp(clear)};
}

QByteArray Mutate(const std::vector<QByteArray>& seeds, QRandomGenerator& rng) {
    QByteArray b = seeds[rng.bounded(int(seeds.size()))];
    const quint32 interesting[] = {0, 1, 0x7f, 0xff, 0xffff, 0x10000, 0x7fffffff};
    for (int n = 1 + rng.bounded(6); n > 0 && b.size() >= 4; --n) {
        const int at = rng.bounded(int(b.size()));
        switch (rng.bounded(5)) {
            case 0:
                b[at] = char(rng.bounded(256));
                break;
            case 1:  // a size or count field
                PutLE(b, qMin(at, int(b.size()) - 4), interesting[rng.bounded(7)], 4);
                break;
            case 2:
                b.truncate(at);
                break;
            case 3:
                b.remove(at, rng.bounded(1, 64));
                break;
            default:  // a piece of another file
                const QByteArray& other = seeds[rng.bounded(int(seeds.size()))];
                b.insert(at, other.mid(rng.bounded(int(other.size())), rng.bounded(1, 128)));
        }
    }
    return b;
}

TEST(PictureFuzz, MutatedFilesGiveAPictureWithinTheLimitOrARefusal) {
    GlTestContext gl;
    MEROW_REQUIRE_GL(gl);
    // The readers' complaints about every damaged input say nothing here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const long inputs = qEnvironmentVariableIntValue("MEROW_FUZZ_INPUTS") > 0
                            ? qEnvironmentVariableIntValue("MEROW_FUZZ_INPUTS")
                            : 400;
    const quint32 seed = qMax(1, qEnvironmentVariableIntValue("MEROW_FUZZ_SEED"));
    const QString lastInput = qEnvironmentVariable("MEROW_FUZZ_LAST_INPUT");
    const std::vector<QByteArray> seeds = Seeds();
    const QSize limit(40, 30);
    long pictures = 0;
    double slowestMs = 0;
    for (long i = 0; i < inputs; ++i) {
        QRandomGenerator rng(seed * 1000003u + quint32(i));
        QByteArray input = Mutate(seeds, rng);
        if (!lastInput.isEmpty()) {
            QFile file(lastInput);
            if (file.open(QIODevice::WriteOnly))
                file.write(input);
        }
        const auto start = std::chrono::steady_clock::now();
        QBuffer buffer(&input);
        buffer.open(QIODevice::ReadOnly);
        const QImage picture = DecodePicture(&buffer, limit);
        if (!picture.isNull()) {
            ++pictures;
            ASSERT_TRUE(picture.width() <= limit.width() && picture.height() <= limit.height())
                << "input " << i;
            const GLuint texture = CreatePictureTexture(picture);
            EXPECT_NE(texture, 0u) << "input " << i;
            ReleasePictureTexture(texture);
        }
        slowestMs = std::max(slowestMs, std::chrono::duration<double, std::milli>(
                                            std::chrono::steady_clock::now() - start)
                                            .count());
    }
    std::printf("%ld inputs, %ld read as pictures, slowest %.1f ms\n", inputs, pictures, slowestMs);
}

}  // namespace
