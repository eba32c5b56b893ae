// The main window on the page: what only a browser shows. Places and sizes against the design,
// the tab order, the welcome box, the layouts of "CHECK!", the warnings, "clear fields", the
// menus and their boxes, "exit", and the page under its Content-Security-Policy.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import {
    answerBox, clickRun, control, holdBack, pressCheck, readBox, shown, type, usePage, violations,
} from './helpers.mjs';

const session = usePage();
const start = session.start;

// The main window as the program must show it (tests/design_places.json, which the desktop's
// tests read too): the client area's size, every control's place and size within it, in CSS
// pixels, and the tab order.
const design = JSON.parse(readFileSync(new URL('../design_places.json', import.meta.url), 'utf8')).Form1;
const places = Object.fromEntries(Object.entries(design.controls).map(([name, control]) => [name, control.place]));

// Which boxes and labels each layout shows (the others are hidden).
const equationShows = ['Text(1)', 'Text(2)', 'Text(3)', 'Text(7)', 'Text(10)', 'Text(11)',
    'Label(1)', 'Label(2)', 'Label(3)', 'Label(4)', 'Label(5)', 'Label(6)', 'Label(7)', 'Label(8)'];
const boxesAndLabels = Object.keys(places).filter((name) => /^(Text|Label)/.test(name));

async function visibleBoxesAndLabels(page) {
    return page.evaluate((names) => names.filter((name) =>
        !document.querySelector(`[data-name="${name}"]`).hidden), boxesAndLabels);
}

async function captions(page, names) {
    return page.evaluate((list) => list.map((name) =>
        document.querySelector(`[data-name="${name}"]`).textContent), names);
}

