// "INFO": the information window as a panel over the page, its help text, link and pictures.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { control, usePage } from './helpers.mjs';

// The help text and the panel's places as the program must show them, shared with the desktop's
// tests; places are in CSS pixels within the panel's client area.
const readData = (name) => JSON.parse(readFileSync(new URL(`../${name}`, import.meta.url), 'utf8'));
const helpText = readData('help_text.json').text;
const form3 = readData('design_places.json').Form3;
const places = Object.fromEntries(Object.entries(form3.controls).map(([name, control]) => [name, control.place]));

const session = usePage();

test('INFO shows one panel "Information" with the help text, focused, and the controls at their places', async () => {
    const { page } = await session.start();
    for (let press = 0; press < 3; ++press) await control(page, 'Command5').click();
    assert.equal(await page.locator('[data-name="Form3"]').count(), 1);
    const panel = control(page, 'Form3');
    assert.equal(await panel.locator('.titlebar span').textContent(), 'Information');
    const measured = await page.evaluate((names) => {
        const client = document.querySelector('[data-name="Form3"] .client');
        const origin = client.getBoundingClientRect();
        return {
            client: [origin.width, origin.height, getComputedStyle(client).backgroundColor],
            places: Object.fromEntries(names.map((name) => {
                const rect = document.querySelector(`[data-name="${name}"]`).getBoundingClientRect();
                return [name, [rect.left - origin.left, rect.top - origin.top, rect.width, rect.height]];
            })),
        };
    }, Object.keys(places));
    assert.deepEqual(measured, { client: [...form3.client, 'rgb(0, 0, 0)'], places });

    const text1 = control(page, 'Text1');
    assert.equal(await text1.textContent(), helpText);
    // A text area's value has its line breaks as LF.
    assert.equal(await text1.inputValue(), helpText.replaceAll('\r\n', '\n'));
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'Text1');
    await page.keyboard.type('typed');
    assert.equal(await text1.textContent(), helpText);
    const font = await text1.evaluate((box) => [getComputedStyle(box).fontSize, getComputedStyle(box).fontWeight, getComputedStyle(box).color, getComputedStyle(box).overflowY]);
    assert.deepEqual(font, ['11px', '700', 'rgb(255, 255, 255)', 'scroll']);
});

test('the panel moves by its title bar, and closed, the next INFO creates it anew', async () => {
    const { page } = await session.start();
    await control(page, 'Command5').click();
    const title = control(page, 'Form3').locator('.titlebar span');
    const before = await control(page, 'Form3').boundingBox();
    const grip = await title.boundingBox();
    await page.mouse.move(grip.x + 5, grip.y + 5);
    await page.mouse.down();
    await page.mouse.move(grip.x + 45, grip.y + 35, { steps: 4 });
    await page.mouse.up();
    const moved = await control(page, 'Form3').boundingBox();
    assert.deepEqual([moved.x - before.x, moved.y - before.y], [40, 30]);

    await control(page, 'Text1').evaluate((box) => { box.textContent = 'changed'; });
    await control(page, 'Form3').locator('.titlebar button').click();
    assert.equal(await page.locator('[data-name="Form3"]').count(), 0);
    await control(page, 'Command5').click();
    assert.equal(await control(page, 'Text1').textContent(), helpText);
});

test('the link opens the maker\'s page in a new tab, on each click, with the hand cursor', async () => {
    const { page, context } = await session.start();
    const opened = [];
    await context.route('https://tolvek.example.org/**', (route) => route.fulfill({ body: 'page', contentType: 'text/plain' }));
    context.on('page', (tab) => opened.push(tab));
    await control(page, 'Command5').click();
    const link = control(page, 'Label1');
    assert.equal(await link.textContent(), 'My Blog (Click)');
    assert.deepEqual(await link.evaluate((a) => [a.href, a.target, a.rel, a.tabIndex]),
        ['https://tolvek.example.org/', '_blank', 'noopener noreferrer', -1]);
    assert.match(await link.evaluate((a) => getComputedStyle(a).cursor), /^url\(".*\/hand\.cur"\) 12 1, pointer$/);
    assert.equal((await page.request.get(new URL('hand.cur', session.server.url).href)).status(), 200);
    for (let click = 1; click <= 2; ++click) {
        await link.click();
        await page.waitForTimeout(200);
        assert.equal(opened.length, click);
        await opened[click - 1].waitForLoadState();
        assert.equal(opened[click - 1].url(), 'https://tolvek.example.org/');
        // No way back to the program from the new tab.
        assert.equal(await opened[click - 1].evaluate(() => window.opener), null);
    }
    // The program's own page kept the focus-less link out of the tab order and stayed as it was.
    assert.equal(await page.locator('[data-name="Form3"]').count(), 1);
});

test('the pictures: the banner still at its own size, the strip stretched', async () => {
    const { page } = await session.start();
    await control(page, 'Command5').click();
    await page.waitForFunction(() => {
        const canvas = document.querySelector('[data-name="Image1"]');
        const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        return pixels.some((value, index) => index % 4 === 3 && value !== 0);
    });
    // The first frame: the figure in columns 14 to 65 and rows 10 to 84, nothing right of it.
    const drawn = () => page.evaluate(() => {
        const canvas = document.querySelector('[data-name="Image1"]');
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        let left = Infinity, right = -1, top = Infinity, bottom = -1, sum = 0;
        for (let y = 0; y < canvas.height; ++y) {
            for (let x = 0; x < canvas.width; ++x) {
                const i = (y * canvas.width + x) * 4;
                sum = (sum * 31 + data[i] + data[i + 1] * 7 + data[i + 2] * 13 + data[i + 3]) % 1000000007;
                if (data[i + 3] !== 0 && (data[i] || data[i + 1] || data[i + 2])) {
                    left = Math.min(left, x); right = Math.max(right, x);
                    top = Math.min(top, y); bottom = Math.max(bottom, y);
                }
            }
        }
        return { width: canvas.width, height: canvas.height, box: [left, top, right, bottom], sum };
    });
    const first = await drawn();
    assert.deepEqual([first.width, first.height, first.box], [405, 94, [14, 10, 65, 84]]);
    await page.waitForTimeout(500);
    assert.equal((await drawn()).sum, first.sum, 'the banner stays still');
    const strip = await control(page, 'Image2').evaluate((image) =>
        [image.complete, image.naturalWidth, image.naturalHeight, image.getBoundingClientRect().width, image.getBoundingClientRect().height]);
    assert.deepEqual(strip, [true, 55, 171, 23, 171]);
});

test('the keyboard leaves the panel: Tab reaches its close button, Escape closes it; INFO brings it back whole', async () => {
    const { page } = await session.start();
    await control(page, 'Command5').click();
    const panel = control(page, 'Form3');
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Close');
    await page.keyboard.press('Shift+Tab');
    await page.keyboard.press('Escape');
    assert.equal(await panel.count(), 0);
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'Command5');

    // Dragged far off the page to the lower right, then INFO again.
    await control(page, 'Command5').click();
    const title = panel.locator('.titlebar span');
    const box = await title.boundingBox();
    await page.mouse.move(box.x + 5, box.y + 5);
    await page.mouse.down();
    await page.mouse.move(box.x + 3000, box.y + 3000);
    await page.mouse.up();
    await control(page, 'Command5').click();
    const placed = await panel.evaluate((element) => {
        const rect = element.getBoundingClientRect();
        return rect.left >= 0 && rect.top >= 0 && rect.right <= innerWidth && rect.bottom <= innerHeight;
    });
    assert.ok(placed, 'the panel is whole on the screen');
});
