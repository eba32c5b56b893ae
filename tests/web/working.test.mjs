// "Show working": the page's own context menu on the status line and the result boxes, and the
// "Working" panel it opens, with the run's words, its graph and a Copy button.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { clickRun, contextItem, control, pressCheck, type, usePage } from './helpers.mjs';

const session = usePage();

const menu = (page) => control(page, 'ContextMenu');

// What the open context menu offers: its visible items by name, each with whether it is disabled.
async function readMenu(page) {
    return menu(page).evaluate((popup) => (popup.hidden ? null : Object.fromEntries(
        [...popup.querySelectorAll('[role="menuitem"]')].filter((item) => !item.hidden)
            .map((item) => [item.dataset.name, item.getAttribute('aria-disabled') === 'true']))));
}

async function closeMenu(page) {
    await page.keyboard.press('Escape');
    assert.equal(await readMenu(page), null);
}

const focused = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? document.activeElement?.tagName);

async function solveEquation(page, coefficients = ['1', '-3', '2']) {
    await pressCheck(page, 'Option1');
    await type(page, coefficients);
    assert.equal(await clickRun(page), '');
}

// Opens the panel from a result box's or the status line's menu, or from the keyboard.
async function showWorking(page, from = 'Text(10)') {
    if (from === 'keyboard') {
        await control(page, 'Text(10)').focus();
        await page.keyboard.press('Shift+F10');
    } else {
        await control(page, from).click({ button: 'right' });
    }
    await contextItem(page, 'ShowWorking').click();
    await control(page, 'Working').waitFor();
}

// Drags the panel by its title bar to stand beside the window, as a user does to see both.
async function movePanelAside(page) {
    const grip = await control(page, 'Working').locator('.titlebar span').boundingBox();
    const window = await control(page, 'Form1').boundingBox();
    const panel = await control(page, 'Working').boundingBox();
    await page.mouse.move(grip.x + 5, grip.y + 5);
    await page.mouse.down();
    await page.mouse.move(grip.x + 5 + window.x + window.width + 8 - panel.x, grip.y + 5 - panel.y + 8, { steps: 4 });
    await page.mouse.up();
}

// Which controls offer the working, and which of them also Copy and Select All.
const menus = [
    { name: 'Text(7)', items: ['Copy', 'SelectAll', 'ShowWorking'] },
    { name: 'Text(10)', items: ['Copy', 'SelectAll', 'ShowWorking'] },
    { name: 'Text(11)', items: ['Copy', 'SelectAll', 'ShowWorking'] },
    { name: 'Label(1)', items: ['ShowWorking'] },
];

test('the status line and the result boxes offer the working by right click, from the first run on', async () => {
    const { page } = await session.start();
    await pressCheck(page, 'Option1');
    assert.equal(await control(page, 'Label(1)').getAttribute('title'), 'Right-click for the working: how this came out');
    for (const run of ['before', 'after']) {
        if (run === 'after') {
            await type(page, ['1', '-3', '2']);
            assert.equal(await clickRun(page), '');
        }
        for (const { name, items } of menus) {
            await control(page, name).click({ button: 'right' });
            const offered = await readMenu(page);
            assert.deepEqual(Object.keys(offered ?? {}), items, `${name} ${run}`);
            assert.equal(offered.ShowWorking, run === 'before', `ShowWorking disabled ${run} the first run, on ${name}`);
            assert.equal(await menu(page).getAttribute('role'), 'menu');
            await closeMenu(page);
        }
    }
    // A disabled item does nothing; elsewhere the browser keeps its own menu.
    for (const name of ['Text(1)', 'Label(2)', 'Command1']) {
        await control(page, name).click({ button: 'right' });
        assert.equal(await readMenu(page), null, name);
    }
});

test('a disabled "Show working" opens nothing, and a click elsewhere closes the menu', async () => {
    const { page } = await session.start();
    await pressCheck(page, 'Option1');
    await control(page, 'Text(10)').click({ button: 'right' });
    await contextItem(page, 'ShowWorking').click({ force: true });
    assert.equal(await page.locator('[data-name="Working"]').count(), 0);
    assert.notEqual(await readMenu(page), null);
    await control(page, 'Label(2)').click();
    assert.equal(await readMenu(page), null);
});

