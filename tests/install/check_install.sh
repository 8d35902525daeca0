#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the tree: every file
# in its place, the binaries finding their libraries inside the prefix, the
# desktop metadata valid, and the program starting from there, finding its
# style and item collections and writing nothing into the prefix.
#   check_install.sh BUILD_DIR SOURCE_DIR
#   check_install.sh kelvora_VERSION_ARCH.deb SOURCE_DIR   (the package's tree, unpacked)
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "check_install: $*" >&2; exit 1; }

if [[ $build == *.deb ]]; then
  dpkg-deb -x "$build" "$work/root"
  prefix=$work/root/usr
else
  cmake --install "$build" --prefix "$prefix" >/dev/null
fi

for file in \
    bin/Kelvora bin/kvtool \
    lib/kelvora/libPixkit.so lib/kelvora/libSkinkit.so lib/kelvora/libkvplatform_core.so \
    lib/kelvora/libkvplatform_qt.so lib/kelvora/libkvtwain.so \
    share/kelvora/Styles/Style_1/style.kvstyle share/kelvora/Bases/Hair1.hbd share/kelvora/Bases/Common.hbd \
    share/kelvora/Help share/kelvora/Colors share/kelvora/INSTALLED \
    share/applications/org.kelvora.Kelvora.desktop share/metainfo/org.kelvora.Kelvora.metainfo.xml \
    share/mime/packages/org.kelvora.Kelvora.xml \
    share/man/man1/Kelvora.1.gz share/man/man1/kvtool.1.gz; do
  [[ -e $prefix/$file ]] || fail "missing $file"
done
for side in 16 22 24 32 48 64 128 256; do
  [[ -s $prefix/share/icons/hicolor/${side}x${side}/apps/org.kelvora.Kelvora.png ]] || fail "missing the ${side}px icon"
done
# Nothing of the build tree or the tests comes along.
if find "$prefix" -name '*_tests' -o -name 'generate_*' | grep -q .; then fail "build tools were installed"; fi

# Libraries from the prefix, never from the build tree.
for binary in bin/Kelvora bin/kvtool; do
  readelf -d "$prefix/$binary" | grep -q 'R.*PATH.*\$ORIGIN/../lib/kelvora' || fail "$binary has no relative run path"
  resolved=$(ldd "$prefix/$binary")
  for library in libPixkit libkvplatform_core; do
    grep "$library" <<<"$resolved" | grep -Eq "$prefix(/bin/\.\.)?/lib/kelvora" || fail "$binary does not find $library in the prefix"
  done
  ! grep -q "not found" <<<"$resolved" || fail "$binary misses a library"
done
ASAN_OPTIONS=detect_leaks=0 "$prefix/bin/kvtool" --help >/dev/null || fail "kvtool does not run"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.kelvora.Kelvora.desktop" || fail "desktop entry refused"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.kelvora.Kelvora.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "metainfo refused"; }
fi
xmllint --noout "$prefix/share/mime/packages/org.kelvora.Kelvora.xml" 2>/dev/null || ! command -v xmllint >/dev/null ||
  fail "MIME type file is not XML"
man -l "$prefix/share/man/man1/Kelvora.1.gz" >/dev/null 2>&1 || ! command -v man >/dev/null || fail "manual page refused"

# Start the installed program with a photo on its command line; it must come
# up without a message (a missing style or base would show one and hang, so
# the timeout catches it) and leave the prefix exactly as installed.
(cd "$prefix" && find . -printf '%p %s %T@\n' | sort) >"$work/before"
mkdir -p "$work/home/cfg" "$work/home/data" "$work/home/run"
photo=$work/photo.jpg
cp "$source/styles/Style_1/photos/astronaut.jpg" "$photo"
status=0
# The program refuses screens below 1024 x 768, and the offscreen platform's
# screen is smaller: a virtual X screen when there is one.
display=(env QT_QPA_PLATFORM=offscreen)
command -v xvfb-run >/dev/null && display=(env QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24")
XDG_CONFIG_HOME=$work/home/cfg XDG_DATA_HOME=$work/home/data XDG_RUNTIME_DIR=$work/home/run \
  ASAN_OPTIONS=detect_leaks=0 "${display[@]}" \
  timeout 60 "$prefix/bin/Kelvora" --screenshot "$work/shot.png" "$photo" >"$work/run.log" 2>&1 || status=$?
[[ $status -eq 0 ]] || { cat "$work/run.log"; fail "the installed program did not start and end cleanly ($status)"; }
(cd "$prefix" && find . -printf '%p %s %T@\n' | sort) >"$work/after"
diff "$work/before" "$work/after" || fail "the program wrote into the installation"
[[ -d $work/home/data/Kelvora/Bases ]] || fail "the user's folders were not made below XDG_DATA_HOME"
echo "check_install: the installation in a temporary prefix is complete and runs"
