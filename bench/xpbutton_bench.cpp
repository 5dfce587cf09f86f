// One repaint of the widget's off-screen surface: a 120 x 120 board piece
// with its picture and a 100 x 30 button with an icon and a caption, both in
// the theme look. A board of ten pieces should repaint well within a frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdlib>

#include "xpbutton/ole_color.h"
#include "xpbutton/xpbutton.h"

namespace quellan {
namespace {

QPixmap piecePicture() {
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) image.setPixel(x, y, qRgb(x * 4, y * 4, 128));
    }
    return QPixmap::fromImage(image);
}

void redrawLoop(benchmark::State& bench, XPButton& button) {
    for (auto _ : bench) {
        button.Refresh();
        benchmark::DoNotOptimize(button.surface().constBits());
    }
}

// The piece's face and frame alone, or with its picture scaled to fit.
void BM_RedrawPiece(benchmark::State& bench) {
    QWidget host;
    XPButton piece(&host);
    piece.setButtonStyle(xp::kStyleTheme);
    piece.setBackColor(xp::kButtonFace);
    piece.setPictureAlign(xp::kPictureAbove);
    piece.setPictureSize(4);
    if (bench.range(0) != 0) piece.setPicture(piecePicture());
    piece.setGeometry(0, 0, 120, 120);
    host.show();
    QCoreApplication::processEvents();
    redrawLoop(bench, piece);
}
BENCHMARK(BM_RedrawPiece)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RedrawButton(benchmark::State& bench) {
    QWidget host;
    XPButton button(&host);
    button.setButtonStyle(xp::kStyleTheme);
    button.setBackColor(xp::kButtonFace);
    QPixmap icon(16, 16);
    icon.fill(Qt::darkGreen);
    button.setPicture(icon);
    button.setCaption(QStringLiteral("撤消一步"));
    button.setGeometry(0, 0, 100, 30);
    host.show();
    QCoreApplication::processEvents();
    redrawLoop(bench, button);
}
BENCHMARK(BM_RedrawButton)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quellan

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
