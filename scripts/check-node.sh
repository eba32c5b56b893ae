#!/usr/bin/env bash
# Stops in one line when the Node on the PATH is older than the page tests' package.json asks
# (its "engines"), instead of letting every test fail on its own. Run in tests/web.
set -euo pipefail
node -e '
const wanted = require("./package.json").engines.node;
const least = Number(wanted.match(/\d+/)[0]);
const major = Number(process.versions.node.split(".")[0]);
if (major < least) {
    console.error(`Node ${process.version} is too old for the page tests, which need Node ${wanted}.`);
    process.exit(1);
}'
