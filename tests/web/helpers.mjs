// Drives Velmora's page in Debian's Chromium, headless, as a user would: a static server for the
// built site, a browser, a fresh context for each program started, and what a message box shows.
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { after, afterEach, before } from 'node:test';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';

export const siteDir = process.env.VELMORA_SITE
    ?? fileURLToPath(new URL('../../build-web/site/', import.meta.url));

const types = {
    '.html': 'text/html; charset=utf-8', '.css': 'text/css', '.js': 'text/javascript',
    '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
    '.png': 'image/png', '.gif': 'image/gif', '.jpg': 'image/jpeg', '.cur': 'image/x-icon',
};

// Serves the site on a free port of the loopback address; stop() closes it, as a server gone.
// Options: `cacheControl`, the Cache-Control header (a string, or a function of the path);
// `drop(path)`, true to close the connection on that request, as a network gone mid-download.
// `requests` lists what was asked: path, status, bytes sent and whether it was conditional;
// serve(dir) serves another folder from then on, as a new build put on the server. `compress`:
// text and the program sent gzip -9 to a browser that takes it, as a web host sends them.
export async function serveSite(dir = siteDir, options = {}) {
    const { cacheControl = 'no-cache', drop = () => false, compress = false } = options;
    let root = dir;
    const requests = [];
    const sockets = new Set();
    const zippedFiles = new Map();
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        const asked = { path, status: 0, bytes: 0, conditional: 'if-none-match' in request.headers || 'if-modified-since' in request.headers };
        requests.push(asked);
        if (drop(path)) {
            request.socket.destroy();
            return;
        }
        const file = join(root, normalize(path.endsWith('/') ? path + 'index.html' : path));
        try {
            let body = await readFile(file);
            const zipped = compress && !/^image\//.test(types[extname(file)])
                && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '');
            if (zipped) {
                if (!zippedFiles.has(file)) zippedFiles.set(file, gzipSync(body, { level: 9 }));
                body = zippedFiles.get(file);
            }
            response.writeHead(200, {
                'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                'Cache-Control': typeof cacheControl === 'function' ? cacheControl(path) : cacheControl,
                ...(zipped && { 'Content-Encoding': 'gzip' }),
            });
            response.end(body);
            Object.assign(asked, { status: 200, bytes: body.length });
        } catch {
            response.writeHead(404);
            response.end();
            asked.status = 404;
        }
    });
    server.on('connection', (socket) => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        requests,
        serve: (newDir) => { root = newDir; },
        stop: () => new Promise((resolve) => {
            for (const socket of sockets) socket.destroy();
            server.close(resolve);
        }),
    };
}

export function launchBrowser() {
    // As root (CI) Chromium runs only without its sandbox.
    const args = process.getuid?.() === 0 ? ['--no-sandbox'] : [];
    return chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args });
}

// A new context (no service worker, no cache) on the page. Every page error, console error and
// Content-Security-Policy violation is kept in `problems`, which each test expects empty.
// `prepare(page)` runs before the page is opened (to hold a file back, say); `waitUntil` is the
// page's event the opening waits for.
export async function openContext(browser, url, options = {},
    { prepare = async () => {}, waitUntil = 'load' } = {}) {
    const context = await browser.newContext({ locale: 'en-US', viewport: { width: 800, height: 500 }, ...options });
    await context.addInitScript(() => {
        window.velmoraViolations = [];
        document.addEventListener('securitypolicyviolation',
            (event) => window.velmoraViolations.push(`${event.violatedDirective} ${event.blockedURI}`));
    });
    const page = await context.newPage();
    const problems = [];
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    page.on('console', (message) => {
        if (message.type() === 'error') problems.push(`console: ${message.text()}`);
    });
    await prepare(page);
    await page.goto(url, { waitUntil });
    return { context, page, problems };
}

export async function violations(page) {
    return page.evaluate(() => window.velmoraViolations);
}

