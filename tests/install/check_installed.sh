#!/usr/bin/env bash
# Checks an installed Vantix below PREFIX: the layout, the commands starting
# the programs of the program folder, the manual page, and a third-party
# program built against liblindrel32 with find_package and with pkg-config.
#   check_installed.sh PREFIX CONSUMER-SOURCE-DIR SCRATCH-DIR [EXTRA-CXXFLAGS]
set -euo pipefail
prefix=$1 consumer=$2 scratch=$3 flags=${4:-}
fail() { echo "FAIL: $*" >&2; exit 1; }

for file in lib/vantix/VANTIX.EXE lib/vantix/vantix-cli lib/vantix/QUORVIA.MDE lib/vantix/VANTIX.HLP \
    lib/vantix/Module/REGALTO.EXE lib/vantix/Module/BOOTLAM.EXE lib/vantix/Module/DREVION.EXE \
    lib/vantix/Module/TRASKEL.EXE lib/vantix/Module/QVDDESVR.EXE lib/vantix/Module/QVMODULE.HLP \
    lib/vantix/PICTURES/STRUKTUR.GIF lib/vantix/Sound/DROP.WAV lib/vantix/machine/win98/10-version.reg \
    share/applications/org.example.vantix.desktop share/icons/hicolor/scalable/apps/org.example.vantix.svg \
    share/metainfo/org.example.vantix.metainfo.xml share/man/man1/vantix-cli.1 \
    share/bash-completion/completions/vantix-cli include/vantix/lindrel32/QVREG.h \
    include/vantix/platform/peimage/RgbaImage.h lib/cmake/Lindrel32/Lindrel32Config.cmake \
    lib/pkgconfig/lindrel32.pc; do
    [ -e "$prefix/$file" ] || fail "missing $file"
done
ls "$prefix"/lib/liblindrel32.so.* >/dev/null || fail "missing liblindrel32.so"
[ "$(readlink -f "$prefix/bin/vantix")" = "$(readlink -f "$prefix/lib/vantix/VANTIX.EXE")" ] || fail "bin/vantix"
"$prefix/bin/vantix-cli" --help | grep -q "^usage: vantix-cli" || fail "bin/vantix-cli --help"
if command -v man >/dev/null; then
    man -l "$prefix/share/man/man1/vantix-cli.1" 2>/dev/null | grep -q "fn apply ID A|B" || fail "man page"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.example.vantix.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.example.vantix.metainfo.xml" >/dev/null ||
        fail "metainfo does not validate"
fi

export VANTIX_MACHINE=$scratch/image VANTIX_WINE=0
"$prefix/bin/vantix-cli" machine create "$VANTIX_MACHINE" --no-wine >/dev/null || fail "machine create"
export CXXFLAGS="$flags" LDFLAGS="$flags"
cmake -S "$consumer" -B "$scratch/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_BUILD_RPATH="$prefix/lib" >/dev/null || fail "find_package(Lindrel32)"
cmake --build "$scratch/consumer" >/dev/null || fail "building with find_package"
expected=$'value 42\nplatform 3\nwin.ini found'
"$scratch/consumer/consumer" | sed -n 1,3p | diff - <(echo "$expected") || fail "consumer (CMake package)"
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
# shellcheck disable=SC2046
c++ $flags "$consumer/main.cpp" -o "$scratch/consumer-pc" $(pkg-config --cflags --libs lindrel32) \
    -Wl,-rpath,"$prefix/lib" || fail "building with pkg-config"
"$scratch/consumer-pc" | sed -n 1,3p | diff - <(echo "$expected") || fail "consumer (pkg-config)"
echo "installed tree below $prefix: complete"
