// New builds and failed loads: each file downloaded once on the first visit, a new build taken
// whole after the page's "new version" button even behind a year-long HTTP cache, a build that
// cannot all be downloaded not taken at all, the words shown when the program cannot be loaded,
// and the manifest's icons for installing.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import {
    answerBox, clickRun, launchBrowser, openContext, pressCheck, serveSite, shown, siteDir, type, violations,
} from './helpers.mjs';

const partsDir = join(siteDir, '..', 'site-parts');
const versionScript = fileURLToPath(new URL('../../src/web/version_site.py', import.meta.url));
const yearLong = 'max-age=31536000';

let browser;
const made = [];
before(async () => { browser = await launchBrowser(); });
after(async () => {
    await browser.close();
    for (const dir of made) rmSync(dir, { recursive: true, force: true });
});

// The version and file names of a built site.
function describeSite(dir) {
    const files = readdirSync(dir);
    return {
        dir,
        version: /const version = "(\w+)"/.exec(readFileSync(join(dir, 'sw.js'), 'utf8'))[1],
        js: files.find((file) => /^velmora\.\w+\.js$/.test(file)),
        wasm: files.find((file) => /^velmora\.\w+\.wasm$/.test(file)),
    };
}

// The next build: the same program with a changed script and WebAssembly (a custom section
// appended), named by the build's own step.
function nextBuild() {
    const root = mkdtempSync(join(tmpdir(), 'velmora-build-'));
    made.push(root);
    const parts = join(root, 'parts');
    const site = join(root, 'site');
    cpSync(partsDir, parts, { recursive: true });
    appendFileSync(join(parts, 'velmora.js'), '\n// the next build\n');
    appendFileSync(join(parts, 'velmora.wasm'), Buffer.from([0, 5, 4, ...Buffer.from('next')]));
    execFileSync('python3', [versionScript, parts, site, ...readdirSync(parts)]);
    return describeSite(site);
}

async function waitForWorker(page) {
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}

// Asks the browser to look for a new service worker now, as it does on navigations, and waits
// until the new one is installed or has failed.
async function lookForUpdate(page) {
    return page.evaluate(async () => {
        const registration = await navigator.serviceWorker.getRegistration();
        await registration.update();
        const worker = registration.installing;
        if (!worker) return 'none';
        return new Promise((resolve) => {
            const settled = () => ['installed', 'redundant'].includes(worker.state) && resolve(worker.state);
            worker.addEventListener('statechange', settled);
            settled();
        });
    });
}

// The program's files as the page loaded them, and the service worker's caches.
async function running(page) {
    return page.evaluate(async () => ({
        loaded: performance.getEntriesByType('resource').map((entry) => new URL(entry.name).pathname.slice(1))
            .filter((name) => /^velmora\.\w+\.(js|wasm)$/.test(name)).sort(),
        caches: await caches.keys(),
    }));
}

async function solves(page) {
    await pressCheck(page, 'Option1');
    await type(page, ['1', '-3', '2']);
    assert.equal(await clickRun(page), '');
    assert.equal((await shown(page))['Text(10)'], '2');
}

const onlyFailedLoads = (problems) => problems.filter((problem) => !/Failed to (fetch|load resource)|ERR_/.test(problem));

test('first visit: every file of the site is downloaded once, by the page or its service worker', async (t) => {
    const server = await serveSite();
    const { context, page, problems } = await openContext(browser, server.url);
    try {
        await answerBox(page, 'OK');
        await waitForWorker(page);
        const downloads = {};
        for (const { path, status, bytes } of server.requests.filter((request) => request.status === 200))
            (downloads[path] ??= []).push(bytes);
        const files = readdirSync(siteDir).filter((file) => file !== 'sw.js')
            .map((file) => (file === 'index.html' ? '/' : `/${file}`));
        for (const file of files) assert.equal(downloads[file]?.length, 1, `${file} downloaded once`);
        const total = Object.values(downloads).flat().reduce((sum, bytes) => sum + bytes, 0);
        t.diagnostic(`first visit: ${total} bytes in ${Object.keys(downloads).length} files`);
        assert.deepEqual(problems, []);
        assert.deepEqual(await violations(page), []);
    } finally {
        await context.close();
        await server.stop();
    }
});