// An opening of the page with one of its files held back until release(): by default the
// program's script, the page as it is while the program downloads, opened at DOMContentLoaded, as
// the page's load waits for the program. The loader held back, the page is opened at its first
// response: its parsing waits for the loader.
export function holdBack(file = /velmora\.\w+\.js$/, waitUntil = 'domcontentloaded') {
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    return {
        release,
        opening: {
            prepare: (page) => page.route(file, async (route) => {
                await held;
                await route.continue();
            }),
            waitUntil,
        },
    };
}

// What the open message box shows.
export async function readBox(page) {
    const box = page.locator('dialog[data-name="MessageBox"][open]');
    await box.waitFor();
    return box.evaluate((dialog) => ({
        title: dialog.querySelector('[data-name="title"]').textContent,
        text: dialog.querySelector('[data-name="text"]').textContent,
        icon: dialog.dataset.icon,
        buttons: [...dialog.querySelectorAll('button')].map((button) => button.dataset.name),
    }));
}

// Reads the open box, then answers it with one of its buttons.
export async function answerBox(page, button = 'OK') {
    const shown = await readBox(page);
    await page.click(`dialog[data-name="MessageBox"][open] [data-name="${button}"]`);
    return shown;
}

// The program started and its welcome box answered: the window as the user first uses it.
export async function startProgram(browser, url, options = {}) {
    const opened = await openContext(browser, url, options);
    await answerBox(opened.page, 'OK');
    await opened.page.locator('[data-name="Form1"]').waitFor();
    return opened;
}

export const control = (page, name) => page.locator(`[data-name="${name}"]`);
// An item of the status line's and the result boxes' context menu: the Tools menu has one of the
// same name.
export const contextItem = (page, name) => page.locator(`[data-name="ContextMenu"] [data-name="${name}"]`);

export async function pressCheck(page, option) {
    if (option) await control(page, option).click();
    await control(page, 'Command4').click();
}

// Types the coefficients into Text(1), Text(2), …, emptying each box first.
export async function type(page, boxes) {
    for (const [index, text] of boxes.entries()) await control(page, `Text(${index + 1})`).fill(text);
}

// The texts of the result area, by control.
export async function shown(page) {
    return page.evaluate(() => {
        const read = (name) => {
            const element = document.querySelector(`[data-name="${name}"]`);
            return element.tagName === 'INPUT' ? element.value : element.textContent;
        };
        const names = ['Label(1)', 'Text(7)', 'Text(8)', 'Text(9)', 'Label(7)', 'Text(10)', 'Label(8)', 'Text(11)'];
        return Object.fromEntries(names.map((name) => [name, read(name)]));
    });
}

// Clicks "run" and answers the warning it shows, if any: the warning's text, or ''.
export async function clickRun(page) {
    await control(page, 'Command1').click();
    const box = page.locator('dialog[data-name="MessageBox"][open]');
    if (await box.count() === 0) return '';
    const warning = await answerBox(page, 'OK');
    if (warning.title !== 'Warning' || warning.icon !== 'warning' || warning.buttons.join() !== 'OK')
        return `unexpected box: ${JSON.stringify(warning)}`;
    return warning.text;
}

// The hooks a file of page tests shares: one server and one browser for the file, and after each
// test no page error, console error or policy violation in the program it started.
export function usePage() {
    const session = { server: undefined, browser: undefined, program: undefined };
    before(async () => {
        session.server = await serveSite();
        session.browser = await launchBrowser();
    });
    after(async () => {
        await session.browser.close();
        await session.server.stop();
    });
    afterEach(async () => {
        const { program } = session;
        if (!program) return;
        session.program = undefined;
        assert.deepEqual(program.problems, []);
        if (!program.page.isClosed()) assert.deepEqual(await violations(program.page), []);
        await program.context.close();
    });
    session.start = async (options) =>
        (session.program = await startProgram(session.browser, session.server.url, options));
    session.open = async (opening, options = {}) =>
        (session.program = await openContext(session.browser, session.server.url, options, opening));
    return session;
}
