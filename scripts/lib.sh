# Shared helpers of the project's scripts; sourced, not run.

# Installs the Debian packages that are not installed yet. Idempotent: a
# machine that has them all asks no package server.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures (once) and builds one build tree: build_tree DIR [cmake args...]
build_tree() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