test('a new build behind a year-long HTTP cache: offered in one line, then taken whole on the click', async () => {
    const first = describeSite(siteDir);
    const next = nextBuild();
    assert.notEqual(next.version, first.version);
    assert.notEqual(next.js, first.js);
    assert.notEqual(next.wasm, first.wasm);
    const server = await serveSite(siteDir, { cacheControl: yearLong });
    const { context, page, problems } = await openContext(browser, server.url);
    try {
        await answerBox(page, 'OK');
        await waitForWorker(page);
        server.serve(next.dir);
        assert.equal(await lookForUpdate(page), 'installed');
        // The new worker waits: the page still runs the first build, and offers the next.
        const line = page.locator('.update');
        await line.waitFor();
        assert.equal(await line.textContent(), 'A new version of Velmora is ready. Use the new version');
        assert.equal(await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).waiting !== null), true);
        assert.deepEqual((await running(page)).loaded, [first.js, first.wasm].sort());
        await solves(page);

        const reloaded = page.waitForEvent('load');
        await line.locator('button').click();
        await reloaded;
        await answerBox(page, 'OK');
        assert.deepEqual(await running(page), { loaded: [next.js, next.wasm].sort(), caches: [`velmora-${next.version}`] });
        await solves(page);
        assert.equal(await page.locator('.update').count(), 0);
        // The next build's program came from the server once, for the new worker; the reloaded
        // page had it from the worker.
        for (const file of [next.js, next.wasm])
            assert.equal(server.requests.filter((request) => request.path === `/${file}`).length, 1, file);
        assert.deepEqual(onlyFailedLoads(problems), []);
        assert.deepEqual(await violations(page), []);
    } finally {
        await context.close();
        await server.stop();
    }
});

test('a new build taken in one tab: the other tab, which offered it too, reloads into it', async () => {
    const next = nextBuild();
    const server = await serveSite(siteDir, { cacheControl: yearLong });
    const { context, page, problems } = await openContext(browser, server.url);
    try {
        await answerBox(page, 'OK');
        await waitForWorker(page);
        const other = await context.newPage();
        await other.goto(server.url);
        await answerBox(other, 'OK');
        await waitForWorker(other);
        server.serve(next.dir);
        assert.equal(await lookForUpdate(page), 'installed');
        await other.locator('.update').waitFor();
        const reloaded = [page, other].map((tab) => tab.waitForEvent('load'));
        await page.locator('.update button').click();
        await Promise.all(reloaded);
        await answerBox(other, 'OK');
        assert.deepEqual((await running(other)).loaded, [next.js, next.wasm].sort());
        assert.equal(await other.locator('.update').count(), 0);
        await solves(other);
        assert.deepEqual(onlyFailedLoads(problems), []);
    } finally {
        await context.close();
        await server.stop();
    }
});

test('a new build whose WebAssembly cannot be downloaded is not taken: the page keeps the whole first build', async () => {
    const first = describeSite(siteDir);
    const next = nextBuild();
    const server = await serveSite(siteDir, { cacheControl: yearLong, drop: (path) => path === `/${next.wasm}` });
    const { context, page, problems } = await openContext(browser, server.url);
    try {
        await answerBox(page, 'OK');
        await waitForWorker(page);
        const cachesBefore = (await running(page)).caches;
        server.serve(next.dir);
        assert.equal(await lookForUpdate(page), 'redundant');
        assert.ok(server.requests.some((request) => request.path === `/${next.wasm}`), 'the download was tried');
        assert.equal(await page.locator('.update').count(), 0);

        await page.reload();
        await answerBox(page, 'OK');
        assert.deepEqual(await running(page), { loaded: [first.js, first.wasm].sort(), caches: cachesBefore });
        await solves(page);
        assert.deepEqual(onlyFailedLoads(problems), []);
    } finally {
        await context.close();
        await server.stop();
    }
});

const programMissing = /^Velmora could not be loaded: its program did not arrive, or this browser could not run it\. Try again$/;
const loaderMissing = /^Velmora has not started: its loader has not arrived, or this browser has blocked it\. Try again$/;

