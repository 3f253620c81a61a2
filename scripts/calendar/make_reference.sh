#!/usr/bin/env bash
# Regenerates the lunar calendar reference data in tests/data from two npm packages (see
# make_reference.mjs for what they are and how the data is checked). Needs node and npm and access to
# the npm registry; installs the pinned packages into a temporary folder that is removed afterwards.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
data="$here/../../tests/data"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp "$here/make_reference.mjs" "$work/"
(cd "$work" && npm install --silent --no-audit --no-fund --no-package-lock \
    date-chinese@2.1.4 astronomia@4.3.0 lunar-javascript@1.7.7 >/dev/null)
node "$work/make_reference.mjs" "$data/lunar_months.txt" "$data/lichun_moments.txt"
echo "wrote $data/lunar_months.txt and $data/lichun_moments.txt"
