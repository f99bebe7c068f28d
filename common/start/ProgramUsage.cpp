#include "common/start/ProgramUsage.h"

namespace tolvekin {

namespace {

const char* const CommonOptions = R"(Options:
  --data-home  work in the data folder $XDG_DATA_HOME/tolvekin (by default
               ~/.local/share/tolvekin), created when missing; the desktop menu entries
               start the game and the character maker this way, so both share their files
  --help       print this help and exit
  --version    print the version and exit
)";

const char* const GameUsage = R"(Usage: tolvekin [--data-home] [SETTING...]
       tolvekin [--data-home] --batch N [--seed S] [--moves] [--jobs J] [--game K]
                [--levels A,B] [SETTING...]
       tolvekin --help | --version

ぽるぽら, a reversi-style board game with colour mixing. The game keeps its settings
(TlvPar.txt), score files and character pictures in the current folder.

Settings: a key immediately followed by its value, no blank between, for example
/MODE2 /MAXX10. Settings given here are used instead of those in TlvPar.txt, and a key
left out takes its built-in value [in brackets]. A switch is True, False or a number.
  /FLASHswitch     blink the piece the computer is about to place [False]
  /CURSORswitch    the mouse cursor tells where a piece can go [False]
  /BORDERswitch    draw the frame line around the board [True]
  /CROSSswitch     draw the grid lines of the board [True]
  /THRUswitch      see-through board showing the window background [False]
  /BACKswitch      show TLVFORM.BMP as the window background [False]
  /TITLEtext       game title in the window captions, up to 6 characters [ぽるぽら]
  /CHAR1name /CHAR2name /CHAR3name
                   names of the SUN, FISH and BEAR characters; the first 5 are kept
  /KOMA1set /KOMA2set
                   characters of side 1 and side 2: SUN, FISH or BEAR [SUN, FISH]
  /MODEn           1 one player, 2 two players, 3 computer against computer [1]
  /LEVELn          strength of the computer: 1 weak (弱い), 2 strong (強い),
                   3 master (名人), who searches ahead [1]
  /MONOswitch      black-and-white pieces, scored by counting pieces [False]
  /COLORn          window background colour, &H00BBGGRR as a signed decimal number
                   [-2147483633, the colour of button faces]
  /CLRBRDn         board colour, written the same way [16777215, white]
  /MAXXn /MAXYn    board width 2..38 and height 2..26 [8, 8]
  /MIDXn /MIDYn    column and row of the top-left cell of the four starting pieces
                   [the middle of the board]
  /TOPn /LEFTn     position of the main window in twips, 1/1440 inch [0, not set]
  /PARpath         read the settings from this file, where a later save also goes;
                   the path may hold blanks (quote the whole switch) but no "/"

Batch mode, without a window: a series of computer-against-computer games, printing
each result line and a summary. With a file AutoResult.txt in the current folder each
result is also appended to it.
  --batch N        the number of games, at least 1
  --seed S         seed of the random numbers, for a repeatable series
  --moves          also print each game's start and move records
  --jobs J         play on J threads, 1 to 256 [one a core]; the output is the same
                   for every J
  --game K         print only game K (from 1) of the series of --seed S, as the whole
                   series prints it; nothing is logged
  --levels A,B     a match: side 1 plays every move at strength A and side 2 at
                   strength B, each 1 weak, 2 strong or 3 master, instead of the
                   alternation of weak and strong moves of automatic play

)";

const char* const MakerUsage = R"(Usage: zenbro [--data-home]
       zenbro --help | --version

The character maker of ぽるぽら (tolvekin): draw a 48 x 48 outline and turn it into the
piece pictures and the name the game reads. It reads and writes its files in the
current folder.

)";

} // namespace

ProgramDescription GameCommandLine() {
    return {"tolvekin",
            QString::fromUtf8(GameUsage) + QString::fromUtf8(CommonOptions),
            {"--batch", "--seed", "--moves", "--jobs", "--game", "--levels"}};
}

ProgramDescription MakerCommandLine() {
    return {"zenbro", QString::fromUtf8(MakerUsage) + QString::fromUtf8(CommonOptions), {}};
}

} // namespace tolvekin
