// The "Practice" panel: opened from the Tools menu, every control named and labelled, a new
// sheet for each kind and level, a sheet brought back by its code, the verdict heard, the
// session's count, a finger's targets on a phone, and the printed sheet on A4 and Letter.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { control, pressCheck, usePage } from './helpers.mjs';

const session = usePage();

const focused = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? document.activeElement?.tagName);
const panel = (page) => control(page, 'PracticeWindow');
const exercise = (page) => control(page, 'PracticeExercise').locator('.equation-text').innerText();

async function openPractice(page, how = 'mouse') {
    if (how === 'keyboard') {
        await page.keyboard.press('Alt+t');
        await page.keyboard.press('p');
    } else {
        await control(page, 'Tools').click();
        await page.locator('.menubar [data-name="Practice"]').click();
    }
    await panel(page).waitFor();
}

// The printed sheet as a print shows it, window.print() kept from opening the browser's dialog.
async function printSheet(page, withWorking = false) {
    await page.evaluate(() => {
        window.printed = 0;
        window.print = () => { window.printed += 1; };
    });
    if (withWorking) await control(page, 'PrintWorking').check();
    await control(page, 'PrintSheet').click();
    assert.equal(await page.evaluate(() => window.printed), 1);
}

for (const how of ['mouse', 'keyboard']) {
    test(`opened from the Tools menu by the ${how}; Escape hides it and the focus goes back`, async () => {
        const { page } = await session.start();
        await pressCheck(page, 'Option1');
        await control(page, 'Text(2)').focus();
        await openPractice(page, how);
        assert.equal(await panel(page).getAttribute('role'), 'dialog');
        assert.equal(await panel(page).locator('.titlebar span').innerText(), 'Practice');
        assert.equal(await focused(page), 'PracticeAnswer');
        assert.notEqual(await exercise(page), '');
        await page.keyboard.press('Escape');
        assert.equal(await panel(page).isVisible(), false);
        assert.equal(await focused(page), 'Text(2)');
    });
}

// Each control, by its name, and what its visible label, or its own text, calls it.
const labelled = [
    ['PracticeKind', 'Kind'], ['PracticeLevel', 'Numbers'], ['PracticeMethod', 'Method'],
    ['SheetCode', 'Sheet'], ['NewExercise', 'New exercise'], ['PracticeAnswer', 'Your answer'],
    ['CheckAnswer', 'Check'], ['PracticeWorking', 'Show the working'],
    ['SheetLength', 'Exercises'], ['PrintWorking', 'Key with the working'],
    ['PrintSheet', 'Print sheet…'],
];

test('every control is there, named and labelled, and the parts it shows too', async () => {
    const { page } = await session.start();
    await openPractice(page);
    for (const [name, label] of labelled) {
        const read = await control(page, name).evaluate((element) => {
            const labels = [...(element.labels ?? [])].filter((each) => each.getClientRects().length > 0);
            return { labels: labels.map((each) => each.textContent.trim()), text: element.textContent.trim(), shown: element.getClientRects().length > 0 };
        });
        assert.ok(read.shown, `${name} shown`);
        assert.ok(read.labels.includes(label) || read.text === label, `${name}: ${JSON.stringify(read)}`);
    }
    assert.equal(await control(page, 'PracticeAnswer').evaluate((box) =>
        document.getElementById(box.getAttribute('aria-describedby'))?.dataset.name), 'PracticeExercise');
    for (const name of ['PracticeExercise', 'PracticeCount'])
        assert.notEqual((await control(page, name).innerText()).trim(), '', name);
    for (const name of ['PracticeVerdict', 'PracticeWorkingText', 'PrintedSheet'])
        assert.equal(await control(page, name).isVisible(), false, `${name} not shown yet`);
});

// A choice, the list's option chosen by its index, and the lines the exercise stands on.
const choices = [
    { name: 'a system', list: 'PracticeKind', index: 6, lines: 2 },
    { name: 'the first degree', list: 'PracticeKind', index: 0, lines: 1 },
    { name: 'larger numbers', list: 'PracticeLevel', index: 1, lines: 1 },
];

for (const row of choices) {
    test(`choosing ${row.name} draws a new sheet, with its own code`, async () => {
        const { page } = await session.start();
        await openPractice(page);
        const before = { code: await control(page, 'SheetCode').inputValue(), exercise: await exercise(page) };
        await control(page, row.list).selectOption({ index: row.index });
        const after = { code: await control(page, 'SheetCode').inputValue(), exercise: await exercise(page) };
        assert.notEqual(after.code, before.code);
        assert.notEqual(after.exercise, before.exercise);
        assert.equal(after.exercise.split('\n').length, row.lines, after.exercise);
        assert.equal(await control(page, row.list).evaluate((list) => list.selectedIndex), row.index);
        assert.equal(await focused(page), row.list);
    });
}

test('a typed code brings its sheet back; one that reads as no code says so under the box', async () => {
    const { page } = await session.start();
    await openPractice(page);
    const code = await control(page, 'SheetCode').inputValue();
    const first = await exercise(page);
    await control(page, 'NewExercise').click();
    await control(page, 'PracticeKind').selectOption({ index: 6 });
    const system = await exercise(page);
    assert.notEqual(system, first);

    await control(page, 'SheetCode').fill('!!');
    const message = await control(page, 'SheetCode').evaluate((box) =>
        document.getElementById(box.getAttribute('aria-describedby'))?.textContent ?? null);
    assert.ok(message, 'the message describes the box');
    assert.equal(await exercise(page), system);

    await control(page, 'SheetCode').fill(code);
    assert.equal(await exercise(page), first);
    assert.equal(await control(page, 'PracticeKind').evaluate((list) => list.selectedIndex), 1);
    assert.equal(await control(page, 'SheetCode').inputValue(), code);
    assert.equal(await focused(page), 'SheetCode');
});

