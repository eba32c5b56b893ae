// Texts pasted into the Tools windows' boxes, from tests/pasted_texts.json: a megabyte, deep
// brackets, runs of signs and roots, invisible characters. Each is read or refused in words, the
// program goes on (no page error, no abort), and the box then reads a plain text as before.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { control, usePage } from './helpers.mjs';

const session = usePage();
const table = JSON.parse(readFileSync(new URL('../pasted_texts.json', import.meta.url)));
const rows = table.rows.filter((row) => row.where !== 'native');

const textOf = (row) => row.parts.map(([piece, times, form]) =>
    (form === 'hex' ? Buffer.from(piece, 'hex').toString('utf8') : piece).repeat(times)).join('');

// The text put into the box whole, as a paste does, with the input event that follows.
const paste = (box, text) => box.evaluate((element, value) => {
    element.value = value;
    element.dispatchEvent(new Event('input', { bubbles: true }));
}, text);

const describedBy = (box) => box.evaluate((element) =>
    document.getElementById(element.getAttribute('aria-describedby'))?.textContent ?? '');

async function openTool(page, name, panel) {
    await control(page, 'Tools').click();
    await page.locator(`.menubar [data-name="${name}"]`).click();
    await control(page, panel).waitFor();
}

for (const row of rows.filter((each) => each.box === 'equation')) {
    test(`the Equation box, ${row.name} (${row.locale})`, async () => {
        const { page } = await session.start({ locale: row.locale });
        await openTool(page, 'TypeEquation', 'TypeEquationWindow');
        await paste(control(page, 'EquationText'), textOf(row));
        const reading = await control(page, 'EquationReading').textContent();
        assert.ok(reading.startsWith(row.says), reading.slice(0, 200));
        assert.ok(reading.length < row.says.length + 120, `quoted ${reading.length} characters`);
        await control(page, 'SolveEquation').click();
        if (row.place === undefined) {
            // Read, it is solved in the main window; the box opens again for the next.
            await control(page, 'TypeEquationWindow').waitFor({ state: 'detached' });
            await openTool(page, 'TypeEquation', 'TypeEquationWindow');
        }
        await paste(control(page, 'EquationText'), 'x^2 - 3x + 2 = 0');
        await control(page, 'SolveEquation').click();
        await control(page, 'TypeEquationWindow').waitFor({ state: 'detached' });
        assert.equal(await control(page, 'Text(10)').inputValue(), '2');
    });
}

for (const row of rows.filter((each) => each.box === 'answer')) {
    test(`the Practice answer, ${row.name} (${row.locale})`, async () => {
        const { page } = await session.start({ locale: row.locale });
        await openTool(page, 'Practice', 'PracticeWindow');
        await paste(control(page, 'PracticeAnswer'), textOf(row));
        await control(page, 'CheckAnswer').click();
        const verdict = control(page, 'PracticeVerdict');
        assert.equal(await verdict.locator('strong').innerText(), 'Not understood');
        assert.ok((await verdict.innerText()).includes(row.says), await verdict.innerText());
        await paste(control(page, 'PracticeAnswer'), '987654321');
        await control(page, 'CheckAnswer').click();
        assert.equal(await verdict.locator('strong').innerText(), 'Not right');
    });
}

for (const row of rows.filter((each) => each.box === 'code')) {
    test(`the sheet's code, ${row.name}`, async () => {
        const { page } = await session.start({ locale: row.locale });
        await openTool(page, 'Practice', 'PracticeWindow');
        const box = control(page, 'SheetCode');
        const code = await box.inputValue();
        const exercise = await control(page, 'PracticeExercise').innerText();
        await paste(box, textOf(row));
        assert.equal(await describedBy(box), row.says);
        assert.equal(await control(page, 'PracticeExercise').innerText(), exercise);
        await control(page, 'PracticeKind').selectOption({ index: 6 });
        await paste(box, code);
        assert.equal(await control(page, 'PracticeExercise').innerText(), exercise);
    });
}
