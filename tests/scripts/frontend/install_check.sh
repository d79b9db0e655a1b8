#!/usr/bin/env bash
# `cmake --install` staged with DESTDIR gives a playable tree: the program in usr/bin, its data in
# usr/share/slidestone (with a copy of the text font for a system without it), a menu entry naming the
# program by its final path, the icon at every size, the metainfo and the man page, each
# accepted by its checker. The staged program, run from elsewhere, finds its data
# relative to itself; the program in the build folder still finds the data beside it.
#   install_check.sh BUILD_DIR
set -u
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

DESTDIR=$root cmake --install "$build" --prefix /usr >"$root/install.log" 2>&1 ||
  fail "install: $(cat "$root/install.log")"
usr=$root/usr
[ -x "$usr/bin/slidestone" ] && [ ! -L "$usr/bin/slidestone" ] || fail "usr/bin/slidestone is not the program"
for f in stage/xydata.dat sound/PSMAT005.ogg pictures/title.png; do
  [ -f "$usr/share/slidestone/$f" ] || fail "missing usr/share/slidestone/$f"
done
[ -f "$usr/share/slidestone/fonts/DejaVuSans-Bold.ttf" ] || fail "no fallback copy of the text font in usr/share/slidestone/fonts"
for f in README.md stages.md stage-format.md stages.png; do
  [ -f "$usr/share/doc/slidestone/$f" ] || fail "missing usr/share/doc/slidestone/$f"
done
[ ! -e "$usr/lib" ] || fail "something was installed under usr/lib: $(ls -R "$usr/lib")"
entry=$usr/share/applications/org.slidestone.Slidestone.desktop
grep -qx "Exec=/usr/bin/slidestone" "$entry" || fail "menu entry: $(cat "$entry" 2>&1)"
grep -qx "Icon=slidestone" "$entry" || fail "menu entry has no icon name"
# Every icon size is a PNG of that size (width and height are bytes 16-23 of the header).
for n in 16 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${n}x$n/apps/slidestone.png
  [ "$(head -c 24 "$icon" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = \
    "89504e470d0a1a0a0000000d49484452$(printf '%08x%08x' "$n" "$n")" ] || fail "no $n x $n PNG icon"
done
metainfo=$usr/share/metainfo/org.slidestone.Slidestone.metainfo.xml
grep -q "<launchable type=\"desktop-id\">org.slidestone.Slidestone.desktop<" "$metainfo" ||
  fail "metainfo does not launch the menu entry"
manpage=$usr/share/man/man6/slidestone.6.gz
for word in 'SH EDITOR' 'share/doc/slidestone' 'Ctrl+Z' '\\-\\-scale' '\\-\\-watch' 'music=100' 'effects=100' 'high=' 'F11'; do
  zcat "$manpage" | grep -q -- "$word" || fail "man page lacks $word"
done
# What the distributions' checkers say, where they are installed (scripts/install-deps does).
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >"$root/as.log" 2>&1 || fail "appstreamcli: $(cat "$root/as.log")"
fi
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manpage" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page: $warnings"
fi

# Both programs run from / with no --data: the staged one reads usr/share/slidestone beside it
# (nothing is installed in the real /usr), the built one the data in the build folder.
printf 'wait 300\nexpect GameState == 1\nprint GameState\n' >"$root/menu.script"
for program in "$usr/bin/slidestone" "$build/slidestone"; do
  out=$(cd / && "$program" --headless --no-splash --settings "$root/s.ini" \
    --script "$root/menu.script" 2>&1)
  [ "$out" = "t=300 GameState=1" ] || fail "$program: $out"
done

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install: all checks passed"
