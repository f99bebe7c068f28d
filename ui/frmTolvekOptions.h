#pragma once
// The main window as the options dialog sees it, and the hook that opens the dialog when the
// window's background or mode picture is clicked.

#include "engine/Game.h"
#include "settings/OptionsHost.h"

namespace tolvekin {

class frmTolvek;

class frmTolvekOptions : public OptionsHost {
public:
    frmTolvekOptions(frmTolvek& window, Game& game) : window_(window), game_(game) {}

    OptionsFacts Facts() const override;
    void ShowLook(const BoardLook& look) override;
    void ApplySettings(const ConfirmedChanges& changes) override;
    void ShowHowToPlay() override;

private:
    frmTolvek& window_;
    Game& game_;
};

// From now on a click on the window's background or mode picture opens the options dialog on
// settings, the game's settings record (the window pauses its game timers around it and opens
// nothing during a replay).
void ConnectOptionsDialog(frmTolvek& window, Game& game, Settings& settings);

} // namespace tolvekin
