// zenbro, the character maker: draws a character's outline and turns it into the piece pictures
// and the name file the game reads at its next start.

#include "BusyCursor.h"
#include "DialogSeam.h"
#include "MakerArtwork.h"
#include "MakerMessages.h"
#include "frmZenbro.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
