// A sheet of every kind and level through the desktop build and the browser build (under Node):
// a code must bring back the same exercises on both, byte for byte.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';

const here = (path) => fileURLToPath(new URL(path, import.meta.url));
const native = process.env.VELMORA_NATIVE_SHEETS ?? here('../../build-web/native/tools/sheets');
const browser = process.env.VELMORA_NODE_SHEETS ?? here('../../build-web/tools/sheets.js');

const run = (command, args) => execFileSync(command, args, { encoding: 'utf8' }).split('\n').filter(Boolean);

for (const seed of ['20261208', '4294967295']) {
    test(`the desktop build and the browser build make the same sheets from seed ${seed}`, () => {
        const desktop = run(native, [seed]);
        const page = run(process.execPath, [browser, seed]);
        // 27 sheets of 30 exercises, each under its code.
        assert.equal(desktop.length, 27 * 31);
        let code = '';
        for (const [index, line] of desktop.entries()) {
            if (!line.startsWith('|')) code = line;
            assert.equal(page[index], line, `line ${index + 1}, on the sheet ${code}`);
        }
        assert.equal(page.length, desktop.length);
    });
}
