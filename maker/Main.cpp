// zenbro, the character maker: draws a character's outline and turns it into the piece pictures
// and the name file the game reads at its next start.

#include "common/dialogs/BusyCursor.h"
#include "common/dialogs/DialogSeam.h"
#include "common/start/ProgramStart.h"
#include "common/start/ProgramUsage.h"
#include "maker/MakerArtwork.h"
#include "maker/MakerMessages.h"
#include "maker/frmZenbro.h"

#include <QApplication>

#include <memory>

namespace {

// The maker as it runs: its message dialogs and its one window.
class RunningMaker : public tolvekin::RunningProgram {
public:
    tolvekin::DialogHandler& Dialogs() override { return messages_; }

    void Open(const QStringList&) override {
        // Building the 2304 cells takes a moment: a wait note meanwhile.
        auto busy = std::make_unique<tolvekin::BusyCursor>();
        tolvekin::NowStatusForm(QStringLiteral("しばらくお待ちください"));
        window_ = std::make_unique<zenbro::frmZenbro>();
        window_->show();
        tolvekin::UnloadMessageForm();
    }

private:
    zenbro::MakerMessages messages_;
    std::unique_ptr<zenbro::frmZenbro> window_;
};

} // namespace

int main(int argc, char** argv) {
    tolvekin::ProgramSteps maker;
    maker.Name = "zenbro";
    maker.CommandLine = tolvekin::MakerCommandLine();
    maker.TellProblem = [](const QString& problem) {
        zenbro::MakerMessages messages;
        messages.Message(problem);
    };
    maker.Make = [] {
        QApplication::setWindowIcon(zenbro::MakerIconSet());
        return std::make_unique<RunningMaker>();
    };
    return tolvekin::RunProgram(argc, argv, maker);
}