describe('main window', () => {
    test('every control stands at its place and size', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option2');
        const client = await page.evaluate(() => {
            const rect = document.querySelector('[data-name="Form1"] .client').getBoundingClientRect();
            return [rect.width, rect.height];
        });
        assert.deepEqual(client, design.client);
        const measured = await page.evaluate((names) => {
            const origin = document.querySelector('[data-name="Form1"] .client').getBoundingClientRect();
            return Object.fromEntries(names.map((name) => {
                const rect = document.querySelector(`[data-name="${name}"]`).getBoundingClientRect();
                return [name, [rect.left - origin.left, rect.top - origin.top, rect.width, rect.height]];
            }));
        }, Object.keys(places));
        assert.deepEqual(measured, places);
    });

    test('fonts, colours and the stacked INFO caption', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option2');
        const style = (name) => page.evaluate((n) => {
            const s = getComputedStyle(document.querySelector(`[data-name="${n}"]`));
            return { family: s.fontFamily, size: s.fontSize, weight: s.fontWeight, background: s.backgroundColor, align: s.textAlign, writing: s.writingMode };
        }, name);
        const family = '"MS Sans Serif", "Liberation Sans", "DejaVu Sans", sans-serif';
        assert.deepEqual(await style('Text(1)'), { family, size: '16px', weight: '400', background: 'rgb(255, 255, 255)', align: 'start', writing: 'horizontal-tb' });
        assert.deepEqual(await style('Label(6)'), { family, size: '16px', weight: '700', background: 'rgb(255, 224, 192)', align: 'center', writing: 'horizontal-tb' });
        assert.deepEqual(await style('Label(5)'), { family, size: '16px', weight: '400', background: 'rgb(255, 224, 192)', align: 'right', writing: 'horizontal-tb' });
        assert.deepEqual(await style('Command4'), { family, size: '13px', weight: '400', background: 'rgb(192, 255, 192)', align: 'center', writing: 'horizontal-tb' });
        assert.equal((await style('Command1')).background, 'rgb(255, 255, 255)');
        const info = await style('Command5');
        assert.deepEqual([info.size, info.weight, info.writing], ['13px', '700', 'vertical-lr']);
        assert.equal(await control(page, 'Command5').textContent(), 'INFO');
        // Four lines of one character each, inside the face.
        const stacked = await page.evaluate(() => {
            const button = document.querySelector('[data-name="Command5"]');
            const range = document.createRange();
            range.selectNodeContents(button);
            const lines = [...range.getClientRects()];
            const face = button.getBoundingClientRect();
            return { columns: lines.length, height: Math.max(...lines.map((r) => r.height)), fits: lines.every((r) => r.left >= face.left && r.right <= face.right && r.bottom <= face.bottom) };
        });
        assert.equal(stacked.fits, true);
        assert.ok(stacked.height > 13 * 3, `INFO reads top to bottom (${stacked.height}px high)`);
    });

    test('the system caption breaks at its CR LF and a long status wraps inside Label(1)', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option2');
        assert.equal(await control(page, 'Label(6)').textContent(), 'a1*x+b1*y=c1\r\na2*x+b2*y=c2');
        const lineCount = (name) => page.evaluate((n) => {
            const element = document.querySelector(`[data-name="${n}"]`);
            const range = document.createRange();
            range.selectNodeContents(element);
            return new Set([...range.getClientRects()].filter((r) => r.width > 0).map((r) => Math.round(r.top))).size;
        }, name);
        assert.equal(await lineCount('Label(6)'), 2);
        await pressCheck(page, 'Option1');
        await type(page, ['1', '2', '5']);
        await clickRun(page);
        assert.equal(await control(page, 'Label(1)').textContent(), 'No real roots. Comlpex roots:');
        assert.equal(await lineCount('Label(1)'), 2);
    });

    test('Tab visits the controls in their tab order; labels never take the focus', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option2');
        await control(page, 'Text(1)').focus();
        const order = ['Text(1)'];
        for (let step = 0; step < 16; ++step) {
            await page.keyboard.press('Tab');
            order.push(await page.evaluate(() => {
                const element = document.activeElement;
                return (element.closest('[data-name]') ?? element).dataset.name;
            }));
        }
        // A radio group takes one stop, at its selected button.
        assert.deepEqual(order, design.tabOrder.filter((name) => name !== 'Option1'));
    });

    test('result boxes take the focus and can be selected, not changed; boxes have no length limit', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option1');
        const long = '1'.repeat(5000);
        await control(page, 'Text(1)').fill(long);
        assert.equal(await control(page, 'Text(1)').inputValue(), long);
        await type(page, ['1', '-3', '2']);
        await clickRun(page);
        await control(page, 'Text(7)').click();
        await page.keyboard.press('End');
        await page.keyboard.type('9');
        await page.keyboard.press('Backspace');
        assert.equal(await control(page, 'Text(7)').inputValue(), ' 1');
        const selected = await page.evaluate(() => {
            const box = document.activeElement;
            box.select();
            return [box.dataset.name, box.value.substring(box.selectionStart, box.selectionEnd)];
        });
        assert.deepEqual(selected, ['Text(7)', ' 1']);
    });

    test('the welcome box answered, the page starts without a warning in the console', async () => {
        const warnings = [];
        const { page } = await session.open({
            prepare: async (opened) => opened.on('console', (message) => {
                if (message.type() === 'warning') warnings.push(message.text());
            }),
        });
        await answerBox(page, 'OK');
        await control(page, 'Form1').waitFor();
        await control(page, 'Option1').click();
        assert.deepEqual(warnings, []);
    });

    test('the welcome box comes first; then no box or label shows and the lower buttons are disabled', async () => {
        const { page } = await session.open();
        assert.deepEqual(await readBox(page), {
            title: 'Velmora', text: 'Welcome to Velmora!\r\nPress INFO for more information', icon: 'none', buttons: ['OK'],
        });
        assert.equal(await control(page, 'Form1').isVisible(), false);
        // Enter answers it with its OK button.
        await page.keyboard.press('Enter');
        await control(page, 'Form1').waitFor();
        assert.equal(await page.locator('dialog').count(), 0);
        assert.deepEqual(await visibleBoxesAndLabels(page), []);
        for (const name of ['Command1', 'Command2', 'Command3'])
            assert.equal(await control(page, name).isDisabled(), true, name);
        for (const name of ['Command4', 'Command5', 'Option1', 'Option2'])
            assert.equal(await control(page, name).isVisible(), true, name);
        assert.equal(await page.title(), 'Velmora — Equation');
    });

    // The loader shows the box from the page's markup while the program downloads; an answer given
    // before the program starts is kept for it, and the window shows at once, its clicks kept for
    // the program too. Each answer, given before and after it starts.
    for (const [answer, give] of [
        ['Enter', (page) => page.keyboard.press('Enter')],
        ['Escape', (page) => page.keyboard.press('Escape')],
        ['a click on OK', (page) => page.click('dialog[data-name="MessageBox"] [data-name="OK"]')],
    ]) {
        for (const early of [true, false]) {
            test(`the welcome box answered with ${answer} ${early ? 'before' : 'after'} the program starts`, async () => {
                const held = holdBack();
                const { page } = await session.open(held.opening);
                if (!early) held.release();
                await readBox(page);
                if (!early) await page.locator('dialog[data-program]').waitFor();
                await give(page);
                await control(page, 'Form1').waitFor();
                const focused = () => page.evaluate(() => document.activeElement.closest('[data-name]')?.dataset.name);
                assert.equal(await focused(), 'Option1');
                if (early) {
                    await control(page, 'Option2').click();
                    await control(page, 'Command4').click();
                    assert.deepEqual(await visibleBoxesAndLabels(page), []);
                }
                held.release();
                await page.locator('[data-name="Form1"][data-program]').waitFor();
                assert.equal(await page.locator('dialog').count(), 0);
                assert.deepEqual(await visibleBoxesAndLabels(page), early ? boxesAndLabels : []);
                assert.equal(await focused(), early ? 'Text(1)' : 'Option1');
                assert.equal(await page.title(), 'Velmora — Equation');
            });
        }
    }

    // The page opens the box in its markup: its OK closes it before any script has run, and the
    // loader takes that answer up.
    for (const [answer, give] of [
        ['Enter', (page) => page.keyboard.press('Enter')],
        ['a click on OK', (page) => page.click('dialog[data-name="MessageBox"] [data-name="OK"]')],
    ]) {
        test(`the welcome box answered with ${answer} before any script has run`, async () => {
            const held = holdBack(/loader\.\w+\.js$/, 'commit');
            const { page } = await session.open(held.opening);
            await page.waitForFunction(() => document.activeElement?.dataset.name === 'OK');
            await give(page);
            assert.equal(await page.locator('dialog[open]').count(), 0);
            // The words the page shows without its loader wait a moment, and go when it runs.
            assert.equal(await page.locator('.loader-missing').isVisible(), false);
            held.release();
            await page.locator('[data-name="Form1"][data-program]').waitFor();
            assert.equal(await page.locator('.loader-missing').count(), 0);
            assert.equal(await page.locator('dialog').count(), 0);
            assert.equal(await page.evaluate(() => document.activeElement.closest('[data-name]')?.dataset.name), 'Option1');
            assert.equal(await page.title(), 'Velmora — Equation');
        });
    }

    test('an access key pressed in the window before the program starts opens its menu once it does', async () => {
        const held = holdBack();
        const { page } = await session.open(held.opening);
        await readBox(page);
        await page.keyboard.press('Enter');
        await control(page, 'Form1').waitFor();
        await page.keyboard.press('Alt+h');
        held.release();
        await control(page, 'About').waitFor();
        assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'About');
    });

    // Intl's first number format takes tens of milliseconds: taken while the box is read, so that
    // neither the answer nor the window's first moments wait for it.
    test('the number format is read while the welcome box is open, not on the way to the window', async () => {
        const { page } = await session.open({
            prepare: (opened) => opened.addInitScript(() => {
                window.formatsMade = 0;
                const Made = Intl.NumberFormat;
                Intl.NumberFormat = function (...args) { window.formatsMade += 1; return new Made(...args); };
            }),
        });
        await page.locator('dialog[data-program]').waitFor();
        await page.waitForFunction(() => window.formatsMade > 0);
        const before = await page.evaluate(() => window.formatsMade);
        await answerBox(page, 'OK');
        await control(page, 'Form1').waitFor();
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 100))));
        assert.equal(await page.evaluate(() => window.formatsMade), before);
    });

    test('CHECK! lays out the Equation and the System layouts', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option2');
        assert.deepEqual(await visibleBoxesAndLabels(page), boxesAndLabels);
        assert.deepEqual(await captions(page, ['Label(2)', 'Label(3)', 'Label(4)', 'Label(9)', 'Label(10)', 'Label(11)', 'Label(5)', 'Label(12)', 'Label(13)']),
            ['a1=', 'b1=', 'c1=', 'a2=', 'b2=', 'c2=', 'D=', 'D1=', 'D2=']);
        await type(page, ['1', '1', '3', '1', '-1', '1']);
        await clickRun(page);
        await pressCheck(page, 'Option1');
        assert.deepEqual(await visibleBoxesAndLabels(page), equationShows);
        assert.deepEqual(await captions(page, ['Label(6)', 'Label(2)', 'Label(3)', 'Label(4)']),
            ['a*x^2+b*x+c=0', 'a=', 'b=', 'c=']);
        // Every box emptied, the hidden ones too.
        const values = await page.evaluate(() => [...document.querySelectorAll('[data-name^="Text("]')].map((box) => box.value));
        assert.deepEqual(values, Array(11).fill(''));
        for (const name of ['Command1', 'Command2', 'Command3'])
            assert.equal(await control(page, name).isEnabled(), true, name);
    });

    test('CHECK! with no option enables the lower buttons and shows no box; run then does nothing', async () => {
        const { page } = await start();
        await pressCheck(page, '');
        assert.deepEqual(await visibleBoxesAndLabels(page), []);
        assert.equal(await control(page, 'Command1').isEnabled(), true);
        await control(page, 'Command1').click();
        assert.equal(await page.locator('dialog').count(), 0);
    });

    test('option buttons form one group, and choosing one changes nothing else', async () => {
        const { page } = await start();
        await control(page, 'Option1').click();
        await control(page, 'Option2').click();
        const checked = await page.evaluate(() => ['Option1', 'Option2'].map((name) => document.querySelector(`[data-name="${name}"] input`).checked));
        assert.deepEqual(checked, [false, true]);
        assert.equal(await control(page, 'Option2').textContent(), 'System');
        assert.deepEqual(await visibleBoxesAndLabels(page), []);
    });

    test('a warning empties the result boxes only once it is dismissed', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option1');
        await type(page, ['1', '-3', '2']);
        await clickRun(page);
        await type(page, ['1', '2', 'abc']);
        await control(page, 'Command1').click();
        assert.equal((await readBox(page)).text, 'Check again! No numeric values!');
        assert.equal(await control(page, 'Text(10)').inputValue(), '2');
        assert.equal(await control(page, 'Text(7)').inputValue(), ' 1');
        // Escape answers a box with one OK button.
        await page.keyboard.press('Escape');
        await page.locator('dialog').waitFor({ state: 'detached' });
        assert.deepEqual(await shown(page), {
            'Label(1)': 'Two real roots.', 'Text(7)': '', 'Text(8)': '', 'Text(9)': '',
            'Label(7)': 'x1=', 'Text(10)': '', 'Label(8)': 'x2=', 'Text(11)': '',
        });
    });

    test('a fault empties the result area before its box shows', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option1');
        await type(page, ['1', '-3', '2']);
        await clickRun(page);
        await type(page, ['1', '2E+19', '1']);
        await control(page, 'Command1').click();
        assert.equal((await readBox(page)).text, 'Overflow');
        assert.equal(await control(page, 'Text(10)').inputValue(), '');
        await answerBox(page, 'OK');
    });

    test('clear fields empties every box and the result captions, and keeps the layout', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option2');
        await type(page, ['1', '1', '3', '1', '-1', '1']);
        await clickRun(page);
        await control(page, 'Option1').click();
        await control(page, 'Command2').click();
        const values = await page.evaluate(() => [...document.querySelectorAll('[data-name^="Text("]')].map((box) => box.value));
        assert.deepEqual(values, Array(11).fill(''));
        assert.deepEqual(await captions(page, ['Label(1)', 'Label(7)', 'Label(8)', 'Label(2)']), ['', '', '', 'a1=']);
        assert.deepEqual(await visibleBoxesAndLabels(page), boxesAndLabels);
    });
});

