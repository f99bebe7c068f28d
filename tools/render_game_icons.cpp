// Writes the game's icon at the usual desktop sizes:  render_game_icons <icon theme folder>

#include "tools/IconTheme.h"
#include "ui/Artwork.h"

int main(int argc, char** argv) {
    return IconThemeMain(argc, argv, "tolvekin", tolvekin::artwork::DrawnProgramIcon);
}