test('"Show working" opens one panel with the words and the graph; it follows each run', async () => {
    const { page } = await session.start({ viewport: { width: 1500, height: 700 } });
    await solveEquation(page);
    await showWorking(page, 'Label(1)');
    await showWorking(page, 'keyboard');
    assert.equal(await page.locator('[data-name="Working"]').count(), 1);
    const panel = control(page, 'Working');
    assert.deepEqual(await panel.evaluate((element) => [element.getAttribute('role'), element.getAttribute('aria-label'),
        element.querySelector('.titlebar span').textContent]), ['dialog', 'Working', 'Working']);
    assert.equal(await focused(page), 'WorkingText');
    const words = await control(page, 'WorkingText').inputValue();
    assert.match(words, /x1 = .* = 2/);
    assert.match(words, /x2 = .* = 1/);
    assert.equal(await control(page, 'WorkingText').evaluate((box) => box.readOnly), true);

    const graph = () => control(page, 'Graph').evaluate((svg) => ({
        tag: svg.namespaceURI === 'http://www.w3.org/2000/svg' && svg.tagName,
        role: svg.getAttribute('role'),
        label: svg.getAttribute('aria-label'),
        curves: [...svg.querySelectorAll('polyline')].map((line) => [line.getAttribute('points').split(' ').filter(Boolean).length, getComputedStyle(line).stroke]),
        marks: svg.querySelectorAll('circle').length,
        texts: [...svg.querySelectorAll('text')].map((text) => text.textContent),
        inside: [...svg.querySelectorAll('polyline, circle, text')].every((shape) => {
            const box = shape.getBBox();
            return box.x >= -1 && box.y >= -1 && box.x + box.width <= 481 && box.y + box.height <= 361;
        }),
    }));
    const parabola = await graph();
    assert.equal(parabola.tag, 'svg');
    assert.equal(parabola.role, 'img');
    assert.match(parabola.label, /^Graph of .*parabola/);
    assert.equal(parabola.curves.length, 1);
    assert.ok(parabola.curves[0][0] > 10, 'a curve of many points');
    assert.equal(parabola.marks, 3, 'two roots and the vertex');
    assert.ok(parabola.texts.includes('1') && parabola.texts.includes('2'), parabola.texts.join());
    assert.ok(parabola.inside, 'every shape inside the view box');

    // A system run while the panel is open: the panel follows, and the focus stays on "run".
    await movePanelAside(page);
    await control(page, 'Option2').click();
    await control(page, 'Command4').click();
    await type(page, ['1', '1', '3', '1', '-1', '1']);
    await control(page, 'Command1').click();
    await assert.doesNotReject(control(page, 'WorkingText').evaluate((box) => new Promise((resolve, reject) =>
        (/y = /.test(box.value) ? resolve() : reject(new Error(box.value))))));
    const lines = await graph();
    assert.deepEqual(lines.curves.map(([, stroke]) => stroke), ['rgb(0, 114, 178)', 'rgb(213, 94, 0)'], 'one stroke a line');
    assert.equal(lines.marks, 1, 'the intersection');
    assert.notEqual(lines.label, parabola.label);
    assert.equal(await page.locator('[data-name="Working"]').count(), 1);
    assert.equal(await focused(page), 'Command1');

    // CHECK! starts over: nothing is solved, and the graph says so in words.
    await control(page, 'Command4').click();
    assert.match(await control(page, 'WorkingText').inputValue(), /^Nothing is solved yet/);
    const none = await graph();
    assert.deepEqual([none.curves.length, none.marks], [0, 0]);
    assert.equal(none.texts.length, 1);
    assert.equal(none.label, none.texts[0]);
});

// The ways of working of the run's kind, above the words: the program's own first and chosen,
// a way that does not apply greyed with its reason in its text, none to choose before a run.
const listed = (page) => control(page, 'WorkingMethod').evaluate((select) => ({
    disabled: select.disabled,
    label: [...select.labels].map((label) => label.textContent).join(),
    options: [...select.options].map((option) => ({ text: option.text, greyed: option.disabled, chosen: option.selected })),
}));

const firstWays = [
    { option: 'Option1', boxes: ['1', '-3', '2'], first: 'The formula' },
    { option: 'Option2', boxes: ['1', '1', '3', '1', '-1', '1'], first: "Cramer's rule" },
];

for (const { option, boxes, first } of firstWays) {
    test(`${option}: the way of working is a list labelled "Method" above the words, ${first} first`, async () => {
        const { page } = await session.start({ viewport: { width: 1500, height: 700 } });
        await pressCheck(page, option);
        await type(page, boxes);
        assert.equal(await clickRun(page), '');
        await showWorking(page);
        const shown = await listed(page);
        assert.equal(shown.disabled, false);
        assert.equal(shown.label, 'Method');
        assert.deepEqual(shown.options[0], { text: first, greyed: false, chosen: true });
        for (const way of shown.options.filter((entry) => entry.greyed))
            assert.match(way.text, / — ./, `${way.text} says why it does not apply`);
        const [list, words] = [await control(page, 'WorkingMethod').boundingBox(), await control(page, 'WorkingText').boundingBox()];
        assert.ok(list.y + list.height <= words.y, 'above the words');

        // Reached by the keyboard: Shift+Tab from the words. An arrow to another way that applies
        // changes the words, and the keyboard stays on the list.
        assert.equal(await focused(page), 'WorkingText');
        await page.keyboard.press('Shift+Tab');
        assert.equal(await focused(page), 'WorkingMethod');
        const before = await control(page, 'WorkingText').inputValue();
        const others = shown.options.filter((entry) => !entry.greyed && !entry.chosen);
        if (others.length > 0) {
            await page.keyboard.press('ArrowDown');
            await page.waitForFunction((text) => document.querySelector('[data-name="WorkingText"]').value !== text, before);
            assert.equal(await focused(page), 'WorkingMethod');
            assert.notDeepEqual((await listed(page)).options.map((entry) => entry.chosen), shown.options.map((entry) => entry.chosen));
        }

        // CHECK! starts over: nothing to choose.
        await control(page, 'Command4').click();
        assert.deepEqual(await listed(page), { disabled: true, label: 'Method', options: [] });
    });
}

