#!/usr/bin/env bash
# Runs one test program with HOME and the XDG folders in a temporary directory of
# its own, so that no test (nor the web engine) writes into the user's folders.
set -u
home=$(mktemp -d "${TMPDIR:-/tmp}/tavolin-test.XXXXXX")
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/cache" "$home/data" "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
export HOME="$home" XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" \
       XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home"
"$@"
