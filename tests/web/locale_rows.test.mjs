// The shared table of texts as users of forty locales write them (tests/locale_rows.json, also
// read by the desktop's tests) through the page, in the browser's own locale: every text is read
// as the number it means or refused with the warning, never read as another number. The table is
// kept true to the browser: its locale facts are Intl's, and it holds every form Intl writes for
// a few numbers. VELMORA_GROW_ROWS=1 adds the rows of new forms to the file instead of failing.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { pressCheck, usePage } from './helpers.mjs';

const tableFile = new URL('../locale_rows.json', import.meta.url);
const table = JSON.parse(readFileSync(tableFile, 'utf8'));
const tags = table.locales.map(([tag]) => tag);
const noNumber = 'Check again! No numeric values!';

// The currency of each region of the table, for the browser's money forms.
const currencies = {
    US: 'USD', GB: 'GBP', IN: 'INR', CH: 'CHF', CA: 'CAD', MX: 'MXN', BR: 'BRL', DK: 'DKK', SE: 'SEK',
    NO: 'NOK', PL: 'PLN', CZ: 'CZK', HU: 'HUF', RO: 'RON', BG: 'BGN', TR: 'TRY', RU: 'RUB', UA: 'UAH',
    IL: 'ILS', JP: 'JPY', CN: 'CNY', KR: 'KRW', ID: 'IDR', VN: 'VND',
};
const currencyOf = (tag) => currencies[tag.split('-')[1]] ?? 'EUR';

// What Val reads where it reads the whole text: blanks anywhere, a sign, digits with a full
// stop, an exponent with E or D. Undefined where it stops short of the end.
function valReading(text) {
    const compact = text.replace(/[ \t\n]/g, '');
    if (!/^[+-]?(\d+\.?\d*|\.\d+)([EeDd][+-]?\d+)?$/.test(compact)) return undefined;
    return Number(compact.replace(/[Dd]/, 'e'));
}

// The number a text means where Val's reading of it is another: refused as ambiguous.
const expected = (text, meant) => {
    const byVal = valReading(text);
    return byVal !== undefined && byVal !== meant ? 'refused' : meant;
};

// The same text as typed on a keyboard: blanks for no-break spaces, "-" for U+2212, "'" for
// U+2019, no direction marks.
const typed = (text) => text.replace(/[\u00a0\u202f]/g, ' ').replace(/\u2212/g, '-')
    .replace(/\u2019/g, "'").replace(/[\u200e\u200f\u061c]/g, '');

// Intl's forms of a few numbers in every locale of the table, with the number each text shows.
function browserForms([tags, currencies]) {
    const values = [1000, 100000, 1500, 2469, 1000.5, -1234.5, 0.125, -0.5];
    const forms = [];
    for (const [tag, currency] of tags.map((tag, index) => [tag, currencies[index]])) {
        const formats = [{}, { useGrouping: 'always' }, { useGrouping: false },
            { style: 'currency', currency }, { style: 'currency', currency, currencyDisplay: 'narrowSymbol' }];
        for (const options of formats) {
            const format = new Intl.NumberFormat(tag, options);
            for (const value of values) {
                const parts = format.formatToParts(value);
                const shown = parts.map(({ type, value: text }) =>
                    ({ minusSign: '-', integer: text, decimal: '.', fraction: text })[type] ?? '').join('');
                forms.push([tag, parts.map((part) => part.value).join(''), Number(shown)]);
            }
        }
    }
    return forms;
}

// What Intl says of each locale, as the table keeps it.
function browserFacts(tags) {
    return tags.map((tag) => {
        const part = (parts, type) => parts.find((p) => p.type === type)?.value ?? '';
        const plain = new Intl.NumberFormat(tag).formatToParts(1234567890.5);
        const money = new Intl.NumberFormat(tag, { style: 'currency', currency: 'EUR' }).formatToParts(1234567.5);
        return [tag, part(plain, 'decimal'), part(plain, 'group'), plain.map((p) => p.value).join(''),
            part(money, 'decimal'), part(money, 'group')];
    });
}

// Types each text as c of 0x² - x + c = 0 and presses "run": the warning, if any, and the root.
function runEach(texts) {
    const box = (name) => document.querySelector(`[data-name="${name}"]`);
    box('Text(1)').value = '0'; box('Text(1)').dispatchEvent(new Event('input'));
    box('Text(2)').value = '-1'; box('Text(2)').dispatchEvent(new Event('input'));
    return texts.map((text) => {
        box('Text(3)').value = text; box('Text(3)').dispatchEvent(new Event('input'));
        box('Command1').click();
        const dialog = document.querySelector('dialog[data-name="MessageBox"][open]');
        const warning = dialog ? dialog.querySelector('[data-name="text"]').textContent : '';
        dialog?.querySelector('[data-name="OK"]').click();
        return { warning, root: box('Text(10)').value };
    });
}

