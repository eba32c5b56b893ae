// The page as an installed app: its manifest and icons, the service worker that keeps every file,
// a start without a network after the first visit, and the page in a German browser.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtemp, readdir, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import {
    answerBox, clickRun, control, launchBrowser, pressCheck, serveSite, shown, siteDir, startProgram, type, violations,
} from './helpers.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

test('installable: the manifest names Velmora with its icon and the browser finds nothing missing', async () => {
    const server = await serveSite();
    // Installing is not offered in a private window: a profile of its own.
    const profile = await mkdtemp(join(tmpdir(), 'velmora-profile-'));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: '/usr/bin/chromium', headless: true,
        args: process.getuid?.() === 0 ? ['--no-sandbox'] : [],
    });
    try {
        const page = context.pages()[0] ?? await context.newPage();
        await page.goto(server.url);
        await answerBox(page, 'OK');
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        const cdp = await context.newCDPSession(page);
        assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
        const manifest = JSON.parse((await cdp.send('Page.getAppManifest')).data);
        assert.equal(manifest.name, 'Velmora');
        assert.equal(manifest.display, 'standalone');
        for (const icon of manifest.icons) {
            const response = await page.request.get(new URL(icon.src, server.url).href);
            assert.equal(response.status(), 200, icon.src);
        }
    } finally {
        await context.close();
        await rm(profile, { recursive: true, force: true });
        await server.stop();
    }
});

test('offline: after the first visit every file is kept, and the program starts and solves without its server', async () => {
    const server = await serveSite();
    const program = await startProgram(browser, server.url);
    const { page, context } = program;
    try {
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        // One cache, the build's, keeps the page under its address and every other file.
        const kept = await page.evaluate(async () => {
            const names = await caches.keys();
            const cache = await caches.open(names[0]);
            return { names, files: (await cache.keys()).map((request) => new URL(request.url).pathname.slice(1) || 'index.html') };
        });
        assert.equal(kept.names.length, 1);
        assert.match(kept.names[0], /^velmora-[0-9a-f]{10}$/);
        const files = (await readdir(siteDir)).filter((file) => file !== 'sw.js');
        assert.deepEqual(kept.files.sort(), files.sort());

        await server.stop();
        await page.reload();
        await answerBox(page, 'OK');
        await pressCheck(page, 'Option1');
        await type(page, ['1', '-3', '2']);
        assert.equal(await clickRun(page), '');
        assert.equal((await shown(page))['Text(10)'], '2');
        await control(page, 'Command5').click();
        await page.waitForFunction(() => document.querySelector('[data-name="Image2"]').naturalWidth === 55);
        assert.deepEqual(await violations(page), []);
        // The reload without a server may log the browser's failed look for a new service worker,
        // nothing else.
        assert.deepEqual(program.problems.filter((problem) => !/Failed to (fetch|load resource)|ServiceWorker/.test(problem)), []);
    } finally {
        await context.close();
    }
});

test('a German browser: numbers shown with the decimal comma', async () => {
    const server = await serveSite();
    const program = await startProgram(browser, server.url, { locale: 'de-DE' });
    const { page, context } = program;
    try {
        assert.equal(await page.evaluate(() => navigator.language), 'de-DE');
        await pressCheck(page, 'Option1');
        await type(page, ['2', '1', '-1']);
        assert.equal(await clickRun(page), '');
        assert.deepEqual(await shown(page), {
            'Label(1)': 'Two real roots.', 'Text(7)': ' 9', 'Text(8)': '', 'Text(9)': '',
            'Label(7)': 'x1=', 'Text(10)': '0,5', 'Label(8)': 'x2=', 'Text(11)': '-1',
        });
        await type(page, ['1', '1', '1']);
        await clickRun(page);
        assert.equal((await shown(page))['Text(10)'], '-0,5+0,866025403784439*i ');
        // Typed with the decimal comma, groups and the euro sign, read as typed.
        await type(page, ['0', '1,5', '-1.234,50\u00a0€']);
        assert.equal(await clickRun(page), '');
        assert.equal((await shown(page))['Text(10)'], '823');
        // A text that is no number in German.
        await type(page, ['1', '1', '1.2.3']);
        assert.equal(await clickRun(page), 'Check again! No numeric values!');
        assert.deepEqual(program.problems, []);
        assert.deepEqual(await violations(page), []);
    } finally {
        await context.close();
        await server.stop();
    }
});

test('an Indian English browser: groups of two before the last three; an English one takes no decimal comma', async () => {
    const server = await serveSite();
    try {
        for (const [locale, boxes, warning, root] of [
            ['en-IN', ['0', '1,00,000', '-2,50,000.5'], '', '2.500005'],
            ['en-US', ['0', '2', '1,5'], 'Check again! No numeric values!', ''],
            ['en-US', ['0', '1,000', '-$2,500'], '', '2.5'],
        ]) {
            const program = await startProgram(browser, server.url, { locale });
            try {
                await pressCheck(program.page, 'Option1');
                await type(program.page, boxes);
                assert.equal(await clickRun(program.page), warning, `${locale} ${boxes}`);
                assert.equal((await shown(program.page))['Text(10)'], root, `${locale} ${boxes}`);
                assert.deepEqual(program.problems, []);
            } finally {
                await program.context.close();
            }
        }
    } finally {
        await server.stop();
    }
});