test('"Copy" puts the words on the clipboard; the box\'s Copy and Select All work on the box', async () => {
    const { page, context } = await session.start();
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: session.server.url });
    const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
    await solveEquation(page);

    await control(page, 'Text(10)').click({ button: 'right' });
    await control(page, 'Copy').click();
    await page.waitForFunction(() => navigator.clipboard.readText().then((text) => text === '2'));
    assert.equal(await focused(page), 'Text(10)');

    // Select All, then a part of the box selected: Copy takes the part.
    await control(page, 'Text(7)').click({ button: 'right' });
    await control(page, 'SelectAll').click();
    const selected = await control(page, 'Text(7)').evaluate((box) => [document.activeElement === box, box.selectionStart, box.selectionEnd, box.value.length]);
    assert.deepEqual(selected.slice(0, 3), [true, 0, selected[3]]);
    assert.ok(selected[3] > 0);
    await control(page, 'Text(7)').evaluate((box) => box.setSelectionRange(0, 2));
    const part = await control(page, 'Text(7)').evaluate((box) => box.value.slice(0, 2));
    await control(page, 'Text(7)').dispatchEvent('contextmenu', { clientX: 20, clientY: 20 });
    await control(page, 'Copy').click();
    await page.waitForFunction((expected) => navigator.clipboard.readText().then((text) => text === expected), part);

    await showWorking(page);
    await control(page, 'CopyWorking').click();
    const words = await control(page, 'WorkingText').inputValue();
    await page.waitForFunction((expected) => navigator.clipboard.readText().then((text) => text === expected), words);
    assert.equal(await clipboard(), words);
    assert.equal(await control(page, 'CopyWorking').textContent(), 'Copy');
    assert.equal(await control(page, 'Working').locator('.announcer[role="status"]').textContent(), 'Copied');
});

test('the keyboard: Shift+F10 or the menu key, the arrows and Enter; Escape closes and the focus comes back', async () => {
    const { page } = await session.start();
    await solveEquation(page);
    for (const key of ['Shift+F10', 'ContextMenu']) {
        await control(page, 'Text(10)').focus();
        await page.keyboard.press(key);
        assert.equal(await focused(page), 'Copy', key);
        await page.keyboard.press('ArrowUp');
        assert.equal(await focused(page), 'ShowWorking', 'the arrows go round');
        await page.keyboard.press('Escape');
        assert.equal(await readMenu(page), null);
        assert.equal(await focused(page), 'Text(10)');
    }

    await page.keyboard.press('Shift+F10');
    await page.keyboard.press('ArrowDown');
    assert.equal(await focused(page), 'SelectAll');
    await page.keyboard.press('ArrowDown');
    assert.equal(await focused(page), 'ShowWorking');
    await page.keyboard.press('Enter');
    await control(page, 'Working').waitFor();
    assert.equal(await focused(page), 'WorkingText');
    // The panel's own controls come next in the Tab order: Copy, then its close button.
    await page.keyboard.press('Tab');
    assert.equal(await focused(page), 'CopyWorking');
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Close');
    await page.keyboard.press('Escape');
    assert.equal(await page.locator('[data-name="Working"]').count(), 0);
    assert.equal(await focused(page), 'Text(10)');

    // Closed, the panel no longer follows the runs.
    await control(page, 'Command1').click();
    assert.equal(await page.locator('[data-name="Working"]').count(), 0);
});

