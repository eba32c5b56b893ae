// The "Equation" panel: an equation typed as written, read back as it is typed, solved in the main
// window by Solve or Enter; what cannot be read marked in place; Cancel and Escape change nothing.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { control, pressCheck, shown, type, usePage } from './helpers.mjs';

const session = usePage();

const focused = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? document.activeElement?.tagName);

// Tools > Type an equation…, then the text typed into the panel; "|" stands for Shift+Enter.
async function typeEquation(page, typed) {
    await control(page, 'Tools').click();
    await page.locator('.menubar [data-name="TypeEquation"]').click();
    await control(page, 'TypeEquationWindow').waitFor();
    assert.equal(await focused(page), 'EquationText');
    await control(page, 'EquationText').fill('');
    for (const [at, line] of typed.split('|').entries()) {
        if (at > 0) await page.keyboard.press('Shift+Enter');
        await page.keyboard.type(line);
    }
}

// The main window's coefficient boxes, results and options, to compare before and after.
async function mainWindow(page) {
    return page.evaluate(() => [...document.querySelectorAll('[data-name="Form1"] .client > *')]
        .map((element) => `${element.dataset.name}:${element.hidden ? '-' : (element.value ?? element.textContent)}:${element.querySelector('input')?.checked ?? ''}`)
        .join('|'));
}

const solved = [
    { name: 'second degree, Enter', typed: 'x^2 - 3x + 2 = 0', key: 'Enter', option: 'Option1', boxes: ['1', '-3', '2'], x: ['2', '1'] },
    { name: 'first degree, Solve', typed: '2x = 4', key: 'Solve', option: 'Option1', boxes: ['0', '2', '-4'], x: ['2', ''] },
    { name: 'system on two lines, Enter', typed: 'x + y = 3|x - y = 1', key: 'Enter', option: 'Option2', boxes: ['1', '1', '3', '1', '-1', '1'], x: ['2', '1'] },
    { name: 'system on one line, Solve', typed: 'x + y = 3; x - y = 1', key: 'Solve', option: 'Option2', boxes: ['1', '1', '3', '1', '-1', '1'], x: ['2', '1'] },
];

// The exercise book's equations, in English and in German, solved from the Tools menu with the
// rearranging at the top of the working.
const exercises = [
    { locale: 'en-US', typed: '3(x − 1) = x²', option: 'Option1', boxes: ['1', '-3', '3'], first: 'Typed: 3(x − 1) = x²', step: 'Expanding: 3x - 3 = x²' },
    { locale: 'en-US', typed: 'x/2 + 1/3 = 0', option: 'Option1', boxes: ['0', '3', '2'], first: 'Typed: x/2 + 1/3 = 0', step: 'Multiplying by 6, the least common denominator, to clear the fractions: 3x + 2 = 0' },
    { locale: 'en-US', typed: '(x − 1)(x + 2) = 4', option: 'Option1', boxes: ['1', '1', '-6'], first: 'Typed: (x − 1)(x + 2) = 4', step: 'Expanding: x² + 2x - x - 2 = 4' },
    { locale: 'en-US', typed: '2x + 3y = 8; x − y = 1', option: 'Option2', boxes: ['2', '3', '8', '1', '-1', '1'], first: 'Typed: 2x + 3y = 8; x − y = 1' },
    { locale: 'de-DE', typed: 'x/2 + 1/3 = 0', option: 'Option1', boxes: ['0', '3', '2'], first: 'Typed: x/2 + 1/3 = 0', step: 'Expanding: 0,5x + 1/3 = 0' },
    { locale: 'de-DE', typed: '0,5(x − 1)(x + 2) = 2', option: 'Option1', boxes: ['0,5', '0,5', '-3'], first: 'Typed: 0,5(x − 1)(x + 2) = 2' },
];

for (const row of exercises) {
    test(`from the exercise book (${row.locale}): ${row.typed}`, async () => {
        const { page } = await session.start({ locale: row.locale });
        await typeEquation(page, row.typed);
        await control(page, 'SolveEquation').click();
        await control(page, 'TypeEquationWindow').waitFor({ state: 'detached' });
        assert.equal(await control(page, row.option).locator('input').isChecked(), true);
        for (const [at, text] of row.boxes.entries())
            assert.equal(await control(page, `Text(${at + 1})`).inputValue(), text, `Text(${at + 1})`);
        await control(page, 'Tools').click();
        await page.locator('.menubar [data-name="ShowWorking"]').click();
        const lines = (await control(page, 'WorkingText').inputValue()).split('\n');
        assert.equal(lines[0], row.first);
        if (row.step) assert.ok(lines.includes(row.step), lines.join('\n'));
    });
}

