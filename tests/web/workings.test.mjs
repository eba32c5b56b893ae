// The working and the graph of every row of the working table, and of a few hundred generated
// cases, through the desktop build and the browser build (under Node): both must write the same
// lines, byte for byte.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = (path) => fileURLToPath(new URL(path, import.meta.url));
// The working's own table where it exists, else the few rows kept here.
const rowsFile = process.env.VELMORA_WORKING_ROWS
    ?? (existsSync(here('../working_rows.json')) ? here('../working_rows.json') : here('working_rows.json'));
const native = process.env.VELMORA_NATIVE_WORKINGS ?? here('../../build-web/native/tools/workings');
const browser = process.env.VELMORA_NODE_WORKINGS ?? here('../../build-web/tools/workings.js');

// A row as the program's table takes it: LOCALE, METHOD, then the coefficients, tab-separated,
// with backslash escapes for what a field cannot hold.
const escaped = (text) => (text === '' ? '\\e' : text.replaceAll('\\', '\\\\').replaceAll('\t', '\\t').replaceAll('\n', '\\n'));
const coefficientsOf = (row) => (Array.isArray(row.coefficients)
    ? row.coefficients.map(String)
    : String(row.coefficients).split(/[\s/;]+/).filter(Boolean)); // "1 -3 2", "1 1 3 / 1 -1 1"
const rows = JSON.parse(readFileSync(rowsFile, 'utf8'));
const table = rows.map((row) => [row.locale ?? 'en', row.method ?? '', ...coefficientsOf(row)].map(escaped).join('\t'));

const folder = mkdtempSync(join(tmpdir(), 'velmora-workings-'));
const tableFile = join(folder, 'workings.tsv');
writeFileSync(tableFile, `${table.join('\n')}\n`);
const run = (command, args) => execFileSync(command, args, { encoding: 'utf8', maxBuffer: 1 << 28 }).split('\n');

test('the desktop build and the browser build make every working and graph alike', (t) => {
    t.after(() => rmSync(folder, { recursive: true, force: true }));
    const desktop = run(native, [tableFile]);
    const page = run(process.execPath, [browser, tableFile]);
    // Every table row and every generated case prints at least its row line.
    assert.ok(desktop.length > table.length + 300, `${desktop.length} lines`);
    let row = '';
    for (const [index, line] of desktop.entries()) {
        if (!/^[|@=!] /.test(line)) row = line;
        assert.equal(page[index], line, `line ${index + 1}, in the case ${row}`);
    }
    assert.equal(page.length, desktop.length);
});
