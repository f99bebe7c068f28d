#!/usr/bin/env bash
# Photographs the windows of the game and the character maker as a player reaches them, the
# same way every time, so that two builds can be compared pixel for pixel (compare-shots.sh).
#   scripts/window-shots.sh BUILD_DIR OUT_DIR
# Starts BUILD_DIR/app/tolvekin and BUILD_DIR/maker/zenbro under their own Xvfb, each start in a
# fresh empty data folder, drives them with xdotool as a player would (mouse and keyboard) and
# writes OUT_DIR/NN-name.png, one picture per window and state. Games are played in the
# two-player mode, since the computer's moves depend on a clock seed. Left out because they
# change by themselves: the splash (its bar follows the clock), a computer's blinking move and
# the score window's name entry (it shows the time). The display is :66 unless SHOTS_DISPLAY
# names another.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR OUT_DIR" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
game="$build/app/tolvekin"
maker="$build/maker/zenbro"
for program in "$game" "$maker"; do
    [ -x "$program" ] || { echo "$program is missing: build first" >&2; exit 1; }
done
mkdir -p "$2"
out=$(cd "$2" && pwd)
rm -f "$out"/[0-9][0-9]-*.png

export DISPLAY="${SHOTS_DISPLAY:-:66}"
scratch=$(mktemp -d)
xvfb=
program_pid=

# Ends what was started and waits for it, so that the display is free again for the next run.
cleanup() {
    local pid
    for pid in $program_pid $xvfb; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "window-shots: $*" >&2
    exit 1
}

# A fixed screen, no window manager: every window sits where the program puts it, without a
# frame, so a picture holds the client area alone. -noreset: by default the server resets when
# its last client leaves, and a program started during that reset cannot open the display.
if xdotool getmouselocation >/dev/null 2>&1; then
    fail "the display $DISPLAY is taken: name a free one with SHOTS_DISPLAY"
fi
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 50); do
    kill -0 "$xvfb" 2>/dev/null || fail "Xvfb could not start on $DISPLAY (is it taken?)"
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 0.2
kill -0 "$xvfb" 2>/dev/null || fail "Xvfb could not start on $DISPLAY (is it taken?)"

# Prints the id of the running program's visible window whose caption is exactly $1, waiting up
# to thirty seconds (a start on a busy machine can take long).
wait_window() {
    local id
    for _ in $(seq 1 300); do
        id=$(xdotool search --all --onlyvisible --pid "$program_pid" --name "^$1\$" 2>/dev/null |
            tail -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return
        fi
        sleep 0.1
    done
    # What is on the screen instead, and what the program said, help to see why.
    xdotool search --onlyvisible --name . 2>/dev/null | while read -r other; do
        echo "window-shots: on the screen: \"$(xdotool getwindowname "$other")\"" >&2
    done
    cat "$scratch"/data.*/output.txt >&2 || true
    fail "the window \"$1\" did not appear"
}

# Waits until window $1, captioned $2, has gone (another window of the same caption may come
# up in its place).
wait_closed() {
    for _ in $(seq 1 100); do
        xdotool search --all --onlyvisible --pid "$program_pid" --name "^$2\$" 2>/dev/null |
            grep -qx "$1" || return 0
        sleep 0.1
    done
    fail "the window \"$2\" did not close"
}

# Closes window $1, captioned $2, with Escape, as its close box would.
dismiss() {
    press "$1" Escape
    wait_closed "$1" "$2"
}

# Whether pictures $1 and $2 are the same, pixel for pixel.
same_picture() {
    [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]
}

# Photographs window $1 into OUT_DIR/$2.png once it has finished drawing, and names the file in
# shot_file: the pointer is parked in the screen's corner, away from every window, and the
# picture is taken again until three in a row, 0.3 s apart, agree. That spans more than half of
# a text cursor's blink, so a window with a blinking cursor never settles and fails here instead
# of giving a different picture each time. With a third argument, an earlier shot of the window,
# the picture must also differ from it: the program has not yet answered the input while it
# still looks the same.
shot_number=0
shot_file=
shoot() {
    local id=$1 earlier=${3:-} name previous current agreeing=1
    [ -n "$id" ] || fail "no window to photograph for $2"
    shot_number=$((shot_number + 1))
    name=$(printf '%02d-%s' "$shot_number" "$2")
    xdotool mousemove 0 0
    previous="$scratch/previous.png"
    current="$scratch/current.png"
    import -window "$id" "$previous"
    for _ in $(seq 1 60); do
        sleep 0.3
        import -window "$id" "$current"
        if same_picture "$previous" "$current" &&
            { [ -z "$earlier" ] || ! same_picture "$earlier" "$current"; }; then
            agreeing=$((agreeing + 1))
        else
            agreeing=1
        fi
        mv "$current" "$previous"
        if [ "$agreeing" -eq 3 ]; then
            shot_file="$out/$name.png"
            mv "$previous" "$shot_file"
            echo "$name"
            return
        fi
    done
    fail "the window for $name kept changing, or did not change"
}

# Clicks at x, y inside window $1 and parks the pointer again.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    xdotool mousemove 0 0
}

