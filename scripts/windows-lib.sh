# Helpers for the Windows build under Wine; sourced after lib.sh.

# What the cross build and Wine need on a fresh Debian 12.
windows_packages=(cmake ninja-build python3 googletest
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth imagemagick locales fonts-wqy-microhei
    libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1 libxext6 libfreetype6)

ensure_windows_tools() {
    ensure_packages "${windows_packages[@]}"
    # Wine shows the Chinese texts only with the zh_CN.UTF-8 locale present.
    if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
        sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
        locale-gen >/dev/null
    fi
}

# Wine runs as "nobody" when we are root, so the test programs must sit where
# that user can reach them: inside the checkout when it can, else in a folder
# of their own under /var/tmp (a checkout below /root, say).
windows_build_dir() {
    if [ "$(id -u)" -ne 0 ] || setpriv --reuid=nobody --regid=nogroup --clear-groups \
        test -x "$ROOT" 2>/dev/null; then
        echo "$ROOT/build/windows"
    else
        echo "/var/tmp/torvane-$(printf '%s' "$ROOT" | md5sum | cut -c1-12)/windows"
    fi
}
WINDOWS_BUILD=$(windows_build_dir)

build_windows() {
    cmake -S "$ROOT" -B "$WINDOWS_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >/dev/null
    cmake --build "$WINDOWS_BUILD" -j "${TORVANE_JOBS:-$(nproc)}" "$@"
}
