// zenbro, the character maker: draws a character's outline and turns it into the piece pictures
// and the name file the game reads at its next start.

#include "common/BusyCursor.h"
#include "common/DialogSeam.h"
#include "common/ProgramStart.h"
#include "common/ProgramUsage.h"
#include "common/StandardOptions.h"
#include "maker/MakerArtwork.h"
#include "maker/MakerMessages.h"
#include "maker/frmZenbro.h"

#include <QApplication>
#include <QDir>

#include <csignal>
#include <memory>

int main(int argc, char** argv) {
    // At the file-size limit a write is to fail with an error the file code reports, not to end
    // the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList args = tolvekin::ProgramArguments(argc, argv);
    QString startProblem;
    if (const int status = tolvekin::HandleStandardOptions(tolvekin::MakerCommandLine(), args,
                                                           stdout, stderr, &startProblem);
        status != tolvekin::GoOn) {
        // Started from the desktop's menu, the player sees no standard error.
        if (!startProblem.isEmpty()) {
            tolvekin::TellWithoutStarting("zenbro", argc, argv, [&] {
                zenbro::MakerMessages messages;
                messages.Message(startProblem);
            });
        }
        return status;
    }
    tolvekin::GuardDisplayOpening("zenbro");
    QApplication app(argc, argv);
    tolvekin::DisplayOpened();
    tolvekin::LoadQtJapanese(app);
    tolvekin::RemoveSaveLeftovers(QDir::currentPath());
    app.setWindowIcon(zenbro::MakerIconSet());
    zenbro::MakerMessages messages;
    tolvekin::SetDialogHandler(&messages);

    // Building the 2304 cells takes a moment: a wait note meanwhile.
    auto busy = std::make_unique<tolvekin::BusyCursor>();
    tolvekin::NowStatusForm(QStringLiteral("しばらくお待ちください"));
    zenbro::frmZenbro window;
    window.show();
    tolvekin::UnloadMessageForm();
    busy.reset();

    const int code = app.exec();
    tolvekin::SetDialogHandler(nullptr);
    return code;
}