describe('focus, announcements and cut results', () => {
    const focused = (page) => page.evaluate(() => document.activeElement.closest('[data-name]')?.dataset.name ?? document.activeElement.tagName);
    const announced = (page) => page.locator('.announcer[role="status"][aria-live="polite"]').textContent();

    test('the focus starts on Equation, goes to the first box after CHECK! and back to run after a warning', async () => {
        const { page } = await start();
        assert.equal(await focused(page), 'Option1');
        await pressCheck(page, 'Option1');
        assert.equal(await focused(page), 'Text(1)');
        await type(page, ['1', '', '2']);
        await control(page, 'Command1').click();
        // A click beside the box's buttons, then Enter: still answered.
        await page.locator('dialog [data-name="text"]').click();
        await page.keyboard.press('Enter');
        await page.locator('dialog').waitFor({ state: 'detached' });
        assert.equal(await focused(page), 'Command1');
    });

    test('one announcement a run, emptied by a warning that empties the results; a cut result offers its whole text', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option1');
        await type(page, ['1', '1', '1']);
        assert.equal(await clickRun(page), '');
        assert.equal(await announced(page), 'No real roots. Comlpex roots: D= -3, x1= -0.5+0.866025403784439*i, x2= -0.5-0.866025403784439*i');
        assert.equal(await control(page, 'Text(10)').getAttribute('title'), '-0.5+0.866025403784439*i ');
        assert.equal(await control(page, 'Text(10)').getAttribute('aria-description'), '-0.5+0.866025403784439*i ');
        assert.equal(await control(page, 'Text(7)').getAttribute('title'), null);
        await type(page, ['1', '-3', '2']);
        assert.equal(await clickRun(page), '');
        assert.equal(await announced(page), 'Two real roots. D= 1, x1= 2, x2= 1');
        assert.equal(await control(page, 'Text(10)').getAttribute('title'), null);
        await type(page, ['1', '-3', 'x']);
        assert.equal(await clickRun(page), 'Check again! No numeric values!');
        // The results emptied, their sentence goes too.
        assert.equal(await announced(page), '');
    });

    test('warnings are alert dialogs named by their title and described by their text', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option1');
        await control(page, 'Command1').click();
        const dialog = page.locator('dialog[open]');
        assert.equal(await dialog.getAttribute('role'), 'alertdialog');
        const names = await dialog.evaluate((box) => [
            document.getElementById(box.getAttribute('aria-labelledby')).textContent,
            document.getElementById(box.getAttribute('aria-describedby')).textContent]);
        assert.deepEqual(names, ['Warning', 'Fill in a,b,c!']);
        await answerBox(page, 'OK');
    });
});