test('forced colours: the focused menu item stands out, and the vertex is a ring among filled dots', async () => {
    const { page } = await session.start({ viewport: { width: 1500, height: 700 } });
    await page.emulateMedia({ forcedColors: 'active' });
    await solveEquation(page);
    await control(page, 'Text(10)').focus();
    await page.keyboard.press('Shift+F10');
    const onCopy = await menu(page).screenshot();
    await page.keyboard.press('ArrowDown');
    assert.equal(await focused(page), 'SelectAll');
    assert.equal(onCopy.equals(await menu(page).screenshot()), false, 'the picture follows the focus');

    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    await control(page, 'Working').waitFor();
    const fills = await control(page, 'Graph').evaluate((svg) => [...svg.querySelectorAll('.mark')]
        .map((mark) => [mark.classList[1], getComputedStyle(mark).fill === 'none' ? 'ring' : 'dot']).sort());
    assert.deepEqual(fills, [['root', 'dot'], ['root', 'dot'], ['vertex', 'ring']]);
});

test('the close button closes the panel; dragged off the page, the panel comes back whole', async () => {
    const { page } = await session.start();
    await solveEquation(page);
    await showWorking(page);
    const title = control(page, 'Working').locator('.titlebar span');
    const grip = await title.boundingBox();
    await page.mouse.move(grip.x + 5, grip.y + 5);
    await page.mouse.down();
    await page.mouse.move(grip.x + 3000, grip.y + 3000);
    await page.mouse.up();
    await showWorking(page, 'keyboard');
    const whole = await control(page, 'Working').evaluate((panel) => {
        const rect = panel.getBoundingClientRect();
        return rect.left >= 0 && rect.top >= 0 && rect.right <= innerWidth;
    });
    assert.ok(whole);
    await control(page, 'Working').locator('.titlebar button').click();
    assert.equal(await page.locator('[data-name="Working"]').count(), 0);
});

// A finger held on a box: the page's own long press, since iOS Safari sends no contextmenu.
// A coefficient box keeps the browser's own menu.
const presses = [
    { on: 'Text(10)', held: 600, moved: 0, opens: true },
    { on: 'Text(10)', held: 150, moved: 0, opens: false },
    { on: 'Text(10)', held: 600, moved: 30, opens: false },
    { on: 'Text(1)', held: 600, moved: 0, opens: false },
];

for (const { on, held, moved, opens } of presses) {
    test(`a touch on ${on} held ${held} ms, moved ${moved} px ${opens ? 'opens' : 'does not open'} the menu`, async () => {
        // By a finger the window stands in its column: a view high enough for the menu under it.
        const { page, context } = await session.start({ hasTouch: true, isMobile: false, viewport: { width: 800, height: 1000 } });
        await solveEquation(page);
        const box = await control(page, on).boundingBox();
        const at = { x: Math.round(box.x + 10), y: Math.round(box.y + box.height / 2) };
        const touch = await context.newCDPSession(page);
        await touch.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at] });
        if (moved) await touch.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: at.x + moved, y: at.y }] });
        await page.waitForTimeout(held);
        const during = await readMenu(page);
        await touch.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
        await page.waitForTimeout(100);
        if (!opens) {
            assert.equal(during, null);
            assert.equal(await readMenu(page), null);
            return;
        }
        assert.deepEqual(during, { Copy: false, SelectAll: false, ShowWorking: false });
        // Still open when the finger lifts, at the finger, and a tap on its item shows the working.
        assert.notEqual(await readMenu(page), null);
        const placed = await menu(page).boundingBox();
        assert.ok(Math.abs(placed.x - at.x) <= 2 && Math.abs(placed.y - at.y) <= 2, JSON.stringify([placed, at]));
        await contextItem(page, 'ShowWorking').tap();
        await control(page, 'Working').waitFor();
    });
}

// Where the view is lower than the panel's content, the content scrolls under the title bar,
// which keeps the close button in sight; Copy is scrolled to.
test('1280 × 800: the panel scrolls under its title bar; Copy is reached', async () => {
    const { page } = await session.start({ viewport: { width: 1280, height: 800 } });
    await pressCheck(page, 'Option1');
    await type(page, ['1', '-3', '2']);
    assert.equal(await clickRun(page), '');
    await control(page, 'Text(10)').click({ button: 'right' });
    await contextItem(page, 'ShowWorking').click();
    await control(page, 'Working').waitFor();
    const seen = await control(page, 'Working').evaluate((panel) => {
        panel.scrollTop = panel.scrollHeight;
        const box = panel.getBoundingClientRect();
        const close = panel.querySelector('.titlebar button').getBoundingClientRect();
        const copy = panel.querySelector('[data-name="CopyWorking"]').getBoundingClientRect();
        const at = (rect) => document.elementFromPoint(rect.left + rect.width / 2, rect.top + rect.height / 2);
        return {
            inView: box.top >= 0 && box.bottom <= innerHeight,
            closeAtTop: close.top - box.top < 20 && at(close) === panel.querySelector('.titlebar button'),
            copy: copy.bottom <= box.bottom && at(copy)?.dataset.name === 'CopyWorking',
        };
    });
    assert.deepEqual(seen, { inView: true, closeAtTop: true, copy: true });
});