for (const row of solved) {
    test(`solved in the main window: ${row.name}`, async () => {
        const { page } = await session.start();
        await typeEquation(page, row.typed);
        assert.equal(await control(page, 'EquationText').inputValue(), row.typed.replace('|', '\n'));
        if (row.key === 'Enter') await page.keyboard.press('Enter');
        else await control(page, 'SolveEquation').click();
        await control(page, 'TypeEquationWindow').waitFor({ state: 'detached' });
        assert.equal(await control(page, row.option).locator('input').isChecked(), true);
        for (const [at, text] of row.boxes.entries())
            assert.equal(await control(page, `Text(${at + 1})`).inputValue(), text, `Text(${at + 1})`);
        const results = await shown(page);
        assert.deepEqual([results['Text(10)'].trim(), results['Text(11)'].trim()], row.x);
        assert.equal(await focused(page), 'Command1');
        // Heard as after "run".
        assert.match(await control(page, 'Form1').locator('.announcer').textContent(), /= 2/);
    });
}

const refused = [
    { name: 'a third degree', typed: 'x^3 + 1 = 0', marked: 'x^3' },
    { name: 'two equals signs', typed: 'x = 1 = 2', marked: '=' },
    { name: 'a letter in the second line', typed: 'x + y = 3|x - z = 1', marked: 'z' },
];

for (const row of refused) {
    test(`refused, it stays with the place marked: ${row.name}`, async () => {
        const { page } = await session.start();
        await control(page, 'Option2').click();
        const before = await mainWindow(page);
        await typeEquation(page, row.typed);
        await page.keyboard.press('Enter');
        assert.equal(await control(page, 'TypeEquationWindow').count(), 1);
        assert.equal(await focused(page), 'EquationText');
        assert.equal(await mainWindow(page), before);
        const reading = await control(page, 'EquationReading').evaluate((element) => ({
            live: element.getAttribute('aria-live') ?? element.closest('[aria-live]')?.getAttribute('aria-live') ?? null,
            marked: element.querySelector('mark')?.textContent,
            id: element.id,
        }));
        assert.equal(reading.live, null, 'not spoken at each keystroke');
        assert.ok(reading.marked?.includes(row.marked), JSON.stringify(reading));
        assert.equal(await control(page, 'EquationText').getAttribute('aria-describedby'), reading.id);
        // Mended, it reads, and the mark goes.
        await control(page, 'EquationText').fill('x + 1 = 0');
        assert.equal(await control(page, 'EquationReading').locator('mark').count(), 0);
    });
}

for (const how of ['Cancel', 'Escape', 'close button']) {
    test(`${how} changes nothing, and the text is there when it opens again`, async () => {
        const { page } = await session.start();
        await pressCheck(page, 'Option1');
        await type(page, ['1']);
        await control(page, 'Text(2)').focus();
        const before = await mainWindow(page);
        await typeEquation(page, 'x^2 = 4');
        if (how === 'Cancel') await control(page, 'CancelEquation').click();
        else if (how === 'Escape') await page.keyboard.press('Escape');
        else await control(page, 'TypeEquationWindow').locator('.titlebar button').click();
        await control(page, 'TypeEquationWindow').waitFor({ state: 'detached' });
        assert.equal(await mainWindow(page), before);
        assert.equal(await focused(page), 'Text(2)');
        await control(page, 'Tools').click();
        await page.locator('.menubar [data-name="TypeEquation"]').click();
        assert.equal(await control(page, 'EquationText').inputValue(), 'x^2 = 4');
    });
}

test('Tab goes from the text to Solve, Cancel and the close button', async () => {
    const { page } = await session.start();
    await typeEquation(page, 'x = 1');
    const order = [];
    for (let step = 0; step < 3; ++step) {
        await page.keyboard.press('Tab');
        order.push(await focused(page));
    }
    assert.deepEqual(order, ['SolveEquation', 'CancelEquation', 'BUTTON']);
    assert.equal(await control(page, 'EquationText').inputValue(), 'x = 1');
});

test('beside the window where the view has room; on a phone a sheet with targets a finger can hit', async () => {
    const wide = await session.start({ viewport: { width: 1200, height: 700 } });
    await typeEquation(wide.page, 'x = 1');
    const panel = await control(wide.page, 'TypeEquationWindow').boundingBox();
    const window = await control(wide.page, 'Form1').boundingBox();
    assert.ok(panel.x >= window.x + window.width, JSON.stringify({ panel, window }));
    await wide.context.close();
    session.program = undefined;

    const { page } = await session.start({ viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true });
    await typeEquation(page, 'x = 1');
    const sheet = await control(page, 'TypeEquationWindow').evaluate((element) => {
        const rect = element.getBoundingClientRect();
        const targets = [...element.querySelectorAll('button, textarea')].map((target) => target.getBoundingClientRect().height);
        return { sheet: element.classList.contains('sheet'), left: rect.left, width: rect.width, bottom: rect.bottom, smallest: Math.min(...targets),
            font: parseFloat(getComputedStyle(element.querySelector('textarea')).fontSize), scrollWidth: document.documentElement.scrollWidth };
    });
    assert.deepEqual({ sheet: sheet.sheet, left: sheet.left, width: sheet.width, bottom: sheet.bottom, scrollWidth: sheet.scrollWidth },
        { sheet: true, left: 0, width: 360, bottom: 740, scrollWidth: 360 });
    assert.ok(sheet.smallest >= 44, `targets ${sheet.smallest}`);
    assert.ok(sheet.font >= 16, `text ${sheet.font}`);
});