# Gives window $1 the keyboard and presses the keys that follow, if any.
press() {
    local id=$1
    shift
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    [ $# -eq 0 ] || xdotool key "$@"
}

# Starts a program ($1) with the arguments that follow in a fresh data folder of its own.
start() {
    local program=$1 data
    shift
    data=$(mktemp -d "$scratch/data.XXXXXX")
    (cd "$data" && exec "$program" "$@") >"$data/output.txt" 2>&1 &
    program_pid=$!
}

stop() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

title='ぽるぽら'
cell=48     # a board cell's side in pixels
board=8     # the board's top-left corner in the window

# The main window on the 8 x 8 board with the windows it opens.
start "$game" /MODE2
main=$(wait_window "$title")
shoot "$main" main-8x8
opening=$shot_file

# The window's background beside the mode picture opens the options dialog.
click "$main" 400 60
options=$(wait_window "$title　とりきめ")
shoot "$options" options
click "$options" 200 84                      # Size
size=$(wait_window "$title　サイズの変更")
press "$size" Tab Tab                        # from the blinking たて box to Max
shoot "$size" board-size
dismiss "$size" "$title　サイズの変更"
click "$options" 200 120                     # the board's Color
colour=$(wait_window "$title　ボードの色選択")
shoot "$colour" board-colour
dismiss "$colour" "$title　ボードの色選択"
click "$options" 200 140                     # the background's Color
colour=$(wait_window "$title　背景の色選択")
shoot "$colour" background-colour
dismiss "$colour" "$title　背景の色選択"
click "$options" 352 248                     # Version
version=$(wait_window Version)
shoot "$version" version
dismiss "$version" Version
click "$options" 280 280                     # 取消
wait_closed "$options" "$title　とりきめ"

click "$main" 434 24                         # スコア
score=$(wait_window "$title　スコア")
shoot "$score" score
dismiss "$score" "$title　スコア"

press "$main" F1
help=$(wait_window "$title　あそびかた")
shoot "$help" how-to-play
dismiss "$help" "$title　あそびかた"

click "$main" 546 24                         # 閉じる asks first
question=$(wait_window "$title　メッセージ")
shoot "$question" quit-question
dismiss "$question" "$title　メッセージ"    # no: the game goes on

# Side 1 places on the sixth cell of the fourth row; the last-move mark shows there.
click "$main" $((board + 5 * cell + cell / 2)) $((board + 3 * cell + cell / 2))
shoot "$main" first-move "$opening"
first_move=$shot_file

# Side 2's places show while H is held.
press "$main"
xdotool keydown h
shoot "$main" hint-places "$first_move"
xdotool keyup h

# Side 2 plays from the keyboard: the cursor from the top-left cell to the fourth cell of the
# third row, B for a blue piece, Space to place it.
press "$main" Home Right Right Right Down Down b space
shoot "$main" keyboard-move "$first_move"

# During a game the options dialog lets only the board's look change.
click "$main" 400 60
options=$(wait_window "$title　とりきめ")
shoot "$options" options-during-game
click "$options" 280 280                     # 取消
wait_closed "$options" "$title　とりきめ"
stop

# Other board sizes.
start "$game" /MODE2 /MAXX12 /MAXY10
main=$(wait_window "$title")
shoot "$main" main-12x10
stop
start "$game" /MODE1 /LEVEL3 /MONOTrue /KOMA2BEAR /CROSSFalse
main=$(wait_window "$title")
shoot "$main" main-one-player-mono
click "$main" 434 24                         # スコア: the high scores against 名人
score=$(wait_window "$title　スコア")
shoot "$score" high-scores
dismiss "$score" "$title　スコア"
click "$main" 494 388                        # the title asks about the pieces' colours
question=$(wait_window "$title　メッセージ")
shoot "$question" colour-question
dismiss "$question" "$title　メッセージ"    # no: the pieces stay black and white
stop

# A whole game on the 3 x 3 board: side 2 has to pass twice, then the board is full.
start "$game" /MODE2 /MAXX3 /MAXY3
main=$(wait_window "$title")
shoot "$main" main-3x3
opening=$shot_file
place() {
    click "$main" $((board + ($1 - 1) * cell + cell / 2)) $((board + ($2 - 1) * cell + cell / 2))
}
place 3 1
place 2 1
place 1 2
message=$(wait_window "$title　メッセージ")
shoot "$message" pass-message
dismiss "$message" "$title　メッセージ"
place 1 1
message=$(wait_window "$title　メッセージ")
dismiss "$message" "$title　メッセージ"
place 1 3
message=$(wait_window "$title　メッセージ")
shoot "$message" game-over-message
dismiss "$message" "$title　メッセージ"
question=$(wait_window "$title　メッセージ")
shoot "$question" record-question
dismiss "$question" "$title　メッセージ"    # no: the game is not kept
shoot "$main" main-3x3-game-over "$opening"
stop

# The character maker with a few cells drawn (clicks, then a drag along a row), and the
# message it gives when there is no outline to read back.
start "$maker"
zenbro=$(wait_window 'キャラクタの作成')
for step in 0 1 2 3 4 5; do
    click "$zenbro" $((150 + 22 * step)) $((120 + 11 * step))
done
xdotool mousemove --window "$zenbro" 120 330 mousedown 1 \
    mousemove --window "$zenbro" 260 330 mousemove --window "$zenbro" 400 330 mouseup 1
shoot "$zenbro" maker
drawing=$shot_file
click "$zenbro" 568 460                      # 格子線
shoot "$zenbro" maker-grid-lines "$drawing"
click "$zenbro" 568 148                      # 元図読込
message=$(wait_window 'キャラクタ作成　メッセージ')
shoot "$message" maker-message
dismiss "$message" 'キャラクタ作成　メッセージ'
stop
