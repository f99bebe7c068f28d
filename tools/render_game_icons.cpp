// Writes the game's icon at the usual desktop sizes:  render_game_icons <icon theme folder>

#include "Artwork.h"
#include "IconTheme.h"

int main(int argc, char** argv) {
    return IconThemeMain(argc, argv, "tolvekin", tolvekin::artwork::DrawnProgramIcon);
}
