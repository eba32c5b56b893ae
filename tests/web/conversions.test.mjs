// One table of number conversions through the desktop build and the browser build (under Node):
// both must write the same texts and read the same values, line by line.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

const here = (path) => fileURLToPath(new URL(path, import.meta.url));
const table = here('conversions.tsv');
const native = process.env.VELMORA_NATIVE_CONVERSIONS ?? here('../../build-web/native/tools/conversions');
const browser = process.env.VELMORA_NODE_CONVERSIONS ?? here('../../build-web/tools/conversions.js');

const rows = readFileSync(table, 'utf8').split('\n').filter((line) => line && !line.startsWith('#'));
const run = (command, args) => execFileSync(command, args, { encoding: 'utf8' }).split('\n').filter(Boolean);

test('the desktop build and the browser build convert every row of the table alike', () => {
    const desktop = run(native, [table]);
    const page = run(process.execPath, [browser, table]);
    assert.equal(desktop.length, rows.length);
    assert.equal(page.length, rows.length);
    for (const [index, line] of desktop.entries()) assert.equal(page[index], line, `row ${index + 1}: ${rows[index]}`);
});

test('the table\'s results are the program\'s texts', () => {
    const results = new Map(run(process.execPath, [browser, table]).map((line) => {
        const fields = line.split('\t');
        return [fields.slice(0, 3).join('\t'), fields[3]];
    }));
    const expect = {
        'en\tStrR8\t0x1.6a09e667f3bcdp+0': '[1.4142135623731]',
        'de\tStrR8\t0x1.6a09e667f3bcdp+0': '[1,4142135623731]',
        'en\tStrR4\t12345678': '[1.234568E+07]',
        'en\tStrR4\t-0': '[0]',
        'en\tStr\t0.25': '[ .25]',
        'en\tStr\t-0.5': '[-.5]',
        'en\tVal\t  -2.5e1xyz': '0xc039000000000000',
        'en\tVal\t&H10': '0x4030000000000000',
        'en\tIsNumeric\t-.5': 'true',
        'en\tIsNumeric\t12a': 'false',
        'en\tFpR4\t1e39': 'fault: Overflow',
    };
    for (const [row, text] of Object.entries(expect)) assert.equal(results.get(row), text, row);
});