test('the program or its loader cannot be loaded: the page says so in words, and "Try again" starts it once it can', async () => {
    const server = await serveSite();
    // The loader shows the window when the box is answered before the program has started.
    let answered;
    const boxAnswered = new Promise((resolve) => { answered = resolve; });
    try {
        for (const [what, pattern, answer, answerFirst, words = programMissing] of [
            ['WebAssembly blocked', /velmora\.\w+\.wasm$/, (route) => route.abort()],
            ['WebAssembly blocked after the box is answered', /velmora\.\w+\.wasm$/,
                (route) => boxAnswered.then(() => route.abort()), true],
            ['script blocked', /velmora\.\w+\.js$/, (route) => route.abort()],
            ['WebAssembly that does not compile', /velmora\.\w+\.wasm$/,
                (route) => route.fulfill({ status: 200, contentType: 'application/wasm', body: Buffer.from('not a program') })],
            ['WebAssembly not found', /velmora\.\w+\.wasm$/, (route) => route.fulfill({ status: 404, body: '' })],
            // Without its loader the page says so itself, once the box is answered.
            ['loader blocked', /loader\.\w+\.js$/, (route) => route.abort(), true, loaderMissing],
            ['loader not found', /loader\.\w+\.js$/, (route) => route.fulfill({ status: 404, body: '' }), true, loaderMissing],
        ]) {
            const context = await browser.newContext({ locale: 'en-US' });
            try {
                await context.route(pattern, answer);
                const page = await context.newPage();
                const problems = [];
                page.on('pageerror', (error) => problems.push(error.message));
                await page.goto(server.url, { waitUntil: 'domcontentloaded' });
                if (answerFirst) {
                    await answerBox(page, 'OK');
                    if (words === programMissing) await page.locator('[data-name="Form1"]:visible').waitFor();
                    answered();
                }
                const message = page.locator('p.failed[role="alert"]');
                await message.waitFor();
                assert.match(await message.textContent(), words, what);
                // The window's markup is in the page, hidden: nothing of it shows.
                assert.equal(await page.locator('[data-name="Form1"][hidden]').count(), 1, what);
                assert.equal(await page.locator('[data-name="Form1"]:visible, dialog[open]').count(), 0, what);
                assert.deepEqual(problems, [], what);

                await context.unroute(pattern);
                await message.getByRole('link', { name: 'Try again' }).click();
                const welcome = await answerBox(page, 'OK');
                assert.equal(welcome.title, 'Velmora', what);
                await page.locator('[data-name="Form1"]:visible').waitFor();
                assert.equal(await page.locator('p.failed').count(), 0, what);
            } finally {
                await context.close();
            }
        }
    } finally {
        await server.stop();
    }
});

// The width and height a PNG declares in its header.
function pngSize(bytes) {
    assert.equal(bytes.subarray(1, 4).toString('latin1'), 'PNG');
    return `${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`;
}

test('the manifest offers icons of 192 and 512 pixels, and a maskable one that fills its square', async () => {
    const manifest = JSON.parse(readFileSync(join(siteDir, 'manifest.webmanifest'), 'utf8'));
    const icons = manifest.icons.map((icon) => ({ ...icon, purpose: icon.purpose ?? 'any' }));
    for (const [sizes, purpose] of [['192x192', 'any'], ['512x512', 'any'], ['512x512', 'maskable']]) {
        const icon = icons.find((entry) => entry.sizes === sizes && entry.purpose === purpose);
        assert.ok(icon, `${purpose} ${sizes}`);
        assert.equal(pngSize(readFileSync(join(siteDir, icon.src))), sizes, icon.src);
    }
    for (const icon of icons) assert.equal(pngSize(readFileSync(join(siteDir, icon.src))), icon.sizes, icon.src);

    const server = await serveSite();
    const { context, page } = await openContext(browser, server.url);
    try {
        const maskable = icons.find((icon) => icon.purpose === 'maskable').src;
        const found = await page.evaluate(async (src) => {
            const image = new Image();
            image.src = src;
            await image.decode();
            const size = image.naturalWidth;
            const canvas = document.createElement('canvas');
            canvas.width = canvas.height = size;
            const context2d = canvas.getContext('2d');
            context2d.drawImage(image, 0, 0);
            const { data } = context2d.getImageData(0, 0, size, size);
            let transparent = 0;
            let outsideSafeZone = 0;
            for (let y = 0; y < size; ++y) {
                for (let x = 0; x < size; ++x) {
                    const at = (y * size + x) * 4;
                    if (data[at + 3] !== 255) ++transparent;
                    const fromCentre = Math.hypot(x + 0.5 - size / 2, y + 0.5 - size / 2);
                    if (fromCentre > size * 0.4 && data[at] + data[at + 1] + data[at + 2] !== 0) ++outsideSafeZone;
                }
            }
            return { transparent, outsideSafeZone };
        }, maskable);
        // A full-bleed background, and the V inside the circle that every mask leaves.
        assert.deepEqual(found, { transparent: 0, outsideSafeZone: 0 });
    } finally {
        await context.close();
        await server.stop();
    }
});
