#!/usr/bin/env bash
# The Windows program read through UI Automation from another process, as NVDA and Narrator read
# it: the portable zip unpacked into a folder named with diacritics and started under Wine with
# the real windows platform, then uia_reader.exe walks its tree and presses a screen-reader
# user's keys, logging every focus change and window it is told of.
#   check_uia.sh ZIP READER_EXE WINE [LOG]
set -euo pipefail
zip=$1
reader=$2
wine=$3
log=${4:-}
fail() {
    echo "FAIL: $*" >&2
    [[ -s ${scratch:-}/program.log ]] && { echo "the program said:" >&2; tail -n 20 "$scratch/program.log" >&2; }
    exit 1
}
source "$(dirname "$0")/../../scripts/wine-desktop.sh"

folder="$scratch/Thư mục kỹ sư"
mkdir -p "$folder"
(cd "$folder" && unzip -q "$zip")
"$wine" "$folder/Vesmarot/vesmarot.exe" >"$scratch/program.log" 2>&1 &
pids+=($!)
wait_for_window '^Vesmarot$' 60 >/dev/null || fail "no window titled Vesmarot came up"

read_out() { "$wine" "$reader" "$@" 2>>"$scratch/reader.err" | tr -d '\r'; }
tree=$(read_out tree)
walk=$(read_out keys Tab shift+Tab type:5 Return tree Down Down Up Left Right ctrl+a,a,b,c Return Return)
reading=$(printf 'tree\n%s\n%s\n' "$tree" "$walk")
[[ -z $log ]] || echo "$reading" >"$log"
echo "$reading"

# What a reader must get. The program's own window: every control by type and Vietnamese name.
window='  Window Vesmarot
    Text Fa (cm2)
    Edit Diện tích cốt thép cần (cm²)
    Edit Số thanh thép tối đa (Nmax) {Số thanh thép tối đa trong một tiết diện}
    Button OK
    Button Reset
    Button Cancel
    Button About...
    Text Các phương án:
    List Các phương án
@OPTIONS@    Edit Trạng thái
    Image Biểu tượng Vesmarot
    Edit Diện tích của phương án đã chọn (cm²)
    Text Nmax'
area='  focus Edit Diện tích cốt thép cần (cm²)'
python3 - "$reading" "$window" "$area" <<'PY' || fail "the reading differs (above) from what a reader must get"
import sys
reading, window, area = sys.argv[1], sys.argv[2], sys.argv[3]
# Each step's lines, in order; a step may come more than once.
order, lines_of = [], []
for line in reading.split("\n"):
    if line == "tree" or line.startswith("step ") or line.startswith("listening"):
        order.append(line)
        lines_of.append([])
    elif order and line:
        lines_of[-1].append(line)
steps = {}
for step, lines in zip(order, lines_of):
    steps.setdefault(step, lines)
problems = []
def expect(step, lines):
    got = steps.get(step)
    if got != lines:
        problems.append(f"{step}: expected {lines!r}, got {got!r}")
# Qt shows a reader the rows in view of a list, as Windows' own lists do.
options = [
    "3φ16 {6.032 cm² (+20.6 %)}", "2φ16+1φ18 {6.566 cm² (+31.3 %)}",
    "1φ16+2φ18 {7.1 cm² (+42 %)}", "2φ18 {5.089 cm² (+1.8 %)}",
    "1φ18+1φ20 {5.686 cm² (+13.7 %)}", "2φ20 {6.283 cm² (+25.7 %)}",
    "1φ20+1φ22 {6.943 cm² (+38.9 %)}", "2φ22 {7.603 cm² (+52.1 %)}",
    "1φ22+1φ25 {8.71 cm² (+74.2 %)}"]
empty = window.replace("@OPTIONS@", "").split("\n")
expect("tree", empty)
if not steps.get("listening: focus 0x00000000, window opened 0x00000000", None) == []:
    problems.append("the reader could not listen for focus changes and opened windows")
if "step tree" not in steps:
    problems.append("no tree after the search")
else:
    tree = steps["step tree"]
    shown = [line.strip()[len("ListItem "):] for line in tree if line.strip().startswith("ListItem ")]
    if not shown or shown != options[:len(shown)]:
        problems.append(f"the options in view: {shown!r}")
    expect("step tree", window.replace("@OPTIONS@", "".join(
        f"      ListItem {option}\n" for option in shown)).split("\n"))
expect("step Tab", ["  focus Edit Số thanh thép tối đa (Nmax) {Số thanh thép tối đa trong một tiết diện}"])
expect("step shift+Tab", [area])
expect("step type:5", [])
# The search is answered by the status box, told once.
returns = [i for i, step in enumerate(order) if step == "step Return"]
walks = [i for i, step in enumerate(order) if step in ("step Down", "step Up")]
if len(returns) != 3 or len(walks) != 3:
    problems.append(f"steps: {order!r}")
else:
    def at(i): return lines_of[i]
    if at(returns[0]) != ["  focus Edit Trạng thái"]:
        problems.append(f"search: {at(returns[0])!r}")
    for i, option in zip(walks, [options[0], options[1], options[0]]):
        if at(i) != [f"  focus ListItem {option}"]:
            problems.append(f"{order[i]}: {at(i)!r}")
    # A bad area: the dialog's OK button, and the dialog read with its message once.
    alert = ["  focus Button OK", "  opened", "  Window Thông báo lỗi",
             "    Text Làm ơn kiểm tra lại số liệu. Chương trình chỉ chấp nhận các giá trị diện tích"
             " thép là số dương và nhỏ hơn 100. Cảm ơn.", "    Button OK"]
    if at(returns[1]) != alert:
        problems.append(f"bad area: {at(returns[1])!r}")
    # Closing it leads back to the area field and nowhere else.
    back = at(returns[2])
    if area not in back or any(line not in (area, "  event 20016 Window Vesmarot") for line in back):
        problems.append(f"back from the message: {back!r}")
expect("step Left", [area])
expect("step Right", [])
expect("step ctrl+a,a,b,c", [])
for problem in problems:
    print("FAIL " + problem)
sys.exit(1 if problems else 0)
PY
echo "read as a screen reader must read it"
