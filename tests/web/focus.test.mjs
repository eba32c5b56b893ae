// What the page's style promises every user: a focus outline that can be seen on each kind of
// control, push buttons that keep their edges in forced colours (high contrast), the focus back
// where the user was after a panel or a menu, and on a phone a page as wide as the screen (its
// column: phone.test.mjs).
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
    clickRun, contextItem, control, openContext, pressCheck, type, usePage,
} from './helpers.mjs';

const session = usePage();

// The WCAG contrast ratio of two computed colours, "rgb(r, g, b)".
function contrast(first, second) {
    const luminance = (colour) => {
        const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((value) => {
            const channel = Number(value) / 255;
            return channel <= 0.04045 ? channel / 12.92 : ((channel + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const [light, dark] = [luminance(first), luminance(second)].sort((a, b) => b - a);
    return (light + 0.05) / (dark + 0.05);
}

// Focuses the element as a keyboard user would reach it, and reads its outline, its face (its own
// background, or what shows through it) and the colour of the window around it.
async function focusRing(page, selector) {
    await page.keyboard.press('Shift');
    return page.evaluate((css) => {
        const element = document.querySelector(css);
        element.focus();
        const opaque = (start) => {
            for (let node = start; node; node = node.parentElement) {
                const colour = getComputedStyle(node).backgroundColor;
                if (!/rgba\(.*, 0\)$|transparent/.test(colour)) return colour;
            }
            return 'rgb(255, 255, 255)';
        };
        const style = getComputedStyle(element);
        return {
            focused: document.activeElement === element && element.matches(':focus-visible'),
            style: style.outlineStyle,
            width: parseFloat(style.outlineWidth),
            colour: style.outlineColor,
            face: opaque(element),
            window: opaque(element.parentElement),
        };
    }, selector);
}

function assertVisibleRing(ring, what) {
    assert.equal(ring.focused, true, `${what} has the keyboard focus`);
    assert.equal(ring.style, 'solid', what);
    assert.ok(ring.width >= 2, `${what}: outline of ${ring.width} px`);
    for (const against of ['face', 'window']) {
        const ratio = contrast(ring.colour, ring[against]);
        assert.ok(ratio >= 3, `${what}: ${ring.colour} on ${against} ${ring[against]} is ${ratio.toFixed(2)} : 1`);
    }
}

describe('focus', () => {
    test('every kind of control shows a focus outline of 2 px at 3 : 1 against its face and window', async () => {
        const { page } = await session.start();
        await pressCheck(page, 'Option1');
        for (const [what, selector] of [
            ['text box', '[data-name="Text(1)"]'],
            ['read-only box', '[data-name="Text(10)"]'],
            ['green push button', '[data-name="Command4"]'],
            ['white push button', '[data-name="Command1"]'],
            ['grey push button, stacked', '[data-name="Command5"]'],
            ['option button', '[data-name="Option2"] input'],
            ['menu title', '[data-name="File"]'],
        ]) assertVisibleRing(await focusRing(page, selector), what);

        await control(page, 'File').click();
        assertVisibleRing(await focusRing(page, '[data-name="Exit"]'), 'menu item, highlighted');
        await page.keyboard.press('Escape');

        await control(page, 'Command5').click();
        await control(page, 'Form3').waitFor();
        assertVisibleRing(await focusRing(page, '[data-name="Text1"]'), 'text of the information window');
    });

    test('the buttons of a message box', async () => {
        const { page } = await session.open();
        await page.locator('dialog[open] button').waitFor();
        assertVisibleRing(await focusRing(page, 'dialog[open] button'), 'message box button');
        await page.click('dialog[open] button');
    });

    test('forced colours: every push button keeps its edges, and the focus its outline', async () => {
        const { page } = await session.start();
        await page.emulateMedia({ forcedColors: 'active' });
        await pressCheck(page, 'Option1');
        const edges = await page.evaluate(() => [...document.querySelectorAll('.client > .command, dialog button')]
            .map((button) => {
                const style = getComputedStyle(button);
                return [button.dataset.name, ['Top', 'Right', 'Bottom', 'Left'].every((side) =>
                    style[`border${side}Style`] !== 'none' && parseFloat(style[`border${side}Width`]) >= 1)];
            }));
        assert.equal(edges.length, 5);
        assert.deepEqual(edges.filter(([, edged]) => !edged), []);
        const ring = await focusRing(page, '[data-name="Command4"]');
        assert.equal(ring.style, 'solid');
        assert.ok(ring.width >= 2);
    });
});

// The focused control by its name, or the tag of an element that has none.
const focused = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? document.activeElement?.tagName);

describe('where the focus goes', () => {
    test('after "exit", on "Start it again", the ended line said', async () => {
        const { page } = await session.start();
        await pressCheck(page, 'Option1');
        await control(page, 'Command3').focus();
        await page.keyboard.press('Enter');
        await page.locator('.ended').waitFor();
        assert.deepEqual(await page.evaluate(() => [document.activeElement.closest('.ended') && document.activeElement.textContent,
            document.querySelector('.announcer[role="status"][aria-live="polite"]')?.textContent]),
        ['Start it again', 'Velmora has ended.']);
    });

    test('the Working panel, asked for on the status line and closed with Escape: back to the box', async () => {
        const { page } = await session.start();
        await pressCheck(page, 'Option1');
        await type(page, ['1', '-3', '2']);
        assert.equal(await clickRun(page), '');
        await control(page, 'Text(2)').focus();
        await control(page, 'Label(1)').click({ button: 'right' });
        await contextItem(page, 'ShowWorking').click();
        await control(page, 'Working').waitFor();
        await page.keyboard.press('Escape');
        assert.equal(await page.locator('[data-name="Working"]').count(), 0);
        assert.equal(await focused(page), 'Text(2)');
    });

    test('Alt+F or a click, Escape to the title, Escape again back to the box, Tab on from it', async () => {
        const { page } = await session.start();
        await pressCheck(page, 'Option1');
        await control(page, 'Text(2)').focus();
        await page.keyboard.press('Alt+f');
        assert.equal(await focused(page), 'Exit');
        await page.keyboard.press('Escape');
        assert.equal(await focused(page), 'File');
        await page.keyboard.press('Escape');
        assert.equal(await focused(page), 'Text(2)');
        // Opened with the mouse, which takes the focus to the title; Tab goes on from the box.
        await control(page, 'File').click();
        await page.keyboard.press('Escape');
        assert.equal(await focused(page), 'File');
        await page.keyboard.press('Escape');
        assert.equal(await focused(page), 'Text(2)');
        await control(page, 'File').click();
        await control(page, 'File').click();
        await page.keyboard.press('Tab');
        assert.equal(await focused(page), 'Text(3)');
    });
});

describe('a phone', () => {
    test('the page is as wide as the screen, not a shrunken desktop window', async () => {
        const phone = await openContext(session.browser, session.server.url,
            { viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
        session.program = phone;
        assert.equal(await phone.page.evaluate(() => window.innerWidth), 360);
        await phone.page.click('dialog[open] button');
    });
});
