// Speed of the character maker (offscreen): one whole conversion from the window, with the
// preview repainted after every row, and the conversion of the pictures alone.

#include "common/dialogs/DialogSeam.h"
#include "maker/Conversion.h"
#include "maker/frmZenbro.h"

#include <QApplication>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A round face: a ring with two eyes, the kind of outline a user draws.
zenbro::Points Face() {
    zenbro::Points points{};
    for (int i = 0; i < zenbro::GridCells; ++i) {
        const double dx = zenbro::CellColumn(i) - 23.5;
        const double dy = zenbro::CellRow(i) - 23.5;
        const double d = std::hypot(dx, dy);
        const bool eye = std::hypot(std::abs(dx) - 8, dy + 6) < 2.5;
        points[static_cast<size_t>(i)] = std::abs(d - 20) < 0.8 || eye;
    }
    return points;
}

// From the second pass on 変換保存 asks whether to replace the pictures of the pass before:
// every question is answered yes, so each pass converts and writes again.
class AnswerYes final : public tolvekin::DialogHandler {
public:
    void Message(const QString&) override {}
    bool Question(const QString&) override { return true; }
    void Status(const QString&) override {}
    void CloseStatus() override {}
    bool StatusShown() const override { return false; }
};

void BM_ConvertFromWindow(benchmark::State& state) {
    AnswerYes answers;
    tolvekin::DialogHandler* const before = tolvekin::SetDialogHandler(&answers);
    QTemporaryDir temp;
    zenbro::frmZenbro form(temp.path());
    form.show();
    const zenbro::Points face = Face();
    for (int i = 0; i < zenbro::GridCells; ++i) {
        if (face[static_cast<size_t>(i)]) {
            form.picPoint_Click(i);
        }
    }
    form.txtName->setText("かお");
    QApplication::processEvents();
    for (auto _ : state) {
        form.cmdConvert_Click();
    }
    if (!form.LastReport().failed.isEmpty()) {
        state.SkipWithError("files were not written");
    }
    tolvekin::SetDialogHandler(before);
}
BENCHMARK(BM_ConvertFromWindow)->Unit(benchmark::kMillisecond);

void BM_ConvertPicturesOnly(benchmark::State& state) {
    QTemporaryDir temp;
    const zenbro::Points face = Face();
    for (auto _ : state) {
        zenbro::Conversion conversion(temp.path() + "/", "TLVSUN");
        QImage preview = zenbro::PreviewFromPoints(face);
        conversion.SaveOutline(preview);
        conversion.MakePictures(preview);
        benchmark::DoNotOptimize(preview);
    }
}
BENCHMARK(BM_ConvertPicturesOnly)->Unit(benchmark::kMillisecond);

} // namespace
