#!/usr/bin/env bash
# Cross builds of the translator for Windows (mingw-w64) and for the Raspberry Pi (32-bit ARM),
# warnings as errors. A few translations are run with each foreign program, under wine and
# qemu-arm, and compared byte for byte with what the Linux build of the same source does; the
# Windows build prints and writes CR LF where the Linux build has LF.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

packages=(cmake ninja-build g++ g++-mingw-w64-x86-64-posix g++-arm-linux-gnueabihf qemu-user wine64)
missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Builds the translator alone into folder and installs it into folder/stage.
build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja --log-level=WARNING -DCMAKE_BUILD_TYPE=Release \
        -DTOLVA_BUILD_TESTS=OFF -DTOLVA_BUILD_BENCH=OFF -DTOLVA_BUILD_EDITOR=OFF "$@"
    cmake --build "$folder" -j "$(nproc)"
    rm -rf "$folder/stage"
    cmake --install "$folder" --prefix "$folder/stage" >/dev/null
}

build build-cross-native
build build-cross-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
build build-cross-pi -DCMAKE_TOOLCHAIN_FILE=cmake/arm-linux-gnueabihf.cmake -DTOLVA_TARGET=pi

# The programs are compared, not the data: every stage gets the Linux stage's data files.
for flavour in windows pi; do
    for data in config default libs; do
        rm -rf "build-cross-$flavour/stage/$data"
        cp -R "build-cross-native/stage/$data" "build-cross-$flavour/stage/$data"
    done
done

# wine64 brings no wine command of its own in Debian; its programs live in /usr/lib/wine.
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=$PWD/build-cross-windows/wineprefix WINEDEBUG=-all
# No desktop: no windows, and no offer to install the .NET and HTML run-times.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
trap '"$wineserver" -k 2>/dev/null || true' EXIT

root=$PWD
run_native() { "$root/build-cross-native/stage/bin/tsg_mint" "$@"; }
run_pi() { qemu-arm -L /usr/arm-linux-gnueabihf "$root/build-cross-pi/stage/bin/tsg_pi" "$@"; }
run_windows() { "$wine" "$root/build-cross-windows/stage/bin/tsg.exe" "$@"; }

# A library of one module beside a plain file, laid into an installation's libs folder.
add_library() {
    local lib=$1/libs/tol/xlib
    mkdir -p "$lib/solo"
    printf "' solo: a module with one function\nExtern\nFunction tol_solo(x)\nEndExtern\n" \
        >"$lib/solo/solo.hol"
    printf '<?php\nfunction tol_solo($x) { return $x; }\n?>\n' >"$lib/solo/solo.php"
    printf 'not a module\n' >"$lib/readme.txt"
}

# The cases: name, arguments (relative to the program's folder, where the translator moves
# before it reads them), and the sources written into cases/name/src. The sources of
# windows_lines end their lines as Windows editors do when written for the Windows build.
case_names=(usage empty_file inline_php includes missing_include windows_lines)
case_args() {
    local src=../cases/$1/src out=../cases/$1/out
    case $1 in
    usage) ;;
    inline_php) echo "-s $src/main.tol -o $out -t" ;;
    *) echo "-s $src/main.tol -o $out" ;;
    esac
}
write_sources() {
    local src=$1/src flavour=$2
    mkdir -p "$src" "$1/out"
    case $(basename "$1") in
    usage) ;;
    empty_file) : >"$src/main.tol" ;;
    inline_php)
        printf 'Print "Hi"\ninlinephp\n\t$raw = "as it stands";\n  echo $raw;\nendinlinephp\n' \
            >"$src/main.tol"
        printf 'Local count = 2\nPrint count\n' >>"$src/main.tol"
        ;;
    includes)
        mkdir -p "$src/pages"
        printf 'include xlib.*\ninclude "pages/home.tol"\nPrint tol_solo(1)\n' >"$src/main.tol"
        printf 'Print "home"\n' >"$src/pages/home.tol"
        ;;
    missing_include) printf 'Print 1\ninclude "gone/missing.tol"\n' >"$src/main.tol" ;;
    windows_lines)
        local end='\n'
        [ "$flavour" = windows ] && end='\r\n'
        printf "Print \"a\"${end}inlinephp${end}echo 1;${end}endinlinephp${end}Print 2${end}" \
            >"$src/main.tol"
        ;;
    esac
}

# Runs every case with one flavour below its stage; results/name.stdout and .status.
run_cases() {
    local flavour=$1 stage=build-cross-$1/stage
    rm -rf "$stage/cases" "$stage/results" "$stage/elsewhere"
    mkdir -p "$stage/results" "$stage/elsewhere"
    add_library "$stage"
    for name in "${case_names[@]}"; do
        write_sources "$stage/cases/$name" "$flavour"
        local args status=0
        read -r -a args <<<"$(case_args "$name")"
        (cd "$stage/elsewhere" && "run_$flavour" "${args[@]}") \
            >"$stage/results/$name.stdout" 2>"$stage/results/$name.stderr" || status=$?
        echo "$status" >"$stage/results/$name.status"
    done
}

# Text with every LF turned into CR LF.
crlf() { perl -pe 's/\n/\r\n/' "$1"; }

# Compares one case of flavour with the Linux build; prints what differs.
compare_case() {
    local flavour=$1 name=$2
    local ref=build-cross-native/stage got=build-cross-$1/stage ok=0
    local convert=cat
    [ "$flavour" = windows ] && convert=crlf
    cmp -s <($convert "$ref/results/$name.stdout") "$got/results/$name.stdout" ||
        { echo "  standard output differs:"; diff <($convert "$ref/results/$name.stdout") \
            "$got/results/$name.stdout" | cat -A | head -20; ok=1; }
    cmp -s "$ref/results/$name.status" "$got/results/$name.status" ||
        { echo "  exit status $(cat "$got/results/$name.status")," \
            "Linux $(cat "$ref/results/$name.status")"; ok=1; }
    diff <(cd "$ref/cases/$name" && find . | sort) <(cd "$got/cases/$name" && find . | sort) ||
        { echo "  the files differ (above)"; ok=1; }
    local file
    while IFS= read -r file; do
        [ -f "$got/cases/$name/$file" ] || continue
        # Library modules are copied as they are; the translator's own files are text.
        local expected=$convert
        [[ $file == ./out/xlib/* ]] && expected=cat
        cmp -s <($expected "$ref/cases/$name/$file") "$got/cases/$name/$file" ||
            { echo "  $file differs"; ok=1; }
    done < <(cd "$ref/cases/$name" && find . -path ./src -prune -o -type f -print)
    return $ok
}

run_cases native
run_cases pi
run_cases windows

failures=0
for flavour in pi windows; do
    for name in "${case_names[@]}"; do
        if compare_case "$flavour" "$name"; then
            echo "cross $flavour $name: same as Linux"
        else
            echo "cross $flavour $name: DIFFERS from Linux"
            failures=$((failures + 1))
        fi
    done
done
echo "Cross builds: $((2 * ${#case_names[@]} - failures)) of $((2 * ${#case_names[@]}))" \
    "cases agree with the Linux build, in $((SECONDS - started)) s"
[ "$failures" -eq 0 ]
