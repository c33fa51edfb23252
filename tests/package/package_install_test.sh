#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from this build, unpacks it with dpkg -x into a
# fresh prefix and runs the installed programs from there, with an empty home.
#   package_install_test.sh CPACK BUILD_DIR TEST_DATA VERSION [HARDENED]
# HARDENED is ON when the build used the hardening flags of dpkg-buildflags.
set -u
cpack=$1 build=$(cd "$2" && pwd) data=$(cd "$3" && pwd) version=$4 hardened=${5:-OFF}

work=$(mktemp -d)
sim_pid=""
editor_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
check() {  # check DESCRIPTION COMMAND...
    local what=$1; shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# --- the package ---------------------------------------------------------
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
debs=("$work"/pkg/quorlink_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single package in $work/pkg"; exit 1; }
deb=${debs[0]}
pass "built $(basename "$deb")"

check "package name" test "$(dpkg-deb -f "$deb" Package)" = quorlink
check "package version $version" test "$(dpkg-deb -f "$deb" Version)" = "$version"
depends=$(dpkg-deb -f "$deb" Depends)
declared=$(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/[[:space:]]//g' | grep -v '^$')

root=$work/root
dpkg -x "$deb" "$root" || { echo "FAIL: dpkg -x"; exit 1; }
bin=$root/usr/bin

for program in quorlink quorlink-cli quorlink-radio-sim; do
    check "usr/bin/$program is an executable" test -x "$bin/$program"
done
check "desktop entry" test -f "$root/usr/share/applications/quorlink.desktop"
check "scalable icon" test -f "$root/usr/share/icons/hicolor/scalable/apps/quorlink.svg"
check "user guide" test -f "$root/usr/share/doc/quorlink/README.md"
rules=$root/usr/lib/udev/rules.d/70-quorlink-serial.rules
check "udev rule keeps ModemManager off the cables" grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' "$rules"
check "udev rule opens the cables to the desktop user" grep -q 'TAG+="uaccess"' "$rules"
check "udev rule covers the CH343 and CH9102" grep -q '"1a86".*|55d3|55d4"' "$rules"
# Under a prefix udev does not read the rule is left out, with how to install it.
"$(dirname "$cpack")/cmake" --install "$build" --prefix "$work/local" >"$work/local.log" 2>&1
check "install under another prefix puts no udev rule where udev would not look" \
    test ! -e "$work/local/lib/udev" -a -x "$work/local/bin/quorlink-cli"
kept=$work/local/share/quorlink/70-quorlink-serial.rules
check "and says how to install the rule it keeps by hand" \
    grep -qF "sudo install -m 644 $kept /etc/udev/rules.d/" "$work/local.log"
check "the kept rule is the packaged one" cmp -s "$kept" "$rules"
check "copyright file" grep -q '^License: GPL-3.0-or-later' "$root/usr/share/doc/quorlink/copyright"
check "changelog names version $version" \
    grep -q "^quorlink ($version)" <(zcat "$root/usr/share/doc/quorlink/changelog.gz")
metainfo=$root/usr/share/metainfo/org.quorlink.quorlink.metainfo.xml
check "metainfo" test -f "$metainfo"
for program in quorlink quorlink-cli quorlink-radio-sim; do
    check "metainfo provides $program" grep -q "<binary>$program</binary>" "$metainfo"
    check "$program is stripped" test -z "$(readelf -S "$bin/$program" | grep -F .debug_info)"
    if [ "$hardened" = ON ]; then
        check "$program binds now" grep -q BIND_NOW <(readelf -d "$bin/$program")
        check "$program has fortified calls" grep -qE '__[a-z]+_chk$' <(objdump -T "$bin/$program")
    fi
done
[ "$hardened" = ON ] || echo "note: built without the hardening flags (no dpkg-buildflags, or turned off)"
check "Homepage" test "$(dpkg-deb -f "$deb" Homepage)" = "https://quorlink.org/"
check "Maintainer" test "$(dpkg-deb -f "$deb" Maintainer)" = "Quorlink Developers <team@quorlink.org>"
if command -v appstreamcli >/dev/null; then
    check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"
fi
if command -v lintian >/dev/null; then
    lintian --info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1
    check "lintian finds no errors or warnings" test $? -eq 0
    grep -E '^[EW]:' "$work/lintian.log"
    if [ "$hardened" = ON ]; then
        check "lintian finds the hardening" test -z "$(grep -F hardening-no "$work/lintian.log")"
    fi
fi

# Every picture the installed guide shows is installed beside it.
for picture in $(grep -o 'docs/images/[A-Za-z0-9_.-]*\.png' "$root/usr/share/doc/quorlink/README.md" | sort -u); do
    check "guide picture $picture" test -f "$root/usr/share/doc/quorlink/$picture"
done

# The desktop entry starts an installed program and names the installed icon.
desktop=$root/usr/share/applications/quorlink.desktop
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
check "desktop Exec=$exec_program is installed" test -x "$bin/$exec_program"
check "desktop Icon=$icon is installed" test -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg"
check "desktop entry passes a file" grep -qx 'Exec=quorlink %f' "$desktop"
check "desktop entry notifies start-up" grep -qx 'StartupNotify=true' "$desktop"
if command -v desktop-file-validate >/dev/null; then
    check "desktop-file-validate" desktop-file-validate "$desktop"
fi
for program in quorlink quorlink-cli quorlink-radio-sim; do
    page=$root/usr/share/man/man1/$program.1.gz
    check "manual page of $program names version $version" grep -q "Quorlink $version" <(zcat "$page" | head -n 1)
    if command -v groff >/dev/null; then
        warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
        check "manual page of $program formats without warnings" test -z "$warnings"
        [ -n "$warnings" ] && echo "$warnings"
    fi
done

# Every shared library the installed programs load comes from a declared package.
declare -A needed_by path_of
for program in quorlink quorlink-cli quorlink-radio-sim; do
    for soname in $(objdump -p "$bin/$program" | awk '$1 == "NEEDED" {print $2}'); do
        needed_by[$soname]+="$program "
    done
done
candidates=()
for soname in "${!needed_by[@]}"; do
    path=$(ldconfig -p | awk -v n="$soname" '$1 == n && $NF ~ /^\// {print $NF; exit}')
    path_of[$soname]=$path
    # Debian ships some libraries under /lib and some under /usr/lib.
    [ -n "$path" ] && candidates+=("/usr${path#/usr}" "${path#/usr}")
done
owners=$(dpkg -S "${candidates[@]}" 2>/dev/null)
for soname in "${!needed_by[@]}"; do
    path=${path_of[$soname]}
    if [ -z "$path" ]; then
        fail "${needed_by[$soname]}need $soname, which is not on this machine"
        continue
    fi
    package=$(echo "$owners" | awk -F': ' -v a="/usr${path#/usr}" -v b="${path#/usr}" \
        '$2 == a || $2 == b {split($1, p, ":"); print p[1]; exit}')
    if [ -z "$package" ]; then
        fail "${needed_by[$soname]}need $soname ($path), which no package owns"
    elif ! echo "$declared" | grep -qx "$package"; then
        fail "${needed_by[$soname]}need $soname from $package, which Depends does not name"
    fi
done
pass "dependencies checked: $depends"

# --- the installed command line --------------------------------------------
home=$work/home
mkdir -p "$home"
run() { env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 "$@"; }
cli=$bin/quorlink-cli
cd "$work" || exit 1

run "$cli" --help >help.txt 2>help.err
check "quorlink-cli --help exits with 0" test $? -eq 0
for program in quorlink-cli quorlink; do  # the editor answers without a display
    check "$program --version" test "$(run "$bin/$program" --version)" = "Quorlink $version"
done
for verb in new convert report print read write clear; do
    check "--help lists $verb" grep -q "^  quorlink-cli $verb " help.txt
done

run "$cli" new --model MR7100A a.dat
check "new MR7100A is the fresh data set" cmp -s a.dat "$data/fresh_mr7100a.dat"
run "$cli" new --model mr5100a b.dat
check "new MR5100A is the fresh data set" cmp -s b.dat "$data/fresh_mr5100a.dat"
run "$cli" convert --model MR7100A a.dat a.hex
check "convert to a memory image" test "$(stat -c %s a.hex 2>/dev/null)" = 8192
run "$cli" convert --model MR7100A a.hex back.dat
check "convert back to a data file" test -s back.dat
run "$cli" report --model MR7100A back.dat report.txt
printf '\r\n' | cat "$data/fresh_mr7100a.txt" - >expected.txt
check "report is the fresh report" cmp -s report.txt expected.txt
run "$cli" report --model MR7100A a.hex >stdout.txt
check "report of the image to standard output" cmp -s stdout.txt expected.txt
run "$cli" print --model MR7100A a.dat a.pdf 2>print.err
check "print writes a PDF" test "$(head -c 5 a.pdf 2>/dev/null)" = "%PDF-"
run "$cli" report --model MR9999 a.dat >/dev/null 2>usage.err
check "an unknown model is a usage error" test $? -eq 2

# Read and program the installed emulated radio through a pseudo-terminal.
# Started without the run() function, so that $! is the emulator itself.
env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 "$bin/quorlink-radio-sim" --model MR7100A --image a.hex \
    --link "$work/radio" --quiet --save saved.hex >sim.log 2>&1 &
sim_pid=$!
for _ in $(seq 100); do [ -e "$work/radio" ] && break; sleep 0.05; done
check "emulated radio is up" test -e "$work/radio"
run "$cli" read --model MR7100A --port "$work/radio" read.dat </dev/null >/dev/null 2>read.err
check "read from the radio" cmp -s read.dat back.dat
run "$cli" write --model MR5100A --port "$work/radio" b.dat </dev/null >/dev/null 2>write.err
check "programming the other model fails" test $? -eq 1
check "and says why" grep -q "ModelName Error !!" write.err
run "$cli" write --model MR7100A --port "$work/radio" a.dat </dev/null >/dev/null 2>write.err
check "program the radio" test $? -eq 0
kill "$sim_pid"; wait "$sim_pid" 2>/dev/null; sim_pid=""
check "the radio holds what was programmed" cmp -s saved.hex a.hex

# --- the installed editor --------------------------------------------------
# It starts to a drawn main window, and keeps its files in the per-user data
# folder even though this bin/ folder could be written.
before=$(ls "$bin")
env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="qt.widgets.painting=true" "$bin/quorlink" >editor.log 2>&1 &
editor_pid=$!
shown=no
for _ in $(seq 200); do
    grep -q 'Flushing .* of quorlink::MainWindow' editor.log && { shown=yes; break; }
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.05
done
check "editor shows its main window" test $shown = yes
[ $shown = yes ] || tail -n 20 editor.log
kill "$editor_pid" 2>/dev/null; wait "$editor_pid" 2>/dev/null; editor_pid=""
check "editor made its per-user folder" test -d "$home/.local/share/Quorlink"
check "editor wrote nothing into bin/" test "$(ls "$bin")" = "$before"

# Named on the command line, a data file is opened after start-up; the list
# of recent files in the settings tells.
env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$bin/quorlink" a.dat \
    >editor.log 2>&1 &
editor_pid=$!
opened=no
for _ in $(seq 200); do
    grep -qF "$work/a.dat" "$home/.config/Quorlink/Quorlink.conf" 2>/dev/null && { opened=yes; break; }
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.05
done
check "editor opens the file named on its command line" test $opened = yes
kill "$editor_pid" 2>/dev/null; wait "$editor_pid" 2>/dev/null; editor_pid=""

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