test('the verdict is shown in words and heard; the working marks its lines', async () => {
    const { page } = await session.start();
    await openPractice(page);
    await control(page, 'PracticeAnswer').fill('123456');
    await page.keyboard.press('Enter');
    const verdict = control(page, 'PracticeVerdict');
    assert.equal(await verdict.isVisible(), true);
    const word = await verdict.locator('strong').innerText();
    assert.ok(['Right', 'Partly right', 'Not right', 'Not understood'].includes(word), word);
    const heard = await control(page, 'Form1').locator('.announcer').textContent();
    assert.notEqual(heard, '');
    assert.ok((await verdict.innerText()).includes(heard.split('\n')[0]), heard);
    assert.equal(await focused(page), 'PracticeAnswer');

    await control(page, 'PracticeWorking').click();
    assert.equal(await focused(page), 'PracticeWorkingText');
    assert.ok(await control(page, 'PracticeWorkingText').locator('li').count() > 1);
});

// Needs the answer checker: a wrong answer, then the key's answer, counts one right after a hint.
test('the count after a wrong answer, then the right one', async () => {
    const { page } = await session.start();
    await openPractice(page);
    await printSheet(page);
    const right = await control(page, 'PrintedSheet').locator('.key li').first().innerText();
    await control(page, 'PracticeAnswer').fill('x = 1000; y = 1000');
    await control(page, 'CheckAnswer').click();
    await control(page, 'PracticeAnswer').fill(right);
    await control(page, 'CheckAnswer').click();
    assert.equal(await control(page, 'PracticeVerdict').locator('strong').innerText(), 'Right');
    assert.equal(await focused(page), 'NewExercise');
    assert.match(await control(page, 'PracticeCount').innerText(), /\b0 right first time, 1 right after a hint/);
    // Kept while the panel is closed.
    await page.keyboard.press('Escape');
    await openPractice(page);
    assert.match(await control(page, 'PracticeCount').innerText(), /1 right after a hint/);
});

test('the keyboard reaches every control in order, the close button last', async () => {
    const { page } = await session.start();
    await openPractice(page);
    await control(page, 'PracticeKind').focus();
    const order = [];
    for (let step = 0; step < 11; ++step) {
        await page.keyboard.press('Tab');
        order.push(await focused(page));
    }
    assert.deepEqual(order, ['PracticeLevel', 'PracticeMethod', 'SheetCode', 'NewExercise', 'PracticeAnswer',
        'CheckAnswer', 'PracticeWorking', 'SheetLength', 'PrintWorking', 'PrintSheet', 'BUTTON']);
});

test('on a phone 390 px wide: targets of 44 px, nothing cut or overlapping', async () => {
    const { page } = await session.start({ viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true });
    await control(page, 'Tools').tap();
    await page.locator('.menubar [data-name="Practice"]').tap();
    await panel(page).waitFor();
    await control(page, 'PracticeAnswer').fill('1');
    await control(page, 'CheckAnswer').tap();
    await control(page, 'PracticeWorking').tap();
    const found = await panel(page).evaluate((element) => {
        // From its top: scrolled, its title bar stands over what passes under it.
        element.scrollTop = 0;
        const targets = [...element.querySelectorAll('select, input[type="text"], button, label:has(input[type="checkbox"])')]
            .map((target) => {
                const rect = target.getBoundingClientRect();
                return { name: target.dataset.name ?? target.textContent.trim(), left: rect.left, right: rect.right, top: rect.top, bottom: rect.bottom, height: rect.height };
            });
        return { targets, scrollWidth: document.documentElement.scrollWidth, panelOverflow: element.scrollWidth - element.clientWidth };
    });
    assert.ok(found.scrollWidth <= 390, `page ${found.scrollWidth} px wide`);
    assert.ok(found.panelOverflow <= 0, `the panel's content ${found.panelOverflow} px wider than it`);
    for (const target of found.targets) {
        assert.ok(target.height >= 44, `${target.name}: ${target.height} px high`);
        assert.ok(target.left >= 0 && target.right <= 390, `${target.name} within the screen`);
    }
    for (const [at, one] of found.targets.entries())
        for (const other of found.targets.slice(at + 1))
            assert.ok(one.right <= other.left || other.right <= one.left || one.bottom <= other.top || other.bottom <= one.top,
                `${one.name} overlaps ${other.name}`);
});

for (const format of ['A4', 'Letter']) {
    test(`the printed sheet on ${format}: its code, then the key on a page of its own`, async () => {
        const { page } = await session.start();
        await openPractice(page);
        const code = await control(page, 'SheetCode').inputValue();
        await printSheet(page, true);
        const sheet = control(page, 'PrintedSheet');
        assert.ok((await sheet.textContent()).includes(code), 'the code on the sheet');
        await page.emulateMedia({ media: 'print' });
        assert.equal(await sheet.isVisible(), true);
        assert.equal(await control(page, 'Form1').isVisible(), false);
        assert.equal(await panel(page).isVisible(), false);
        const pdf = (await page.pdf({ format })).toString('latin1');
        const pages = pdf.match(/\/Type\s*\/Page\b/g)?.length ?? 0;
        assert.ok(pages >= 2, `${pages} pages`);
        await page.emulateMedia({ media: 'screen' });
        assert.equal(await sheet.isVisible(), false);
    });
}
