// Writes the character maker's icon at the usual desktop sizes:
//   render_maker_icons <icon theme folder>

#include "maker/MakerArtwork.h"
#include "tools/IconTheme.h"

int main(int argc, char** argv) {
    return IconThemeMain(argc, argv, "zenbro", zenbro::MakerIcon);
}
