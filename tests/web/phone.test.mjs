// The page on a phone and zoomed in: one column below the window's width, in the order a pupil
// uses the controls, each box beside its caption, nothing to scroll sideways, targets a finger
// can hit and text that can be read; the number keyboard for coefficients; the banner at the
// screen's pixels.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
    clickRun, contextItem, control, holdBack, pressCheck, shown, type, usePage,
} from './helpers.mjs';

const session = usePage();

const phone = { viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 };

// The column, top to bottom, with every control shown; hidden ones are left out of it.
const column = ['Option1', 'Option2', 'Command4', 'Label(6)',
    'Label(2)', 'Text(1)', 'Label(3)', 'Text(2)', 'Label(4)', 'Text(3)',
    'Label(9)', 'Text(4)', 'Label(10)', 'Text(5)', 'Label(11)', 'Text(6)',
    'Command1', 'Command2', 'Command3', 'Label(1)',
    'Label(5)', 'Text(7)', 'Label(12)', 'Text(8)', 'Label(13)', 'Text(9)',
    'Label(7)', 'Text(10)', 'Label(8)', 'Text(11)', 'Command5'];
const captionOf = {
    'Text(1)': 'Label(2)', 'Text(2)': 'Label(3)', 'Text(3)': 'Label(4)', 'Text(4)': 'Label(9)',
    'Text(5)': 'Label(10)', 'Text(6)': 'Label(11)', 'Text(7)': 'Label(5)', 'Text(8)': 'Label(12)',
    'Text(9)': 'Label(13)', 'Text(10)': 'Label(7)', 'Text(11)': 'Label(8)',
};

// Every shown control of the main window and the menu bar's titles, as laid out.
async function layout(page) {
    return page.evaluate(() => {
        const shownElements = [...document.querySelectorAll('[data-name="Form1"] .client > *, .menubar > .menu > button')]
            .filter((element) => element.getClientRects().length > 0);
        return {
            narrow: document.querySelector('[data-name="Form1"]').classList.contains('narrow'),
            width: innerWidth,
            scrollWidth: document.documentElement.scrollWidth,
            controls: shownElements.map((element) => {
                const rect = element.getBoundingClientRect();
                return {
                    name: element.dataset.name, top: rect.top + scrollY, left: rect.left, right: rect.right,
                    width: rect.width, height: rect.height, font: parseFloat(getComputedStyle(element).fontSize),
                    target: !element.classList.contains('label'),
                };
            }),
        };
    });
}

function assertColumn(shownLayout, what) {
    const { controls } = shownLayout;
    assert.equal(shownLayout.narrow, true, `${what}: narrow`);
    assert.ok(shownLayout.scrollWidth <= shownLayout.width, `${what}: page ${shownLayout.scrollWidth} px wide`);
    const byName = Object.fromEntries(controls.map((entry) => [entry.name, entry]));
    for (const entry of controls) {
        assert.ok(entry.left >= 0 && entry.right <= shownLayout.width, `${what}: ${entry.name} within the screen`);
        assert.ok(entry.font >= 16, `${what}: ${entry.name} text of ${entry.font} px`);
        if (entry.target) assert.ok(entry.width >= 24 && entry.height >= 24, `${what}: ${entry.name} ${entry.width}×${entry.height}`);
    }
    // Top to bottom as the column says; a caption on its box's row, left of it.
    const rows = column.filter((name) => byName[name]);
    for (let index = 1; index < rows.length; ++index) {
        const [above, below] = [byName[rows[index - 1]], byName[rows[index]]];
        if (captionOf[below.name] === above.name) {
            assert.ok(above.right <= below.left, `${what}: ${above.name} left of ${below.name}`);
            assert.ok(above.top < below.top + below.height && below.top < above.top + above.height,
                `${what}: ${above.name} beside ${below.name}`);
        } else {
            const top = Math.max(...rows.slice(0, index).map((name) => byName[name].top + byName[name].height));
            assert.ok(below.top >= top, `${what}: ${below.name} below ${above.name}`);
        }
    }
    assert.deepEqual(controls.filter((entry) => entry.name && !['File', 'Tools', 'Help'].includes(entry.name))
        .map((entry) => entry.name).filter((name) => !column.includes(name)), [], `${what}: every control in the column`);
}

