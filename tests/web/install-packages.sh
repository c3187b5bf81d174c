#!/usr/bin/env bash
# Installs the web tests' npm packages, exactly those of the committed
# package-lock.json (npm ci), into PREFIX/node_modules, keeping npm's cache
# and logs there too, so that nothing is written into the home folder.
# Without npm it says so and exits 77 (skipped); under CI it fails.
#
#   install-packages.sh PREFIX
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
. "$here/../lib.sh"
command -v npm >/dev/null || skip_test "npm is not installed: the page is not tried"
mkdir -p "$prefix"
cp "$here/package.json" "$here/package-lock.json" "$prefix/"
export npm_config_cache=$prefix/cache npm_config_update_notifier=false npm_config_fund=false npm_config_audit=false
# No package's install script runs: the one there is, vnu-jar's, would fetch
# a Java runtime, where the machine's own serves.
npm ci --ignore-scripts --prefix "$prefix" --logs-dir "$prefix/logs" --no-progress