describe('menus and boxes', () => {
    test('Help > About shows the About box', async () => {
        const { page } = await start();
        await control(page, 'Help').click();
        await control(page, 'About').click();
        assert.deepEqual(await answerBox(page, 'OK'), {
            title: 'About',
            text: 'Designed by Tolvek\r\n-Basic programming and reversing skills-\r\nThanks for using it! Enjoy!\r\nContact: tolvek@example.org',
            icon: 'information', buttons: ['OK'],
        });
        assert.equal(await control(page, 'Form1').isVisible(), true);
    });

    test('access keys: Alt+H then A for About, Alt+F then E for Exit', async () => {
        const { page } = await start();
        assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('.menubar button')].map((button) =>
            [button.dataset.name, button.textContent, button.querySelector('u')?.textContent ?? ''])),
        [['File', 'File', 'F'], ['Exit', 'Exit', 'E'],
            ['Tools', 'Tools', 'T'], ['ShowWorking', 'Show working', 'S'], ['TypeEquation', 'Type an equation…', 'T'],
            ['Practice', 'Practice…', 'P'], ['Help', 'Help', 'H'], ['About', 'About', 'A']]);
        await page.keyboard.press('Alt+h');
        await page.keyboard.press('a');
        assert.equal((await answerBox(page, 'OK')).title, 'About');
        await page.keyboard.press('Alt+f');
        await page.keyboard.press('e');
        assert.equal((await answerBox(page, 'No')).title, 'Quit');
    });

    // The Tools menu's items, by their names in the menu bar: the context menu has a "ShowWorking"
    // too.
    const toolsItem = (page, name) => page.locator(`.menubar [data-name="${name}"]`);
    const focusedName = (page) => page.evaluate(() => document.activeElement.closest('[data-name]')?.dataset.name);

    test('Tools by Alt+T: the arrows, Home and End go round its items; Escape to the title, then back', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option1');
        await control(page, 'Text(2)').focus();
        await page.keyboard.press('Alt+t');
        assert.equal(await focusedName(page), 'ShowWorking');
        const steps = [['ArrowDown', 'TypeEquation'], ['ArrowDown', 'Practice'], ['ArrowDown', 'ShowWorking'],
            ['ArrowUp', 'Practice'], ['Home', 'ShowWorking'], ['End', 'Practice'], ['ArrowRight', 'About'],
            ['ArrowLeft', 'ShowWorking'],
            ['Escape', 'Tools'], ['Escape', 'Text(2)']];
        for (const [key, expected] of steps) {
            await page.keyboard.press(key);
            assert.equal(await focusedName(page), expected, key);
        }
    });

    test('Tools > Show working: greyed, it does nothing until the first run; then it opens the panel', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option1');
        await control(page, 'Tools').click();
        assert.equal(await toolsItem(page, 'ShowWorking').getAttribute('aria-disabled'), 'true');
        const greyed = await toolsItem(page, 'ShowWorking').evaluate((item) => getComputedStyle(item).color);
        assert.notEqual(greyed, await toolsItem(page, 'TypeEquation').evaluate((item) => getComputedStyle(item).color));
        await toolsItem(page, 'ShowWorking').click({ force: true });
        await page.keyboard.press('Enter');
        assert.equal(await toolsItem(page, 'ShowWorking').isVisible(), true, 'the menu stays open');
        assert.equal(await control(page, 'Working').count(), 0);
        await page.keyboard.press('Escape');

        await type(page, ['1', '-3', '2']);
        assert.equal(await clickRun(page), '');
        await control(page, 'Text(2)').focus();
        await page.keyboard.press('Alt+t');
        assert.equal(await toolsItem(page, 'ShowWorking').getAttribute('aria-disabled'), 'false');
        await page.keyboard.press('Enter');
        await control(page, 'Working').waitFor();
        assert.equal(await toolsItem(page, 'ShowWorking').isVisible(), false, 'the menu closed');
        assert.match(await control(page, 'WorkingText').inputValue(), /x1 = .* = 2/);
        // Closed, the panel gives the focus back to the box the user was on.
        await page.keyboard.press('Escape');
        assert.equal(await control(page, 'Working').count(), 0);
        assert.equal(await focusedName(page), 'Text(2)');
        // And by the mouse.
        await control(page, 'Tools').click();
        await toolsItem(page, 'ShowWorking').click();
        await control(page, 'Working').waitFor();
    });

    test('Alt+T then T chooses Type an equation, not the working above it', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option1');
        await type(page, ['1', '-3', '2']);
        assert.equal(await clickRun(page), '');
        await page.keyboard.press('Alt+t');
        await page.keyboard.press('t');
        assert.equal(await toolsItem(page, 'TypeEquation').isVisible(), false, 'the menu closed');
        assert.equal(await control(page, 'Working').count(), 0);
    });

    test('File > Exit answered No, Escape or N changes nothing', async () => {
        const { page } = await start();
        await pressCheck(page, 'Option1');
        await type(page, ['1', '-3', '2']);
        await clickRun(page);
        await control(page, 'File').click();
        await control(page, 'Exit').click();
        assert.deepEqual(await answerBox(page, 'No'), {
            title: 'Quit', text: 'Are you sure you want to quit?', icon: 'question', buttons: ['Yes', 'No'],
        });
        await control(page, 'File').click();
        await control(page, 'Exit').click();
        await readBox(page);
        await page.keyboard.press('Escape');
        await page.locator('dialog').waitFor({ state: 'detached' });
        // N, the access key of No.
        await page.keyboard.press('Alt+f');
        await page.keyboard.press('e');
        await readBox(page);
        await page.keyboard.press('n');
        await page.locator('dialog').waitFor({ state: 'detached' });
        assert.equal(await control(page, 'Text(10)').inputValue(), '2');
        assert.equal(await control(page, 'Form1').isVisible(), true);
    });

    test('File > Exit answered Yes with Enter ends the program', async () => {
        const { page } = await start();
        await control(page, 'File').click();
        await control(page, 'Exit').click();
        await readBox(page);
        await page.keyboard.press('Enter');
        await page.locator('.ended').waitFor();
        assert.equal(await page.locator('[data-name]').count(), 0);
    });

    test('exit ends the program with the information window open; the link starts it again', async () => {
        const { page } = await start();
        await control(page, 'Command5').click();
        await control(page, 'Form3').waitFor();
        await pressCheck(page, 'Option1');
        await control(page, 'Command3').click();
        assert.equal(await page.locator('[data-name]').count(), 0);
        const ended = page.locator('.ended');
        assert.equal(await ended.textContent(), 'Velmora has ended. Start it again');
        assert.equal(await ended.locator('a').count(), 1);
        await ended.locator('a').click();
        assert.equal((await readBox(page)).title, 'Velmora');
    });

    test('the Content-Security-Policy is in force: inline script and eval are refused and reported', async () => {
        const { page } = await session.open();
        await readBox(page);
        await page.evaluate(() => {
            const script = document.createElement('script');
            script.textContent = 'window.inlineRan = true;';
            document.head.append(script);
            setTimeout('window.evalRan = true;', 0);
        });
        await page.waitForTimeout(100);
        assert.deepEqual(await page.evaluate(() => [window.inlineRan, window.evalRan]), [undefined, undefined]);
        assert.deepEqual((await violations(page)).sort(), ['script-src-elem inline', 'script-src eval'].sort());
        // These were provoked on purpose: the page's own run had none.
        await page.evaluate(() => { window.velmoraViolations = []; });
        session.program.problems.splice(0);
    });
});