describe('a phone, 360 × 740 by touch', () => {
    const layouts = [
        { option: 'Option1', boxes: ['1', '-3', '2'], results: { 'Label(1)': 'Two real roots.', 'Text(10)': '2', 'Text(11)': '1' } },
        { option: 'Option2', boxes: ['1', '1', '3', '1', '-1', '1'], results: { 'Text(7)': '-2', 'Text(8)': '-4', 'Text(9)': '-2', 'Label(7)': 'x=', 'Text(10)': '2', 'Label(8)': 'y=', 'Text(11)': '1' } },
    ];
    for (const { option, boxes, results } of layouts) {
        test(`${option}: one column in order, boxes beside captions, targets of 24 px, text of 16 px; a run works`, async () => {
            const { page } = await session.start(phone);
            assertColumn(await layout(page), 'before CHECK!');
            await control(page, option).tap();
            await control(page, 'Command4').tap();
            assertColumn(await layout(page), 'after CHECK!');
            await type(page, boxes);
            assert.equal(await clickRun(page), '');
            const after = await shown(page);
            for (const [name, text] of Object.entries(results)) assert.equal(after[name], text, name);
            assertColumn(await layout(page), 'after run');
        });
    }

    test('the window shown before the program starts is one column already', async () => {
        const held = holdBack();
        const { page } = await session.open(held.opening, phone);
        await page.locator('dialog[data-name="MessageBox"] [data-name="OK"]').tap();
        await control(page, 'Form1').waitFor();
        assertColumn(await layout(page), 'before the program');
        held.release();
        await page.locator('[data-name="Form1"][data-program]').waitFor();
    });

    test('the window keeps its own geometry wherever it fits, and takes the column when the screen narrows', async () => {
        const { page } = await session.start({ viewport: { width: 554, height: 500 } });
        await pressCheck(page, 'Option2');
        const geometry = () => page.evaluate(() => {
            const rect = document.querySelector('[data-name="Form1"] .client').getBoundingClientRect();
            return [document.querySelector('[data-name="Form1"]').classList.contains('narrow'), rect.width, rect.height];
        });
        assert.deepEqual(await geometry(), [false, 554, 376]);
        // The media query's change reaches the page with the next frame.
        const resize = async (width, narrow) => {
            await page.setViewportSize({ width, height: 500 });
            await page.waitForFunction((expected) =>
                document.querySelector('[data-name="Form1"]').classList.contains('narrow') === expected, narrow, { timeout: 5000 });
        };
        await resize(553, true);
        assertColumn(await layout(page), 'narrowed');
        await resize(800, false);
        assert.deepEqual(await geometry(), [false, 554, 376]);
    });

    test('the coefficient boxes ask for the number keyboard; what it lacks can still be typed', async () => {
        const { page } = await session.start(phone);
        await pressCheck(page, 'Option2');
        const modes = await page.evaluate(() => Array.from({ length: 11 }, (_, index) =>
            document.querySelector(`[data-name="Text(${index + 1})"]`).getAttribute('inputmode')));
        assert.deepEqual(modes, [...Array(6).fill('decimal'), ...Array(5).fill(null)]);
        await control(page, 'Text(1)').tap();
        await page.keyboard.type('-1.5E+3');
        assert.equal(await control(page, 'Text(1)').inputValue(), '-1.5E+3');
    });

    // iOS's decimal pad has no minus sign; an iPad says it is a Mac with a touch screen.
    const iosRows = [
        { device: 'iPhone', userAgent: 'Mozilla/5.0 (iPhone; CPU iPhone OS 17_4 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.4 Mobile/15E148 Safari/604.1', platform: 'iPhone', touchPoints: 5, mode: null },
        { device: 'iPad', userAgent: 'Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.4 Safari/605.1.15', platform: 'MacIntel', touchPoints: 5, mode: null },
        { device: 'Mac', userAgent: 'Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.4 Safari/605.1.15', platform: 'MacIntel', touchPoints: 0, mode: 'decimal' },
        { device: 'Android', userAgent: 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/126.0.0.0 Mobile Safari/537.36', platform: 'Linux armv8l', touchPoints: 5, mode: 'decimal' },
    ];
    for (const { device, userAgent, platform, touchPoints, mode } of iosRows) {
        test(`${device}: inputmode ${mode}`, async () => {
            const context = await session.browser.newContext({ ...phone, userAgent });
            await context.addInitScript(([name, points]) => {
                Object.defineProperty(Navigator.prototype, 'platform', { get: () => name });
                Object.defineProperty(Navigator.prototype, 'maxTouchPoints', { get: () => points });
            }, [platform, touchPoints]);
            try {
                const page = await context.newPage();
                const problems = [];
                page.on('pageerror', (error) => problems.push(error.message));
                await page.goto(session.server.url);
                await page.click('dialog[open] button');
                await pressCheck(page, 'Option1');
                assert.equal(await control(page, 'Text(1)').getAttribute('inputmode'), mode);
                assert.deepEqual(problems, []);
            } finally {
                await context.close();
            }
        });
    }
});

describe('zoomed in', () => {
    // A 1280 × 800 screen zoomed: the page sees a viewport of 1/2 and 1/4 of it, at 2 and 4 device
    // pixels to a CSS pixel.
    const zooms = [
        { zoom: '200 %', viewport: { width: 640, height: 400 }, deviceScaleFactor: 2, narrow: false },
        { zoom: '400 %', viewport: { width: 320, height: 200 }, deviceScaleFactor: 4, narrow: true },
    ];
    for (const { zoom, viewport, deviceScaleFactor, narrow } of zooms) {
        test(`${zoom}: nothing cut off, the panel's close button reachable, the banner at the screen's pixels`, async () => {
            const { page } = await session.start({ viewport, deviceScaleFactor });
            await pressCheck(page, 'Option2');
            const seen = await layout(page);
            assert.equal(seen.narrow, narrow);
            if (narrow) assertColumn(seen, zoom);
            for (const entry of seen.controls)
                assert.ok(entry.left >= 0 && entry.right <= viewport.width, `${entry.name} within the view`);

            await control(page, 'Command5').click();
            const panel = control(page, 'Form3');
            await panel.waitFor();
            const close = panel.getByRole('button', { name: 'Close' });
            await close.scrollIntoViewIfNeeded();
            const placed = await page.evaluate(() => {
                const within = (element) => {
                    const rect = element.getBoundingClientRect();
                    return rect.left >= 0 && rect.right <= innerWidth && rect.width >= 16;
                };
                const form3 = document.querySelector('[data-name="Form3"]');
                return { panel: within(form3), close: within(form3.querySelector('.titlebar button')), scrollWidth: document.documentElement.scrollWidth };
            });
            assert.deepEqual(placed, { panel: true, close: true, scrollWidth: viewport.width });
            await close.click();
            assert.equal(await panel.count(), 0);

            await control(page, 'Command5').click();
            await page.waitForFunction(() => {
                const canvas = document.querySelector('[data-name="Image1"]');
                return canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data.some((value) => value !== 0);
            });
            const banner = await control(page, 'Image1').evaluate((canvas) => {
                const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
                // The figure's right edge, in the canvas's pixels: drawn at the ratio, not at 1.
                let right = -1;
                for (let y = 0; y < canvas.height; ++y)
                    for (let x = right + 1; x < canvas.width; ++x) {
                        const i = (y * canvas.width + x) * 4;
                        if (data[i + 3] !== 0 && (data[i] || data[i + 1] || data[i + 2])) right = x;
                    }
                return { width: canvas.width, height: canvas.height, ratio: devicePixelRatio, figure: right };
            });
            // The design's 405 × 94 CSS pixels.
            assert.equal(banner.ratio, deviceScaleFactor);
            assert.deepEqual([banner.width, banner.height], [405 * deviceScaleFactor, 94 * deviceScaleFactor]);
            // At the ratio 1 the figure ends in column 65.
            assert.ok(banner.figure >= 65 * deviceScaleFactor && banner.figure < 67 * deviceScaleFactor, `figure ends at ${banner.figure}`);
        });
    }
});

// The Working panel where the program places it: a pupil changes a coefficient and runs again
// while reading it. Each coefficient box and "run" can be brought into sight clear of the panel;
// by a finger, the panel and its menu have the window's targets and text.
describe('the Working panel and the window it follows', () => {
    const screens = [
        { what: '1280 × 800', options: { viewport: { width: 1280, height: 800 } }, beside: true },
        { what: '800 × 500', options: { viewport: { width: 800, height: 500 } } },
        { what: 'a phone, 360 × 740 by touch', options: phone, touch: true },
        { what: 'a phone in landscape, 740 × 360 by touch', options: { ...phone, viewport: { width: 740, height: 360 } }, touch: true },
    ];
    const kept = ['Text(1)', 'Text(2)', 'Text(3)', 'Text(4)', 'Text(5)', 'Text(6)', 'Command1'];
    for (const { what, options, beside, touch } of screens) {
        test(`${what}: the boxes and run stay in reach${touch ? '; targets of 44 px, text of 16 px' : ''}`, async () => {
            const { page } = await session.start(options);
            await pressCheck(page, 'Option2');
            await type(page, ['1', '1', '3', '1', '-1', '1']);
            assert.equal(await clickRun(page), '');
            if (touch) {
                const seen = await layout(page);
                assertColumn(seen, what);
                for (const entry of seen.controls.filter((control) => control.target))
                    assert.ok(entry.height >= 44, `${entry.name} ${entry.height} px high`);
            }
            await control(page, 'Text(10)').click({ button: 'right' });
            if (touch) {
                const items = await page.evaluate(() => [...document.querySelectorAll('[data-name="ContextMenu"] [role="menuitem"]')]
                    .filter((item) => !item.hidden).map((item) => [item.getBoundingClientRect().height, parseFloat(getComputedStyle(item).fontSize)]));
                for (const [height, font] of items) assert.ok(height >= 44 && font >= 16, `menu item ${height} px high, text of ${font} px`);
            }
            await contextItem(page, 'ShowWorking').click();
            await control(page, 'Working').waitFor();

            const panel = await control(page, 'Working').evaluate((element) => {
                const rect = element.getBoundingClientRect();
                return { left: rect.left, top: rect.top, right: rect.right, bottom: rect.bottom, width: innerWidth, height: innerHeight };
            });
            if (beside) assert.ok(panel.left >= 554, `beside the window: ${JSON.stringify(panel)}`);
            if (touch) assert.deepEqual([panel.left, panel.right, panel.bottom], [0, panel.width, panel.height], 'a sheet as wide as the screen');
            // Brought into sight as the browser brings a box the pupil goes to, each is the one
            // thing at its middle, not the panel; beside the window, without scrolling.
            for (const name of kept) {
                const reach = await control(page, name).evaluate((element, scroll) => {
                    if (scroll) element.scrollIntoView({ block: 'nearest' });
                    const rect = element.getBoundingClientRect();
                    return element.contains(document.elementFromPoint(rect.left + rect.width / 2, rect.top + rect.height / 2));
                }, !beside);
                assert.ok(reach, `${name} clear of the panel`);
            }
            if (touch) {
                const sizes = await control(page, 'Working').evaluate((element) => [
                    element.querySelector('.titlebar span'), element.querySelector('textarea'),
                    element.querySelector('.buttons button'), element.querySelector('.titlebar button'),
                ].map((part) => {
                    const rect = part.getBoundingClientRect();
                    return [rect.width, rect.height, parseFloat(getComputedStyle(part).fontSize)];
                }));
                for (const [, , font] of sizes) assert.ok(font >= 16, `text of ${font} px`);
                assert.ok(sizes[2][1] >= 44, `Copy ${sizes[2][1]} px high`);
                assert.ok(sizes[3][0] >= 44 && sizes[3][1] >= 44, `close ${sizes[3][0]} × ${sizes[3][1]}`);
                // No Escape key on a phone: the close button is tapped.
                await control(page, 'Working').locator('.titlebar button').tap();
                assert.equal(await page.locator('[data-name="Working"]').count(), 0);
            }
        });
    }
});

// The panels of the Tools menu on a phone: the working's Method list within the screen; Practice
// a view of the screen above the Equation sheet, its exercise and answer box in sight, neither
// covering the other's controls; nothing scrolls sideways.
describe('the Tools panels on a phone', () => {
    for (const viewport of [{ width: 390, height: 844 }, { width: 360, height: 740 }]) {
        test(`${viewport.width} × ${viewport.height}: the Method list, Practice and the Equation box whole, none over another`, async () => {
            const { page } = await session.start({ ...phone, viewport });
            // Roots that are not rational: a greyed way of working says why in its caption.
            await pressCheck(page, 'Option1');
            await type(page, ['1', '-3', '1']);
            assert.equal(await clickRun(page), '');
            await control(page, 'Text(10)').click({ button: 'right' });
            await contextItem(page, 'ShowWorking').click();
            await control(page, 'Working').waitFor();
            const method = await control(page, 'WorkingMethod').evaluate((element) => {
                const panel = element.closest('section');
                return { right: element.getBoundingClientRect().right, overflow: panel.scrollWidth - panel.clientWidth };
            });
            assert.ok(method.right <= viewport.width, `the Method list ends at ${method.right}`);
            assert.ok(method.overflow <= 0, `the panel scrolls ${method.overflow} px sideways`);
            await control(page, 'Working').locator('.titlebar button').tap();

            await control(page, 'Tools').tap();
            await page.locator('.menubar [data-name="TypeEquation"]').tap();
            await control(page, 'TypeEquationWindow').waitFor();
            await control(page, 'Tools').tap();
            await page.locator('.menubar [data-name="Practice"]').tap();
            await control(page, 'PracticeWindow').waitFor();
            const seen = await page.evaluate(() => {
                const rect = (element) => {
                    const box = element.getBoundingClientRect();
                    return { left: box.left, top: box.top, right: box.right, bottom: box.bottom };
                };
                // Whole in the view and the one thing at its middle, not covered.
                const inSight = (element) => {
                    const box = element.getBoundingClientRect();
                    return box.top >= 0 && box.bottom <= innerHeight &&
                        element.contains(document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2));
                };
                const practice = document.querySelector('[data-name="PracticeWindow"]');
                const equation = document.querySelector('[data-name="TypeEquationWindow"]');
                return {
                    practice: rect(practice), equation: rect(equation),
                    exercise: inSight(document.querySelector('[data-name="PracticeExercise"]')),
                    answer: inSight(document.querySelector('[data-name="PracticeAnswer"]')),
                    text: inSight(document.querySelector('[data-name="EquationText"]')),
                    sideways: Math.max(document.documentElement.scrollWidth - innerWidth,
                        practice.scrollWidth - practice.clientWidth, equation.scrollWidth - equation.clientWidth),
                };
            });
            assert.deepEqual([seen.practice.left, seen.practice.top, seen.practice.right], [0, 0, viewport.width], 'Practice as wide as the screen from its top');
            assert.ok(seen.practice.bottom <= seen.equation.top, `Practice ${JSON.stringify(seen.practice)} over the Equation box ${JSON.stringify(seen.equation)}`);
            assert.deepEqual([seen.exercise, seen.answer, seen.text], [true, true, true], 'the exercise, the answer box and the equation in sight');
            assert.ok(seen.sideways <= 0, `${seen.sideways} px to scroll sideways`);
        });
    }
});