// The number a root shows: the locale's decimal separator is a comma or a full stop here.
const shownNumber = (text) => Number(text.replace(',', '.'));
const close = (shown, meant) => Math.abs(shown - meant) <= 5e-7 * Math.abs(meant);

function writeTable(rows) {
    const ascii = (value) => JSON.stringify(value)
        .replace(/[\u0080-\uffff]/g, (c) => `\\u${c.charCodeAt(0).toString(16).padStart(4, '0')}`);
    const line = (row) => `    [${row.map(ascii).join(', ')}]`;
    const text = `{\n  "about": ${JSON.stringify(table.about)},\n  "locales": [\n${table.locales.map(line).join(',\n')}\n  ],\n`
        + `  "rows": [\n${rows.map(line).join(',\n')}\n  ]\n}\n`;
    writeFileSync(tableFile, text);
}

describe('the table follows the browser', () => {
    const session = usePage();

    test('each locale\'s separators and grouping are the browser\'s', async () => {
        const { page } = await session.open();
        assert.deepEqual(await page.evaluate(browserFacts, tags), table.locales);
    });

    test('every form the browser writes is a row, refused where Val reads another number', async () => {
        const { page } = await session.open();
        const forms = await page.evaluate(browserForms, [tags, tags.map(currencyOf)]);
        const known = new Map(table.rows.map(([tag, text, meant]) => [`${tag}\t${text}`, meant]));
        const missing = [], wrong = [];
        for (const [tag, written, meant] of forms) {
            for (const text of new Set([written, typed(written)])) {
                const key = `${tag}\t${text}`;
                const want = expected(text, meant);
                if (!known.has(key)) {
                    missing.push([tag, text, want]);
                    known.set(key, want);
                } else if (known.get(key) !== want) {
                    wrong.push([tag, text, known.get(key), want]);
                }
            }
        }
        assert.deepEqual(wrong, [], 'rows whose meaning differs from the browser\'s formatting');
        if (process.env.VELMORA_GROW_ROWS === '1') {
            if (missing.length) writeTable([...table.rows, ...missing]);
        } else {
            assert.deepEqual(missing, [], 'forms of the browser missing from the table');
        }
    });
});

// Equations whose results show every text form: Str's determinant, StrR8's roots, StrR4's double
// and complex real parts, StrR8's imaginary parts.
const equations = [['1', '-3', '2'], ['2', '1', '-1'], ['8', '-9', '1'], ['1', '1', '1'], ['1', '0', '-2'],
    ['1', '15e-1', '28125e-5'], ['1', '-2000', '0'], ['1', '4000', '-1'], ['4', '4', '1'], ['3', '2', '5']];

// The texts a run shows: the determinant, the roots, and a complex root's two parts.
function shownTexts(equations) {
    const box = (name) => document.querySelector(`[data-name="${name}"]`);
    const texts = [];
    for (const coefficients of equations) {
        coefficients.forEach((text, index) => { box(`Text(${index + 1})`).value = text; box(`Text(${index + 1})`).dispatchEvent(new Event('input')); });
        box('Command1').click();
        for (const name of ['Text(7)', 'Text(10)', 'Text(11)']) {
            const text = box(name).value;
            const complex = text.match(/^(-?[^+-]+)[+-](.+)i$/);
            texts.push(...(complex ? [complex[1], complex[2]] : text ? [text] : []));
        }
    }
    return texts;
}

describe('every row through the page, in its locale', () => {
    const session = usePage();

    for (const tag of tags) {
        test(tag, async () => {
            const { page } = await session.start({ locale: tag });
            await pressCheck(page, 'Option1');
            const rows = table.rows.filter(([rowTag]) => rowTag === tag);
            const results = await page.evaluate(runEach, rows.map(([, text]) => text));
            for (const [index, [, text, meant]] of rows.entries()) {
                const { warning, root } = results[index];
                const about = `${tag} ${JSON.stringify(text)}: ${JSON.stringify(results[index])}`;
                if (meant === 'refused') {
                    assert.deepEqual([warning, root], [noNumber, ''], about);
                } else {
                    assert.equal(warning, '', about);
                    assert.ok(close(shownNumber(root), meant), about);
                }
            }

            // What the program itself writes reads back as the number it shows, or is refused.
            const own = await page.evaluate(shownTexts, equations);
            assert.ok(own.length > 20);
            const back = await page.evaluate(runEach, own);
            for (const [index, text] of own.entries()) {
                const { warning, root } = back[index];
                const about = `${tag} ${JSON.stringify(text)}: ${JSON.stringify(back[index])}`;
                if (warning) assert.deepEqual([warning, root], [noNumber, ''], about);
                else assert.ok(close(shownNumber(root), shownNumber(text)), about);
            }
            if (tag === 'de-DE') assert.ok(own.includes(' 1.125') && back[own.indexOf(' 1.125')].warning, 'Str\'s 1.125');
        });
    }
});
